// Reading SWF files back: expansion of "CWS" files, the header fields and the tag records.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "player/movie/SwfWriter.h"

namespace movie {

// Reads bit fields most significant bit first; reading past the end yields
// zero bits and sets the overrun flag.
class BitReader {
 public:
  BitReader(const std::string& bytes, size_t offset) : bytes_(bytes), bit_(offset * 8) {}
  uint32_t ReadUnsigned(int bits);
  int32_t ReadSigned(int bits);
  // Offset of the first byte after the bits read so far.
  size_t ByteOffset() const { return (bit_ + 7) / 8; }
  bool Overrun() const { return overrun_; }

 private:
  const std::string& bytes_;
  size_t bit_;
  bool overrun_ = false;
};

struct SwfTagRecord {
  uint16_t code = 0;
  bool longHeader = false;
  std::string body;
};

struct SwfFile {
  std::string signature;  // "FWS" or "CWS"
  uint8_t version = 0;
  uint32_t fileLength = 0;  // expanded length from the header
  size_t storedLength = 0;  // bytes of the file as given
  SwfRect stage;
  uint16_t frameRate = 0;  // 8.8 fixed point as stored
  uint16_t frameCount = 0;
  std::vector<SwfTagRecord> tags;  // up to and including End
};

// Expanded files larger than this are refused, whatever their header says.
constexpr uint32_t kMaxExpandedSwf = 16u << 20;

// The file with its body expanded: "CWS" becomes "FWS", an "FWS" file is
// returned as it is. False with a reason when the data is damaged.
bool ExpandSwf(const std::string& bytes, std::string& out, std::string& error);

// Parses a whole file. On failure returns false with a reason in `error`;
// the tags read before the fault are left in `out`.
bool ReadSwf(const std::string& bytes, SwfFile& out, std::string& error);

// Little-endian fields inside a tag body; out-of-range reads give 0.
uint16_t ReadU16(const std::string& bytes, size_t offset);
uint32_t ReadU32(const std::string& bytes, size_t offset);

}  // namespace movie
