// The library's two windows, each shown modally without an owner; each call
// returns when its window has been closed, true when the window was shown
// (the player window refuses a short address before it is shown). They read
// PlayTitle and PlayUrl.
#pragma once

namespace player {

// The movie player window, for every address that is not a QVOD link.
bool ShowPlayerWindow();

// The page window that embeds the QVOD player control for a QVOD link.
bool ShowQvodPageWindow();

}  // namespace player
