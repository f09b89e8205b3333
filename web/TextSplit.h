// Splitting a GBK text at a separator.
#pragma once
#include <string>
#include <vector>

namespace web {

// The pieces of text between the occurrences of sep (found as GbkFind finds
// them). An empty text gives one empty piece; an empty sep gives the whole text.
std::vector<std::string> SplitText(const std::string& text, const std::string& sep);

}  // namespace web
