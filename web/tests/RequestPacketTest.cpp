// Tests of the request packet's layouts and of reading short or damaged packets.
#include "web/RequestPacket.h"

#include <gtest/gtest.h>

namespace web {
namespace {

// The bytes of a literal, zero bytes inside included.
template <size_t N>
std::string Bytes(const char (&s)[N]) {
  return std::string(s, N - 1);
}

TEST(RequestPacketTest, RequestLayoutIsMarkerAndSevenTexts) {
  RequestPacket p;
  p.WriteRequest({"http://h/a", "POST", "", "u", "", "X: 1\r\n", "a=1"});
  EXPECT_EQ(p.Bytes(), Bytes("Tindrel\0http://h/a\0POST\0\0u\0\0X: 1\r\n\0a=1\0"));
  RequestFields f;
  ASSERT_TRUE(p.ReadRequest(f));
  EXPECT_EQ(f.address, "http://h/a");
  EXPECT_EQ(f.method, "POST");
  EXPECT_EQ(f.user, "u");
  EXPECT_EQ(f.extraHeaders, "X: 1\r\n");
  EXPECT_EQ(f.postData, "a=1");
}

TEST(RequestPacketTest, WrongMarkerLeavesFieldsAndPacketAlone) {
  RequestPacket p;
  p.Assign(Bytes("Tindrel_\0addr\0"));
  RequestFields f;
  f.address = "keep";
  EXPECT_FALSE(p.ReadRequest(f));
  EXPECT_EQ(f.address, "keep");
  EXPECT_EQ(p.Bytes().size(), 14u);
  RequestPacket empty;
  EXPECT_FALSE(empty.ReadRequest(f));
}

TEST(RequestPacketTest, ShortRequestReadsMissingTextsAsEmpty) {
  RequestPacket p;
  p.Assign(Bytes("Tindrel\0http://h/"));
  RequestFields f;
  f.postData = "old";
  ASSERT_TRUE(p.ReadRequest(f));
  EXPECT_EQ(f.address, "http://h/");
  EXPECT_EQ(f.method, "");
  EXPECT_EQ(f.postData, "");
}

TEST(RequestPacketTest, ReplyReplacesTheRequestAndKeepsZeroBytesOfTheBody) {
  RequestPacket p;
  p.WriteRequest({"http://a-long-address/that/is/longer/than/the/reply", "", "", "", "", "", ""});
  const std::string body("a\0b", 3);
  p.WriteReply("HTTP/1.1 200 OK\r\n\r\n", body);
  EXPECT_EQ(p.Bytes(), Bytes("Tindrel_OK\0HTTP/1.1 200 OK\r\n\r\n\0\x03\0\0\0a\0b"));
  ReplyFields r = p.ReadReply();
  EXPECT_EQ(r.status, "Tindrel_OK");
  EXPECT_EQ(r.headers, "HTTP/1.1 200 OK\r\n\r\n");
  EXPECT_EQ(r.body, body);
}

TEST(RequestPacketTest, EmptiedOrDamagedReplyReadsAsEmpty) {
  RequestPacket p;
  p.WriteRequest({"http://h/", "", "", "", "", "", ""});
  p.Clear();
  ReplyFields r = p.ReadReply();
  EXPECT_EQ(r.status, "");
  EXPECT_EQ(r.headers, "");
  EXPECT_EQ(r.body, "");
  // A count larger than what follows gives the bytes that are there.
  p.Assign(Bytes("Tindrel_OK\0h\0\xFF\xFF\xFF\xFFxyz"));
  EXPECT_EQ(p.ReadReply().body, "xyz");
  // A count cut short gives an empty body.
  p.Assign(Bytes("Tindrel_OK\0h\0\x02\0"));
  EXPECT_EQ(p.ReadReply().body, "");
}

TEST(RequestPacketTest, LargeBodyCountIsLittleEndian) {
  RequestPacket p;
  p.WriteReply("", std::string(0x10203, 'x'));
  EXPECT_EQ(p.Bytes().substr(12, 4), Bytes("\x03\x02\x01\x00"));
  EXPECT_EQ(p.ReadReply().body.size(), 0x10203u);
}

}  // namespace
}  // namespace web
