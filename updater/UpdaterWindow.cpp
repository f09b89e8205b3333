// The updater's start window: reading the update list, the update worker with its progress, and the ways out.
#include "updater/UpdaterWindow.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "web/WebRequest.h"
#include "ui/App.h"
#include "ui/Control.h"
#include "ui/MessageBox.h"
#include "updater/CommandLine.h"
#include "updater/Processes.h"
#include "updater/UpdateProgressText.h"
#include "updater/UpdaterDownload.h"
#include "updater/UpdateWorker.h"
#include "updater/UpdaterGlobals.h"

namespace {

const char kNeedsMainProgram[] = "升级程序需要主程序调用才能使用！";
const char kCannotStartUpdate[] = "无法开始更新，请稍后重试！";
const char kCannotStartProgram[] = "文件已更新，但主程序无法启动，请手动启动！";
const char kTitle[] = "温馨提示：";

// What the window shows of the update's progress: the bar's overlay text,
// 标签2 and the bar's position.
struct UpdateView {
  std::string barText, label;
  int position = 0;
};

// One update, shared by its worker and the steps it hands to the window
// thread. The worker never touches a window: it builds the view and leaves
// it here, and the window thread writes it while the window exists.
struct UpdateJob {
  std::vector<updater::UpdateItem> items;  // the worker's copy of the plan
  UpdateView view;                         // worker: what it reported last
  UpdateView shown;                        // window thread: what is in the window

  // The view the worker handed over and the window has not shown yet, and
  // whether a message to show it is on its way.
  std::mutex lock;
  std::optional<UpdateView> pending;
  bool posted = false;
};

std::atomic<int> g_progressWrites{0};

// Window thread: writes what changed in the view the worker left, if any.
void ShowUpdateProgress(UpdateJob& job) {
  std::optional<UpdateView> view;
  {
    std::lock_guard<std::mutex> guard(job.lock);
    view.swap(job.pending);
    job.posted = false;
  }
  ui::Window* w = ui::Window::Find(UpdaterWindowForm.name);
  if (!view || !w || !UpdateBar) return;
  if (view->barText != job.shown.barText) UpdateBar->SetText(5, view->barText);
  if (view->label != job.shown.label) w->Get<ui::Control>(kProgressLabel).SetText(view->label);
  if (view->position != job.shown.position) UpdateBar->SetPos(view->position);
  job.shown = std::move(*view);
  ++g_progressWrites;
}

// Worker: leaves its view for the window thread and posts one message while
// none is on its way; it never waits for the window.
void HandOver(const std::shared_ptr<UpdateJob>& job) {
  bool post = false;
  {
    std::lock_guard<std::mutex> guard(job->lock);
    job->pending = job->view;
    post = !job->posted;
    job->posted = true;
  }
  if (post && !ui::PostToWindowThread([job] { ShowUpdateProgress(*job); })) {
    std::lock_guard<std::mutex> guard(job->lock);
    job->posted = false;
  }
}

void DestroyUpdaterWindow() {
  if (ui::Window* w = ui::Window::Find(UpdaterWindowForm.name)) DestroyWindow(w->Hwnd());
}

// On the window thread: the message, then 退出 is the way out.
void TellAndOfferExit(const char* text) {
  ui::ShowMessage(text, kTitle, MB_OK);
  if (ui::Window* w = ui::Window::Find(UpdaterWindowForm.name)) w->Get<ui::Control>(kExitButton).SetEnabled(true);
}

void RunUpdateJob(const std::shared_ptr<UpdateJob>& job) {
  const updater::UpdateOutcome outcome = updater::UpdateWorker(
      job->items, UpdateStop,
      [&job](int64_t total, int64_t received, int64_t, int64_t) {
        job->view.label = updater::ReceivedLabelText(updater::SizeLabelText(total), received);
        job->view.position = updater::BarPosition(total, received);
        HandOver(job);
      },
      [&job](int number) {
        job->view.barText = updater::FileNumberText(number);
        HandOver(job);
      });
  // With the main program started the updater is done; otherwise the window
  // stays with its last progress until the user closes it.
  if (outcome.stopped || !outcome.programFound) return;
  if (outcome.programStarted)
    ui::PostToWindowThread(DestroyUpdaterWindow);
  else
    ui::PostToWindowThread([] { TellAndOfferExit(kCannotStartProgram); });
}

}  // namespace

void LoadUpdateList(ui::Window& w, ui::Event&) {
  const std::string argument = updater::OwnArgument();
  if (!updater::IsUsableArgument(argument)) {
    ui::ShowMessage(kNeedsMainProgram, kTitle, MB_OK);
    ui::EndProgram(0);
  }
  UpdateBaseAddress = argument;
  const std::string body = web::RunWebRequest(UpdateBaseAddress + "sj.txt");
  UpdateListText = body.substr(0, body.find('\0'));
  UpdateFiles = updater::ParseUpdateList(UpdateListText);
  const int count = static_cast<int>(UpdateFiles.names.size());
  if (count == 0) w.Get<ui::Control>(kStartButton).SetEnabled(false);

  UpdateBar->Attach(w.ControlHwnd(kProgressBar));
  StartButtonSkin->Attach(w.ControlHwnd(kStartButton));
  ExitButtonSkin->Attach(w.ControlHwnd(kExitButton));
  StartButtonSkin->SetColourStyle(1);
  ExitButtonSkin->SetColourStyle(2);
  UpdateBar->SetColourStyle(4);
  UpdateBar->SetText(1, updater::FileCountText(count));
  // A list past its bounds names no files the update could be made from;
  // that is told once the window shows.
  if (UpdateFiles.refused) ui::PostToWindowThread([] { ui::ShowMessage(kCannotStartUpdate, kTitle, MB_OK); });
}

void StartUpdate(ui::Window& w, ui::Event&) {
  // The plan is made before the buttons go, so that a list the update cannot
  // be made from leaves the window as it was.
  if (!updater::WithinBounds(UpdateFiles)) {
    ui::ShowMessage(kCannotStartUpdate, kTitle, MB_OK);
    return;
  }
  auto job = std::make_shared<UpdateJob>();
  job->items = updater::PlanUpdate(UpdateFiles, UpdateBaseAddress, ui::ProgramDir());
  const ui::Control start = w.Get<ui::Control>(kStartButton);
  w.Get<ui::Control>(kExitButton).SetEnabled(false);
  start.SetEnabled(false);
  start.SetText("正在更新");
  UpdaterThreadHandle =
      ui::WorkerThread::Start([job] { RunUpdateJob(job); },
                              [] { ui::PostToWindowThread([] { TellAndOfferExit(updater::kUpdaterInterrupted); }); });
  if (UpdaterThreadHandle) return;
  // No worker: the window is as it was before the click.
  start.SetText("立即更新");
  start.SetEnabled(true);
  w.Get<ui::Control>(kExitButton).SetEnabled(true);
  ui::ShowMessage(kCannotStartUpdate, kTitle, MB_OK);
}

void OnUpdaterExit(ui::Window&, ui::Event&) { ui::EndProgram(0); }

// The worker is never terminated: it is asked to stop, and a move or copy in
// progress finishes first. Whatever download it is in ends with the process.
void OnUpdaterWindowDestroyed(ui::Window&, ui::Event&) {
  if (UpdaterThreadHandle) UpdateStop.RequestStop();
}

int UpdateProgressWrites() { return g_progressWrites.load(); }
