// The skin's pure rules: colour styles, bar fraction and percentage, band
// rectangles, corner-pixel order and the bar's text styles.
#include <gtest/gtest.h>

#include <climits>

#include "skin/BarGeometry.h"
#include "skin/BarText.h"
#include "skin/SkinColours.h"

namespace skin {
namespace {

constexpr Colour Rgb(int r, int g, int b) { return Colour(r) | Colour(g) << 8 | Colour(b) << 16; }

TEST(SkinColoursTest, StylesOutsideOneToSevenPaintAsStyleOne) {
  for (int style : {0, -1, 8, 9, 1000}) {
    EXPECT_EQ(EffectiveColourStyle(style), 1) << style;
    EXPECT_EQ(ColoursOfStyle(style).frame, Rgb(26, 138, 214)) << style;
  }
  EXPECT_EQ(ColoursOfStyle(4).deep[2], Rgb(57, 203, 70));
  EXPECT_EQ(ColoursOfStyle(5).text, Rgb(255, 102, 0));
  EXPECT_EQ(ColoursOfStyle(7).deep[0], Rgb(102, 102, 102));
}

TEST(FilledLengthTest, ClampsBelowAndAboveAndHandlesDegenerateRanges) {
  EXPECT_EQ(FilledLength(200, 250, 0, 1000), 50);
  EXPECT_EQ(FilledLength(100, 300, 0, 1000), 30);
  EXPECT_EQ(FilledLength(200, 1200, 0, 1000), 200);
  EXPECT_EQ(FilledLength(200, -5, 0, 1000), 0);
  // The position is not offset by the low limit: 150 in 100-200 is 1.5, a full bar.
  EXPECT_EQ(FilledLength(200, 150, 100, 200), 200);
  EXPECT_EQ(FilledLength(200, 5, 7, 7), 200);
  EXPECT_EQ(FilledLength(200, 0, 7, 7), 0);
  EXPECT_EQ(FilledLength(200, INT_MAX, INT_MIN, INT_MAX), 99);
}

TEST(FilledLengthTest, PercentIsTruncatedAndExactForWholeValues) {
  EXPECT_EQ(BarPercent(999, 0, 1000), 99);
  EXPECT_EQ(BarPercent(1000, 0, 1000), 100);
  EXPECT_EQ(BarPercent(1200, 0, 1000), 100);
  EXPECT_EQ(BarPercent(-3, 0, 1000), 0);
  // 0.29 * 100 is 28.999... in floating point; the bar shows 29.
  EXPECT_EQ(BarPercent(290, 0, 1000), 29);
  EXPECT_EQ(BarPercent(57, 0, 100), 57);
  EXPECT_EQ(BarPercent(1, 5, 5), 100);
  EXPECT_EQ(BarPercent(INT_MAX, INT_MIN, INT_MAX), 49);
}

TEST(ProgressBandsTest, HorizontalBarFillsFromTheLeftInTwoBands) {
  auto b = ProgressBands(200, 20, 250, 0, 1000, false);
  EXPECT_EQ(b[0].x1, 200);
  EXPECT_EQ(b[0].y1, 10);
  EXPECT_EQ(b[1].y0, 10);
  EXPECT_EQ(b[2].x1, 50);
  EXPECT_EQ(b[3].x1, 50);
  EXPECT_TRUE(b[2].deep && !b[2].lower && b[3].deep && b[3].lower && !b[0].deep);
  EXPECT_FALSE(b[0].across);
}

TEST(ProgressBandsTest, VerticalBarFillsFromTheBottomInTwoHalves) {
  auto b = ProgressBands(21, 100, 300, 0, 1000, true);
  EXPECT_EQ(b[0].x1, 10);
  EXPECT_EQ(b[1].x0, 10);
  EXPECT_EQ(b[2].y0, 70);
  EXPECT_EQ(b[2].y1, 100);
  EXPECT_EQ(b[3].x0, 10);
  EXPECT_TRUE(b[2].across && b[3].across);
}

TEST(ProgressBandsTest, OddAndOnePixelHeightsSplitTruncated) {
  auto odd = GradientBands(0, 50, 25, true);
  EXPECT_EQ(odd[0].y1, 12);
  EXPECT_EQ(odd[1].y0, 12);
  auto thin = ProgressBands(30, 1, 1, 0, 1, false);
  EXPECT_EQ(thin[0].y1, 0);
  EXPECT_EQ(thin[1].y1, 1);
}

TEST(CornerPixelsTest, OrderPerCornerOuterPixelsThenInner) {
  auto p = CornerPixels(10, 6);
  const int expected[16][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 1}, {0, 5, 0}, {1, 5, 0}, {0, 4, 0}, {1, 4, 1},
                               {9, 0, 0}, {8, 0, 0}, {9, 1, 0}, {8, 1, 1}, {9, 5, 0}, {8, 5, 0}, {9, 4, 0}, {8, 4, 1}};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(p[i].x, expected[i][0]) << i;
    EXPECT_EQ(p[i].y, expected[i][1]) << i;
    EXPECT_EQ(p[i].inner, expected[i][2] == 1) << i;
  }
}

TEST(BarTextTest, EachTextStyle) {
  EXPECT_EQ(BarText(1, "abc ", 37, 3), "abc ");
  EXPECT_EQ(BarText(2, "abc ", 37, 3), "37");
  EXPECT_EQ(BarText(3, "abc ", 37, 3), "3%");
  EXPECT_EQ(BarText(4, "abc ", 37, 3), "abc 37");
  EXPECT_EQ(BarText(5, "abc ", 999, 99), "abc 99%");
  EXPECT_EQ(BarText(0, "abc ", 37, 3), "");
  EXPECT_EQ(BarText(6, "abc ", 37, 3), "");
  EXPECT_EQ(BarText(5, "", 1000, 100), "100%");
}

}  // namespace
}  // namespace skin
