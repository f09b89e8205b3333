// The download run beside parses, deletes, probes and 全选 on the real start window, against the simulator with slow bodies.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "main/DownloadProgress.h"
#include "main/DownloadQueue.h"
#include "main/DownloadQueuePlan.h"
#include "main/FileList.h"
#include "main/FileListFill.h"
#include "main/FileListCommands.h"
#include "main/FileListOwner.h"
#include "main/Globals.h"
#include "main/MainWindow.h"
#include "main/ParseWindow.h"
#include "main/SizeProbes.h"
#include "main/tests/support/QuietStartWindow.h"
#include "web/tests/support/Simulator.h"
#include "skin/SkinEngine.h"
#include "skin/TextProperty.h"
#include "ui/App.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/ListView.h"
#include "ui/base/WideText.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/base/tests/support/FileBytes.h"
#include "ui/tests/support/HandleCount.h"
#include "ui/tests/support/ThreadCount.h"
#include "ui/base/tests/support/Pump.h"

namespace {

using testsupport::PumpFor;
using testsupport::ReadAll;
using testsupport::VideoBytes;

const char* const kLocked[] = {"L1", "下载按钮", "编辑框2", "保存路径按钮", "选择框1"};
const char kCloseQuestion[] = "视频下载进行中，您是否退出下载？\r\n\r\n退出后未下载完的文件需要重新下载！";

// A fresh folder of the temporary folder, with a Chinese name and the separator at its end.
std::string NewFolder(const std::string& name) {
  static int made = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::string folder =
      ui::ToGbk(temp) + name + std::to_string(GetTickCount()) + "_" + std::to_string(++made) + "\\";
  CreateDirectoryW(ui::ToWide(folder).c_str(), nullptr);
  return folder;
}

// The size a /video/<N>.flv address names.
int64_t VideoSize(const std::string& address) { return std::stoll(address.substr(address.find("/video/") + 7)); }

// One start window for the whole suite (destroying it ends the process).
class DownloadRunTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { window_ = testsupport::LoadQuietStartWindow(); }
  void SetUp() override {
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(sim.Ready()) << "no simulator";
    ASSERT_TRUE(sim.Reset());
    ServiceBase.Set(sim.Url("VelkDown/"));
    PageTitle.Set("片");
    tag_ = "t=" + std::to_string(GetTickCount());
    folder_ = NewFolder("下载运行");
    window_->Get<ui::Control>("编辑框2").SetText(folder_);
    List().Clear();
  }
  void TearDown() override {
    if (ParseWin()) DestroyWindow(ParseWin()->Hwnd());
    watcher.SetAnswer(IDOK);
    EXPECT_TRUE(PumpFor("the run and the size probes of the test to end",
                        [] { return !DownloadRunHoldsList() && RunningSizeProbes() == 0; }));
    EXPECT_EQ(testsupport::CloseStrayDialogs(), "") << "message boxes left open";
  }

  static ui::ListView List() { return window_->Get<ui::ListView>("L1"); }
  static std::string Status(int row) { return List().Cell(row, kStatusColumn); }
  // A slow video: its body comes in the given number of pieces, ten a second.
  std::string SlowVideo(int64_t size, int pieces = 10) const {
    return "video/" + std::to_string(size) + ".flv?trickle=" + std::to_string(size / pieces) + "&" + tag_;
  }

