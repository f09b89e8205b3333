// The updater's start-up.
#pragma once

// Sets up the window layer, the module variables and the skin, shows the
// start window and runs the message loop until the program ends.
int UpdaterStart();
