// Request texts of the file download and the size query.
#include "DownloadRequest.h"

#include <limits>

namespace web {

const char kDownloadHeaders[] =
    "Accept: */*\r\nAccept-Language: zh-cn\r\nAccept-Encoding: gzip, deflate\r\n"
    "User-Agent: Mozilla/4.0(compatible; MSIE 6.0; Windows NT 5.0; MyIE2; .NET CLR 1.1.4322)";

std::string DownloadHeaders(bool resume, int64_t startOffset) {
  std::string h = kDownloadHeaders;
  if (resume) h += "\r\nRange:bytes=" + std::to_string(startOffset) + "-";
  return h;
}

std::string DownloadAgentName(uint32_t tickCount) { return "Agent" + std::to_string(static_cast<int32_t>(tickCount)); }

int64_t ParseContentLength(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  size_t end = text.size();
  while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  if (i == end) return -1;
  int64_t value = 0;
  for (; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    const int d = text[i] - '0';
    if (value > (std::numeric_limits<int64_t>::max() - d) / 10) return -1;
    value = value * 10 + d;
  }
  return value;
}

}  // namespace web
