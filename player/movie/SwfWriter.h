// Writing SWF files: bit-packed records, fixed-point numbers, tag records and the (compressed) file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace movie {

// Tag codes of the records the player's movie uses.
enum SwfTagCode : uint16_t {
  kTagEnd = 0,
  kTagShowFrame = 1,
  kTagSetBackgroundColor = 9,
  kTagDoAction = 12,
  kTagPlaceObject2 = 26,
  kTagDefineVideoStream = 60,
  kTagDebugId = 63,
  kTagEnableDebugger2 = 64,
  kTagFileAttributes = 69,
};

// Packs values most significant bit first, as every bit field of the format is stored.
class BitWriter {
 public:
  void WriteUnsigned(uint32_t value, int bits);
  void WriteSigned(int32_t value, int bits);
  // The bytes written so far, the last one filled up with zero bits.
  std::string Finish();

 private:
  std::string bytes_;
  uint8_t current_ = 0;
  int used_ = 0;
};

// Bits a signed bit field needs to hold the value (sign bit included).
int SignedBitsNeeded(int32_t value);

// A rectangle in twips (1/20 pixel).
struct SwfRect {
  int32_t xMin = 0;
  int32_t xMax = 0;
  int32_t yMin = 0;
  int32_t yMax = 0;
};

std::string EncodeU16(uint16_t value);
std::string EncodeU32(uint32_t value);
// RECT record: one bit count for the four signed fields, padded to a byte.
std::string EncodeRect(const SwfRect& rect);
// 8.8 fixed point, as the frame rate is stored.
uint16_t EncodeFixed8(double value);
// MATRIX record with scale only (16.16 fixed point), no rotation, no translation.
std::string EncodeScaleMatrix(double scaleX, double scaleY);

// A tag record: code and length in the short two-byte header when the body has
// fewer than 63 bytes, otherwise (or when forceLong) in the long header with a
// 32-bit length.
std::string EncodeTag(uint16_t code, const std::string& body, bool forceLong = false);

struct SwfHeader {
  uint8_t version = 8;
  SwfRect stage;
  double frameRate = 12;
  uint16_t frameCount = 1;
};

// The whole file: "FWS" uncompressed, or "CWS" with everything after the first
// eight bytes in one zlib stream. The length field always holds the expanded
// length. Returns an empty string when compression fails.
std::string WriteSwf(const SwfHeader& header, const std::vector<std::string>& tagRecords, bool compressed);

}  // namespace movie
