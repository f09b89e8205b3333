// The embedded movie as the library stores it: {int32 1, int32 length, the file's bytes}, little-endian.
#pragma once

// Defined in the source file that the movie generator writes at build time.
extern const unsigned char StoredMovie[];
