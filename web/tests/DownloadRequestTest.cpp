// Tests of the download's request texts and of reading a 64-bit Content-Length.
#include "web/DownloadRequest.h"

#include <gtest/gtest.h>

namespace web {
namespace {

TEST(DownloadRequestTest, RangeFollowsTheUserAgentLineWhenResuming) {
  const std::string fixed = kDownloadHeaders;
  EXPECT_EQ(DownloadHeaders(false, 5000), fixed);
  EXPECT_EQ(DownloadHeaders(true, 5000), fixed + "\r\nRange:bytes=5000-");
  EXPECT_EQ(DownloadHeaders(true, 5368709120LL), fixed + "\r\nRange:bytes=5368709120-");
  EXPECT_EQ(fixed.substr(fixed.size() - 9), "1.1.4322)");
}

TEST(DownloadRequestTest, AgentCarriesTheTickCountAsSignedNumber) {
  EXPECT_EQ(DownloadAgentName(1234567), "Agent1234567");
  EXPECT_EQ(DownloadAgentName(0x80000000u), "Agent-2147483648");
  EXPECT_EQ(DownloadAgentName(0xFFFFFFFFu), "Agent-1");
}

TEST(DownloadRequestTest, ContentLengthIsReadIn64Bits) {
  EXPECT_EQ(ParseContentLength("0"), 0);
  EXPECT_EQ(ParseContentLength("10485760"), 10485760);
  EXPECT_EQ(ParseContentLength("5368709120"), 5368709120LL);
  EXPECT_EQ(ParseContentLength(" 4294967296 "), 4294967296LL);
  EXPECT_EQ(ParseContentLength("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(ParseContentLength("9223372036854775808"), -1);
  EXPECT_EQ(ParseContentLength(""), -1);
  EXPECT_EQ(ParseContentLength("-5"), -1);
  EXPECT_EQ(ParseContentLength("12ab"), -1);
  EXPECT_EQ(ParseContentLength("1 2"), -1);
}

}  // namespace
}  // namespace web
