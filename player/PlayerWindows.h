// The library's two windows, each shown modally without an owner; each call
// returns when its window has been closed. They read PlayTitle and PlayUrl.
#pragma once

namespace player {

// The movie player window, for every address that is not a QVOD link.
void ShowPlayerWindow();

// The page window that embeds the QVOD player control for a QVOD link.
void ShowQvodPageWindow();

}  // namespace player
