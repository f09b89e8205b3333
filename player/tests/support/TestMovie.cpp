// A stand-in for the generated movie: recognisable bytes with a zero byte inside.
#include "player/movie/EmbeddedMovie.h"

std::string EmbeddedMovieBytes() { return std::string("CWS\x08test movie\0bytes", 20); }
