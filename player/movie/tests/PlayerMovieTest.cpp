// The player's movie as compiled into the library: header, tags, and the script checked against listings written by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

#include "player/movie/ActionAssembler.h"
#include "player/movie/ActionCodes.h"
#include "player/movie/ActionDisassembler.h"
#include "player/movie/EmbeddedMovie.h"
#include "player/movie/PlayerMovie.h"
#include "player/movie/SwfReader.h"
#include "player/movie/tests/support/Bytes.h"

using namespace movie;

namespace {

using movietest::Bytes;

std::string ScriptSource() {
  std::ifstream in(MOVIE_SCRIPT_PATH, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class PlayerMovie : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ReadSwf(EmbeddedMovieBytes(), swf, error)) << error;
    ASSERT_TRUE(ExpandSwf(EmbeddedMovieBytes(), expanded, error)) << error;
    ASSERT_EQ(9u, swf.tags.size());
    script = swf.tags[4].body;
    listing = DisassembleActions(script);
  }

  // The listing of the function whose line starts with `head`, up to its closing brace.
  std::string Function(const std::string& head) const {
    const size_t start = listing.find(head);
    if (start == std::string::npos) return "(no " + head + ")";
    const size_t indent = start - listing.rfind('\n', start) - 1;
    const size_t end = listing.find("\n" + std::string(indent, ' ') + "}\n", start);
    return listing.substr(start, end - start);
  }

  SwfFile swf;
  std::string expanded;  // the file with its body expanded
  std::string script;
  std::string listing;
};

void ExpectBranchesLandOnActions(const std::vector<DecodedAction>& actions, size_t blockSize) {
  std::vector<size_t> starts;
  for (const DecodedAction& a : actions) starts.push_back(a.offset);
  starts.push_back(blockSize);
  for (const DecodedAction& a : actions) {
    if (a.code == kActionJump || a.code == kActionIf) {
      const long target = BranchTarget(a);
      EXPECT_NE(starts.end(), std::find(starts.begin(), starts.end(), static_cast<size_t>(target)))
          << "branch at " << a.offset << " lands on " << target;
    }
    if (a.isFunction) ExpectBranchesLandOnActions(a.body, a.bodySize);
  }
}

}  // namespace

TEST_F(PlayerMovie, HeaderStageAndTags) {
  EXPECT_EQ("CWS", swf.signature);
  EXPECT_EQ(8, swf.version);
  // The header's length is the header, the stage, the two frame fields and
  // the tag records up to End, and no byte more.
  const int stageBits = static_cast<uint8_t>(expanded[8]) >> 3;
  size_t length = 8 + (5 + 4 * stageBits + 7) / 8 + 4;
  for (const SwfTagRecord& tag : swf.tags) length += (tag.longHeader ? 6 : 2) + tag.body.size();
  EXPECT_EQ(length, swf.fileLength);
  EXPECT_EQ(expanded.size(), swf.fileLength);
  EXPECT_EQ(0, swf.stage.xMin);
  EXPECT_EQ(6400, swf.stage.xMax);
  EXPECT_EQ(0, swf.stage.yMin);
  EXPECT_EQ(4800, swf.stage.yMax);
  EXPECT_EQ(0x3C00, swf.frameRate);
  EXPECT_EQ(1, swf.frameCount);

  const uint16_t order[] = {69, 9, 64, 63, 12, 60, 26, 1, 0};
  for (size_t i = 0; i < 9; ++i) EXPECT_EQ(order[i], swf.tags[i].code) << "tag " << i;
  EXPECT_EQ(Bytes({0x01, 0, 0, 0}), swf.tags[0].body) << "only UseNetwork";
  EXPECT_EQ(Bytes({0, 0, 0}), swf.tags[1].body) << "black";
  EXPECT_EQ(0, ReadU16(swf.tags[2].body, 0));
  EXPECT_EQ('\0', swf.tags[2].body.back());
  EXPECT_EQ(16u, swf.tags[3].body.size());
  EXPECT_EQ(kActionEnd, static_cast<uint8_t>(script.back()));
  // Character 1, 0 frames, 160 x 120, no flags, codec 0.
  EXPECT_EQ(Bytes({1, 0, 0, 0, 160, 0, 120, 0, 0, 0}), swf.tags[5].body);
  // Name, matrix and character; depth 1, character 1; scale 2.0 both ways at (0, 0); "MyVideo".
  EXPECT_EQ(Bytes({0x26, 1, 0, 1, 0, 0xCD, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00}) + std::string("MyVideo", 8),
            swf.tags[6].body);
  EXPECT_EQ("", swf.tags[7].body);
  EXPECT_EQ("", swf.tags[8].body);
}

