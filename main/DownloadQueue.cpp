// The download queue: the 下载 button, the run over the checked rows on a worker thread and its progress on the start window.
#include "main/DownloadQueue.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "main/DownloadProgress.h"
#include "main/DownloadQueuePlan.h"
#include "main/FileListOwner.h"
#include "main/Globals.h"
#include "main/MainWindow.h"
#include "web/Download.h"
#include "ui/App.h"
#include "ui/MessageBox.h"
#include "ui/ProgressBar.h"
#include "ui/StatusBar.h"

namespace {

// One run, shared by its worker, its failure handler and the progress on its
// way to the window thread.
struct DownloadRun {
  // Read and written only in the run's steps on the window thread.
  std::vector<std::intptr_t> order;  // the rows to take, in turn
  int taken = 0, done = 0;           // rows taken, and downloaded whole
  std::intptr_t current = 0;         // the row downloading now
  bool ended = false;

  // The latest progress the worker handed over and the window has not shown
  // yet, and whether a message to show it is on its way.
  std::mutex progressLock;
  std::optional<ProgressView> progress;
  bool progressPosted = false;
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
  if (ui::Window* main = MainWin()) main->Get<ui::StatusBar>(kStatusBar).SetPanelText(0, text);
}

// Window thread: shows the progress the worker left, if any. Every step of the
// run does this first, so progress and steps reach the window in the order
// they happened.
void ShowProgress(DownloadRun& run) {
  std::optional<ProgressView> view;
  {
    std::lock_guard<std::mutex> guard(run.progressLock);
    view.swap(run.progress);
    run.progressPosted = false;
  }
  ui::Window* main = MainWin();
  if (!view || !main) return;
  // Each write repaints its control: only what changed is written. The
  // panel is compared as it is now, as a tip may have replaced the progress;
  // the skinned bar leaves its picture alone for the position it has.
  const auto status = main->Get<ui::StatusBar>(kStatusBar);
  if (status.PanelText(0) != view->status) status.SetPanelText(0, view->status);
  main->Get<ui::ProgressBar>(kProgressBar).SetPos(view->position);
  ++g_lastProgressWrites;
}

// Worker: leaves the view for the window thread and posts one message while
// none is on its way; it never waits for the window.
void HandOver(const std::shared_ptr<DownloadRun>& run, const ProgressView& view) {
  bool post = false;
  {
    std::lock_guard<std::mutex> guard(run->progressLock);
    run->progress = view;
    post = !run->progressPosted;
    run->progressPosted = true;
  }
  if (post && !ui::PostToWindowThread([run] { ShowProgress(*run); })) {
    std::lock_guard<std::mutex> guard(run->progressLock);
    run->progressPosted = false;
  }
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
    ShowProgress(run);
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
    g_lastProgressWrites = 0;
  });
  return turn;
}

void FinishTurn(DownloadRun& run, std::intptr_t id, bool completed) {
  ui::RunOnWindowThread([&] {
    ShowProgress(run);
    if (completed) ++run.done;
    run.current = 0;
    WriteFileCell(id, kStatusColumn, completed ? kDownloadedText : kDownloadFailedText);
  });
}

// The progress of the run's files. Every report goes through the run's
// throttle, so only changes are handed to the window thread, at most ten
// times a second, and the last report of each file always.
class ProgressReporter {
 public:
  explicit ProgressReporter(std::shared_ptr<DownloadRun> run) : run_(std::move(run)) {}
  void NextFile() { throttle_.NextFile(); }
  void ReportProgress(int64_t total, int64_t received) {
    if (throttle_.Offer(total, received, Now())) HandOver(run_, throttle_.View());
  }
  // After a file's download: hands over its last report if it was held back.
  void Finish() {
    if (throttle_.Flush(Now())) HandOver(run_, throttle_.View());
  }

 private:
  static int64_t Now() { return static_cast<int64_t>(GetTickCount64()); }

  std::shared_ptr<DownloadRun> run_;
  ProgressThrottle throttle_;
};

// The run's end, and its box from the worker when it took a row. After a
// failure of the work (failedNow) the row it was at is marked failed; every
// row taken and not downloaded whole counts as failed in the box.
void EndAndTell(DownloadRun& run, bool failedNow) {
  bool tell = false;
  std::string message;
  ui::RunOnWindowThread([&] {
    ShowProgress(run);
    if (run.ended) return;
    if (failedNow && run.current) WriteFileCell(run.current, kStatusColumn, kDownloadFailedText);
    EndRun(run);
    tell = run.taken > 0;
    message = DownloadEndMessage(run.taken, run.taken - run.done);
  });
  if (tell) ui::ShowMessage(message, kEndTitle, MB_OK);
}

// The run on its worker thread.
void DownloadCheckedRows(const std::shared_ptr<DownloadRun>& shared) {
  DownloadRun& run = *shared;
  ProgressReporter reporter(shared);
  for (const std::intptr_t id : run.order) {
    const RowTurn turn = TakeTurn(run, id);
    if (turn.kind == RowTurn::Stop) return;
    if (turn.kind == RowTurn::Gone) continue;
    reporter.NextFile();
    const int result = web::DownloadToFile(
        turn.address, turn.path, web::DownloadMessages([](const char* text) { ui::ShowMessage(text); }),
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
      ui::WorkerThread::Start([run] { DownloadCheckedRows(run); }, [run] { EndAndTell(*run, true); });
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
