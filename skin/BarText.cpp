// Text styles of the skinned progress bar.
#include "skin/BarText.h"

namespace skin {

std::string BarText(int textStyle, const std::string& stored, int position, int percent) {
  switch (textStyle) {
    case 1: return stored;
    case 2: return std::to_string(position);
    case 3: return std::to_string(percent) + "%";
    case 4: return stored + std::to_string(position);
    case 5: return stored + std::to_string(percent) + "%";
    default: return {};
  }
}

}  // namespace skin
