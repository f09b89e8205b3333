// The movie compiled into the library: its stored form and the file bytes read from it.
#include <gtest/gtest.h>

#include <cstring>

#include "player/movie/EmbeddedMovie.h"
#include "player/movie/StoredMovie.h"

TEST(EmbeddedMovie, StoredAsOneLengthAndTheCompressedFile) {
  const std::string bytes = EmbeddedMovieBytes();
  const unsigned char head[] = {1, 0, 0, 0};
  EXPECT_EQ(0, std::memcmp(StoredMovie, head, 4));
  const uint32_t stored = StoredMovie[4] | StoredMovie[5] << 8 | StoredMovie[6] << 16 | StoredMovie[7] << 24;
  EXPECT_EQ(stored, bytes.size());
  ASSERT_GT(bytes.size(), 8u);
  EXPECT_EQ("CWS", bytes.substr(0, 3));
  EXPECT_EQ(8, bytes[3]);
  const uint32_t expanded = static_cast<uint8_t>(bytes[4]) | static_cast<uint8_t>(bytes[5]) << 8 |
                            static_cast<uint8_t>(bytes[6]) << 16 | static_cast<uint8_t>(bytes[7]) << 24;
  EXPECT_GT(expanded, bytes.size());
  EXPECT_EQ(0x78, static_cast<uint8_t>(bytes[8])) << "a zlib stream follows the header";
}
