// The parse request's pure parts: address trim and checks, the GetDown address, reply meaning, the QVOD scan, counters, the finder's pick.
#include <gtest/gtest.h>

#include "main/FinderPick.h"
#include "main/ParseAddress.h"
#include "main/ParseReply.h"
#include "main/RegexReplace.h"

namespace {

const std::string kFullSpace = "\xA1\xA1";

TEST(ParseAddress, TrimRemovesAsciiAndFullWidthBlanksOnly) {
  EXPECT_EQ(TrimPageAddress("  " + kFullSpace + " v.qq.com/x " + kFullSpace + kFullSpace + " "), "v.qq.com/x");
  EXPECT_EQ(TrimPageAddress(kFullSpace + " " + kFullSpace), "");
  EXPECT_EQ(TrimPageAddress("\ta.b\t"), "\ta.b\t");  // only spaces are blanks
  // "\xB0\xA1" is one character whose second byte is A1: not half a blank.
  EXPECT_EQ(TrimPageAddress("a.b\xB0\xA1\xA1\xA1 "), "a.b\xB0\xA1");
  EXPECT_EQ(TrimPageAddress("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
  // A lone first byte at the end is kept, not read past.
  EXPECT_EQ(TrimPageAddress(" a.b\xB0"), "a.b\xB0");
}

TEST(ParseAddress, ChecksRunInOrderDotCooldownLength) {
  EXPECT_EQ(CheckParseAddress("abc", 0), AddressVerdict::BadAddress);
  EXPECT_EQ(CheckParseAddress("abc", 3), AddressVerdict::BadAddress);  // refused even while cooling down
  // A line break or any other control byte would reach the request as one.
  EXPECT_EQ(CheckParseAddress("http://v.cn/a.html\r\nX-Injected: yes", 0), AddressVerdict::BadAddress);
  EXPECT_EQ(CheckParseAddress("v.cn/\x7F.html", 3), AddressVerdict::BadAddress);
  EXPECT_EQ(CheckParseAddress("a.", 3), AddressVerdict::CoolingDown);
  EXPECT_EQ(CheckParseAddress("a.", 0), AddressVerdict::TooShort);
  EXPECT_EQ(CheckParseAddress("a.b", 0), AddressVerdict::Send);
  EXPECT_EQ(CooldownText(4), "服务器繁忙，请稍等片刻，4 秒后重试！");
}

TEST(ParseAddress, GetDownAddressCarriesCredentialsInOrder) {
  const std::string base = "http://127.0.0.1:8631/VelkDown/";
  EXPECT_EQ(GetDownAddress(base, "0", "1", WithCredentials("v.cn/a?b=1&c=2", "0", "pw", "me"), "BFEBFBFF"),
            base + "index.Asp?A=GetDown&uLei=0&uLei1=1&uUrl=v.cn/a?b=1&c=2&uCpu=BFEBFBFF");
  EXPECT_EQ(WithCredentials("v.cn/a", "1", " pw ", "me"), "v.cn/a&password=pw");
  EXPECT_EQ(WithCredentials("v.cn/a", "2", kFullSpace + "pw", " me "), "v.cn/a&password=pw&username=me");
  EXPECT_EQ(WithCredentials("v.cn/a", "3", "pw", "me"), "v.cn/a");
  EXPECT_EQ(QualityFromRadios(true, true, true, "1"), "3");
  EXPECT_EQ(QualityFromRadios(false, true, true, "1"), "2");
  EXPECT_EQ(QualityFromRadios(false, false, false, "2"), "2");
}

TEST(ParseReply, ClassifiesTheWholeReplyExactly) {
  EXPECT_EQ(ClassifyReply("", "0"), ReplyKind::Failed);
  EXPECT_EQ(ClassifyReply("0", "0"), ReplyKind::QuotaUsed);
  EXPECT_EQ(ClassifyReply("0\r\n", "0"), ReplyKind::Ignored);
  EXPECT_EQ(ClassifyReply("1", "2"), ReplyKind::Busy);
  EXPECT_EQ(ClassifyReply("3", "1"), ReplyKind::WrongPassword);
  EXPECT_EQ(ClassifyReply("3", "2"), ReplyKind::WrongUserOrPassword);
  EXPECT_EQ(ClassifyReply("3", "0"), ReplyKind::Ignored);
  EXPECT_EQ(ClassifyReply("0.5", "0"), ReplyKind::List);
  EXPECT_EQ(ClassifyReply("http://a/b.flv", "1"), ReplyKind::List);
  EXPECT_EQ(ReplyHintText(ReplyKind::WrongUserOrPassword), "用户名或密码输入有误，请检查！");
  EXPECT_EQ(ReplyHintText(ReplyKind::Ignored), "");
}

TEST(ParseReply, AmpersandEntitiesBecomeAmpersands) {
  EXPECT_EQ(CleanReplyList("http://a/1.flv?x=1&amp;y=2$$http://a/2.flv?&amp;&amp;z"),
            "http://a/1.flv?x=1&y=2$$http://a/2.flv?&&z");
  EXPECT_EQ(CleanReplyList("&amp;amp;"), "&amp;");  // one pass, no second round
  EXPECT_EQ(RegexReplaceAll("aXbXc", "X", "&", false), "a&bXc");
  EXPECT_EQ(RegexReplaceAll("a(b", "(", "-", true), "a(b");  // a bad pattern changes nothing
}

TEST(ParseReply, QvodLinkRunsToTheNextQuote) {
  EXPECT_EQ(QvodLinkFromPage("<a href=\"qvod://1|AB|电影.rmvb|\">x</a> \"qvod://2\""), "qvod://1|AB|电影.rmvb|");
  EXPECT_EQ(QvodLinkFromPage("see qvod://123 and no quote"), "qvod://");
  EXPECT_EQ(QvodLinkFromPage("QVOD://1\""), "");
}

TEST(ParseReply, CountersMoveAndNonNumbersCountAsZero) {
  EXPECT_EQ(MovedCounter("12", 1), "13");
  EXPECT_EQ(MovedCounter("", -1), "-1");
  EXPECT_EQ(MovedCounter("abc", 1), "1");
}

TEST(FinderPick, LinkWithHrefAndTitleWinsOverTheDocument) {
  const std::string url = "http://v.cn/page.html", title = "页面";
  FinderPick link = PickFromPage(url, title, "<a href=\"http://v.cn/1.html\" title='第一 集' class=x>1</a>");
  EXPECT_EQ(link.address, "http://v.cn/1.html");
  EXPECT_EQ(link.title, "第一");  // cut at its first blank
  FinderPick plain = PickFromPage(url, title, "<div>text</div>");
  EXPECT_EQ(plain.address, url);
  EXPECT_EQ(plain.title, title);
  FinderPick noTitle = PickFromPage(url, title, "<a href=\"x.html\">x</a>");
  EXPECT_EQ(noTitle.address, url);
  // Container: the first href= and title= anywhere; no blank after href's value: empty.
  FinderPick last = PickFromPage(url, title, "<span title=T x><a href=\"y.html\">y</a></span>");
  EXPECT_EQ(last.address, "");
  EXPECT_EQ(last.title, "T");
}

}  // namespace
