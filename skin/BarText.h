// The text a skinned progress bar shows for its text style.
#pragma once
#include <string>

namespace skin {

// Style 1 the stored text, 2 the position, 3 the percentage and "%", 4 the
// stored text and the position, 5 the stored text, the percentage and "%";
// any other style no text.
std::string BarText(int textStyle, const std::string& stored, int position, int percent);

}  // namespace skin