  // 新建任务 with the site type and the address, 开始解析; the window, or null.
  ui::Window* StartParse(int siteType, const std::string& address) {
    for (ui::Event tick{ui::EventType::Tick}; ParseCooldownLeft() > 0;) OnParseLimitTick(*window_, tick);
    ui::Window* w = ui::Window::Load(ParseWindowForm, window_);
    if (!w) return nullptr;
    const ui::ComboBox types = w->Get<ui::ComboBox>("组合框1");
    types.Select(siteType);
    SendMessageW(w->Hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(types.Hwnd()), CBN_SELCHANGE), (LPARAM)types.Hwnd());
    w->Get<ui::Control>("Url编辑框").SetText(address);
    SendMessageW(w->ControlHwnd("解析"), BM_CLICK, 0, 0);
    return w;
  }
  // A parse whose reply is the list (its "{base}" stands for the
  // simulator's address); true once the list is filled.
  testing::AssertionResult Parse(const std::string& reply) {
    if (!sim.Set("getdown", reply) || !StartParse(0, "http://v.example.cn/" + tag_ + ".html"))
      return testing::AssertionFailure() << "the parse could not be started";
    return PumpFor("the parse to fill the list", [] { return ParseWin() == nullptr; });
  }
  // The simulator's list of the videos.
  static std::string ReplyOf(const std::vector<std::string>& videos) {
    std::string reply;
    for (const std::string& video : videos) reply += (reply.empty() ? "{base}/" : "$${base}/") + video;
    return reply;
  }
  static testing::AssertionResult ProbesDone() {
    return PumpFor("the size probes to end", [] { return RunningSizeProbes() == 0; })
           << "; " << RunningSizeProbes() << " still running";
  }
  static void CheckAll() {
    for (int row = 0; row < List().RowCount(); ++row) List().SetRowChecked(row, true);
  }
  // 下载 as a user presses it, answered Yes.
  void PressDownload() {
    watcher.SetAnswer(IDYES);
    PostMessageW(window_->ControlHwnd("下载按钮"), BM_CLICK, 0, 0);
  }
  static int RowOf(const std::string& video) {
    for (int row = 0; row < List().RowCount(); ++row)
      if (List().Cell(row, kAddressColumn).find(video) != std::string::npos) return row;
    return -1;
  }
  testing::AssertionResult WaitForDownloading(const std::string& video) {
    return PumpFor(video + " to be downloading",
                   [&] { return RowOf(video) >= 0 && Status(RowOf(video)) == kDownloadingText; });
  }
  // The run has given the list back and its worker (with its end box) is gone.
  testing::AssertionResult WaitForRunEnd() {
    testing::AssertionResult ended = PumpFor("the run to give the list back", [] { return !DownloadRunHoldsList(); });
    if (!ended) return ended;
    return PumpFor("the run's workers to end", [] { return ui::RunningWorkers() == 0; })
           << "; " << ui::RunningWorkers() << " still running";
  }
  std::vector<std::string> Texts(const std::string& title) const {
    std::vector<std::string> out;
    for (const auto& d : watcher.Seen())
      if (d.title == title) out.push_back(d.text);
    return out;
  }
  // The row's file in the save folder holds the video of the row's own address.
  void ExpectOwnFile(int row) const {
    const std::string address = List().Cell(row, kAddressColumn);
    EXPECT_EQ(Status(row), kDownloadedText) << address;
    EXPECT_TRUE(ReadAll(folder_ + List().Cell(row, kNameColumn)) == VideoBytes(0, VideoSize(address)))
        << "row " << row << " (" << List().Cell(row, kNameColumn) << ") does not hold " << address;
  }

  static ui::Window* window_;
  testsupport::Simulator sim;
  testsupport::DialogWatcher watcher{IDOK};
  std::string tag_, folder_;
};
ui::Window* DownloadRunTest::window_ = nullptr;

