// Where a skinned control's gradient bands and corner pixels lie, and how full a bar is.
#pragma once
#include <array>

namespace skin {

// One gradient band: the rectangle (x0, y0)-(x1, y1), lower-right exclusive,
// filled from colour 1 to 2 (upper) or 3 to 4 (lower) of the light or deep set,
// top to bottom, or left to right when `across`.
struct Band {
  int x0, y0, x1, y1;
  bool deep;
  bool lower;
  bool across;
};

// The two top-to-bottom bands of a control h high between x0 and x1, split at h / 2.
std::array<Band, 2> GradientBands(int x0, int x1, int h, bool deep);

// How much of `length` pixels a bar fills: length x position / (high - low),
// truncated and kept within 0..length (the position is not offset by the low
// limit). A range of zero width fills all for a positive position, else nothing.
int FilledLength(int length, int position, int low, int high);

// The whole percentage shown on a bar: FilledLength of 100.
int BarPercent(int position, int low, int high);

// The track (light) bands followed by the filled (deep) bands of a w x h bar.
// A vertical bar fills from the bottom, its bands in a left and a right half
// with gradients across.
std::array<Band, 4> ProgressBands(int w, int h, int position, int low, int high, bool vertical);

// The sixteen corner pixels of a w x h picture in the order they are set: per
// corner (top left, bottom left, top right, bottom right) the three outer
// pixels of its 2 x 2 square, then the inner diagonal one.
struct CornerPixel {
  int x, y;
  bool inner;
};
std::array<CornerPixel, 16> CornerPixels(int w, int h);

}  // namespace skin
