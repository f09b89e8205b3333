// Band rectangles, bar fractions and corner pixels of the skin's pictures.
#include "skin/BarGeometry.h"

#include <cstdint>

namespace skin {

std::array<Band, 2> GradientBands(int x0, int x1, int h, bool deep) {
  return {{{x0, 0, x1, h / 2, deep, false, false}, {x0, h / 2, x1, h, deep, true, false}}};
}

int FilledLength(int length, int position, int low, int high) {
  // Whole numbers: floating point would truncate 0.3 x 100 to 29 on the x87 unit.
  if (high == low) return position > 0 ? length : 0;
  const std::int64_t filled = std::int64_t(length) * position / (std::int64_t(high) - low);
  if (filled < 0) return 0;
  return filled > length ? length : int(filled);
}

int BarPercent(int position, int low, int high) { return FilledLength(100, position, low, high); }

std::array<Band, 4> ProgressBands(int w, int h, int position, int low, int high, bool vertical) {
  if (!vertical) {
    const int filled = FilledLength(w, position, low, high);
    return {{{0, 0, w, h / 2, false, false, false},
             {0, h / 2, w, h, false, true, false},
             {0, 0, filled, h / 2, true, false, false},
             {0, h / 2, filled, h, true, true, false}}};
  }
  const int filled = FilledLength(h, position, low, high);
  return {{{0, 0, w / 2, h, false, false, true},
           {w / 2, 0, w, h, false, true, true},
           {0, h - filled, w / 2, h, true, false, true},
           {w / 2, h - filled, w, h, true, true, true}}};
}

std::array<CornerPixel, 16> CornerPixels(int w, int h) {
  return {{{0, 0, false},
           {1, 0, false},
           {0, 1, false},
           {1, 1, true},
           {0, h - 1, false},
           {1, h - 1, false},
           {0, h - 2, false},
           {1, h - 2, true},
           {w - 1, 0, false},
           {w - 2, 0, false},
           {w - 1, 1, false},
           {w - 2, 1, true},
           {w - 1, h - 1, false},
           {w - 2, h - 1, false},
           {w - 1, h - 2, false},
           {w - 2, h - 2, true}}};
}

}  // namespace skin