TEST_F(PlayerMovie, BuiltTheSameEveryTimeFromTheScriptSource) {
  const AssembledScript assembled = AssembleScript(ScriptSource());
  ASSERT_EQ("", assembled.error) << "line " << assembled.errorLine;
  EXPECT_EQ(script, assembled.bytes);
  const std::string once = BuildPlayerMovie(assembled.bytes);
  EXPECT_EQ(once, BuildPlayerMovie(assembled.bytes));
  EXPECT_EQ(EmbeddedMovieBytes(), once) << "the generator's output, built in another process";
}

TEST_F(PlayerMovie, ListingAssemblesBackAndBranchesLandOnActions) {
  const std::string withoutPool = listing.substr(listing.find('\n') + 1);
  ASSERT_EQ(0u, listing.find("constants "));
  EXPECT_EQ(script, AssembleScript(withoutPool).bytes);

  std::vector<DecodedAction> actions;
  std::string error;
  ASSERT_TRUE(DecodeActions(script, actions, error)) << error;
  ExpectBranchesLandOnActions(actions, script.size());
  EXPECT_EQ(std::string::npos, listing.find(" ?")) << "no branch without a label";
}

TEST_F(PlayerMovie, DeclaresTheVariablesAndStartsUpInOrder) {
  std::string declared;
  for (size_t at = listing.find("\ndefineLocal2"); at != std::string::npos;
       at = listing.find("\ndefineLocal2", at + 1)) {
    const size_t line = listing.rfind("\npush \"", at - 1);
    declared += listing.substr(line + 7, at - line - 8) + " ";
  }
  EXPECT_EQ(
      "filename playkzzt scplayzt bufferLoads total_time totalZSJ qplaysj totalplaysj t1 t2 t3 loaded total nc ns "
      "vidsound retryTimer ",
      declared);

  const char* steps[] = {
      "push \"nc\", 0, \"NetConnection\"\nnewObject\nsetVariable\npush null, 1, \"nc\"\ngetVariable\npush \"connect\"\n",
      "push \"ns\", \"nc\"\ngetVariable\npush 1, \"NetStream\"\nnewObject\nsetVariable\n",
      "push \"MyVideo\"\ngetVariable\npush \"smoothing\", true\nsetMember\n",
      "push \"ns\"\ngetVariable\npush 1, \"MyVideo\"\ngetVariable\npush \"attachVideo\"\n",
      "push 1, 1, \"ns\"\ngetVariable\npush \"setBufferTime\"\n",
      "push \"vidsound\", 0, \"Sound\"\nnewObject\nsetVariable\n",
      "push \"this\"\ngetVariable\nstoreRegister 2\n",
      "\"addProperty\"",
      "push \"onMetaData\"\nfunction2 (r:1 infor)",
      "push \"onStatus\"\nfunction2 (r:1 info)",
      "push \"flash\"\ngetVariable\npush \"external\"\ngetMember\npush \"ExternalInterface\"\ngetMember\nstoreRegister 1\n",
      "\"addCallback\"",
      "push 0, \"qnowtext\"\ncallFunction\npop\n",
      "push 1, \"bufferLoad\"\ngetVariable\npush 2, \"setInterval\"\ncallFunction\npop\n",
  };
  size_t last = 0;
  for (const char* step : steps) {
    const size_t at = listing.find(step, last);
    EXPECT_NE(std::string::npos, at) << "missing or out of order:\n" << step;
    if (at != std::string::npos) last = at;
  }
}

