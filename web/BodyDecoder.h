// Bodies sent with a Content-Encoding: the bytes received turned into the bytes they stand for.
#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace web {

enum class ContentCoding { Identity, Gzip, Deflate, Unknown };

// The coding a Content-Encoding value names (blanks around it and the case
// of its letters do not count): none or "identity", "gzip" or "x-gzip",
// "deflate"; anything else, a list of codings among it, is Unknown.
ContentCoding ContentCodingOf(const std::string& value);

// Decodes one body piece by piece as it arrives, so that memory does not grow
// with the body. "deflate" is taken with the zlib wrapping the standard asks
// for or without it, as servers send both; a gzip body may hold several
// members one after the other.
class BodyDecoder {
 public:
  // Receives each decoded piece; false stops the decoding.
  using Sink = std::function<bool(const char* data, size_t size)>;

  // coding must not be Unknown.
  explicit BodyDecoder(ContentCoding coding);
  ~BodyDecoder();
  BodyDecoder(const BodyDecoder&) = delete;
  BodyDecoder& operator=(const BodyDecoder&) = delete;

  // Decodes the next bytes received and hands what they give to the sink.
  // False when the sink said so, or when the bytes are not a stream of the
  // coding (a damaged stream, a wrong check value, bytes after its end);
  // after that every call is false.
  bool Decode(const char* data, size_t size, const Sink& sink);
  // True when the body so far ends where its stream ends, with its check
  // value read and right: a body cut anywhere before that is not complete.
  // An identity body is always complete.
  bool Complete() const;

 private:
  struct Stream;
  ContentCoding coding_;
  std::unique_ptr<Stream> stream_;
  std::string head_;  // deflate: the first bytes, until its wrapping is known
  bool failed_ = false;
};

}  // namespace web
