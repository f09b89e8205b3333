// Which outside addresses may be opened: web addresses pass, everything else is refused.
#include "web/WebAddress.h"

#include <gtest/gtest.h>

namespace web {
namespace {

TEST(WebAddressTest, WebAddressesPassAndOnesWithoutSchemeBecomeHttp) {
  EXPECT_EQ(OpenableWebAddress("http://www.example.com/a.html"), "http://www.example.com/a.html");
  EXPECT_EQ(OpenableWebAddress("HTTPS://Example.com"), "HTTPS://Example.com");
  EXPECT_EQ(OpenableWebAddress(" https://example.com/?q=1 "), "https://example.com/?q=1");
  EXPECT_EQ(OpenableWebAddress("www.example.com/a.html"), "http://www.example.com/a.html");
  EXPECT_EQ(OpenableWebAddress("127.0.0.1:8631/ad.html"), "http://127.0.0.1:8631/ad.html");
  EXPECT_EQ(OpenableWebAddress("localhost:8080"), "http://localhost:8080");
  // A host of Chinese characters, one of whose second bytes is a backslash (GBK 5C).
  EXPECT_EQ(OpenableWebAddress("http://\xD5\x5C.cn/"), "http://\xD5\x5C.cn/");
}

TEST(WebAddressTest, OtherSchemesAndLocalPathsAreRefused) {
  for (const char* address : {"file:///C:/windows/system32/calc.exe",
                              "FILE://server/share/x.exe",
                              "javascript:alert(1)",
                              "javascript://%0Aalert(1)",
                              "vbscript:msgbox(1)",
                              "about:blank",
                              "mailto:a@b.cn",
                              "shell:startup",
                              "ms-settings:",
                              "C:\\Windows\\x.exe",
                              "c:/x.exe",
                              "\\\\server\\share\\x.exe",
                              "//server/share/x.exe",
                              "/etc/passwd",
                              "..\\x.exe",
                              ".\\x.exe",
                              "x\\y.exe",
                              "http:\\\\server\\x",
                              "http:/x.cn",
                              "http://",
                              "http:///x",
                              "http://\\\\server\\x",
                              "https://:80/",
                              "",
                              "   "}) {
    EXPECT_EQ(OpenableWebAddress(address), "") << address;
  }
}

TEST(WebAddressTest, ControlBytesAnywhereAreRefused) {
  EXPECT_EQ(OpenableWebAddress("http://a.cn/\r\nx"), "");
  EXPECT_EQ(OpenableWebAddress("http://a.cn/\tx"), "");
  EXPECT_EQ(OpenableWebAddress(std::string("http://a.cn/\x7F")), "");
}

}  // namespace
}  // namespace web
