// The updater's start window: reading the update list, the update worker with its progress, and the ways out.
#include "updater/UpdaterWindow.h"

#include <memory>
#include <vector>

#include "web/WebRequest.h"
#include "ui/App.h"
#include "ui/Control.h"
#include "ui/MessageBox.h"
#include "updater/CommandLine.h"
#include "updater/Processes.h"
#include "updater/UpdateProgressText.h"
#include "updater/UpdateWorker.h"
#include "updater/UpdaterGlobals.h"

namespace {

const char kNeedsMainProgram[] = "升级程序需要主程序调用才能使用！";
const char kCannotStartUpdate[] = "无法开始更新，请稍后重试！";
const char kCannotStartProgram[] = "文件已更新，但主程序无法启动，请手动启动！";
// A worker whose work fails ends with what a broken download says.
const char kUpdateBroken[] = "网络中断，需要手动重新启动升级程序！";
const char kTitle[] = "温馨提示：";

// What the worker thread owns: its copy of the plan and of the bar object, and
// the label it writes. Nothing here is freed by the window thread, so the
// worker may outlive the window.
struct UpdateJob {
  std::vector<updater::UpdateItem> items;
  std::unique_ptr<skin::CrystalProgressBar> bar;
  HWND label = nullptr;  // 标签2
};

// 标签2 in two steps (the size, then the label's text with the received part added) and the bar.
void ShowUpdateProgress(const UpdateJob& job, int64_t total, int64_t received) {
  const ui::Control label(job.label);
  label.SetText(updater::SizeLabelText(total));
  label.SetText(updater::ReceivedLabelText(label.Text(), received));
  job.bar->SetPos(updater::BarPosition(total, received));
}

void DestroyUpdaterWindow() {
  if (ui::Window* w = ui::Window::Find(UpdaterWindowForm.name)) DestroyWindow(w->Hwnd());
}

// On the window thread: the message, then 退出 is the way out.
void TellAndOfferExit(const char* text) {
  ui::ShowMessage(text, kTitle, MB_OK);
  if (ui::Window* w = ui::Window::Find(UpdaterWindowForm.name)) w->Get<ui::Control>(kExitButton).SetEnabled(true);
}

void RunUpdateJob(UpdateJob& job) {
  const updater::UpdateOutcome outcome = updater::UpdateWorker(
      job.items, UpdateStop,
      [&job](int64_t total, int64_t received, int64_t, int64_t) { ShowUpdateProgress(job, total, received); },
      [&job](int number) { job.bar->SetText(5, updater::FileNumberText(number)); });
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
}

void StartUpdate(ui::Window& w, ui::Event&) {
  const ui::Control start = w.Get<ui::Control>(kStartButton);
  w.Get<ui::Control>(kExitButton).SetEnabled(false);
  start.SetEnabled(false);
  start.SetText("正在更新");
  auto job = std::make_shared<UpdateJob>();
  job->items = updater::PlanUpdate(UpdateFiles, UpdateBaseAddress, ui::ProgramDir());
  job->bar = UpdateBar->Copy();
  job->label = w.ControlHwnd(kProgressLabel);
  UpdaterThreadHandle = ui::WorkerThread::Start(
      [job] { RunUpdateJob(*job); }, [] { ui::PostToWindowThread([] { TellAndOfferExit(kUpdateBroken); }); });
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
