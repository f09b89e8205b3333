// Writing SWF files: bit-packed records, fixed-point numbers, tag records and the (compressed) file.
#include "player/movie/SwfWriter.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>

namespace movie {

void BitWriter::WriteUnsigned(uint32_t value, int bits) {
  for (int i = bits - 1; i >= 0; --i) {
    current_ = static_cast<uint8_t>((current_ << 1) | ((value >> i) & 1u));
    if (++used_ == 8) {
      bytes_.push_back(static_cast<char>(current_));
      current_ = 0;
      used_ = 0;
    }
  }
}

void BitWriter::WriteSigned(int32_t value, int bits) { WriteUnsigned(static_cast<uint32_t>(value), bits); }

std::string BitWriter::Finish() {
  if (used_ > 0) WriteUnsigned(0, 8 - used_);
  return bytes_;
}

int SignedBitsNeeded(int32_t value) {
  uint32_t magnitude = value < 0 ? ~static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  int bits = 1;  // the sign bit
  while (magnitude != 0) {
    ++bits;
    magnitude >>= 1;
  }
  return bits;
}

std::string EncodeU16(uint16_t value) { return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)}; }

std::string EncodeU32(uint32_t value) {
  return EncodeU16(static_cast<uint16_t>(value)) + EncodeU16(static_cast<uint16_t>(value >> 16));
}

std::string EncodeRect(const SwfRect& rect) {
  int bits = 1;
  for (int32_t v : {rect.xMin, rect.xMax, rect.yMin, rect.yMax}) {
    if (SignedBitsNeeded(v) > bits) bits = SignedBitsNeeded(v);
  }
  BitWriter writer;
  writer.WriteUnsigned(static_cast<uint32_t>(bits), 5);
  for (int32_t v : {rect.xMin, rect.xMax, rect.yMin, rect.yMax}) writer.WriteSigned(v, bits);
  return writer.Finish();
}

uint16_t EncodeFixed8(double value) { return static_cast<uint16_t>(std::lround(value * 256.0)); }

std::string EncodeScaleMatrix(double scaleX, double scaleY) {
  const int32_t x = static_cast<int32_t>(std::lround(scaleX * 65536.0));
  const int32_t y = static_cast<int32_t>(std::lround(scaleY * 65536.0));
  const int bits = std::max(SignedBitsNeeded(x), SignedBitsNeeded(y));
  BitWriter writer;
  writer.WriteUnsigned(1, 1);  // has scale
  writer.WriteUnsigned(static_cast<uint32_t>(bits), 5);
  writer.WriteSigned(x, bits);
  writer.WriteSigned(y, bits);
  writer.WriteUnsigned(0, 1);  // no rotation
  writer.WriteUnsigned(0, 5);  // translation fields of zero bits: (0, 0)
  return writer.Finish();
}

std::string EncodeTag(uint16_t code, const std::string& body, bool forceLong) {
  if (body.size() < 0x3F && !forceLong) {
    return EncodeU16(static_cast<uint16_t>((code << 6) | body.size())) + body;
  }
  return EncodeU16(static_cast<uint16_t>((code << 6) | 0x3F)) + EncodeU32(static_cast<uint32_t>(body.size())) + body;
}

std::string WriteSwf(const SwfHeader& header, const std::vector<std::string>& tagRecords, bool compressed) {
  std::string rest =
      EncodeRect(header.stage) + EncodeU16(EncodeFixed8(header.frameRate)) + EncodeU16(header.frameCount);
  for (const std::string& tag : tagRecords) rest += tag;
  const uint32_t fileLength = static_cast<uint32_t>(8 + rest.size());
  std::string file = compressed ? "CWS" : "FWS";
  file.push_back(static_cast<char>(header.version));
  file += EncodeU32(fileLength);
  if (!compressed) return file + rest;

  uLongf packedSize = compressBound(static_cast<uLong>(rest.size()));
  std::string packed(packedSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(&packed[0]), &packedSize, reinterpret_cast<const Bytef*>(rest.data()),
                static_cast<uLong>(rest.size()), Z_BEST_COMPRESSION) != Z_OK) {
    return {};
  }
  packed.resize(packedSize);
  return file + packed;
}

}  // namespace movie