TEST_F(PlayerMovie, FourWatchedVariablesWithEmptyGettersAndTheirSetters) {
  const char* properties[][2] = {
      {"flvurl", "playurl"}, {"playkz", "playkz"}, {"playvolume", "playvolume"}, {"playkj", "playkj"}};
  size_t last = 0;
  for (const auto& p : properties) {
    const std::string expected = std::string("push \"") + p[1] + "\"\ngetVariable\n" +
                                 "function2 () registers 1 suppressThis suppressArguments suppressSuper {\n}\n" +
                                 "push \"" + p[0] + "\", 3, r:2, \"addProperty\"\ncallMethod\npop\n";
    const size_t at = listing.find(expected, last);
    EXPECT_NE(std::string::npos, at) << expected;
    if (at != std::string::npos) last = at;
  }
  EXPECT_EQ(
      "function2 playurl (r:1 v) registers 2 suppressThis suppressArguments suppressSuper {\n"
      "  push r:1, 1, \"ksplay\"\n  callFunction\n  pop",
      Function("function2 playurl "));
  EXPECT_EQ(
      "function2 playvolume (r:1 v) registers 2 suppressThis suppressArguments suppressSuper {\n"
      "  push r:1, 1, \"vidsound\"\n  getVariable\n  push \"setVolume\"\n  callMethod\n  pop",
      Function("function2 playvolume "));
  EXPECT_EQ(
      "function2 playkj (r:1 v) registers 2 suppressThis suppressArguments suppressSuper {\n"
      "  push r:1, 1, \"ns\"\n  getVariable\n  push \"seek\"\n  callMethod\n  pop",
      Function("function2 playkj "));
  const std::string ksplay = Function("function2 ksplay ");
  for (const char* part :
       {"  push \"filename\", r:1\n  setVariable\n",
        "  push \"filename\"\n  getVariable\n  push 1, \"ns\"\n  getVariable\n  push \"play\"\n  callMethod\n",
        "  push \"playkzzt\", \"1\"\n  setVariable"}) {
    EXPECT_NE(std::string::npos, ksplay.find(part)) << part;
  }
  const std::string playkz = Function("function2 playkz ");
  for (const char* part :
       {"push r:1, \"play\"\n  equals2\n  not\n  if L",
        "push \"playkzzt\", \"2\"\n  setVariable\n  push true, 1, \"ns\"\n  getVariable\n  push \"pause\"",
        "push \"playkzzt\", \"1\"\n  setVariable\n  push false, 1, \"ns\"\n  getVariable\n  push \"pause\"",
        "push \"0\"\n  equals2\n  not\n  if L",
        "push \"filename\"\n  getVariable\n  push 1, \"ksplay\"\n  callFunction",
        "push \"playkzzt\", \"0\"\n  setVariable\n  push 0, \"ns\"\n  getVariable\n  push \"close\""}) {
    EXPECT_NE(std::string::npos, playkz.find(part)) << part;
  }
}

TEST_F(PlayerMovie, SevenCallbacksInTheirOrder) {
  const char* callbacks[][2] = {{"qurl", "filename"},        {"qbfzt", "playkzzt"},      {"qbfzsj", "totalZSJ"},
                                {"qbfsj", "qplaysj"},        {"qbfsjwb", "totalplaysj"}, {"flvbfzt", "scplayzt"},
                                {"huanchong", "bufferLoads"}};
  size_t last = 0;
  for (const auto& c : callbacks) {
    const std::string expected =
        std::string("function2 () registers 1 suppressThis suppressArguments suppressSuper {\n") + "  push \"" + c[1] +
        "\"\n  getVariable\n  return\n}\n" + "push r:2, \"" + c[0] + "\", 3, r:1, \"addCallback\"\ncallMethod\npop\n";
    const size_t at = listing.find(expected, last);
    EXPECT_NE(std::string::npos, at) << expected;
    if (at != std::string::npos) last = at;
  }
}

