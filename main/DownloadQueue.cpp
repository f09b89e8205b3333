// The download queue: the 下载 button, the run over the checked rows on a worker thread and its progress on the start window.
#include "main/DownloadQueue.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "main/DownloadProgress.h"
#include "main/DownloadQueuePlan.h"
#include "main/FileListOwner.h"
#include "main/Globals.h"
#include "main/MainWindow.h"
#include "main/web/Download.h"
#include "ui/App.h"
#include "ui/MessageBox.h"
#include "ui/ProgressBar.h"
#include "ui/StatusBar.h"

namespace {

// One run, shared by its worker and the failure handler. Read and written
// only in the run's steps on the window thread.
struct DownloadRun {
  std::vector<std::intptr_t> order;  // the rows to take, in turn
  int taken = 0, failed = 0;
  std::intptr_t current = 0;  // the row downloading now
  bool ended = false;
};

ui::WorkerThread g_latestRun;  // window thread
std::atomic<int> g_lastProgressWrites{0};

// What the worker does with one row: nothing (it is gone), stop the run (a
// QVOD address), or download the address to the path.
struct RowTurn {
  enum Kind { Gone, Stop, Download } kind = Gone;
  std::string address, path;
};

void ShowStatusText(const std::string& text) {
  if (ui::Window* main = MainWin()) main->Get<ui::StatusBar>("状态条1").SetPanelText(0, text);
}

// Window thread: the list goes back and the flag or the hint says how the run ended.
void EndRun(DownloadRun& run) {
  if (run.ended) return;
  run.ended = true;
  run.current = 0;
  GiveListBack();
  if (run.taken == 0)
    ShowStatusText(kNothingCheckedText);
  else
    DownloadingFlag.Set("0");
}

// The row's turn in one window-thread step: found, read, its name checked in
// the save folder as it is now, marked as downloading.
RowTurn TakeTurn(DownloadRun& run, std::intptr_t id) {
  RowTurn turn;
  ui::RunOnWindowThread([&] {
    FileRow row;
    if (run.ended || !ReadFileRow(id, row)) return;
    ++run.taken;
    DownloadingFlag.Set("1");
    if (IsQvodAddress(row[kAddressColumn])) {
      ShowStatusText(kQvodStopText);
      EndRun(run);
      turn.kind = RowTurn::Stop;
      return;
    }
    turn.kind = RowTurn::Download;
    turn.address = row[kAddressColumn];
    std::string name;
    turn.path = ClaimSavePath(id, CurrentSaveFolder(), &name);
    WriteFileCell(id, kStatusColumn, kDownloadingText);
    if (StartProgressBar) StartProgressBar->SetText(5, DownloadBarText(name));
    run.current = id;
  });
  return turn;
}

void FinishTurn(DownloadRun& run, std::intptr_t id, bool completed) {
  ui::RunOnWindowThread([&] {
    if (!completed) ++run.failed;
    run.current = 0;
    WriteFileCell(id, kStatusColumn, completed ? kDownloadedText : kDownloadFailedText);
  });
}

// The progress of one file. Every report goes through the throttle, so only
// changes reach the window, at most about 30 times a second, and the final
// state always; the window thread writes them.
class ProgressReporter {
 public:
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
    const ProgressView& view = throttle_.View();
    ui::RunOnWindowThread([&view] {
      if (ui::Window* main = MainWin()) {
        main->Get<ui::StatusBar>("状态条1").SetPanelText(0, view.status);
        main->Get<ui::ProgressBar>("进度条1").SetPos(view.position);
      }
    });
  }

  ProgressThrottle throttle_;
};

// The end box, from the worker, when the run took a row and had not ended before.
void EndAndTell(DownloadRun& run, bool failedNow) {
  bool tell = false;
  std::string message;
  ui::RunOnWindowThread([&] {
    if (run.ended) return;
    if (failedNow && run.current) {
      ++run.failed;
      WriteFileCell(run.current, kStatusColumn, kDownloadFailedText);
    }
    EndRun(run);
    tell = run.taken > 0;
    message = DownloadEndMessage(run.taken, run.failed);
  });
  if (tell) ui::ShowMessage(message, kEndTitle, MB_OK);
}

// The run on its worker thread.
void DownloadCheckedRows(DownloadRun& run) {
  for (const std::intptr_t id : run.order) {
    const RowTurn turn = TakeTurn(run, id);
    if (turn.kind == RowTurn::Stop) return;
    if (turn.kind == RowTurn::Gone) continue;
    ProgressReporter reporter;
    const int result = web::DownloadToFile(
        turn.address, turn.path,
        [&reporter](int64_t total, int64_t received, int64_t /*elapsedMs*/, int64_t /*receivedThisRun*/) {
          reporter.ReportProgress(total, received);
        });
    reporter.Finish();
    FinishTurn(run, id, result == 0);
  }
  EndAndTell(run, false);
}

}  // namespace

void OnDownloadButton(ui::Window&, ui::Event&) {
  if (DownloadRunHoldsList()) return;
  if (ui::AskYesNo(kStartQuestion, kStartQuestionTitle)) StartDownloadRun();
}

bool StartDownloadRun() {
  if (!TakeListForRun()) return false;
  DownloadingFlag.Set("0");
  auto run = std::make_shared<DownloadRun>();
  std::vector<QueueRow> rows;
  for (const FileRow& row : ReadFileRows()) rows.push_back({row.id, row.checked, row[kStatusColumn]});
  run->order = QueueOrder(rows);
  // A run whose work throws ends as a failure of the row it was at.
  const ui::WorkerThread worker =
      ui::WorkerThread::Start([run] { DownloadCheckedRows(*run); }, [run] { EndAndTell(*run, true); });
  if (!worker) {
    GiveListBack();
    return false;
  }
  g_latestRun = worker;
  WorkerThreadHandle.Store(worker);
  return true;
}

ui::WorkerThread LatestDownloadRun() { return g_latestRun; }

int LastProgressWrites() { return g_lastProgressWrites.load(); }
