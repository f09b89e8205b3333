// A label without text or background that lies over the movie and reports
// left button presses (MouseDown) and double clicks (DoubleClick).
#pragma once
#include "ui/ControlKind.h"

namespace player {

extern const ui::ControlKind TransparentLabel;

}  // namespace player