TEST_F(PlayerMovie, StatusTableAndTheRetryThatWaitsASecond) {
  const std::string status = Function("function2 (r:1 info)");
  EXPECT_EQ(0u, status.find("function2 (r:1 info) registers 3 suppressThis suppressArguments suppressSuper {\n"
                            "  push r:1, \"code\"\n  getMember\n  storeRegister 2\n  pop\n"
                            "  push \"scplayzt\", r:2\n  setVariable\n"));
  std::string codes;
  for (size_t at = status.find("push r:2, \""); at != std::string::npos; at = status.find("push r:2, \"", at + 1)) {
    codes += status.substr(at + 11, status.find('"', at + 11) - at - 11) + " ";
  }
  EXPECT_EQ(
      "NetStream.Buffer.Empty NetStream.Buffer.Full NetStream.Buffer.Flush NetStream.Play.Start NetStream.Play.Stop "
      "NetStream.Seek.Notify NetStream.Play.StreamNotFound NetStream.Seek.InvalidTime ",
      codes);
  // Play.Start sets "1" and goes on into the end test of Play.Stop.
  EXPECT_NE(std::string::npos, status.find("  push \"playkzzt\", \"1\"\n  setVariable\nL"));
  EXPECT_NE(std::string::npos, status.find("  push \"qplaysj\"\n  getVariable\n  push \"totalZSJ\"\n  getVariable\n"
                                           "  equals2\n  not\n  if L"));
  // Stream not found: state "4", then the one request a second later.
  EXPECT_NE(std::string::npos,
            status.find("  push \"playkzzt\", \"4\"\n  setVariable\n"
                        "  push \"retryTimer\"\n  getVariable\n  push 1, \"clearInterval\"\n  callFunction\n  pop\n"
                        "  push \"retryTimer\", 1000, \"replay\"\n  getVariable\n  push 2, \"setInterval\"\n"
                        "  callFunction\n  setVariable\n  jump L"));
  EXPECT_NE(std::string::npos, status.find("  push 0, \"replay\"\n  callFunction\n  pop\n")) << "invalid time: at once";
  EXPECT_EQ(std::string::npos, status.find("\"play\"")) << "no request straight from the status handler";

  const std::string replay = Function("function2 replay ");
  EXPECT_EQ(
      "function2 replay () registers 1 suppressThis suppressArguments suppressSuper {\n"
      "  push \"retryTimer\"\n  getVariable\n  push 1, \"clearInterval\"\n  callFunction\n  pop\n"
      "  push \"filename\"\n  getVariable\n  push \"?start=\"\n  add2\n  push \"t3\"\n  getVariable\n  add2\n"
      "  push 1, \"ns\"\n  getVariable\n  push \"play\"\n  callMethod\n  pop",
      replay);
  // A new address and "stop" end a pending retry at once.
  const std::string clear = "push \"retryTimer\"\n  getVariable\n  push 1, \"clearInterval\"\n  callFunction\n";
  EXPECT_EQ(0u, Function("function2 ksplay ")
                    .find("function2 ksplay (r:1 url) registers 2 suppressThis "
                          "suppressArguments suppressSuper {\n  " +
                          clear));
  EXPECT_NE(std::string::npos, Function("function2 playkz ").find(clear + "  pop\n  push \"playkzzt\", \"0\""));
}

TEST_F(PlayerMovie, TimeTextsMetadataAndDownloadShare) {
  EXPECT_EQ(
      "function2 twoDigits (r:1 n) registers 2 suppressThis suppressArguments suppressSuper {\n"
      "  push r:1, 10\n  less2\n  not\n  if L1\n  push \"0\", r:1\n  add2\n  return\nL1:\n"
      "  push \"\", r:1\n  add2\n  return",
      std::regex_replace(Function("function2 twoDigits "), std::regex("L[0-9]+"), "L1"));
  const std::string frame = Function("function2 qnowtext ");
  for (const char* part :
       {"  push \"_root\"\n  getVariable\n  push \"onEnterFrame\"\n  function2 () ",
        "    push \"t3\", \"ns\"\n    getVariable\n    push \"time\"\n    getMember\n    setVariable\n",
        "    push \"t1\", \"t3\"\n    getVariable\n    push 60\n    modulo\n",
        "    push \"t2\", \"t3\"\n    getVariable\n    push 60\n    divide\n",
        "    push \"qplaysj\", \"t2\"\n    getVariable\n    push \":\"\n    add2\n    push \"t1\"\n",
        "    push \"NaN:NaN\"\n    equals2\n    if L", "    push undefined\n    equals2\n    if L",
        "    push \"/\"\n    add2\n    push \"totalZSJ\"\n", "    push \"/00:00\"\n    add2\n"}) {
    EXPECT_NE(std::string::npos, frame.find(part)) << part;
  }
  const std::string meta = Function("function2 (r:1 infor)");
  for (const char* part :
       {"  push \"total_time\", r:1, \"duration\"\n  getMember\n  push 1, \"Math\"\n  getVariable\n  push \"floor\"\n",
        "  push \"totalZSJ\", \"t2\"\n  getVariable\n  push \":\"\n  add2\n  push \"t1\"\n"}) {
    EXPECT_NE(std::string::npos, meta.find(part)) << part;
  }
  const std::string share = Function("function2 bufferLoad ");
  for (const char* part :
       {"  push \"loaded\", \"ns\"\n  getVariable\n  push \"bytesLoaded\"\n",
        "  push \"total\", \"ns\"\n  getVariable\n  push \"bytesTotal\"\n", "  push 1000\n  greater\n",
        "  push \"bufferLoads\", 100\n  setVariable\n", "  divide\n  push 100\n  multiply\n  toInteger\n"}) {
    EXPECT_NE(std::string::npos, share.find(part)) << part;
  }
}
