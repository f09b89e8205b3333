// The script assembler against bytes worked out by hand, its faults, and the disassembler reading its output back.
#include <gtest/gtest.h>

#include "player/movie/ActionAssembler.h"
#include "player/movie/ActionDisassembler.h"
#include "player/movie/tests/support/Bytes.h"

using namespace movie;

namespace {
using movietest::Bytes;

std::string Assemble(const std::string& source) {
  const AssembledScript script = AssembleScript(source);
  EXPECT_EQ("", script.error) << "line " << script.errorLine;
  return script.bytes;
}
}  // namespace

TEST(ActionAssembler, PushOfEveryValueKindWithTheConstantPool) {
  EXPECT_EQ(Bytes({0x88, 0x07, 0x00, 0x02, 0x00, 'a',  0,    'b',  'c',  0,  // pool "a", "bc"
                   0x96, 0x1C, 0x00,                                         // push, 28 bytes
                   0x08, 0x00,                                               // constant 0
                   0x07, 0xFE, 0xFF, 0xFF, 0xFF,                             // integer -2
                   0x06, 0x00, 0x00, 0xF8, 0x3F, 0x00, 0x00, 0x00, 0x00,     // double 1.5, high half first
                   0x05, 0x01, 0x05, 0x00, 0x02, 0x03, 0x04, 0x03,           // true false null undefined r:3
                   0x08, 0x01,                                               // constant 1
                   0x08, 0x00,                                               // "a" again: same constant
                   0x1C, 0x00}),                                             // getVariable, End
            Assemble("push \"a\", -2, 1.5, true, false, null, undefined, r:3, \"bc\", \"a\"  ; comment\n"
                     "getVariable\n"));
}

TEST(ActionAssembler, BranchesCountFromTheEndOfTheBranch) {
  EXPECT_EQ(Bytes({0x99, 0x02, 0x00, 0x01, 0x00,  // jump forward over the pop
                   0x17,                          // pop
                   0x9D, 0x02, 0x00, 0xF5, 0xFF,  // if back to the start: -11
                   0x00}),
            Assemble("top:\n  jump end\n  pop\nend:\n  if top\n"));
}

TEST(ActionAssembler, FunctionsWithTheirBodies) {
  EXPECT_EQ(Bytes({0x8E, 0x0C, 0x00, 'f', 0, 0x01, 0x00, 0x02, 0x02, 0x00, 0x01, 'a', 0, 0x01, 0x00,  // 1-byte body
                   0x3E, 0x00}),
            Assemble("function2 f (r:1 a) registers 2 suppressThis {\n  return\n}\n"));
  EXPECT_EQ(Bytes({0x9B, 0x09, 0x00, 0, 0x02, 0x00, 'x', 0, 'y', 0, 0x01, 0x00,  // anonymous, 1-byte body
                   0x3E, 0x00}),
            Assemble("function (x, y) {\n  return\n}\n"));
  // Labels inside a body count from the start of that body.
  const std::string nested = Assemble("pop\nfunction2 () registers 1 {\n  jump out\n  pop\nout:\n}\n");
  EXPECT_EQ(Bytes({0x99, 0x02, 0x00, 0x01, 0x00, 0x17, 0x00}), nested.substr(12));
}

TEST(ActionAssembler, ReportsFaultsWithTheirLine) {
  struct Case {
    const char* source;
    int line;
  };
  const Case cases[] = {
      {"pop\njump nowhere\n", 2},
      {"out:\nfunction2 () {\n  jump out\n}\n", 3},  // a label of the enclosing body
      {"a:\na:\n", 2},
      {"frobnicate\n", 1},
      {"pop 3\n", 1},
      {"push\n", 1},
      {"push 1,\n", 1},
      {"push \"open\n", 1},
      {"push r:256\n", 1},
      {"push 99999999999\n", 1},
      {"function2 f () registers 1 {\npop\n", 1},  // the function left open
      {"}\n", 1},
      {"function f (r:1 a) {\n}\n", 1},
      {"function2 f () nonsense {\n}\n", 1},
  };
  for (const Case& c : cases) {
    const AssembledScript script = AssembleScript(c.source);
    EXPECT_NE("", script.error) << c.source;
    EXPECT_EQ(c.line, script.errorLine) << c.source << ": " << script.error;
    EXPECT_EQ("", script.bytes) << c.source;
  }
  std::string far = "jump end\n";
  for (int i = 0; i < 33000; ++i) far += "pop\n";
  EXPECT_EQ("branch too far", AssembleScript(far + "end:\n").error);
}

TEST(ActionDisassembler, ListingAssemblesBackToTheSameBytes) {
  const std::string source =
      "push \"say \\\"hi\\\"\\n\\x01\", 0.1, -3, r:0, null\n"
      "storeRegister 1\n"
      "function2 outer (r:1 a, b) registers 3 preloadThis suppressArguments preloadGlobal {\n"
      "  function inner (c) {\n"
      "    return\n"
      "  }\n"
      "again:\n"
      "  if done\n"
      "  jump again\n"
      "done:\n"
      "}\n"
      "equals2\n";
  const std::string bytes = Assemble(source);
  const std::string listing = DisassembleActions(bytes);
  EXPECT_EQ(
      "constants \"say \\\"hi\\\"\\n\\x01\"\n"
      "push \"say \\\"hi\\\"\\n\\x01\", 0.1, -3, r:0, null\n"
      "storeRegister 1\n"
      "function2 outer (r:1 a, b) registers 3 preloadThis suppressArguments preloadGlobal {\n"
      "  function inner (c) {\n"
      "    return\n"
      "  }\n"
      "L1:\n"
      "  if L2\n"
      "  jump L1\n"
      "L2:\n"
      "}\n"
      "equals2\n",
      listing);
  const std::string withoutPool = listing.substr(listing.find('\n') + 1);
  EXPECT_EQ(bytes, Assemble(withoutPool));
}

TEST(ActionDisassembler, DamagedActionsAreListedNotTrusted) {
  // A jump into the middle of a push, a function body longer than the data,
  // an unknown action with data.
  const std::string listing =
      DisassembleActions(Bytes({0x99, 0x02, 0x00, 0x01, 0x00, 0x96, 0x01, 0x00, 0x03, 0xC0, 0x01,
                                0x00, 0xAB, 0x9B, 0x05, 0x00, 0,    0x00, 0x00, 0x09, 0x00, 0x17}));
  EXPECT_NE(std::string::npos, listing.find("jump ?6\n")) << listing;
  EXPECT_NE(std::string::npos, listing.find("action 0xC0 AB\n")) << listing;
  EXPECT_NE(std::string::npos, listing.find("; error: function body runs past")) << listing;
}
