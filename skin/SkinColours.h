// The seven colour styles of the skin: the colours every skinned kind paints with.
#pragma once
#include <cstdint>

namespace skin {

// A colour in the COLORREF layout: red + 256 * green + 65536 * blue.
using Colour = std::uint32_t;

// One colour style: colours 1 -> 2 make the upper band of a gradient and 3 -> 4
// the lower one, in the light set (track, hot button) or the deep set (fill).
struct SkinColours {
  Colour light[4];
  Colour deep[4];
  Colour frame;
  Colour text;
};

// The style a window paints in: 1 to 7 as given, any other value 1.
int EffectiveColourStyle(int style);

// The colours of a style; any value outside 1-7 gives style 1.
SkinColours ColoursOfStyle(int style);

}  // namespace skin
