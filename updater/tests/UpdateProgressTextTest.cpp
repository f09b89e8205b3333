// Tests of the size texts, the bar position and the bar texts the updater shows.
#include "updater/UpdateProgressText.h"

#include <gtest/gtest.h>

namespace updater {
namespace {

TEST(UpdateProgressTextTest, Kilobytes) {
  EXPECT_EQ(KB(0), "0");
  EXPECT_EQ(KB(2097152), "2048");
  EXPECT_EQ(KB(524800), "512.5");
  EXPECT_EQ(KB(128), "0.13");  // exactly 0.125: the half goes away from zero
  EXPECT_EQ(KB(-128), "-0.13");
  EXPECT_EQ(KB(1000), "0.98");
  EXPECT_EQ(KB(int64_t{1024} * 1234567890123456), "1.234567890123e+15");
}

TEST(UpdateProgressTextTest, LabelInTwoStepsAndBar) {
  const std::string size = SizeLabelText(2097152);
  EXPECT_EQ(ReceivedLabelText(size, 1048576), "  文件大小:2048KB  已下载:1024KB  ");
  EXPECT_EQ(ReceivedLabelText(SizeLabelText(2097152), 524800), "  文件大小:2048KB  已下载:512.5KB  ");
  EXPECT_EQ(BarPosition(2097152, 1048576), 5000);
  EXPECT_EQ(BarPosition(3, 1), 3333);  // truncated, not rounded
  EXPECT_EQ(BarPosition(0, 4096), 0);
  EXPECT_EQ(SizeLabelText(0), "  文件大小:0KB  ");
  EXPECT_EQ(BarPosition(1, int64_t{1} << 40), 10000);  // more than announced stays on the bar
}

}  // namespace
}  // namespace updater
