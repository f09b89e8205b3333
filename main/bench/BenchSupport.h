// What the benchmark programs share: a fine clock and the start window shown as the program shows it.
#pragma once
#include "ui/Window.h"

namespace bench {

// Seconds from an arbitrary start, to the performance counter's resolution.
double Now();

// Starts the window layer and the globals, loads the start window and waits
// until its bootstrap has ended; null when the window cannot be made.
ui::Window* LoadStartWindow();

}  // namespace bench
