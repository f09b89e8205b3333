// Fuzz target: every pure text routine of the parse road and the queue on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "main/DownloadProgress.h"
#include "main/FileListFill.h"
#include "main/FileName.h"
#include "main/FinderPick.h"
#include "main/ParseAddress.h"
#include "main/ParseReply.h"

namespace {

bool HasChar(const std::string& s, char c) { return s.find(c) != std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  const std::string trimmed = TrimPageAddress(text);
  if (trimmed.size() > text.size() || text.find(trimmed) == std::string::npos) std::abort();
  CheckParseAddress(trimmed, static_cast<int>(size % 3));
  ClassifyReply(text, "2");
  QvodLinkFromPage(text);
  PickFromPage("u", "t", text);

  const std::string cleaned = CleanReplyList(text);
  if (cleaned.size() > text.size()) std::abort();
  const auto entries = SplitReplyEntries(cleaned);
  for (const std::string& entry : entries) {
    const std::string address = RewritePartCount(entry, entries.size());
    // Every name is one safe file name: no separator or forbidden character
    // outside a double-byte character, no trailing dot or blank.
    const std::string name = RowFileName(text, entries.size(), address);
    for (size_t i = 0; i < name.size(); ++i) {
      const unsigned char c = name[i];
      if (c >= 0x81 && c <= 0xFE) {
        ++i;
        continue;
      }
      if (c < 0x20 || c == 0x80 || c == 0xFF || std::strchr("\\/:*?\"<>|", c)) std::abort();
    }
    if (name.empty() || name.back() == '.' || name.back() == ' ') std::abort();
  }
  if (CutTitle(text).size() > 40) std::abort();
  if (HasChar(SafeFileName(text), '/')) std::abort();

  if (size >= 16) {
    int64_t total, received;
    std::memcpy(&total, data, 8);
    std::memcpy(&received, data + 8, 8);
    const int position = BarPosition(total, received);
    if (position < 0 || position > 1000) std::abort();
    ProgressThrottle throttle;
    throttle.Offer(total, received, 0);
    throttle.Offer(total, received / 2, 1);
    throttle.Flush(2);
  }
  return 0;
}
