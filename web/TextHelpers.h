// Text and address helpers on GBK byte strings: search, casing, markers, address parts, percent escapes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace web {

// Position (0-based) of the first occurrence of needle in text at or after
// `from`, or npos. Only positions where a character starts are tried: a byte
// of 0x80 or above starts a two-byte character whose second byte is never the
// start of a match; `from` is taken as a character start. An empty needle is
// found at `from` when that lies inside the text. With ignoreCase the ASCII
// letters compare equal whatever their case; all other bytes compare exactly.
size_t GbkFind(const std::string& text, const std::string& needle, size_t from = 0, bool ignoreCase = false);

// The length of the character that starts at text[i] as code page 936 reads
// it: 2 for a first byte 0x81-0xFE followed by a second byte 0x40-0xFE other
// than 0x7F, otherwise 1 (0x80 and 0xFF, and a first byte without a valid
// second byte after it, stand alone). Paths and file names are cut by this
// rule, since it is how the platform converts them.
size_t GbkCharLength(const std::string& text, size_t i);

// ASCII letters changed, two-byte characters left as they are.
std::string AsciiUpper(const std::string& text);
std::string AsciiLower(const std::string& text);

// The bytes after the first start marker, up to the first end marker after it;
// empty when either is missing. Both searches are case-sensitive.
std::string TextBetween(const std::string& text, const std::string& start, const std::string& end);

// Host of an http address in lower case ("http://" is optional), without the
// port unless keepPort is set.
std::string UrlHost(const std::string& address, bool keepPort = false);

// The address from the first "/" after the host to its end, query included;
// "/" when there is none.
std::string UrlPath(const std::string& address);

// The port written in the address; 80 when none is written, 0 when the text
// after ":" does not start with a digit.
int32_t UrlPort(const std::string& address);

// True when the text holds a control byte: one below 0x20, or 0x7F.
bool HoldsControlByte(const std::string& text);

// The bytes before the first zero byte (all of them when there is none).
std::string UpToFirstZero(const std::string& bytes);

// Every "%" together with the two bytes after it becomes one byte, whatever
// those bytes are; a resulting zero byte is dropped, and an escape that
// would give a control byte (0x01-0x1F, 0x7F) is kept as it stands, so that
// no decoded address can break a request line or a header.
std::string PercentDecode(const std::string& text);

}  // namespace web
