// Stand-ins for the library's two windows until their forms are built:
// each returns at once, as a window closed straight away would.
#include "player/PlayerWindows.h"

namespace player {

void ShowPlayerWindow() {}
void ShowQvodPageWindow() {}

}  // namespace player
