// Fuzz target: the text and address helpers on arbitrary bytes split into a text and two markers.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "main/web/TextHelpers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  // Parts are separated by 0x01: text, start marker, end marker.
  std::string parts[3];
  size_t part = 0;
  for (char c : input) {
    if (c == '\x01' && part < 2) {
      ++part;
    } else {
      parts[part] += c;
    }
  }
  const std::string& text = parts[0];

  const std::string between = web::TextBetween(text, parts[1], parts[2]);
  if (between.size() > text.size() || text.find(between) == std::string::npos) abort();

  const std::string host = web::UrlHost(text);
  const std::string hostPort = web::UrlHost(text, true);
  if (host.size() > hostPort.size() || hostPort.size() > text.size()) abort();

  const std::string path = web::UrlPath(text);
  if (path.empty() || path[0] != '/') abort();

  if (web::UrlPort(text) < 0) abort();

  const std::string decoded = web::PercentDecode(text);
  if (decoded.size() > text.size()) abort();
  // A control byte in the result was there before decoding.
  for (char c : decoded) {
    const unsigned char b = static_cast<unsigned char>(c);
    if ((b < 0x20 || b == 0x7F) && text.find(c) == std::string::npos) abort();
  }

  size_t at = web::GbkFind(text, parts[1], 0, true);
  if (at != std::string::npos && at + parts[1].size() > text.size()) abort();
  if (web::AsciiUpper(text).size() != text.size()) abort();
  return 0;
}
