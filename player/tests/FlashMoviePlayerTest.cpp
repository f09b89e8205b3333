// The movie player against a test double that speaks the movie's protocol:
// Create's steps and the movie file, commands, queries, the right-click hook.
#include "player/FlashMoviePlayer.h"

#include <gtest/gtest.h>
#include <ole2.h>

#include <deque>
#include <fstream>
#include <map>
#include <sstream>

#include "player/MovieProtocol.h"
#include "player/movie/EmbeddedMovie.h"
#include "player/tests/support/FakeAtlHost.h"
#include "player/tests/support/FakeDispatch.h"
#include "ui/App.h"
#include "ui/base/WideText.h"

namespace {

using playertest::FakeCall;
using playertest::FakeDispatch;

bool FileExists(const std::string& path) {
  return GetFileAttributesW(ui::ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Click {
  int32_t x, y, zero;
};
std::vector<Click> g_clicks;
std::vector<Click> g_otherClicks;
void OnRightClick(int32_t x, int32_t y, int32_t zero) { g_clicks.push_back({x, y, zero}); }
void OnOtherRightClick(int32_t x, int32_t y, int32_t zero) { g_otherClicks.push_back({x, y, zero}); }

class MoviePlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    player::CreateHookTable();
    g_clicks.clear();
    g_otherClicks.clear();
    fake = FakeDispatch::Create({{L"setVariable", DISPATCH_METHOD, 2},
                                 {L"CallFunction", DISPATCH_METHOD, 1},
                                 {L"Movie", DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT, 0},
                                 {L"AllowFullScreen", DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT, 0}});
    fake->answer = [this](const FakeCall& call, VARIANT* result) {
      if (call.member == "Movie" && call.kind == DISPATCH_PROPERTYPUT) movieAtLoad = ReadFile(call.args.at(0));
      if (call.member != "CallFunction") return S_OK;
      const std::string request = call.args.at(0);
      std::deque<std::string>& queue = replies[request];
      if (queue.empty()) {
        playertest::SetTextResult(result, "<undefined/>");
      } else {
        playertest::SetTextResult(result, queue.front());
        if (queue.size() > 1) queue.pop_front();
      }
      return S_OK;
    };
    playertest::SetHostedControl(fake);
    parent =
        CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    child = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(parent);
    player::FreeHookTable();
    playertest::SetHostedControl(nullptr);
    fake->Release();
  }

  // The movie answers a question with these replies, the last one repeated.
  void Answer(const char* function, std::deque<std::string> texts) {
    replies[player::InvokeRequest(function)] = std::move(texts);
  }

  FakeDispatch* fake = nullptr;
  std::map<std::string, std::deque<std::string>> replies;
  std::string movieAtLoad = "(not loaded)";
  HWND parent = nullptr, child = nullptr;
};

TEST_F(MoviePlayerTest, CreateWritesTheMovieLoadsItAndDeletesIt) {
  player::FlashMoviePlayer movie;
  {
    // An old file of the same name is replaced.
    std::ofstream old(ui::ProgramDir() + "\\ZentiPlay.Swf", std::ios::binary);
    old << "old";
  }
  movie.Create(parent, 0, 0, 300, 170, OnRightClick);
  EXPECT_EQ(movie.MoviePath(), ui::ProgramDir() + "\\ZentiPlay.Swf");
  EXPECT_EQ(movieAtLoad, EmbeddedMovieBytes());
  EXPECT_FALSE(FileExists(movie.MoviePath()));
  ASSERT_GE(fake->calls.size(), 2u);
  EXPECT_EQ(fake->calls[0].member, "AllowFullScreen");
  EXPECT_EQ(fake->calls[0].args, std::vector<std::string>{"true"});
  EXPECT_EQ(fake->calls[1].member, "Movie");
  EXPECT_EQ(movie.ParentWindow(), parent);
}

TEST_F(MoviePlayerTest, CommandsAreVariablesOfTheMovie) {
  player::FlashMoviePlayer movie;
  movie.Create(parent, 0, 0, 300, 170);
  fake->calls.clear();
  movie.SetUrl("http://h/视频.flv");
  movie.Play();
  movie.Stop();
  movie.SetVolume(-10);
  movie.Seek(205);
  std::vector<std::vector<std::string>> sets;
  for (const FakeCall& call : fake->CallsTo("setVariable")) sets.push_back(call.args);
  EXPECT_EQ(sets, (std::vector<std::vector<std::string>>{{"flvurl", "http://h/视频.flv"},
                                                         {"playkz", "play"},
                                                         {"playkz", "stop"},
                                                         {"playvolume", "-10"},
                                                         {"playkj", "205"}}));
}

TEST_F(MoviePlayerTest, QueriesReadOnlyStringRepliesAndStateAsksAfresh) {
  player::FlashMoviePlayer movie;
  movie.Create(parent, 0, 0, 300, 170);
  // Before anything plays the movie answers with no string value.
  EXPECT_EQ(movie.Url(), "");
  EXPECT_EQ(movie.PlayerState(), 0);

  Answer("qbfzsj", {"<string>125:07</string>"});
  Answer("qbfsjwb", {"<string>03:25/125:07</string>"});
  Answer("huanchong", {"<number>100</number>"});
  EXPECT_EQ(movie.TotalSeconds(), 7507);
  EXPECT_EQ(movie.TimeText(), "03:25/125:07");
  EXPECT_EQ(movie.BufferPercent(), 0);
  EXPECT_EQ(fake->CallsTo("CallFunction").back().args.at(0), "<invoke name='huanchong' returntype='xml'></invoke>");

  Answer("qbfzt", {"<string>1</string>"});
  Answer("flvbfzt", {"<string>NetStream.Seek.Notify</string>", "<string>NetStream.Buffer.Empty</string>"});
  EXPECT_EQ(movie.PlayerState(), 3);
  fake->calls.clear();
  Answer("qbfzt", {"<string>0</string>", "<string>0</string>", "<string>2</string>", "<string>0</string>"});
  EXPECT_EQ(movie.PlayerState(), 2);
  EXPECT_EQ(fake->CallsTo("CallFunction").size(), 5u);
}

TEST_F(MoviePlayerTest, RightClicksCallTheCallbackAndAreSwallowed) {
  player::FlashMoviePlayer movie;
  movie.Create(parent, 0, 0, 300, 170, OnRightClick);
  EXPECT_NE(player::FindHookEntry(child), nullptr);
  EXPECT_EQ(SendMessageW(child, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(-3, 7)), 0);
  EXPECT_EQ(SendMessageW(child, WM_RBUTTONUP, 0, MAKELPARAM(-3, 7)), 0);
  ASSERT_EQ(g_clicks.size(), 1u);
  EXPECT_EQ(g_clicks[0].x, -3);  // signed, relative to the window clicked
  EXPECT_EQ(g_clicks[0].y, 7);
  EXPECT_EQ(g_clicks[0].zero, 0);
  // Other messages still reach the window's own procedure.
  SetWindowTextW(child, L"按钮");
  wchar_t text[8] = {};
  GetWindowTextW(child, text, 8);
  EXPECT_STREQ(text, L"按钮");

  // A second Create keeps the hooked windows and their callback.
  const size_t hooked = player::HookEntryCount();
  movie.Create(parent, 0, 0, 300, 170, OnOtherRightClick);
  SendMessageW(child, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 2));
  EXPECT_EQ(g_clicks.size(), 2u);
  EXPECT_TRUE(g_otherClicks.empty());
  EXPECT_EQ(player::HookEntryCount(), hooked + 1);  // only the new host window
}