TEST_F(DownloadRunTest, AParseDuringARunAddsRowsButLeavesTheListLockedAndNoSecondRunStarts) {
  // The last row (downloaded first) sends half its body, then waits until the
  // test lets it go on: the run is sure to hold the list meanwhile.
  const std::string hold = "run" + std::to_string(GetTickCount());
  const std::string first = SlowVideo(400001), second = "video/400002.flv?hold=" + hold + "&" + tag_;
  ASSERT_TRUE(Parse(ReplyOf({first, second})));
  ASSERT_TRUE(ProbesDone());
  const int probedFirst = sim.Count("/" + first), probedSecond = sim.Count("/" + second);
  CheckAll();
  PressDownload();
  ASSERT_TRUE(WaitForDownloading(second));

  // While the last row downloads: 新建任务, another page, 开始解析.
  const std::string third = SlowVideo(200003), fourth = SlowVideo(200004);
  ASSERT_TRUE(Parse(ReplyOf({third, fourth})));
  ASSERT_TRUE(DownloadRunHoldsList()) << "the run gave the list back while its last file was held";
  EXPECT_EQ(List().RowCount(), 4);
  for (const char* name : kLocked) EXPECT_FALSE(window_->Get<ui::Control>(name).Enabled()) << name;
  EXPECT_EQ(skin::ReadTextProperty(window_->ControlHwnd("进度条1"), skin::kPropTextContent),
            DownloadBarText(List().Cell(RowOf(second), kNameColumn)));

  // No second run by any path, not even its question.
  watcher.Clear();
  PostMessageW(window_->ControlHwnd("下载按钮"), BM_CLICK, 0, 0);
  ui::PumpPendingMessages();
  ui::Event click{ui::EventType::Click};
  OnDownloadButton(*window_, click);
  EXPECT_FALSE(StartDownloadRun());
  EXPECT_TRUE(watcher.Seen().empty()) << watcher.Seen()[0].text;

  // Closing the window asks while the run goes; No keeps both.
  EXPECT_TRUE(DownloadingFlag.Is("1"));
  watcher.SetAnswer(IDNO);
  window_->Close();
  ASSERT_TRUE(watcher.WaitFor(1)) << "no question after the close";
  EXPECT_EQ(watcher.Seen()[0].text, kCloseQuestion);
  EXPECT_TRUE(IsWindow(window_->Hwnd()));

  watcher.SetAnswer(IDOK);
  ASSERT_TRUE(sim.Release(hold));
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(Texts("温馨提示："), (std::vector<std::string>{kCloseQuestion, "恭喜，下载已完成！"}));
  EXPECT_EQ(sim.Count("/" + first) - probedFirst, 1);
  EXPECT_EQ(sim.Count("/" + second) - probedSecond, 1);
  ExpectOwnFile(RowOf(first));
  ExpectOwnFile(RowOf(second));
  // The rows of the second parse wait for a run of their own.
  EXPECT_EQ(Status(RowOf(third)), kWaitingText);
  EXPECT_EQ(Status(RowOf(fourth)), kWaitingText);
  EXPECT_FALSE(DownloadingFlag.Is("1"));
  for (const char* name : kLocked) EXPECT_TRUE(window_->Get<ui::Control>(name).Enabled()) << name;
}

TEST_F(DownloadRunTest, RowsDeletedAndInsertedDuringARunLeaveEveryFileWithItsOwnRow) {
  const std::vector<std::string> videos = {SlowVideo(150001, 20), SlowVideo(150002, 20), SlowVideo(150003, 20),
                                           SlowVideo(150004, 20)};
  ASSERT_TRUE(Parse(ReplyOf(videos)));
  ASSERT_TRUE(ProbesDone());
  CheckAll();
  PressDownload();
  ASSERT_TRUE(WaitForDownloading(videos[3]));
  // 删除数据 on a row still waiting, then a parse puts rows in above the others.
  LVITEMW select = {};
  select.stateMask = select.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(List().Hwnd(), LVM_SETITEMSTATE, RowOf(videos[1]), (LPARAM)&select);
  ui::Event choose{ui::EventType::Click};
  DeleteRow(*window_, choose);
  ASSERT_EQ(RowOf(videos[1]), -1);
  ASSERT_TRUE(Parse(ReplyOf({SlowVideo(150005), SlowVideo(150006)})));
  ASSERT_TRUE(WaitForRunEnd());

  ASSERT_EQ(List().RowCount(), 5);
  for (const int i : {0, 2, 3}) ExpectOwnFile(RowOf(videos[i]));
  EXPECT_EQ(ReadAll(folder_ + "片[2].flv"), "<missing>");
  EXPECT_EQ(sim.Count("/" + SlowVideo(150005)), 1);  // its probe alone
}

