// Splitting a GBK text at a separator.
#include "TextSplit.h"

#include "TextHelpers.h"

namespace web {

std::vector<std::string> SplitText(const std::string& text, const std::string& sep) {
  if (sep.empty()) return {text};
  std::vector<std::string> pieces;
  size_t from = 0;
  for (;;) {
    size_t at = GbkFind(text, sep, from);
    if (at == std::string::npos) break;
    pieces.push_back(text.substr(from, at - from));
    from = at + sep.size();
  }
  pieces.push_back(text.substr(from));
  return pieces;
}

}  // namespace web
