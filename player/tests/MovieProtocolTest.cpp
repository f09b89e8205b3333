// The texts of the player's conversation with its movie: reply cuts, numbers, times and the combined state.
#include "player/MovieProtocol.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

using player::SliceBetween;

TEST(SliceBetween, CutsBetweenMarkersWhateverTheirAsciiCase) {
  EXPECT_EQ(SliceBetween("<string>03:25</string>", "<string>", "</string>"), "03:25");
  EXPECT_EQ(SliceBetween("<STRING>03:25</String>", "<string>", "</string>"), "03:25");
  EXPECT_EQ(SliceBetween("a<string>x</string>b<string>y</string>", "<string>", "</string>"), "x");
  // The cut keeps the text's own case.
  EXPECT_EQ(SliceBetween("<string>NetStream.Buffer.Full</string>", "<string>", "</string>"), "NetStream.Buffer.Full");
}

TEST(SliceBetween, MissingMarkersGiveEmptyText) {
  EXPECT_EQ(SliceBetween("<number>3</number>", "<string>", "</string>"), "");
  EXPECT_EQ(SliceBetween("<undefined/>", "<string>", "</string>"), "");
  EXPECT_EQ(SliceBetween("<string>unclosed", "<string>", "</string>"), "");
  EXPECT_EQ(SliceBetween("", "<string>", "</string>"), "");
}

TEST(SliceBetween, StepsOverTwoByteCharacters) {
  // "谋" is 0xC4 0xB1 and "鬃" 0xF7 0x57: the second byte of the latter is an
  // upper-case W, which must neither be lowered nor start a match.
  const std::string mou = "\xC4\xB1", zong = "\xF7\x57";
  EXPECT_EQ(SliceBetween("<string>" + zong + mou + "</string>", "<string>", "</string>"), zong + mou);
  EXPECT_EQ(SliceBetween(zong + "x]", "w", "]"), "");
  EXPECT_EQ(SliceBetween(zong + "Wx]", "w", "]"), "x");
}

TEST(TextToInt, LeadingBlanksSignAndDigits) {
  EXPECT_EQ(player::TextToInt("42"), 42);
  EXPECT_EQ(player::TextToInt("  -7abc"), -7);
  EXPECT_EQ(player::TextToInt("+3"), 3);
  EXPECT_EQ(player::TextToInt(""), 0);
  EXPECT_EQ(player::TextToInt("NaN"), 0);
  EXPECT_EQ(player::TextToInt("99999999999"), INT32_MAX);
  EXPECT_EQ(player::TextToInt("-99999999999"), INT32_MIN);
}

TEST(TimeTextSeconds, MinutesAndSeconds) {
  EXPECT_EQ(player::TimeTextSeconds("03:25"), 205);
  EXPECT_EQ(player::TimeTextSeconds("125:07"), 7507);
  EXPECT_EQ(player::TimeTextSeconds("NaN:NaN"), 0);
  EXPECT_EQ(player::TimeTextSeconds(""), 0);
  EXPECT_EQ(player::TimeTextSeconds("1:02:03"), 0);
  EXPECT_EQ(player::TimeTextSeconds("99999999:00"), 0);
}

TEST(InvokeRequest, ExternalInterfaceForm) {
  EXPECT_EQ(player::InvokeRequest("qbfzt"), "<invoke name='qbfzt' returntype='xml'></invoke>");
}

// A movie whose answers are given in advance, one per question.
struct ScriptedMovie {
  std::deque<int32_t> codes;
  std::deque<std::string> statuses;
  int codeQuestions = 0;
  int32_t State() {
    return player::CombinePlayerState(
        [&] {
          ++codeQuestions;
          int32_t c = codes.empty() ? 0 : codes.front();
          if (!codes.empty()) codes.pop_front();
          return c;
        },
        [&] {
          std::string s = statuses.empty() ? "" : statuses.front();
          if (!statuses.empty()) statuses.pop_front();
          return s;
        });
  }
};

int32_t SteadyState(int32_t code, const std::string& status) {
  ScriptedMovie movie{{code, code, code, code, code}, {status, status}};
  return movie.State();
}

TEST(CombinePlayerState, EveryRowOfTheMapping) {
  EXPECT_EQ(SteadyState(0, ""), 0);
  EXPECT_EQ(SteadyState(7, ""), 0);
  EXPECT_EQ(SteadyState(1, "NetStream.Buffer.Full"), 1);
  EXPECT_EQ(SteadyState(1, "NetStream.Buffer.Empty"), 3);
  EXPECT_EQ(SteadyState(1, "NetStream.Play.Start"), 5);
  EXPECT_EQ(SteadyState(1, "netstream.buffer.full"), 5);  // the status compares exactly
  EXPECT_EQ(SteadyState(2, ""), 2);
  EXPECT_EQ(SteadyState(3, ""), 3);
  EXPECT_EQ(SteadyState(4, ""), 4);
}

TEST(CombinePlayerState, AsksAgainForEachTest) {
  ScriptedMovie changing{{0, 1, 2, 0, 0}, {"NetStream.Buffer.Full"}};
  EXPECT_EQ(changing.State(), 2);  // a later match overrides the earlier one
  EXPECT_EQ(changing.codeQuestions, 5);
  // The second status question decides between buffering and loading.
  ScriptedMovie second{{0, 1, 0, 0, 0}, {"NetStream.Play.Start", "NetStream.Buffer.Empty"}};
  EXPECT_EQ(second.State(), 3);
}

}  // namespace
