// The start against the service simulator: bootstrap page, update list, user lookup, advertisement.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "main/Globals.h"
#include "main/MachineId.h"
#include "main/MainWindow.h"
#include "main/ParseWindow.h"
#include "main/ServiceClient.h"
#include "main/tests/support/OnlineMachine.h"
#include "main/tests/support/SurrogateReaper.h"
#include "web/tests/support/Simulator.h"
#include "ui/App.h"
#include "ui/StatusBar.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/base/tests/support/Pump.h"

namespace {

using testsupport::PumpFor;
using testsupport::PumpUntil;

testsupport::Simulator& Sim() {
  static testsupport::Simulator sim;
  return sim;
}

// Each test owns the watcher that answers the program's message boxes, and
// ends with every bootstrap it started: nothing of one test (a thread still
// asking the service, a box still open) reaches the next.
class ServiceClientTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ui::InitWindowLayer();
    InitGlobals();
  }
  void SetUp() override {
    ASSERT_TRUE(Sim().Ready()) << "no simulator";
    ASSERT_TRUE(Sim().Reset());
    ASSERT_TRUE(testsupport::WaitUntilOnline());
    finishedBefore_ = FinishedBootstraps();
  }
  void TearDown() override {
    EXPECT_TRUE(PumpFor("the bootstrap threads of the test to end",
                        [&] { return FinishedBootstraps() >= finishedBefore_ + started_; }));
    EXPECT_EQ(watcher_.Seen().size(), expectedBoxes_) << "message boxes:\n" << watcher_.Describe();
  }

  // A program start: a fresh start window whose creation starts the bootstrap
  // thread. An earlier start window is hidden and left alone, since destroying
  // it would end the process.
  ui::Window* StartProgram() {
    if (ui::Window* old = MainWin()) ShowWindow(old->Hwnd(), SW_HIDE);
    ServedCount.Set("");
    RemainingCount.Set("");
    ServiceBase.Set("");
    ++started_;
    startedAt_ = GetTickCount();
    return ui::Window::Load(MainWindowForm);
  }
  testing::AssertionResult CountersArrived() {
    DWORD endedAfter = 0;
    testing::AssertionResult arrived = PumpFor("the user lookup's counters", [&] {
      if (!endedAfter && FinishedBootstraps() >= finishedBefore_ + started_) endedAfter = GetTickCount() - startedAt_;
      return !RemainingCount.Get().empty();
    });
    if (!arrived) {
      if (endedAfter) arrived << "; the bootstrap ended " << endedAfter << " ms after the start";
      arrived << "; the machine counts as " << (testsupport::MachineCountsAsOnline() ? "online" : "offline");
      arrived << "; the service saw " << Sim().Log();
    }
    return arrived;
  }
  testing::AssertionResult BootstrapEnded() {
    return PumpFor("the bootstrap thread to end", [&] { return FinishedBootstraps() >= finishedBefore_ + started_; });
  }

  testsupport::DialogWatcher watcher_{IDOK};
  size_t expectedBoxes_ = 0;
  int finishedBefore_ = 0;
  int started_ = 0;
  DWORD startedAt_ = 0;
};

TEST_F(ServiceClientTest, StartFindsTheServiceAndShowsTheServedCount) {
  ui::Window* w = StartProgram();
  ASSERT_NE(w, nullptr);
  const std::string lookup = "/VelkDown/index.Asp?A=GetuSer&uCpu=" + ReadMachineId();
  ASSERT_TRUE(CountersArrived());
  EXPECT_EQ(Sim().Count("/online"), 1);
  EXPECT_EQ(Sim().Count("/boot.html"), 1);
  EXPECT_EQ(Sim().Count("/VelkDown/up/sj.txt"), 1);
  EXPECT_EQ(Sim().Count(lookup), 1) << Sim().Log();
  EXPECT_EQ(ServiceBase.Get(), "http://127.0.0.1:" + std::to_string(Sim().Port()) + "/VelkDown/");
  EXPECT_EQ(ServedCount.Get(), "12");
  EXPECT_EQ(RemainingCount.Get(), "88");

  // Tip 4 carries the count.
  ASSERT_TRUE(PumpFor("a random tip to be the served count's", [&] {
    ShowRandomTip(*w);
    return w->Get<ui::StatusBar>("状态条1").PanelText(0) == "目前已为您提供了 12 次的视频解析服务！";
  }));
  // No update and no advertisement: the window keeps its size.
  EXPECT_EQ(w->Bounds().h, 301);
  EXPECT_FALSE(w->Get<ui::Control>("外形框2").Visible());
}

