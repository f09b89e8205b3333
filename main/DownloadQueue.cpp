// The download queue: the 下载 button, the run over the checked rows and its progress on the start window.
#include "main/DownloadQueue.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "main/DownloadProgress.h"
#include "main/DownloadQueuePlan.h"
#include "main/FileName.h"
#include "main/Globals.h"
#include "main/web/Download.h"
#include "main/web/OwnedHandle.h"
#include "ui/Control.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/ProgressBar.h"
#include "ui/StatusBar.h"

namespace {

// Columns of the file list.
constexpr int kNameColumn = 1;
constexpr int kAddressColumn = 2;
constexpr int kStatusColumn = 4;

// The download thread of the latest run; owned here, so another worker's
// handle in WorkerThreadHandle never closes it.
web::KernelHandle g_downloadThread;
std::atomic<int> g_lastProgressWrites{0};

// Locks or unlocks the five controls, always in the same order.
void SetControlsEnabled(const QueueControls& c, bool on) {
  for (HWND control : {c.list, c.downloadButton, c.folderBox, c.folderButton, c.selectAll})
    ui::Control(control).SetEnabled(on);
}

// Writes a row's status when the row is still in the list.
void SetRowStatus(const ui::ListView& list, intptr_t id, const char* status) {
  const int row = list.FindRow(id);
  if (row >= 0) list.SetCell(row, kStatusColumn, status);
}

// The progress of one file: every report goes through the throttle, so only
// changes reach the window, at most about 30 times a second, and the final
// state always.
class ProgressReporter {
 public:
  explicit ProgressReporter(const QueueControls& c) : controls_(c) {}

  // The callback DownloadToFile calls after every piece it wrote.
  void OnDownloadProgress(int64_t total, int64_t received, int64_t /*elapsedMs*/, int64_t /*receivedThisRun*/) {
    ReportProgress(total, received);
  }
  void ReportProgress(int64_t total, int64_t received) {
    if (throttle_.Offer(total, received, static_cast<int64_t>(GetTickCount64()))) Write();
  }
  // After the download: shows the last report if it was held back.
  void Finish() {
    if (throttle_.Flush()) Write();
    g_lastProgressWrites = throttle_.Writes();
  }

 private:
  void Write() const {
    ui::StatusBar(controls_.statusBar).SetPanelText(0, throttle_.View().status);
    ui::ProgressBar(controls_.bar).SetPos(throttle_.View().position);
  }

  QueueControls controls_;
  ProgressThrottle throttle_;
};

DWORD WINAPI DownloadThreadEntry(void* param) {
  std::unique_ptr<QueueControls> controls(static_cast<QueueControls*>(param));
  try {
    DownloadCheckedRows(*controls);
  } catch (...) {
  }
  return 0;
}

}  // namespace

QueueControls QueueControlsOf(const ui::Window& w) {
  QueueControls c;
  c.list = w.ControlHwnd("L1");
  c.downloadButton = w.ControlHwnd("下载按钮");
  c.folderBox = w.ControlHwnd("编辑框2");
  c.folderButton = w.ControlHwnd("保存路径按钮");
  c.selectAll = w.ControlHwnd("选择框1");
  c.statusBar = w.ControlHwnd("状态条1");
  c.bar = w.ControlHwnd("进度条1");
  return c;
}

void OnDownloadButton(ui::Window& w, ui::Event&) {
  if (!ui::AskYesNo(kStartQuestion, kStartQuestionTitle)) return;
  auto controls = std::make_unique<QueueControls>(QueueControlsOf(w));
  HANDLE thread = CreateThread(nullptr, 0, DownloadThreadEntry, controls.get(), 0, nullptr);
  if (!thread) return;
  controls.release();
  g_downloadThread = web::KernelHandle(thread);
  WorkerThreadHandle.store(thread);
}

void DownloadCheckedRows(const QueueControls& c) {
  const ui::ListView list(c.list);
  const ui::StatusBar status(c.statusBar);
  SetControlsEnabled(c, false);
  DownloadingFlag.Set("0");

  // The rows are read once: which are taken, by identity, in the run's order.
  std::vector<QueueRow> rows;
  const int count = list.RowCount();
  for (int i = 0; i < count; ++i) rows.push_back({list.RowId(i), list.RowChecked(i), list.Cell(i, kStatusColumn)});
  int taken = 0, failed = 0;
  for (intptr_t id : QueueOrder(rows)) {
    int row = list.FindRow(id);
    if (row < 0) continue;  // deleted before its turn
    ++taken;
    DownloadingFlag.Set("1");
    const std::string address = list.Cell(row, kAddressColumn);
    if (IsQvodAddress(address)) {
      status.SetPanelText(0, kQvodStopText);
      SetControlsEnabled(c, true);
      DownloadingFlag.Set("0");
      return;
    }
    const std::string name = list.Cell(row, kNameColumn);
    list.SetCell(row, kStatusColumn, kDownloadingText);
    if (StartProgressBar) StartProgressBar->SetText(5, DownloadBarText(name));
    const std::string path = PathInFolder(ui::Control(c.folderBox).Text(), name);
    ProgressReporter reporter(c);
    const int result = web::DownloadToFile(
        address, path, [&reporter](int64_t total, int64_t received, int64_t elapsed, int64_t run) {
          reporter.OnDownloadProgress(total, received, elapsed, run);
        });
    reporter.Finish();
    if (result != 0) ++failed;
    SetRowStatus(list, id, result == 0 ? kDownloadedText : kDownloadFailedText);
  }

  SetControlsEnabled(c, true);
  if (taken == 0) {
    status.SetPanelText(0, kNothingCheckedText);
    return;
  }
  DownloadingFlag.Set("0");
  ui::ShowMessage(DownloadEndMessage(taken, failed), kEndTitle, MB_OK);
}

int LastProgressWrites() { return g_lastProgressWrites.load(); }
