// Request texts of the file download and the size query, and reading their Content-Length.
#pragma once
#include <cstdint>
#include <string>

namespace web {

// The fixed request headers of the download and the size query (the last
// line has no line end of its own).
extern const char kDownloadHeaders[];

// The fixed headers, with "\r\nRange:bytes=<offset>-" after them when resuming.
std::string DownloadHeaders(bool resume, int64_t startOffset);

// "Agent" followed by the tick count written as a signed 32-bit number.
std::string DownloadAgentName(uint32_t tickCount);

// A Content-Length value as a 64-bit number (surrounding blanks allowed);
// -1 when it is not a plain decimal number that fits.
int64_t ParseContentLength(const std::string& text);

}  // namespace web
