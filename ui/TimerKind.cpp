// Timer rows of a form: no window; the form runs them (ui/WindowTimers.cpp).
#include "ControlKind.h"

namespace ui {

extern const ControlKind Kind::Timer = ControlKind("Timer").Ticks();

}  // namespace ui
