// The export's steps: which window opens, the copied texts, the nested-call guard.
#include "player/PlayLibrary.h"

#include <gtest/gtest.h>
#include <ole2.h>

#include <cstring>
#include <functional>

#include "player/PlayerGlobals.h"
#include "player/PlayerWindows.h"
#include "player/RightClickHook.h"
#include "player/tests/support/FakeDispatch.h"

namespace {

std::string g_opened;
std::function<void()> g_whileOpen;
bool g_shown = true;  // what the window stand-ins answer

bool Opened(const char* which) {
  g_opened = which;
  if (g_whileOpen) g_whileOpen();
  return g_shown;
}

class PlayLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    g_opened.clear();
    g_whileOpen = nullptr;
    g_shown = true;
  }
  void TearDown() override { g_whileOpen = nullptr; }
};

TEST_F(PlayLibrary, QvodLinksAnywhereOpenThePageWindow) {
  EXPECT_EQ(player::StartPlayback("t", "http://a/b.flv", 0), 1);
  EXPECT_EQ(g_opened, "player");
  player::StartPlayback("t", "QVOD://1|2|x.rmvb|", 0);
  EXPECT_EQ(g_opened, "player");
  player::StartPlayback("t", "xqvod://1|2|x.rmvb|", 0);
  EXPECT_EQ(g_opened, "qvod");
  EXPECT_EQ(player::PlayUrl, "xqvod://1|2|x.rmvb|");
  ASSERT_TRUE(player::Player);
  ASSERT_TRUE(player::PageWriter);
}

TEST_F(PlayLibrary, AnswersOneOnlyWhenItsWindowWasShown) {
  EXPECT_EQ(player::StartPlayback("t", "qvod://1|2|x.rmvb|", 0), 1);
  g_shown = false;  // e.g. the player window refused a short address
  EXPECT_EQ(player::StartPlayback("t", "a.flv", 0), 0);
  EXPECT_EQ(g_opened, "player");
  EXPECT_EQ(player::StartPlayback("t", "qvod://1|2|x.rmvb|", 0), 0);
  EXPECT_EQ(g_opened, "qvod");
}

TEST_F(PlayLibrary, NullTextsAreEmptyAndCallerBuffersAreCopied) {
  player::StartPlayback(nullptr, nullptr, 9);
  EXPECT_EQ(g_opened, "player");
  EXPECT_EQ(player::PlayTitle, "");
  EXPECT_EQ(player::PlayUrl, "");
  EXPECT_EQ(player::PlayTag, 9);

  char title[] = "电影";
  char address[] = "c:\\a.flv";
  g_whileOpen = [&] {
    std::memset(title, 'x', sizeof title - 1);
    std::memset(address, 'y', sizeof address - 1);
  };
  player::StartPlayback(title, address, 0);
  EXPECT_EQ(player::PlayTitle, "电影");
  EXPECT_EQ(player::PlayUrl, "c:\\a.flv");
}

TEST_F(PlayLibrary, NestedCallWhileTheWindowIsOpenChangesNothing) {
  int nested = -1;
  g_whileOpen = [&] {
    g_whileOpen = nullptr;
    nested = player::StartPlayback("other", "qvod://other", 5);
  };
  EXPECT_EQ(player::StartPlayback("first", "http://a/b.flv", 1), 1);
  EXPECT_EQ(nested, 0);
  EXPECT_EQ(g_opened, "player");
  EXPECT_EQ(player::PlayTitle, "first");
  EXPECT_EQ(player::PlayUrl, "http://a/b.flv");
  EXPECT_EQ(player::PlayTag, 1);
  // Once the window is closed the next call goes through.
  EXPECT_EQ(player::StartPlayback("second", "qvod://x", 2), 1);
  EXPECT_EQ(g_opened, "qvod");
}

}  // namespace

namespace player {
bool ShowPlayerWindow() { return Opened("player"); }
bool ShowQvodPageWindow() { return Opened("qvod"); }
}  // namespace player

namespace {

TEST_F(PlayLibrary, CleanUpAtExitReleasesNoComObject) {
  ASSERT_TRUE(player::LibraryStart());
  playertest::FakeDispatch* control = playertest::FakeDispatch::Create({});
  player::Player->Control().AttachObject(control);
  const LONG held = control->References();
  player::LibraryCleanUpAtExit();
  EXPECT_FALSE(player::Player);
  EXPECT_EQ(player::HookEntryCount(), 0u);
  EXPECT_EQ(control->References(), held);  // left to the process's end
  // The ordinary clean-up does release it.
  ASSERT_TRUE(player::LibraryStart());
  player::Player->Control().AttachObject(control);
  player::LibraryCleanUp();
  EXPECT_EQ(control->References(), held);
}

}  // namespace
