// Reading and changing values of a settings text.
#include "main/IniText.h"

#include <gtest/gtest.h>

namespace {

TEST(IniValue, FindsKeysOfTheirOwnSectionWhateverTheCase) {
  const std::string ini = "[a]\r\nUid=1\r\n[B]\r\n uid = 2 \r\nDown=\"C:\\x\"\r\n";
  EXPECT_EQ(IniValue(ini, "a", "Uid"), "1");
  EXPECT_EQ(IniValue(ini, "b", "UID"), "2");
  EXPECT_EQ(IniValue(ini, "b", "Down"), "C:\\x");
  EXPECT_EQ(IniValue(ini, "a", "Down"), "");
  EXPECT_EQ(IniValue(ini, "c", "Uid"), "");
  EXPECT_EQ(IniValue("", "a", "Uid"), "");
}

TEST(IniValue, ReadsGbkNamesAndValuesAsBytes) {
  // [\xC8\xED\xBC\xFE] is a two-character section name; the value holds a
  // double-byte character whose second byte is '\\'.
  const std::string ini = "[\xC8\xED\xBC\xFE]\nUid=\xD5\\\n";
  EXPECT_EQ(IniValue(ini, "\xC8\xED\xBC\xFE", "Uid"), "\xD5\\");
}

TEST(WithIniValue, AddsSectionAndKeyToAnEmptyText) {
  EXPECT_EQ(WithIniValue("", "s", "Uid", "X1"), "[s]\r\nUid=X1\r\n");
}

TEST(WithIniValue, ReplacesOnlyTheKeyOfTheRightSection) {
  const std::string ini = "; note\r\n[a]\r\nUid=1\r\n[b]\r\nUid=2\r\nDown=D\r\n";
  EXPECT_EQ(WithIniValue(ini, "b", "uid", "9"), "; note\r\n[a]\r\nUid=1\r\n[b]\r\nuid=9\r\nDown=D\r\n");
}

TEST(WithIniValue, AppendsAMissingKeyAtTheEndOfItsSection) {
  const std::string ini = "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n";
  EXPECT_EQ(WithIniValue(ini, "a", "z", "3"), "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n");
  EXPECT_EQ(WithIniValue(ini, "c", "z", "3"), "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n[c]\r\nz=3\r\n");
}

TEST(WithIniValue, WrittenValueReadsBack) {
  std::string ini = WithIniValue("", "\xCA\xD3", "Down", "C:\\\xCA\xD3\xC6\xB5");
  ini = WithIniValue(ini, "\xC8\xED", "Uid", "BFEBFBFF");
  EXPECT_EQ(IniValue(ini, "\xCA\xD3", "Down"), "C:\\\xCA\xD3\xC6\xB5");
  EXPECT_EQ(IniValue(ini, "\xC8\xED", "Uid"), "BFEBFBFF");
}

}  // namespace
