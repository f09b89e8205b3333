// The main program's start-up.
#pragma once

// Initialises the window layer and the globals, registers the clean-up, runs
// the module initialisations, loads the start window and runs the message
// loop; returns 0 when the loop ends.
int ProgramStart();
