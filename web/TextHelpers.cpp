// Text and address helpers on GBK byte strings.
#include "TextHelpers.h"

#include <limits>

namespace web {

namespace {

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Changes the ASCII letters of text in one direction, stepping over two-byte characters.
std::string ChangeCase(const std::string& text, bool upper) {
  std::string out = text;
  for (size_t i = 0; i < out.size(); ++i) {
    char& c = out[i];
    if (IsLeadByte(c)) {
      ++i;  // the second byte of the character stays as it is
    } else if (upper && c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    } else if (!upper && c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return out;
}

bool IsControlByte(int value) { return (value > 0 && value < 0x20) || value == 0x7F; }

}  // namespace

size_t GbkCharLength(const std::string& text, size_t i) {
  const unsigned char first = static_cast<unsigned char>(text[i]);
  if (first < 0x81 || first > 0xFE || i + 1 >= text.size()) return 1;
  const unsigned char second = static_cast<unsigned char>(text[i + 1]);
  return second >= 0x40 && second <= 0xFE && second != 0x7F ? 2 : 1;
}

size_t GbkFind(const std::string& text, const std::string& needle, size_t from, bool ignoreCase) {
  if (ignoreCase) return GbkFind(AsciiUpper(text), AsciiUpper(needle), from, false);
  if (from >= text.size()) return std::string::npos;
  if (needle.empty()) return from;
  for (size_t i = from; i < text.size(); i += IsLeadByte(text[i]) ? 2 : 1) {
    if (text.size() - i < needle.size()) break;
    if (text.compare(i, needle.size(), needle) == 0) return i;
  }
  return std::string::npos;
}

std::string AsciiUpper(const std::string& text) { return ChangeCase(text, true); }
std::string AsciiLower(const std::string& text) { return ChangeCase(text, false); }

std::string TextBetween(const std::string& text, const std::string& start, const std::string& end) {
  size_t at = GbkFind(text, start);
  if (at == std::string::npos) return {};
  const std::string rest = text.substr(at + start.size());
  size_t stop = GbkFind(rest, end);
  if (stop == std::string::npos) return {};
  return rest.substr(0, stop);
}

std::string UrlHost(const std::string& address, bool keepPort) {
  static const std::string kScheme = "http://";
  size_t begin = GbkFind(address, kScheme);
  begin = (begin == std::string::npos) ? 0 : begin + kScheme.size();
  size_t slash = GbkFind(address, "/", begin);
  std::string host = address.substr(begin, slash == std::string::npos ? std::string::npos : slash - begin);
  if (!keepPort) {
    size_t colon = GbkFind(host, ":");
    if (colon != std::string::npos) host.resize(colon);
  }
  return AsciiLower(host);
}

std::string UrlPath(const std::string& address) {
  size_t hostAt = GbkFind(address, UrlHost(address), 0, true);
  if (hostAt == std::string::npos) hostAt = 0;
  size_t slash = GbkFind(address, "/", hostAt);
  if (slash == std::string::npos) return "/";
  return address.substr(slash);
}

int32_t UrlPort(const std::string& address) {
  const std::string host = UrlHost(address, true);
  size_t colon = GbkFind(host, ":");
  if (colon == std::string::npos) return 80;
  // Decimal digits from the start of the text after ":"; a port never needs
  // more than five, so a longer run stops growing at the largest 32-bit value.
  int64_t port = 0;
  for (size_t i = colon + 1; i < host.size() && host[i] >= '0' && host[i] <= '9'; ++i) {
    port = port * 10 + (host[i] - '0');
    if (port > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  }
  return static_cast<int32_t>(port);
}

bool HoldsControlByte(const std::string& text) {
  for (char c : text) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b == 0 || IsControlByte(b)) return true;
  }
  return false;
}

std::string UpToFirstZero(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

std::string PercentDecode(const std::string& text) {
  static const std::string kDigits = "0123456789ABCDEF";
  // Value of the digit at i: its place in the table, -2 when it is not a
  // hexadecimal digit, 0 beyond the end of the text.
  auto digit = [&](size_t i) -> int {
    if (i >= text.size()) return 0;
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    size_t at = kDigits.find(c);
    return at == std::string::npos ? -2 : static_cast<int>(at);
  };
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (text[i] != '%') {
      out += text[i];
      ++i;
      continue;
    }
    int value = (16 * digit(i + 1) + digit(i + 2)) % 256;
    if (value < 0) value += 256;
    if (IsControlByte(value)) {
      // A line break or other control byte would end a request line or
      // header early: the escape stays as it was written.
      out += text.substr(i, 3);
    } else if (value != 0) {
      out += static_cast<char>(value);
    }
    i += 3;
  }
  return out;
}

}  // namespace web
