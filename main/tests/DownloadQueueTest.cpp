// The download queue on the real start window under Wine, against the service simulator.
#include <windows.h>

#include <gtest/gtest.h>

#include "main/DownloadProgress.h"
#include "main/DownloadQueue.h"
#include "main/DownloadQueuePlan.h"
#include "main/Globals.h"
#include "main/MainWindow.h"
#include "main/ServiceClient.h"
#include "web/tests/support/Simulator.h"
#include "ui/App.h"
#include "ui/ListView.h"
#include "ui/ProgressBar.h"
#include "ui/StatusBar.h"
#include "ui/base/MessagePump.h"
#include "ui/base/WideText.h"
#include "ui/base/WorkerThread.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/base/tests/support/FileBytes.h"
#include "main/tests/support/QuietStartWindow.h"
#include "ui/base/tests/support/Pump.h"

namespace {

using testsupport::PumpFor;
using testsupport::PumpUntil;

std::string VideoBytes(int64_t count) { return testsupport::VideoBytes(0, count); }
using testsupport::ReadAll;

const char* const kLocked[] = {"L1", "下载按钮", "编辑框2", "保存路径按钮", "选择框1"};

// One start window for the whole suite (destroying it ends the process).
class DownloadQueueTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    window_ = testsupport::LoadQuietStartWindow();
    ASSERT_NE(window_, nullptr);
  }
  void SetUp() override {
    ASSERT_TRUE(sim.Ready());
    for (const char* name : kLocked) window_->Get<ui::Control>(name).SetEnabled(true);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = ui::ToGbk(temp) + "下载队列" + std::to_string(GetTickCount()) + "\\";
    CreateDirectoryW(ui::ToWide(folder_).c_str(), nullptr);
    window_->Get<ui::Control>("编辑框2").SetText(folder_);
    List().Clear();
  }
  void TearDown() override {
    watcher.SetAnswer(IDOK);
    PumpUntil([] { return window_->Get<ui::Control>("下载按钮").Enabled(); });
  }
  static ui::ListView List() { return window_->Get<ui::ListView>("L1"); }
  static std::string StatusText() { return window_->Get<ui::StatusBar>("状态条1").PanelText(0); }
  // A row as the file list makes it, with its identity.
  void AddRow(const std::string& name, const std::string& path, bool checked, const std::string& status = "") {
    const int n = List().RowCount();
    const int row = List().AddRow({std::to_string(n + 1), name, sim.Url(path), "", status, sim.Url("page")}, 100 + n);
    List().SetRowChecked(row, checked);
  }
  // Presses 下载 as a user would; the watcher answers the question Yes.
  void PressDownload() {
    watcher.SetAnswer(IDYES);
    PostMessageW(window_->ControlHwnd("下载按钮"), BM_CLICK, 0, 0);
  }
  testing::AssertionResult WaitForEnd() {
    const testing::AssertionResult enabled =
        PumpFor("下载 to be enabled again", [] { return window_->Get<ui::Control>("下载按钮").Enabled(); });
    return enabled ? PumpFor("the downloading flag to drop", [] { return !DownloadingFlag.Is("1"); }) : enabled;
  }
  // The dialogs seen with a title.
  std::vector<std::string> Texts(const std::string& title) const {
    std::vector<std::string> out;
    for (const auto& d : watcher.Seen())
      if (d.title == title) out.push_back(d.text);
    return out;
  }
  // Where a request for the path stands in the simulator's log (-1: missing).
  long LogPosition(const std::string& path) const {
    const std::string log = sim.Log();
    const size_t at = log.find("\"" + path + "\"");
    return at == std::string::npos ? -1 : static_cast<long>(at);
  }
  static std::string Tag() { return "t=" + std::to_string(GetTickCount()); }
  // For checks that something did NOT happen: every worker has ended, and
  // what they handed to this thread has run.
  static testing::AssertionResult WorkersSettled() {
    const testing::AssertionResult ended = PumpFor("the workers to end", [] { return ui::RunningWorkers() == 0; });
    ui::PumpPendingMessages();
    return ended;
  }

  static ui::Window* window_;
  testsupport::Simulator sim;
  testsupport::DialogWatcher watcher{IDYES};
  std::string folder_;
};
ui::Window* DownloadQueueTest::window_ = nullptr;

