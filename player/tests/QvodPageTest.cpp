// The QVOD page: the template's exact bytes, the escaped link, the link test.
#include "player/QvodPage.h"

#include <gtest/gtest.h>

namespace {

TEST(QvodPage, TemplateLinesAndLineEnds) {
  const std::string& page = player::QvodPageTemplate();
  EXPECT_EQ(page.rfind("\r\n</html>"), page.size() - 9);  // no line end after the last line
  size_t lines = 1;
  for (size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '\n') {
      EXPECT_EQ(page[i - 1], '\r') << "at byte " << i;
      ++lines;
    }
  }
  EXPECT_EQ(lines, 16u);
  EXPECT_NE(page.find("\r\n</head>\r\n<style type=\"text/css\">\r\nbody{ margin:0; padding:0;}\r\n</style>\r\n"
                      "<body scroll=\"no\">\r\n"),
            std::string::npos);
  EXPECT_NE(page.find("<object classid=\"clsid:f3d0d36f-23f8-4682-a195-74c92b03d4af\"width=\"100%\" height=\"100%\" "
                      "id=\"qvodplayer\" name=\"qvodplayer\"onerror=if(window.confirm('请您先安装qvodplayer软件,"
                      "然后刷新本页才可以正常播放.')){window.open('"),
            std::string::npos);
  EXPECT_NE(page.find("\r\n<param name='url' value='{PlayData}'>\r\n<param name='autoplay' value='1'>\r\n</object>"),
            std::string::npos);
  // The onerror value is unquoted, so it may hold no blank.
  const size_t handler = page.find("onerror=");
  EXPECT_EQ(page.substr(handler, page.find(">\r\n", handler) - handler).find(' '), std::string::npos);
}

TEST(QvodPage, LinkIsInsertedEscaped) {
  const std::string plain = player::QvodPageHtml("qvod://123|ABC|电影.rmvb|");
  EXPECT_NE(plain.find("value='qvod://123|ABC|电影.rmvb|'>"), std::string::npos);
  EXPECT_EQ(plain.find("{PlayData}"), std::string::npos);

  const std::string hostile = player::QvodPageHtml("x\" onerror=\"alert(1)");
  EXPECT_NE(hostile.find("value='x&quot; onerror=&quot;alert(1)'>"), std::string::npos);
  EXPECT_EQ(player::HtmlEscape("a'b<c>&d"), "a&#39;b&lt;c&gt;&amp;d");
}

TEST(QvodPage, LinkTestIsCaseSensitiveAnywhere) {
  EXPECT_TRUE(player::IsQvodLink("qvod://x"));
  EXPECT_TRUE(player::IsQvodLink("xqvod://x"));
  EXPECT_FALSE(player::IsQvodLink("QVOD://x"));
  EXPECT_FALSE(player::IsQvodLink("qvod:/x"));
}

}  // namespace
