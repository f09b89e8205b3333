// Fuzz target: decoding arbitrary bytes in every coding gives the same result whatever pieces they arrive in.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "web/BodyDecoder.h"

namespace {

struct Result {
  bool ok = true, complete = false;
  std::string bytes;
};

// Output is capped so that a small input that expands enormously stays quick.
constexpr size_t kMaxOutput = 1 << 22;

Result Decode(web::ContentCoding coding, const std::string& body, size_t piece) {
  Result r;
  web::BodyDecoder decoder(coding);
  for (size_t at = 0; at < body.size() && r.ok; at += piece)
    r.ok = decoder.Decode(body.data() + at, std::min(piece, body.size() - at), [&r](const char* p, size_t n) {
      r.bytes.append(p, n);
      return r.bytes.size() <= kMaxOutput;
    });
  r.complete = decoder.Complete();
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const size_t piece = 1 + data[0] % 13;
  const std::string body(reinterpret_cast<const char*>(data) + 1, size - 1);
  for (web::ContentCoding coding : {web::ContentCoding::Gzip, web::ContentCoding::Deflate}) {
    const Result whole = Decode(coding, body, body.size() + 1);
    // A result cut short by the cap may stop at another place in pieces.
    if (whole.bytes.size() > kMaxOutput) continue;
    // The bytes a failing stream gave before its fault may be cut elsewhere.
    const Result pieces = Decode(coding, body, piece);
    if (pieces.ok != whole.ok || pieces.complete != whole.complete || (whole.ok && pieces.bytes != whole.bytes))
      abort();
  }
  return 0;
}