TEST_F(DownloadRunTest, ProbesDuringARunAndASecondRunCloseNoHandleTwice) {
  // A first run, so that what the program keeps after a run is there already.
  ASSERT_TRUE(Parse(ReplyOf({"video/1000.flv?" + tag_})));
  ASSERT_TRUE(ProbesDone());
  CheckAll();
  ASSERT_TRUE(StartDownloadRun());
  ASSERT_TRUE(WaitForRunEnd());
  const testsupport::HandleCount before = testsupport::CountHandles();
  ASSERT_GE(before.handles, 0) << "the handle list cannot be read";

  const std::string slow = SlowVideo(300001);
  ASSERT_TRUE(Parse(ReplyOf({slow})));
  ASSERT_TRUE(ProbesDone());
  List().SetRowChecked(RowOf(slow), true);
  ASSERT_TRUE(StartDownloadRun());
  HANDLE runHandle = nullptr;
  DWORD runId = 0;
  {
    const ui::WorkerThread run = LatestDownloadRun();
    runHandle = run.Handle();
    runId = run.Id();
  }
  ASSERT_TRUE(WaitForDownloading(slow));
  // Three probes start, store themselves as the latest worker and end meanwhile.
  const std::vector<std::string> more = {"video/2001.flv?" + tag_, "video/2002.flv?" + tag_, "video/2003.flv?" + tag_};
  ASSERT_TRUE(Parse(ReplyOf(more)));
  ASSERT_TRUE(ProbesDone());
  EXPECT_EQ(GetThreadId(runHandle), runId) << "the download thread's handle was closed under its owner";
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(GetThreadId(runHandle), runId);

  // The second run takes over: the first run's handle goes with its last owner.
  CheckAll();
  ASSERT_TRUE(StartDownloadRun());
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_NE(GetThreadId(runHandle), runId);
  for (const std::string& video : more) ExpectOwnFile(RowOf(video));
  const testsupport::HandleCount after = testsupport::CountHandles();
  EXPECT_EQ(after.threads, before.threads);
  EXPECT_EQ(after.handles, before.handles);
}

TEST_F(DownloadRunTest, AFileOfTheRowsNameInTheNewSaveFolderIsKeptAndTheRowTakesANumberedName) {
  const std::string video = "video/50001.flv?" + tag_;
  ASSERT_TRUE(Parse(ReplyOf({video})));
  ASSERT_TRUE(ProbesDone());
  ASSERT_EQ(List().Cell(0, kNameColumn), "片[1].flv");
  // Another program's file of that name in the folder chosen after the fill.
  const std::string other = NewFolder("另存");
  ASSERT_TRUE(testsupport::WriteAll(other + "片[1].flv", "another program's file"));
  window_->Get<ui::Control>("编辑框2").SetText(other);
  folder_ = other;
  CheckAll();
  PressDownload();
  ASSERT_TRUE(watcher.WaitFor(2)) << "not the question and the end box";
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(ReadAll(other + "片[1].flv"), "another program's file");
  EXPECT_EQ(List().Cell(0, kNameColumn), "片[1] (2).flv");
  ExpectOwnFile(0);
}

TEST_F(DownloadRunTest, AVeryLongAddressIsDownloadedWhole) {
  const std::string video = "video/3001.flv?sig=" + std::string(6000, 's') + "&" + tag_;
  ASSERT_TRUE(Parse(ReplyOf({video})));
  ASSERT_TRUE(ProbesDone());
  ASSERT_EQ(List().Cell(0, kAddressColumn), sim.Url(video));
  CheckAll();
  ASSERT_TRUE(StartDownloadRun());
  ASSERT_TRUE(WaitForRunEnd());
  ExpectOwnFile(0);
  EXPECT_EQ(sim.Count("/" + video), 2);  // the probe and the download
}

