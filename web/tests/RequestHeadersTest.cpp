// Tests of the web request's header texts and of reading Set-Cookie lines.
#include "web/RequestHeaders.h"

#include <gtest/gtest.h>

namespace web {
namespace {

const std::string kAccept =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";

TEST(RequestHeadersTest, DefaultsFollowTheCallersHeadersInOrder) {
  EXPECT_EQ(RequestHeaderBlock("", "http://h/a?b=1"),
            kAccept + "Referer: http://h/a?b=1\r\nAccept-Language: zh-cn\r\n");
  EXPECT_EQ(RequestHeaderBlock("X-A: 1\r\n", "u"), "X-A: 1\r\n" + kAccept + "Referer: u\r\nAccept-Language: zh-cn\r\n");
}

TEST(RequestHeadersTest, AGivenHeaderInAnyCaseSuppressesOnlyItsDefault) {
  EXPECT_EQ(RequestHeaderBlock("accept: text/html\r\n", "u"),
            "accept: text/html\r\nReferer: u\r\nAccept-Language: zh-cn\r\n");
  EXPECT_EQ(RequestHeaderBlock("REFERER: x\r\nACCEPT-LANGUAGE: en\r\n", "u"),
            "REFERER: x\r\nACCEPT-LANGUAGE: en\r\n" + kAccept);
  // "Accept-Language: " does not hold "Accept: ", so Accept is still added.
  EXPECT_EQ(RequestHeaderBlock("Accept-Language: en\r\n", "u"), "Accept-Language: en\r\n" + kAccept + "Referer: u\r\n");
}

TEST(RequestHeadersTest, PostAddsTypeAndLengthOnlyWithData) {
  std::string h = "A: 1\r\n";
  AddPostHeaders(h, "");
  EXPECT_EQ(h, "A: 1\r\n");
  AddPostHeaders(h, "a=1");
  EXPECT_EQ(h, "A: 1\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: 3\r\n");
  std::string own = "content-type: text/plain\r\n";
  AddPostHeaders(own, std::string(1234, 'x'));
  EXPECT_EQ(own, "content-type: text/plain\r\nContent-Length: 1234\r\n");
}

TEST(RequestHeadersTest, VerbIsTakenUpperCased) {
  EXPECT_EQ(VerbOf(""), RequestVerb::Get);
  EXPECT_EQ(VerbOf("get"), RequestVerb::Get);
  EXPECT_EQ(VerbOf("post"), RequestVerb::Post);
  EXPECT_EQ(VerbOf("POST"), RequestVerb::Post);
  EXPECT_EQ(VerbOf("PUT"), RequestVerb::Unsupported);
  EXPECT_EQ(VerbOf("GET "), RequestVerb::Unsupported);
}

TEST(RequestHeadersTest, BlankSettingsAreAsciiAndFullWidthSpaces) {
  EXPECT_TRUE(IsBlankSetting(""));
  EXPECT_TRUE(IsBlankSetting("   "));
  EXPECT_TRUE(IsBlankSetting(" \xA1\xA1 \xA1\xA1"));
  EXPECT_FALSE(IsBlankSetting("\t"));
  EXPECT_FALSE(IsBlankSetting(" \xA1"));
  EXPECT_FALSE(IsBlankSetting("\xB0\xA1\xA1"));  // 0xA1 here ends another character
  EXPECT_FALSE(IsBlankSetting(" 127.0.0.1:3128 "));
}

TEST(RequestHeadersTest, SetCookieLinesGiveNameAndValue) {
  const std::string raw =
      "HTTP/1.1 200 OK\r\nSet-Cookie: c1=v1; path=/\r\nContent-Length: 2\r\n"
      "set-cookie: c2=a=b\r\nSet-Cookie: novalue\r\nSet-Cookie: =x\r\n\r\n";
  auto cookies = CookiesFromHeaders(raw);
  ASSERT_EQ(cookies.size(), 4u);
  EXPECT_EQ(cookies[0].name, "c1");
  EXPECT_EQ(cookies[0].value, "v1; path=/");
  EXPECT_EQ(cookies[1].name, "c2");
  EXPECT_EQ(cookies[1].value, "a=b");
  EXPECT_EQ(cookies[2].name, "");
  EXPECT_EQ(cookies[2].value, "novalue");
  EXPECT_EQ(cookies[3].name, "");
  EXPECT_EQ(cookies[3].value, "x");
  EXPECT_TRUE(CookiesFromHeaders("HTTP/1.1 200 OK\r\nX: 1\r\n\r\n").empty());
  EXPECT_TRUE(CookiesFromHeaders(std::string(1024, ' ')).empty());
}

}  // namespace
}  // namespace web
