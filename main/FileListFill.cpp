// The texts of new file-list rows: the reply split into entries, the part-count rewrite, the extension and the overlay text.
#include "main/FileListFill.h"

#include "web/TextHelpers.h"
#include "web/TextSplit.h"

std::vector<std::string> SplitReplyEntries(const std::string& reply) {
  std::vector<std::string> entries = web::SplitText(reply, "$$");
  if (entries.back().empty()) entries.pop_back();  // nothing after the last separator
  return entries;
}

std::string RewritePartCount(const std::string& address, size_t entryCount) {
  static const std::string kPlaceholder = "00_00";
  const std::string replacement = "00_" + std::to_string(entryCount);
  std::string out;
  size_t from = 0;
  for (size_t at; (at = web::GbkFind(address, kPlaceholder, from)) != std::string::npos;
       from = at + kPlaceholder.size()) {
    out.append(address, from, at - from);
    out += replacement;
  }
  out.append(address, from, std::string::npos);
  return out;
}

std::string GuessExtension(const std::string& address) {
  static const char* const kExtensions[] = {"flv", "mp4", "avi", "rmvb", "mkv", "f4v", "swf",
                                            "wmv", "asf", "mov", "m4v",  "3gp", "rm"};
  for (const char* extension : kExtensions)
    if (web::GbkFind(address, extension) != std::string::npos) return extension;
  return "flv";
}

std::string FileCountText(size_t n, size_t listed) {
  const std::string shown = listed < n ? "只列出了前 " + std::to_string(listed) + " 个，" : "";
  return "本视频共有 " + std::to_string(n) + " 个文件，" + shown + "请选择要下载的文件！ ";
}

bool CanProbeSize(const std::string& address) {
  const std::string start = web::AsciiLower(address.substr(0, 8));
  return start.compare(0, 7, "http://") == 0 || start == "https://";
}
