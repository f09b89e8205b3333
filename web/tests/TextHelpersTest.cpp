// Tests of the GBK search, casing and the address helpers.
#include "web/TextHelpers.h"

#include <gtest/gtest.h>

namespace web {
namespace {

// "\xB0\x41" is one two-byte character whose second byte looks like 'A'.
// clang-format off
TEST(GbkFindTest, StepsOverTheSecondByteOfTwoByteCharacters) {
  EXPECT_EQ(GbkFind("\xB0" "A" "A", "A"), 2u);
  EXPECT_EQ(GbkFind("\xB0" "A", "A"), std::string::npos);
  EXPECT_EQ(GbkFind("x\xB0" "Ay", "\xB0" "A"), 1u);
  EXPECT_EQ(GbkFind("abcabc", "c", 3), 5u);
  // A lone lead byte at the end is still a character start.
  EXPECT_EQ(GbkFind("ab\xB0", "\xB0"), 2u);
}

TEST(GbkFindTest, EmptyNeedleIsFoundOnlyInsideAText) {
  EXPECT_EQ(GbkFind("abc", ""), 0u);
  EXPECT_EQ(GbkFind("abc", "", 2), 2u);
  EXPECT_EQ(GbkFind("", ""), std::string::npos);
  EXPECT_EQ(GbkFind("abc", "", 3), std::string::npos);
}

TEST(GbkFindTest, IgnoringCaseFoldsOnlyAsciiLetters) {
  EXPECT_EQ(GbkFind("xx ACCEPT: y", "accept: ", 0, true), 3u);
  EXPECT_EQ(GbkFind("xx ACCEPT: y", "accept: "), std::string::npos);
  // The second byte of a character is not a letter: 'a' after 0xB0 stays 'a'.
  EXPECT_EQ(GbkFind("\xB0" "a", "\xB0" "A", 0, true), std::string::npos);
  EXPECT_EQ(AsciiUpper("ab\xB0" "az"), "AB\xB0" "aZ");
  EXPECT_EQ(AsciiLower("AB\xB0" "AZ1"), "ab\xB0" "Az1");
}
// clang-format on

TEST(GbkCharLengthTest, TwoBytesOnlyForAValidFirstAndSecondByte) {
  EXPECT_EQ(GbkCharLength("\xB0\xA1", 0), 2u);  // 啊
  EXPECT_EQ(GbkCharLength("\x81\\", 0), 2u);    // a second byte of 0x5C, the code of "\"
  EXPECT_EQ(GbkCharLength("\xFE\xFE", 0), 2u);
  EXPECT_EQ(GbkCharLength("\x81\x40", 0), 2u);
  for (const char* alone : {"\x80/", "\xFF/", "\x81/", "\x81\x7F", "\x81\xFF", "\xB0", "a\xB0"})
    EXPECT_EQ(GbkCharLength(alone, 0), 1u) << alone;
  EXPECT_EQ(GbkCharLength("a\xB0\xA1", 1), 2u);
}

// clang-format off
TEST(TextBetweenTest, TakesFirstStartAndNextEnd) {
  EXPECT_EQ(TextBetween("a[1]b[2]", "[", "]"), "1");
  EXPECT_EQ(TextBetween("x]y[1]", "[", "]"), "1");
  EXPECT_EQ(TextBetween("k=[]", "k=[", "]"), "");
  EXPECT_EQ(TextBetween("S_Url=[http://h/VelkDown/index.Asp]", "S_Url=[", "]"),
            "http://h/VelkDown/index.Asp");
  // A two-byte key and value; the value's second byte 0x5D looks like ']'.
  EXPECT_EQ(TextBetween("\xB0\xE6\xB1\xBE=[\xB0\x5D" "1.0]", "\xB0\xE6\xB1\xBE=[", "]"), "\xB0\x5D" "1.0");
}
// clang-format on

TEST(TextBetweenTest, MissingMarkersGiveEmpty) {
  EXPECT_EQ(TextBetween("a]b]", "[", "]"), "");
  EXPECT_EQ(TextBetween("k=[abc", "k=[", "]"), "");
  EXPECT_EQ(TextBetween("x S_Url=[a]", "S_URL=[", "]"), "");
  EXPECT_EQ(TextBetween("ab]c]", "", "]"), "ab");
  EXPECT_EQ(TextBetween("a[b]", "[", ""), "");
  EXPECT_EQ(TextBetween("", "", ""), "");
}

TEST(UrlPartsTest, Host) {
  EXPECT_EQ(UrlHost("http://Host.Example:8080/x/y?z=1"), "host.example");
  EXPECT_EQ(UrlHost("http://Host.Example:8080/x/y?z=1", true), "host.example:8080");
  EXPECT_EQ(UrlHost("Host.Example/x"), "host.example");
  EXPECT_EQ(UrlHost("HTTP://Host.Example/"), "http");
  EXPECT_EQ(UrlHost("http://127.0.0.1:8631"), "127.0.0.1");
  EXPECT_EQ(UrlHost(""), "");
}

TEST(UrlPartsTest, Path) {
  EXPECT_EQ(UrlPath("http://Host.Example/index.Asp?A=GetuSer&uCpu=1"), "/index.Asp?A=GetuSer&uCpu=1");
  EXPECT_EQ(UrlPath("http://Host.Example"), "/");
  EXPECT_EQ(UrlPath("http://Host.Example?x=1"), "/");
  EXPECT_EQ(UrlPath("http://127.0.0.1:8631/VelkDown/up/sj.txt"), "/VelkDown/up/sj.txt");
  EXPECT_EQ(UrlPath("Host.Example/a/b"), "/a/b");
  EXPECT_EQ(UrlPath(""), "/");
}

TEST(UrlPartsTest, Port) {
  EXPECT_EQ(UrlPort("http://Host.Example:8080/x"), 8080);
  EXPECT_EQ(UrlPort("http://Host.Example/x"), 80);
  EXPECT_EQ(UrlPort("http://Host.Example:/x"), 0);
  EXPECT_EQ(UrlPort("http://Host.Example:81abc/x"), 81);
  EXPECT_EQ(UrlPort("http://h:99999999999999999999/"), 2147483647);
}

TEST(PercentDecodeTest, DecodesEveryPercentWhateverFollows) {
  EXPECT_EQ(PercentDecode("a%20b%2fc"), "a b/c");
  EXPECT_EQ(PercentDecode("100%"), "100");
  EXPECT_EQ(PercentDecode("%4"), "\x40");
  EXPECT_EQ(PercentDecode("%zz"), "\xDE");
  EXPECT_EQ(PercentDecode("a+b"), "a+b");
  EXPECT_EQ(PercentDecode("%00x%D6%D0"), "x\xD6\xD0");
  EXPECT_EQ(PercentDecode("%%41"), std::string("\xE4") + "1");  // "%%4" is one escape
  EXPECT_EQ(PercentDecode(""), "");
}

TEST(PercentDecodeTest, ControlBytesStayEscaped) {
  EXPECT_EQ(PercentDecode("a%0D%0AX-Injected:%20yes"), "a%0D%0AX-Injected: yes");
  EXPECT_EQ(PercentDecode("%0d%0a%09%1F%7f%7E"), "%0d%0a%09%1F%7f~");
  // Digits that are no hexadecimal digits can reach a control byte too: 16 + (-2).
  EXPECT_EQ(PercentDecode("%1z"), "%1z");
  EXPECT_EQ(PercentDecode("x%0"), "x");  // a zero byte is still dropped
}

}  // namespace
}  // namespace web