TEST_F(ServiceClientTest, AVersionWithinOneTenMillionthIsNoUpdate) {
  ASSERT_TRUE(Sim().Set("版本", "1.00000001"));
  StartProgram();
  ASSERT_TRUE(CountersArrived());
}

TEST_F(ServiceClientTest, ShortUserLookupReplyLeavesTheCounters) {
  ASSERT_TRUE(Sim().Set("getuser", "0|5"));
  StartProgram();
  ASSERT_TRUE(BootstrapEnded());
  EXPECT_EQ(Sim().Count("/VelkDown/index.Asp?A=GetuSer"), 1);
  EXPECT_EQ(ServedCount.Get(), "");
  EXPECT_EQ(RemainingCount.Get(), "");
}

TEST_F(ServiceClientTest, AnAdvertisementOfSevenBytesOrMoreShowsThePanel) {
  const std::string ad = Sim().Url("ad.html");
  ASSERT_TRUE(Sim().Set("广告", ad));
  ui::Window* w = StartProgram();
  ASSERT_TRUE(PumpFor("the window to grow for the advertisement", [&] { return w->Bounds().h == 450; }));
  EXPECT_TRUE(w->Get<ui::Control>("外形框2").Visible());
  EXPECT_TRUE(w->Get<ui::Control>("W1").Visible());
  EXPECT_EQ(UpdateAdAddress.Get(), ad);
  // The status bar moves down with the bottom edge and stays clear of the panel.
  const ui::Rect panel = w->Get<ui::Control>("外形框2").Bounds();
  const ui::Rect status = w->Get<ui::Control>("状态条1").Bounds();
  EXPECT_EQ(status.y + status.h, 450 - 12);
  EXPECT_GE(status.y, panel.y + panel.h);
  // The browser's own request for the page reaches the server.
  EXPECT_TRUE(PumpFor("the browser's request for the page", [&] { return Sim().Count("/ad.html") >= 1; }))
      << Sim().Log();
}

TEST_F(ServiceClientTest, AnAdvertisementOfSixBytesChangesNothing) {
  ASSERT_TRUE(Sim().Set("广告", "abcdef"));
  ui::Window* w = StartProgram();
  ASSERT_TRUE(CountersArrived());
  EXPECT_EQ(UpdateAdAddress.Get(), "abcdef");
  EXPECT_EQ(w->Bounds().h, 301);
  EXPECT_FALSE(w->Get<ui::Control>("外形框2").Visible());
}

// The browser box is given web addresses only: every other kind of value
// shows no panel; one without a scheme is taken as http.
TEST_F(ServiceClientTest, AnAdvertisementThatIsNoWebAddressShowsNoPanel) {
  for (const char* ad : {"javascript:alert(document.cookie)", "file:///C:/windows/win.ini",
                         "\\\\127.0.0.1\\share\\ad.html", "C:\\windows\\win.ini", "about:blank"}) {
    ASSERT_TRUE(Sim().Set("广告", ad));
    ui::Window* w = StartProgram();
    ASSERT_TRUE(BootstrapEnded()) << ad;
    ui::PumpPendingMessages();  // what the bootstrap thread handed over has run
    EXPECT_EQ(UpdateAdAddress.Get(), ad);
    EXPECT_EQ(w->Bounds().h, 301) << ad;
    EXPECT_FALSE(w->Get<ui::Control>("外形框2").Visible()) << ad;
  }
  const std::string bare = "127.0.0.1:" + std::to_string(Sim().Port()) + "/bare-ad.html";
  ASSERT_TRUE(Sim().Set("广告", bare));
  ui::Window* w = StartProgram();
  ASSERT_TRUE(PumpFor("the window to grow for the advertisement", [&] { return w->Bounds().h == 450; }));
  EXPECT_TRUE(PumpFor("the browser's request for the page", [&] { return Sim().Count("/bare-ad.html") >= 1; }))
      << Sim().Log();
}