TEST_F(DownloadQueueTest, CheckedRowsDownloadLastFirstIntoTheSaveFolder) {
  const std::string tag = Tag();
  const std::string slow = "/video/300003.flv?stall=1&" + tag;
  const std::string first = "/video/200001.flv?" + tag;
  AddRow("甲[0].flv", "video/100000.flv?" + tag, false);
  AddRow("乙[1].flv", first, true);
  AddRow("丙[2].flv", "video/100002.flv?" + tag, false);
  AddRow("丁[3].flv", slow, true);
  PressDownload();

  // While row 3 waits for its answer: the run holds the controls and the flag.
  ASSERT_TRUE(PumpFor("row 3 to be downloading", [] { return List().Cell(3, 4) == kDownloadingText; }));
  EXPECT_TRUE(DownloadingFlag.Is("1"));
  for (const char* name : kLocked) EXPECT_FALSE(window_->Get<ui::Control>(name).Enabled()) << name;
  EXPECT_EQ(List().Cell(1, 4), "");

  ASSERT_TRUE(watcher.WaitFor(2));
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(Texts("提示："), std::vector<std::string>{kStartQuestion});
  EXPECT_EQ(Texts("温馨提示："), std::vector<std::string>{"恭喜，下载已完成！"});
  EXPECT_LT(LogPosition(slow), LogPosition(first));
  EXPECT_EQ(LogPosition("/video/100000.flv?" + tag), -1);
  EXPECT_EQ(LogPosition("/video/100002.flv?" + tag), -1);
  EXPECT_TRUE(ReadAll(folder_ + "丁[3].flv") == VideoBytes(300003));
  EXPECT_TRUE(ReadAll(folder_ + "乙[1].flv") == VideoBytes(200001));
  const std::vector<std::string> statuses = {"", kDownloadedText, "", kDownloadedText};
  for (int row = 0; row < 4; ++row) EXPECT_EQ(List().Cell(row, 4), statuses[row]) << row;
  // The last file's final state stays shown.
  EXPECT_EQ(StatusText(), "视频大小:0.19MB  已下载:0.19MB  ");
  EXPECT_EQ(window_->Get<ui::ProgressBar>("进度条1").Pos(), 1000);
  EXPECT_GE(LastProgressWrites(), 1);
  EXPECT_FALSE(DownloadingFlag.Is("1"));

  // A second press finds nothing left to do: the hint, and no box.
  watcher.Clear();
  PressDownload();
  ASSERT_TRUE(PumpFor("the nothing-checked hint", [] { return StatusText() == kNothingCheckedText; }));
  ASSERT_TRUE(WorkersSettled());
  EXPECT_EQ(watcher.Seen().size(), 1u);
}

TEST_F(DownloadQueueTest, ACutDownloadIsMarkedFailedAndTakenAgainByTheNextRun) {
  const std::string tag = Tag();
  const std::string good = "/video/150000.flv?" + tag;
  AddRow("好.flv", "video/150000.flv?" + tag, true);
  // The server ends the answer after 400000 of the 600000 bytes it announced.
  AddRow("断.flv", "video/400000.flv?announce=600000&" + tag, true);
  // Without a separator at its end the file still lands inside the folder.
  window_->Get<ui::Control>("编辑框2").SetText(folder_.substr(0, folder_.size() - 1));
  watcher.SetAnswer(IDYES);
  PressDownload();
  ASSERT_TRUE(watcher.WaitFor(3));
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(Texts("信息："), std::vector<std::string>{"网络中断！"});
  EXPECT_EQ(Texts("温馨提示："), std::vector<std::string>{DownloadEndMessage(2, 1)});
  EXPECT_EQ(List().Cell(1, 4), kDownloadFailedText);
  EXPECT_EQ(List().Cell(0, 4), kDownloadedText);
  EXPECT_TRUE(ReadAll(folder_ + "好.flv") == VideoBytes(150000));

  // The next run takes the failed row alone (its address now answers whole).
  List().SetCell(1, 2, sim.Url("video/400000.flv?second&" + tag));
  watcher.Clear();
  PressDownload();
  ASSERT_TRUE(watcher.WaitFor(2));
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(Texts("温馨提示："), std::vector<std::string>{"恭喜，下载已完成！"});
  EXPECT_EQ(sim.Count(good), 1);
  EXPECT_EQ(List().Cell(1, 4), kDownloadedText);
  EXPECT_TRUE(ReadAll(folder_ + "断.flv") == VideoBytes(400000));
}

