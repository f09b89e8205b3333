// The player's Flash movie, generated at build time and compiled into the
// player library as constant data.
#pragma once
#include <string>

// The bytes of the movie file ("CWS" SWF), as written to ZentiPlay.Swf.
std::string EmbeddedMovieBytes();
