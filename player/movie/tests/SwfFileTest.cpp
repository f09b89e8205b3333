// The SWF writer's pieces against bytes worked out by hand, and the reader on good and damaged files.
#include <gtest/gtest.h>

#include "player/movie/SwfReader.h"
#include "player/movie/SwfWriter.h"
#include "player/movie/tests/support/Bytes.h"

using namespace movie;

using movietest::Bytes;

TEST(SwfWriter, BitPackedRecords) {
  EXPECT_EQ(1, SignedBitsNeeded(0));
  EXPECT_EQ(1, SignedBitsNeeded(-1));
  EXPECT_EQ(2, SignedBitsNeeded(1));
  EXPECT_EQ(14, SignedBitsNeeded(6400));
  EXPECT_EQ(14, SignedBitsNeeded(-8192));
  EXPECT_EQ(15, SignedBitsNeeded(8192));
  // 320 x 240 pixels: 14-bit fields 0, 6400, 0, 4800.
  EXPECT_EQ(Bytes({0x70, 0x00, 0x0C, 0x80, 0x00, 0x00, 0x96, 0x00}), EncodeRect({0, 6400, 0, 4800}));
  // A negative field: two bits each, -1 as 11.
  EXPECT_EQ(Bytes({0x16, 0x80}), EncodeRect({-1, 1, 0, 0}));
  // Scale 2.0 is 0x20000 in 16.16, 19 signed bits; no rotation, no translation.
  EXPECT_EQ(Bytes({0xCD, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00}), EncodeScaleMatrix(2.0, 2.0));
}

TEST(SwfWriter, FixedPointAndTagHeaders) {
  EXPECT_EQ(0x3C00, EncodeFixed8(60));
  EXPECT_EQ(0x0C80, EncodeFixed8(12.5));
  EXPECT_EQ(Bytes({0x40, 0x00}), EncodeTag(kTagShowFrame, {}));
  EXPECT_EQ(Bytes({0x00, 0x00}), EncodeTag(kTagEnd, {}));
  // 62 bytes still fit the short header; 63 need the long one.
  EXPECT_EQ(Bytes({0x3E, 0x03}), EncodeTag(kTagDoAction, std::string(62, 'x')).substr(0, 2));
  EXPECT_EQ(Bytes({0x3F, 0x03, 0x3F, 0x00, 0x00, 0x00}), EncodeTag(kTagDoAction, std::string(63, 'x')).substr(0, 6));
  EXPECT_EQ(Bytes({0x7F, 0x02, 0x01, 0x00, 0x00, 0x00, 0x07}), EncodeTag(kTagSetBackgroundColor, "\x07", true));
  EXPECT_EQ(Bytes({0x3F, 0x03, 0x00, 0x00, 0x01, 0x00}), EncodeTag(kTagDoAction, std::string(65536, 'x')).substr(0, 6));
}

TEST(SwfReader, ReadsBackWhatTheWriterWrote) {
  SwfHeader header;
  header.version = 8;
  header.stage = {0, 6400, 0, 4800};
  header.frameRate = 60;
  header.frameCount = 1;
  const std::string big(70000, 'a');
  const std::vector<std::string> tags = {EncodeTag(kTagSetBackgroundColor, Bytes({1, 2, 3})),
                                         EncodeTag(kTagDoAction, big), EncodeTag(kTagShowFrame, {}),
                                         EncodeTag(kTagEnd, {})};
  const std::string plain = WriteSwf(header, tags, false);
  const std::string packed = WriteSwf(header, tags, true);
  EXPECT_EQ("FWS", plain.substr(0, 3));
  EXPECT_EQ("CWS", packed.substr(0, 3));
  EXPECT_LT(packed.size(), plain.size());
  EXPECT_EQ(plain.substr(4, 4), packed.substr(4, 4)) << "both carry the expanded length";
  EXPECT_EQ(plain.size(), ReadU32(plain, 4));

  for (const std::string* file : {&plain, &packed}) {
    SwfFile swf;
    std::string error;
    ASSERT_TRUE(ReadSwf(*file, swf, error)) << error;
    EXPECT_EQ(8, swf.version);
    EXPECT_EQ(4800, swf.stage.yMax);
    EXPECT_EQ(6400, swf.stage.xMax);
    EXPECT_EQ(0x3C00, swf.frameRate);
    EXPECT_EQ(1, swf.frameCount);
    ASSERT_EQ(4u, swf.tags.size());
    EXPECT_EQ(Bytes({1, 2, 3}), swf.tags[0].body);
    EXPECT_TRUE(swf.tags[1].longHeader);
    EXPECT_EQ(big, swf.tags[1].body);
    EXPECT_EQ(kTagEnd, swf.tags[3].code);
  }
  std::string expanded, error;
  ASSERT_TRUE(ExpandSwf(packed, expanded, error));
  EXPECT_EQ(plain, expanded);
}

TEST(SwfReader, RefusesDamagedFiles) {
  SwfHeader header;
  const std::vector<std::string> tags = {EncodeTag(kTagSetBackgroundColor, Bytes({1, 2, 3})), EncodeTag(kTagEnd, {})};
  const std::string plain = WriteSwf(header, tags, false);
  const std::string packed = WriteSwf(header, tags, true);
  struct Case {
    const char* what;
    std::string file;
  };
  std::string longer = packed;
  longer[4] = static_cast<char>(longer[4] + 1);
  std::string shorter = packed;
  shorter[4] = static_cast<char>(shorter[4] - 1);
  std::string huge = plain;
  huge.replace(4, 4, EncodeU32(kMaxExpandedSwf + 1));
  std::string tagPastEnd = plain;
  tagPastEnd[plain.size() - 7] = 0x7E;  // the background tag claims 62 bytes
  const Case cases[] = {
      {"empty", ""},
      {"not a SWF", "GIF89a.........."},
      {"compressed data cut short", packed.substr(0, packed.size() - 3)},
      {"header length too long", longer},
      {"header length too short", shorter},
      {"length beyond the limit", huge},
      {"tag past the end", tagPastEnd},
      {"no End tag",
       plain.substr(0, plain.size() - 2).replace(4, 4, EncodeU32(static_cast<uint32_t>(plain.size() - 2)))},
  };
  for (const Case& c : cases) {
    SwfFile swf;
    std::string error;
    EXPECT_FALSE(ReadSwf(c.file, swf, error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
  }
}
