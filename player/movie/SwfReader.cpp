// Reading SWF files back: expansion of "CWS" files, the header fields and the tag records.
#include "player/movie/SwfReader.h"

#include <zlib.h>

namespace movie {

uint32_t BitReader::ReadUnsigned(int bits) {
  uint32_t value = 0;
  for (int i = 0; i < bits; ++i, ++bit_) {
    uint32_t b = 0;
    if (bit_ / 8 < bytes_.size()) {
      b = (static_cast<uint8_t>(bytes_[bit_ / 8]) >> (7 - bit_ % 8)) & 1u;
    } else {
      overrun_ = true;
    }
    value = (value << 1) | b;
  }
  return value;
}

int32_t BitReader::ReadSigned(int bits) {
  if (bits == 0) return 0;
  uint32_t value = ReadUnsigned(bits);
  if (bits < 32 && (value & (1u << (bits - 1)))) value |= ~0u << bits;  // extend the sign
  return static_cast<int32_t>(value);
}

uint16_t ReadU16(const std::string& bytes, size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < 2) return 0;
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[offset]) | static_cast<uint8_t>(bytes[offset + 1]) << 8);
}

uint32_t ReadU32(const std::string& bytes, size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < 4) return 0;
  return ReadU16(bytes, offset) | static_cast<uint32_t>(ReadU16(bytes, offset + 2)) << 16;
}

namespace {

// Inflates the zlib stream after the eight header bytes into at most `limit`
// bytes; the output grows as the data comes, not by the header's claim.
bool Expand(const std::string& bytes, uint32_t limit, std::string& out, std::string& error) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) {
    error = "zlib cannot start";
    return false;
  }
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + 8));
  stream.avail_in = static_cast<uInt>(bytes.size() - 8);
  out.clear();
  int result = Z_OK;
  char chunk[16384];
  while (result == Z_OK) {
    stream.next_out = reinterpret_cast<Bytef*>(chunk);
    stream.avail_out = sizeof chunk;
    result = inflate(&stream, Z_NO_FLUSH);
    out.append(chunk, sizeof chunk - stream.avail_out);
    if (out.size() > limit) {
      inflateEnd(&stream);
      error = "expands beyond the length in the header";
      return false;
    }
  }
  inflateEnd(&stream);
  if (result != Z_STREAM_END) {
    error = "compressed data is damaged or cut short";
    return false;
  }
  return true;
}

// The header's checks shared by ExpandSwf and ReadSwf.
bool CheckHeader(const std::string& bytes, std::string& error) {
  if (bytes.size() < 8) {
    error = "shorter than the file header";
    return false;
  }
  const std::string signature = bytes.substr(0, 3);
  if (signature != "FWS" && signature != "CWS") {
    error = "not a SWF file";
    return false;
  }
  const uint32_t length = ReadU32(bytes, 4);
  if (length < 8 || length > kMaxExpandedSwf) {
    error = "file length out of range";
    return false;
  }
  return true;
}

}  // namespace

bool ExpandSwf(const std::string& bytes, std::string& out, std::string& error) {
  if (!CheckHeader(bytes, error)) return false;
  std::string rest;
  if (bytes[0] == 'C') {
    if (!Expand(bytes, ReadU32(bytes, 4) - 8, rest, error)) return false;
  } else {
    rest = bytes.substr(8);
  }
  if (rest.size() != ReadU32(bytes, 4) - 8) {
    error = "length differs from the length in the header";
    return false;
  }
  out = "FWS" + bytes.substr(3, 5) + rest;
  return true;
}

bool ReadSwf(const std::string& bytes, SwfFile& out, std::string& error) {
  out = SwfFile{};
  out.storedLength = bytes.size();
  if (bytes.size() >= 8) {
    out.signature = bytes.substr(0, 3);
    out.version = static_cast<uint8_t>(bytes[3]);
    out.fileLength = ReadU32(bytes, 4);
  }
  std::string expanded;
  if (!ExpandSwf(bytes, expanded, error)) return false;
  const std::string rest = expanded.substr(8);

  BitReader bits(rest, 0);
  const int n = static_cast<int>(bits.ReadUnsigned(5));
  out.stage.xMin = bits.ReadSigned(n);
  out.stage.xMax = bits.ReadSigned(n);
  out.stage.yMin = bits.ReadSigned(n);
  out.stage.yMax = bits.ReadSigned(n);
  size_t pos = bits.ByteOffset();
  if (bits.Overrun() || rest.size() - pos < 4) {
    error = "header cut short";
    return false;
  }
  out.frameRate = ReadU16(rest, pos);
  out.frameCount = ReadU16(rest, pos + 2);
  pos += 4;

  while (pos < rest.size()) {
    if (rest.size() - pos < 2) {
      error = "tag header cut short";
      return false;
    }
    const uint16_t codeAndLength = ReadU16(rest, pos);
    SwfTagRecord tag;
    tag.code = codeAndLength >> 6;
    uint32_t length = codeAndLength & 0x3F;
    pos += 2;
    if (length == 0x3F) {
      if (rest.size() - pos < 4) {
        error = "long tag header cut short";
        return false;
      }
      tag.longHeader = true;
      length = ReadU32(rest, pos);
      pos += 4;
    }
    if (length > rest.size() - pos) {
      error = "tag body runs past the end of the file";
      return false;
    }
    tag.body = rest.substr(pos, length);
    pos += length;
    out.tags.push_back(std::move(tag));
    if (out.tags.back().code == kTagEnd) break;
  }
  if (out.tags.empty() || out.tags.back().code != kTagEnd) {
    error = "no End tag";
    return false;
  }
  return true;
}

}  // namespace movie