TEST_F(DownloadRunTest, OnlyWebAddressesAreProbed) {
  ASSERT_TRUE(Parse("qvod://123|AB|片.rmvb|$$$${base}/video/1001.flv?" + tag_));
  ASSERT_EQ(List().RowCount(), 3);
  // Nothing keeps probing the QVOD link or the empty address.
  EXPECT_TRUE(ProbesDone()) << RunningSizeProbes() << " probes still running";
  EXPECT_EQ(List().Cell(0, kSizeColumn), FormatMegabytes(-1));
  EXPECT_EQ(List().Cell(1, kSizeColumn), FormatMegabytes(-1));
  EXPECT_EQ(List().Cell(2, kSizeColumn), FormatMegabytes(1001));
}

TEST_F(DownloadRunTest, AHugeParseReplyFailsWithItsTextAndLittleMemory) {
  // A QVOD page whose address is a file of 64 MiB.
  ui::Window* w = StartParse(3, sim.Url("video/67108864.flv?" + tag_));
  ASSERT_NE(w, nullptr);
  const auto hint = [w] { return w->Get<ui::Control>("操作提示").Text(); };
  EXPECT_TRUE(PumpFor("the parse to end", [&] { return hint() != "正在解析中..."; }));
  EXPECT_EQ(hint(), "解析失败或暂不支持此网站！");
  EXPECT_EQ(ParseWin(), w);
  EXPECT_EQ(List().RowCount(), 0);
  PROCESS_MEMORY_COUNTERS memory = {};
  ASSERT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory));
  EXPECT_LT(memory.PeakWorkingSetSize, 100u << 20);
}

TEST_F(DownloadRunTest, ASecondClickOnSelectAllRightAfterTheFirstHasTheLastWord) {
  for (int i = 0; i < 40; ++i) List().AddRow({std::to_string(i + 1), std::to_string(i) + ".flv"}, NewRowId());
  const HWND box = window_->ControlHwnd("选择框1");
  ASSERT_FALSE(window_->Get<ui::CheckBox>("选择框1").Checked());
  PostMessageW(box, BM_CLICK, 0, 0);
  PostMessageW(box, BM_CLICK, 0, 0);
  ui::PumpPendingMessages();
  ASSERT_FALSE(window_->Get<ui::CheckBox>("选择框1").Checked());
  for (int row = 0; row < List().RowCount(); ++row) EXPECT_FALSE(List().RowChecked(row)) << "row " << row;
}

// A quick user's 全选 and 下载: the run takes every row that 全选 checked.
TEST_F(DownloadRunTest, DownloadClickedRightAfterSelectAllTakesEveryRow) {
  std::vector<std::string> videos;
  for (int i = 1; i <= 5; ++i) videos.push_back("video/" + std::to_string(2000 + i) + ".flv?" + tag_);
  ASSERT_TRUE(Parse(ReplyOf(videos)));
  ASSERT_TRUE(ProbesDone());
  PostMessageW(window_->ControlHwnd("选择框1"), BM_CLICK, 0, 0);
  PressDownload();
  ASSERT_TRUE(watcher.WaitFor(2)) << "not the question and the end box";
  ASSERT_TRUE(WaitForRunEnd());
  for (const std::string& video : videos) ExpectOwnFile(RowOf(video));
  EXPECT_EQ(Texts(kEndTitle), std::vector<std::string>{"恭喜，下载已完成！"});
}

