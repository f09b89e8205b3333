// Which outside address may be handed to the shell or a browser box, and which may go out in a request.
#include "web/WebAddress.h"

#include "web/TextHelpers.h"

namespace web {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The scheme before the first ":" (letter, then letters, digits, "+", "-",
// "."), or empty when the text has none. "host:8080/..." has none: what
// follows the ":" there is a port.
std::string SchemeOf(const std::string& address) {
  const size_t colon = address.find(':');
  if (colon == std::string::npos || colon == 0 || !IsAsciiLetter(address[0])) return {};
  for (size_t i = 1; i < colon; ++i) {
    const char c = address[i];
    if (!IsAsciiLetter(c) && !IsDigit(c) && c != '+' && c != '-' && c != '.') return {};
  }
  if (colon + 1 < address.size() && IsDigit(address[colon + 1])) return {};
  return address.substr(0, colon);
}

// The host starts the text (after the scheme's "//"): it runs to the first
// "/", "?" or "#" (bytes that never end a two-byte character), begins with
// neither a dot nor a colon and holds no backslash.
bool StartsWithHost(const std::string& rest) {
  const std::string host = rest.substr(0, rest.find_first_of("/?#"));
  if (host.empty() || host[0] == '.' || host[0] == ':') return false;
  return GbkFind(host, "\\") == std::string::npos;
}

std::string WithoutSurroundingBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool IsRequestableAddress(const std::string& address) { return !HoldsControlByte(address); }

std::string OpenableWebAddress(const std::string& text) {
  const std::string address = WithoutSurroundingBlanks(text);
  if (address.empty() || HoldsControlByte(address)) return {};
  const std::string scheme = AsciiLower(SchemeOf(address));
  if (scheme.empty()) return StartsWithHost(address) ? "http://" + address : std::string();
  if (scheme != "http" && scheme != "https") return {};
  const size_t afterScheme = scheme.size() + 1;
  if (address.compare(afterScheme, 2, "//") != 0) return {};
  return StartsWithHost(address.substr(afterScheme + 2)) ? address : std::string();
}

}  // namespace web
