// Bodies sent with a Content-Encoding: the bytes received turned into the bytes they stand for.
#include "BodyDecoder.h"

#include <zlib.h>

#include "TextHelpers.h"

namespace web {

namespace {

constexpr size_t kOutputSize = 16384;

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A zlib stream starts with a header whose low four bits say "deflate", with
// a window of at most 32 KiB, and whose two bytes are a multiple of 31.
bool HasZlibHeader(unsigned char first, unsigned char second) {
  return (first & 0x0F) == 8 && (first >> 4) <= 7 && ((first << 8) | second) % 31 == 0;
}

}  // namespace

ContentCoding ContentCodingOf(const std::string& value) {
  const std::string coding = AsciiLower(Trimmed(value));
  if (coding.empty() || coding == "identity") return ContentCoding::Identity;
  if (coding == "gzip" || coding == "x-gzip") return ContentCoding::Gzip;
  if (coding == "deflate") return ContentCoding::Deflate;
  return ContentCoding::Unknown;
}

struct BodyDecoder::Stream {
  z_stream z = {};
  bool ended = false;  // the stream's end and its check value were read
  ~Stream() { inflateEnd(&z); }
};

BodyDecoder::BodyDecoder(ContentCoding coding) : coding_(coding) {}

BodyDecoder::~BodyDecoder() = default;

bool BodyDecoder::Decode(const char* data, size_t size, const Sink& sink) {
  if (failed_ || coding_ == ContentCoding::Unknown) return false;
  if (coding_ == ContentCoding::Identity) return size == 0 || sink(data, size);
  if (!stream_) {
    // Deflate is started once its first two bytes tell whether the zlib
    // wrapping is there.
    std::string first;
    if (coding_ == ContentCoding::Deflate) {
      head_.append(data, size);
      if (head_.size() < 2) return true;
      first.swap(head_);
      data = first.data();
      size = first.size();
    }
    stream_ = std::make_unique<Stream>();
    const int windowBits = coding_ == ContentCoding::Gzip    ? 16 + MAX_WBITS
                           : HasZlibHeader(data[0], data[1]) ? MAX_WBITS
                                                             : -MAX_WBITS;
    if (inflateInit2(&stream_->z, windowBits) != Z_OK) {
      stream_.reset();
      failed_ = true;
      return false;
    }
    return Decode(data, size, sink);
  }
  z_stream& z = stream_->z;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
  z.avail_in = static_cast<uInt>(size);
  char out[kOutputSize];
  for (;;) {
    if (stream_->ended) {
      if (z.avail_in == 0) return true;
      // Another gzip member may follow; anything after a deflate stream is wrong.
      if (coding_ != ContentCoding::Gzip || inflateReset(&z) != Z_OK) break;
      stream_->ended = false;
    }
    z.next_out = reinterpret_cast<Bytef*>(out);
    z.avail_out = sizeof out;
    const int result = inflate(&z, Z_NO_FLUSH);
    if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) break;
    const size_t produced = sizeof out - z.avail_out;
    if (produced > 0 && !sink(out, produced)) break;
    if (result == Z_STREAM_END) {
      stream_->ended = true;
      continue;
    }
    // Done when all input is taken and nothing more waits to come out.
    if (z.avail_in == 0 && z.avail_out > 0) return true;
    if (produced == 0 && result == Z_BUF_ERROR) break;  // input left that gives nothing
  }
  failed_ = true;
  return false;
}

bool BodyDecoder::Complete() const {
  if (coding_ == ContentCoding::Identity) return true;
  return !failed_ && stream_ && stream_->ended;
}

}  // namespace web
