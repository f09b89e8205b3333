// Version comparison of the update check.
#include "main/Version.h"

#include <gtest/gtest.h>

namespace {

TEST(LeadingNumber, TakesTheDecimalNumberAtTheStart) {
  EXPECT_DOUBLE_EQ(LeadingNumber("1.01"), 1.01);
  EXPECT_DOUBLE_EQ(LeadingNumber("2.5beta"), 2.5);
  EXPECT_DOUBLE_EQ(LeadingNumber("3."), 3.0);
  EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
  EXPECT_DOUBLE_EQ(LeadingNumber("-1"), -1.0);
  EXPECT_EQ(LeadingNumber("v1.1"), 0.0);
  EXPECT_EQ(LeadingNumber(""), 0.0);
  EXPECT_EQ(LeadingNumber("."), 0.0);
  EXPECT_EQ(LeadingNumber(" 1.1"), 0.0);
  EXPECT_EQ(LeadingNumber("0x10"), 0.0);
  EXPECT_EQ(LeadingNumber("inf"), 0.0);
}

TEST(IsNewerVersion, NeedsMoreThanOneTenMillionth) {
  EXPECT_TRUE(IsNewerVersion("1.01", "1.0"));
  EXPECT_TRUE(IsNewerVersion("1.1", "1.0"));
  EXPECT_FALSE(IsNewerVersion("1.0", "1.0"));
  EXPECT_FALSE(IsNewerVersion("1.00000001", "1.0"));
  EXPECT_FALSE(IsNewerVersion("0.9", "1.0"));
  EXPECT_FALSE(IsNewerVersion("", "1.0"));
  EXPECT_FALSE(IsNewerVersion("new", "1.0"));
}

}  // namespace
