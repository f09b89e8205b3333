// The player's Flash movie, read from its stored form.
#include "player/movie/EmbeddedMovie.h"

#include <cstdint>

#include "player/movie/StoredMovie.h"

std::string EmbeddedMovieBytes() {
  const uint32_t length = static_cast<uint32_t>(StoredMovie[4]) | static_cast<uint32_t>(StoredMovie[5]) << 8 |
                          static_cast<uint32_t>(StoredMovie[6]) << 16 | static_cast<uint32_t>(StoredMovie[7]) << 24;
  return std::string(reinterpret_cast<const char*>(StoredMovie + 8), length);
}
