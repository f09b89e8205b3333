// Tests of decoding compressed bodies: every coding in any pieces, and streams that are cut or damaged.
#include "web/BodyDecoder.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <string>

namespace web {
namespace {

// The bytes compressed by zlib itself: 16 + 15 window bits give gzip, 15 the
// zlib wrapping, -15 bare deflate.
std::string Compressed(const std::string& plain, int windowBits) {
  z_stream z = {};
  EXPECT_EQ(deflateInit2(&z, 6, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY), Z_OK);
  std::string out(deflateBound(&z, plain.size()), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(plain.data()));
  z.avail_in = static_cast<uInt>(plain.size());
  z.next_out = reinterpret_cast<Bytef*>(&out[0]);
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

struct Decoded {
  bool ok = true;
  bool complete = false;
  std::string bytes;
};

// The body handed to a decoder in pieces of `piece` bytes.
Decoded Decode(ContentCoding coding, const std::string& body, size_t piece) {
  Decoded d;
  BodyDecoder decoder(coding);
  for (size_t at = 0; at < body.size() && d.ok; at += piece)
    d.ok = decoder.Decode(body.data() + at, std::min(piece, body.size() - at), [&d](const char* p, size_t n) {
      d.bytes.append(p, n);
      return true;
    });
  d.complete = decoder.Complete();
  return d;
}

// 200 KB that compress well, then some that hardly do, with zero bytes in them.
std::string Plain() {
  std::string plain;
  for (int i = 0; i < 150000; ++i) plain += static_cast<char>("视频数据\0abc"[i % 11]);
  uint32_t x = 12345;
  for (int i = 0; i < 50000; ++i) plain += static_cast<char>((x = x * 1103515245 + 12345) >> 24);
  return plain;
}

TEST(BodyDecoderTest, EveryCodingGivesThePlainBytesInAnyPieces) {
  EXPECT_EQ(ContentCodingOf(" X-Gzip\t"), ContentCoding::Gzip);
  EXPECT_EQ(ContentCodingOf("gzip, deflate"), ContentCoding::Unknown);
  const std::string plain = Plain();
  const struct {
    const char* what;
    ContentCoding coding;
    std::string body;
  } cases[] = {{"gzip", ContentCoding::Gzip, Compressed(plain, 16 + MAX_WBITS)},
               {"zlib-wrapped deflate", ContentCoding::Deflate, Compressed(plain, MAX_WBITS)},
               {"bare deflate", ContentCoding::Deflate, Compressed(plain, -MAX_WBITS)},
               {"identity", ContentCoding::Identity, plain}};
  for (const auto& c : cases) {
    for (size_t piece : {size_t{1}, size_t{7}, c.body.size()}) {
      const Decoded d = Decode(c.coding, c.body, piece);
      EXPECT_TRUE(d.ok && d.complete) << c.what << " in pieces of " << piece;
      EXPECT_TRUE(d.bytes == plain) << c.what << " in pieces of " << piece << ": " << d.bytes.size() << " bytes";
    }
  }
  // Two gzip members are one body.
  const Decoded two = Decode(ContentCoding::Gzip, Compressed("前半", 31) + Compressed("后半", 31), 3);
  EXPECT_TRUE(two.ok && two.complete);
  EXPECT_EQ(two.bytes, "前半后半");
}

TEST(BodyDecoderTest, CutOrDamagedStreamsAreNeverComplete) {
  const std::string plain = "下载的文件 " + std::string(3000, 'x');
  for (int windowBits : {16 + MAX_WBITS, MAX_WBITS, -MAX_WBITS}) {
    const ContentCoding coding = windowBits > MAX_WBITS ? ContentCoding::Gzip : ContentCoding::Deflate;
    const std::string body = Compressed(plain, windowBits);
    // Bare deflate has no check value: its end is the last block's end.
    for (size_t cut = 0; cut < body.size(); ++cut)
      EXPECT_FALSE(Decode(coding, body.substr(0, cut), 5).complete) << windowBits << " cut at " << cut;
    // A changed check value (the last four bytes of zlib, the eight of gzip
    // hold it), and bytes after the end.
    if (windowBits != -MAX_WBITS) {
      std::string damaged = body;
      damaged[damaged.size() - (coding == ContentCoding::Gzip ? 8 : 1)] ^= 1;
      EXPECT_FALSE(Decode(coding, damaged, 64).ok) << windowBits;
    }
    const Decoded trailing = Decode(coding, body + "x", 64);
    EXPECT_FALSE(trailing.ok && trailing.complete) << windowBits;
  }
  EXPECT_FALSE(Decode(ContentCoding::Gzip, "not compressed at all", 4).ok);
}

}  // namespace
}  // namespace web