TEST_F(ServiceClientTest, AnEmptyBootstrapPageSaysTheServerCannotBeReached) {
  ASSERT_TRUE(Sim().Set("boot", ""));
  StartProgram();
  expectedBoxes_ = 1;
  ASSERT_TRUE(watcher_.WaitFor(1));
  EXPECT_EQ(watcher_.Seen()[0].text, "对不起，无法连接数据服务器！");
  EXPECT_EQ(watcher_.Seen()[0].title, "温馨提示：");
  ASSERT_TRUE(BootstrapEnded());
  EXPECT_EQ(Sim().Count("/VelkDown/"), 0);
}

// While the bootstrap page is held back, 新建任务 says the service is not
// reached yet; once the address is known it opens the new-task window.
TEST_F(ServiceClientTest, NewTaskWaitsForTheServiceAddress) {
  ASSERT_TRUE(Sim().SetJson("{\"faults\":{\"/boot.html\":\"hold=boot\"}}"));
  ui::Window* w = StartProgram();
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(PumpFor("the bootstrap page to be asked for", [] { return Sim().Count("/boot.html") == 1; }));
  // A new-task window that opens is closed from inside its loop.
  bool opened = false;
  const auto closeNewTask = [&] {
    if (ui::Window* task = ParseWin()) {
      opened = true;
      task->Close();
    }
  };
  ui::Event click{ui::EventType::Click};
  ui::PostToWindowThread(closeNewTask);
  OnNewTaskItem(*w, click);
  expectedBoxes_ = 1;
  EXPECT_FALSE(opened);
  EXPECT_EQ(watcher_.Seen().size(), 1u);
  for (const auto& box : watcher_.Seen()) EXPECT_EQ(box.text, kServiceNotReadyText);

  ASSERT_TRUE(Sim().Release("boot"));
  ASSERT_TRUE(PumpFor("the service address", [] { return !ServiceBase.Get().empty(); }));
  ui::PostToWindowThread(closeNewTask);
  OnNewTaskItem(*w, click);
  EXPECT_TRUE(opened);
  EXPECT_EQ(watcher_.Seen().size(), 1u);
}

// Prints what the update check said before the program ends.
testsupport::DialogWatcher* g_watcher = nullptr;
void ReportDialogs() {
  for (const auto& d : g_watcher->Seen())
    std::fprintf(stderr, "[%s] %s\n", d.title == "提示：" ? "title ok" : "title wrong",
                 d.text == "软件有重要更新！请使用新版本。修复了一些问题。" ? "update notice" : "other text");
}

// The program ends in a child process of its own; the fixture's watcher
// answers the notice there.
TEST_F(ServiceClientTest, ANewerVersionShowsTheNoticeOpensTheDownloadPageAndEnds) {
  ASSERT_TRUE(Sim().Set("版本", "1.01"));
  EXPECT_EXIT(
      {
        g_watcher = &watcher_;
        ui::RegisterCleanup(ReportDialogs);
        StartProgram();
        PumpUntil([] { return false; });
        std::fprintf(stderr, "the program did not end\n");
        ExitProcess(7);
      },
      testing::ExitedWithCode(0), "^\\[title ok\\] update notice\n$");
  // Without the updater beside the program, the download page is opened
  // (by the desktop's browser, which makes its own request); no user lookup.
  EXPECT_TRUE(PumpFor("the browser's request for the download page", [] { return Sim().Count("/download.html") >= 1; }))
      << Sim().Log();
  EXPECT_EQ(Sim().Count("/online"), 1);
  EXPECT_EQ(Sim().Count("/VelkDown/index.Asp"), 0);
}

}  // namespace