TEST_F(DownloadQueueTest, AQvodRowStopsTheRunWithItsTextAndNoEndBox) {
  const std::string tag = Tag();
  AddRow("后.flv", "video/100010.flv?" + tag, true);
  List().AddRow({"2", "快播", "qvod://123|ABC|片.rmvb|", "", "", ""}, 7);
  List().SetRowChecked(1, true);
  AddRow("先.flv", "video/100012.flv?" + tag, true);
  PressDownload();
  ASSERT_TRUE(WaitForEnd());
  ASSERT_TRUE(PumpFor("the QVOD stop text", [] { return StatusText() == kQvodStopText; }));
  ASSERT_TRUE(WorkersSettled());
  EXPECT_TRUE(Texts("温馨提示：").empty());
  EXPECT_EQ(List().Cell(2, 4), kDownloadedText);
  EXPECT_EQ(List().Cell(1, 4), "");
  EXPECT_EQ(List().Cell(0, 4), "");
  EXPECT_EQ(sim.Count("/video/100010.flv?" + tag), 0);
  for (const char* name : kLocked) EXPECT_TRUE(window_->Get<ui::Control>(name).Enabled()) << name;
  EXPECT_FALSE(DownloadingFlag.Is("1"));
}

TEST_F(DownloadQueueTest, FiveGibibytesAnnouncedShowTheRightMegabytes) {
  AddRow("大.flv", "video/3145728.flv?announce=5368709120&" + Tag(), true);
  PressDownload();
  ASSERT_TRUE(watcher.WaitFor(3));
  ASSERT_TRUE(WaitForEnd());
  // The answer ends after 3 MB: the last report stays shown.
  EXPECT_EQ(StatusText(), "视频大小:5120MB  已下载:3MB  ");
  EXPECT_EQ(window_->Get<ui::ProgressBar>("进度条1").Pos(), 0);
  EXPECT_EQ(List().Cell(0, 4), kDownloadFailedText);
}

TEST_F(DownloadQueueTest, ARowDeletedDuringItsDownloadGetsNoWriteAndTheRunEnds) {
  const std::string tag = Tag();
  AddRow("留.flv", "video/100020.flv?" + tag, true);
  AddRow("删.flv", "video/100021.flv?stall=1&" + tag, true);
  PressDownload();
  ASSERT_TRUE(PumpFor("row 1 to be downloading", [] { return List().Cell(1, 4) == kDownloadingText; }));
  List().DeleteRow(1);
  ASSERT_TRUE(watcher.WaitFor(2));
  ASSERT_TRUE(WaitForEnd());
  ASSERT_EQ(List().RowCount(), 1);
  EXPECT_EQ(List().Cell(0, 1), "留.flv");
  EXPECT_EQ(List().Cell(0, 4), kDownloadedText);
  EXPECT_EQ(Texts("温馨提示："), std::vector<std::string>{"恭喜，下载已完成！"});
}

TEST_F(DownloadQueueTest, AnsweringNoStartsNothing) {
  AddRow("否.flv", "video/100030.flv?" + Tag(), true);
  const HANDLE before = WorkerThreadHandle.Get().Handle();
  watcher.SetAnswer(IDNO);
  PostMessageW(window_->ControlHwnd("下载按钮"), BM_CLICK, 0, 0);
  ASSERT_TRUE(watcher.WaitFor(1));
  ASSERT_TRUE(WorkersSettled());
  EXPECT_EQ(WorkerThreadHandle.Get().Handle(), before);
  EXPECT_EQ(List().Cell(0, 4), "");
}

}  // namespace
