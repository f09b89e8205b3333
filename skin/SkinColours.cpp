// The colour table of the seven styles: blue, red, purple, green, orange, grey, black.
#include "skin/SkinColours.h"

namespace skin {
namespace {

constexpr Colour Rgb(int r, int g, int b) { return Colour(r) | Colour(g) << 8 | Colour(b) << 16; }

// clang-format off
const SkinColours kStyles[7] = {
  {{Rgb(251, 250, 255), Rgb(234, 248, 255), Rgb(201, 228, 237), Rgb(228, 242, 255)},
   {Rgb(212, 242, 250), Rgb(82, 214, 252), Rgb(60, 109, 237), Rgb(61, 191, 243)},
   Rgb(26, 138, 214), Rgb(0, 0, 102)},
  {{Rgb(247, 239, 239), Rgb(235, 214, 214), Rgb(226, 182, 182), Rgb(234, 202, 202)},
   {Rgb(249, 205, 205), Rgb(240, 142, 142), Rgb(203, 57, 57), Rgb(227, 148, 148)},
   Rgb(204, 62, 62), Rgb(251, 3, 4)},
  {{Rgb(247, 239, 245), Rgb(235, 214, 233), Rgb(227, 185, 223), Rgb(235, 205, 232)},
   {Rgb(250, 214, 247), Rgb(240, 142, 232), Rgb(203, 57, 190), Rgb(227, 148, 220)},
   Rgb(204, 62, 192), Rgb(102, 0, 255)},
  {{Rgb(236, 245, 237), Rgb(214, 235, 216), Rgb(182, 226, 186), Rgb(205, 235, 208)},
   {Rgb(214, 250, 217), Rgb(142, 240, 150), Rgb(57, 203, 70), Rgb(148, 227, 155)},
   Rgb(62, 204, 74), Rgb(0, 102, 0)},
  {{Rgb(247, 244, 239), Rgb(235, 229, 214), Rgb(226, 215, 182), Rgb(235, 228, 205)},
   {Rgb(250, 241, 214), Rgb(240, 216, 142), Rgb(203, 166, 57), Rgb(227, 207, 148)},
   Rgb(204, 168, 62), Rgb(255, 102, 0)},
  {{Rgb(244, 244, 244), Rgb(226, 226, 226), Rgb(208, 208, 208), Rgb(223, 223, 223)},
   {Rgb(223, 223, 223), Rgb(200, 200, 200), Rgb(143, 143, 143), Rgb(195, 195, 195)},
   Rgb(145, 145, 145), Rgb(0, 0, 0)},
  {{Rgb(244, 244, 244), Rgb(226, 226, 226), Rgb(208, 208, 208), Rgb(223, 223, 223)},
   {Rgb(102, 102, 102), Rgb(57, 57, 57), Rgb(0, 0, 0), Rgb(94, 94, 94)},
   Rgb(0, 0, 0), Rgb(0, 0, 0)},
};
// clang-format on

}  // namespace

int EffectiveColourStyle(int style) { return style >= 1 && style <= 7 ? style : 1; }

SkinColours ColoursOfStyle(int style) { return kStyles[EffectiveColourStyle(style) - 1]; }

}  // namespace skin