// The probes of thousands of rows take turns on a few threads, and each row
// is asked once.
TEST_F(DownloadRunTest, AReplyOfThousandsOfFilesGivesEveryRowItsSizeOnAFewThreads) {
  constexpr int kFiles = 3000;
  std::vector<std::string> videos;
  for (int i = 1; i <= kFiles; ++i) videos.push_back("video/" + std::to_string(1000 + i) + ".flv?" + tag_);
  // A reply too long for an address goes to the simulator as a body.
  ASSERT_TRUE(sim.SetJson("{\"getdown\":\"" + ReplyOf(videos) + "\"}"));
  ASSERT_NE(StartParse(0, "http://v.example.cn/" + tag_ + ".html"), nullptr);
  ASSERT_TRUE(PumpFor("the parse to fill the list", [] { return ParseWin() == nullptr; }));
  ASSERT_EQ(List().RowCount(), kFiles);
  constexpr int kFewThreads = 40;
  int mostThreads = 0;
  ASSERT_TRUE(PumpFor("the size probes to end", [&] {
    mostThreads = std::max(mostThreads, testsupport::ThreadsOfThisProcess());
    return RunningSizeProbes() == 0 || mostThreads > kFewThreads;
  }));
  ASSERT_LE(mostThreads, kFewThreads) << "threads at once";
  int wrong = 0;
  for (int row = 0; row < kFiles; ++row)
    wrong += List().Cell(row, kSizeColumn) != FormatMegabytes(VideoSize(List().Cell(row, kAddressColumn)));
  EXPECT_EQ(wrong, 0) << "rows without their size";
  EXPECT_EQ(sim.Count("/video/"), kFiles);
}

// Each round opens the address up to five times while no length comes.
TEST_F(DownloadRunTest, ASizeTheServerNeverTellsIsAskedAFewRoundsThenShownUnknown) {
  const std::string video = "video/1000.flv?nolength=1&" + tag_;
  ASSERT_TRUE(Parse(ReplyOf({video})));
  const auto asked = [&] { return sim.Count("/" + video); };
  EXPECT_TRUE(PumpFor("the probe to end", [&] { return RunningSizeProbes() == 0 || asked() > 50; }));
  EXPECT_EQ(asked(), kProbeRounds * 5);
  EXPECT_EQ(List().Cell(0, kSizeColumn), FormatMegabytes(-1));
  List().Clear();  // a probe still going ends with its row
}

TEST_F(DownloadRunTest, WithoutThreadsNewRowsShowAnUnknownSizeAndTakeFreeNames) {
  // A row's name in other letters and a file in the save folder are taken.
  List().AddRow({"1", "片[1].FLV", sim.Url("video/1.flv")}, NewRowId());
  ASSERT_TRUE(testsupport::WriteAll(folder_ + "片[2].flv", "another program's file"));
  const std::string reply = sim.Url("video/1001.flv?" + tag_) + "$$" + sim.Url("video/1002.flv?" + tag_) + "$$" +
                            sim.Url("video/1003.flv?" + tag_);
  ui::RefuseWorkerStarts(true);
  FillFileList(reply, "片", "http://v.example.cn/p.html");
  ui::RefuseWorkerStarts(false);
  EXPECT_EQ(RunningSizeProbes(), 0);
  ASSERT_EQ(List().RowCount(), 4);
  const char* const names[] = {"片[1] (2).flv", "片[2] (2).flv", "片[3].flv"};
  for (int row = 1; row <= 3; ++row) {
    EXPECT_EQ(List().Cell(row, kNameColumn), names[row - 1]);
    EXPECT_EQ(List().Cell(row, kSizeColumn), FormatMegabytes(-1)) << "row " << row;
  }
  EXPECT_EQ(sim.Count("/video/"), 0);
}

TEST_F(DownloadRunTest, OfAReplyLongerThanTheListTakesTheFirstRowsComeAndTheBarSaysSo) {
  std::string reply;
  for (size_t i = 1; i <= kMaxFillRows + 1; ++i) reply += "qvod://" + std::to_string(i) + "|$$";
  FillFileList(reply, "片", "http://v.example.cn/p.html");
  ASSERT_EQ(List().RowCount(), static_cast<int>(kMaxFillRows));
  EXPECT_EQ(List().Cell(kMaxFillRows - 1, kAddressColumn), "qvod://" + std::to_string(kMaxFillRows) + "|");
  EXPECT_EQ(skin::ReadTextProperty(window_->ControlHwnd("进度条1"), skin::kPropTextContent),
            FileCountText(kMaxFillRows + 1, kMaxFillRows));
}

}  // namespace
