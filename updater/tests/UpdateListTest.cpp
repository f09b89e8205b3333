// Tests of reading the update list and of planning the files: names, addresses, paths, the name-safety rule.
#include "updater/UpdateList.h"

#include <gtest/gtest.h>

#include "updater/UpdatePlan.h"

namespace updater {
namespace {

using Names = std::vector<std::string>;

TEST(UpdateListTest, NameSplittingRules) {
  EXPECT_EQ(ParseUpdateList("名称=[]后缀=[.upd]").names, Names{});
  EXPECT_EQ(ParseUpdateList("版本=[1.1]").names, Names{});
  EXPECT_EQ(ParseUpdateList("名称=[a||b]").names, (Names{"a", "", "b"}));
  EXPECT_EQ(ParseUpdateList("名称=[a|b|]").names, (Names{"a", "b"}));
  // 0x81 0x7C is one GBK character: its second byte is not a bar.
  EXPECT_EQ(SplitFileNames("\x81|.dll|b"), (Names{"\x81|.dll", "b"}));
}

TEST(UpdateListTest, ListsPastTheBoundsAreRefusedWhole) {
  const auto names = [](size_t count, size_t length) {
    std::string value;
    for (size_t i = 0; i < count; ++i) value += (i ? "|" : "") + std::string(length, 'a');
    return value;
  };
  const std::string suffix(kMaxUpdateSuffixBytes, 's');
  const UpdateList largest =
      ParseUpdateList("名称=[" + names(kMaxUpdateNames, kMaxUpdateNameBytes) + "]后缀=[" + suffix + "]");
  EXPECT_FALSE(largest.refused);
  EXPECT_EQ(largest.names.size(), kMaxUpdateNames);
  EXPECT_EQ(largest.suffix, suffix);
  for (const std::string& list :
       {"名称=[" + names(kMaxUpdateNames + 1, 1) + "]", "名称=[a|" + names(1, kMaxUpdateNameBytes + 1) + "]",
        "名称=[a]后缀=[" + suffix + "s]", "名称=[" + names(500000, 1) + "]"}) {
    const UpdateList refused = ParseUpdateList(list);
    EXPECT_TRUE(refused.refused) << list.size() << " bytes";
    EXPECT_TRUE(refused.names.empty() && refused.suffix.empty()) << list.size() << " bytes";
  }
  UpdateList direct;
  direct.names.assign(kMaxUpdateNames + 1, "a");
  EXPECT_FALSE(WithinBounds(direct));
}

TEST(UpdateListTest, PlanOfTwoFiles) {
  const UpdateList list = ParseUpdateList("广告=[]\r\n名称=[Tavrin.exe|Play.dll]\r\n后缀=[.upd]\r\n");
  const std::vector<UpdateItem> items = PlanUpdate(list, "http://h/VelkDown/up/", "C:\\升级");
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].address, "http://h/VelkDown/up/Tavrin.exe.upd");
  EXPECT_EQ(items[0].path, "C:\\升级/Tavrin.exe");
  EXPECT_EQ(TemporaryPath(items[0].path), "C:\\升级/Tavrin.exe.p2p");
  EXPECT_EQ(items[1].address, "http://h/VelkDown/up/Play.dll.upd");
  EXPECT_TRUE(items[0].safe && items[1].safe);
}

TEST(UpdateListTest, EmptyNameIsCountedButNotWritten) {
  const std::vector<UpdateItem> items = PlanUpdate(ParseUpdateList("名称=[a||b]"), "http://h/up/", "D:/u");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[1].path, "D:/u/");
  EXPECT_FALSE(items[1].safe);
}

// clang-format off
TEST(UpdateListTest, NamesThatLeaveTheFolderAreUnsafe) {
  for (const char* name : {"..\\evil.exe", "../evil.exe", "help/../../x", "a/..", "C:\\x.exe", "c:x.exe",
                           "Tavrin.exe:stream", "\\x.exe", "/x.exe", "\\\\server\\share\\x", "con", "NUL.txt",
                           "help/aux", "Com1.dll", "lpt9", "CON .txt", "conin$", "help/", ".", " ",
                           "help/. ", "help/.",
                           // A byte that stands alone in code page 936 leaves the "/" or "\" after it a separator.
                           "\x80/COM1", "\xFF\\con.txt", "\x81/nul", "\x81\x7F/aux", "a\x80/", "\x80/.."}) {
    EXPECT_FALSE(IsSafeUpdateName(name)) << name;
  }
  // 0x81 0x5C is one character; 0x80 is one by itself.
  for (const char* name : {"Tavrin.exe", "help/help.html", "help\\help.html", "console.dll", "com10.dll",
                           "\x81\\.dll", "帮助/说明.html", "a.b.c", "./a.dll", ".a", "\x80" "COM1", "\x81/x"}) {
    EXPECT_TRUE(IsSafeUpdateName(name)) << name;
  }
}
// clang-format on

}  // namespace
}  // namespace updater