// The library's table made again while hooked windows live: they keep their
// one subclass and work on, through it, as the windows they were.
TEST_F(MoviePlayerTest, ATableMadeAgainKeepsTheHookedWindowsWorking) {
  player::HookRightClick(parent, OnRightClick);
  ASSERT_NE(player::FindHookEntry(child), nullptr);
  player::FreeHookTable();
  EXPECT_TRUE(SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) << "the button no longer answers as one";
  player::CreateHookTable();
  player::HookRightClick(parent, OnOtherRightClick);
  EXPECT_EQ(player::HookEntryCount(), 2u);  // parent, button
  EXPECT_TRUE(SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON);
  EXPECT_EQ(SendMessageW(child, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 5)), 0);
  ASSERT_EQ(g_otherClicks.size(), 1u);
  EXPECT_EQ(g_otherClicks[0].x, 4);
  EXPECT_TRUE(g_clicks.empty());
}

TEST_F(MoviePlayerTest, WithoutCallbackClicksAreSwallowedAndDestroyedWindowsLeaveTheTable) {
  player::FlashMoviePlayer movie;
  movie.Create(parent, 0, 0, 300, 170);
  EXPECT_EQ(player::HookEntryCount(), 3u);  // parent, button, host
  EXPECT_EQ(SendMessageW(child, WM_RBUTTONDOWN, MK_RBUTTON, 0), 0);
  EXPECT_TRUE(g_clicks.empty());
  DestroyWindow(parent);
  parent = nullptr;
  EXPECT_EQ(player::HookEntryCount(), 0u);
}

}  // namespace
