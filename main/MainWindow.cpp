// The start window's handlers: creation, toolbar, tray icon, tips, closing.
#include "main/MainWindow.h"

#include <windows.h>

#include <random>

#include "main/FileListCommands.h"
#include "main/FileListOwner.h"
#include "main/Globals.h"
#include "main/ParseWindow.h"
#include "main/ServiceClient.h"
#include "main/Settings.h"
#include "web/TextSplit.h"
#include "ui/App.h"
#include "ui/EditBox.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/ProgressBar.h"
#include "ui/ShellOpen.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"

namespace {

const char kDownloadRunningQuestion[] = "视频下载进行中，您是否退出下载？\r\n\r\n退出后未下载完的文件需要重新下载！";

// The toolbar item whose text says what a click on it does to the topmost state.
constexpr int kTopmostItem = 4;

void ClearTopmost(ui::Window& w) {
  if (!w.Topmost()) return;
  w.SetTopmost(false);
  w.Get<ui::Toolbar>(kToolbar).SetItemText(kTopmostItem, "置顶");
}

// Removes the tray icon, stops the running worker and ends the process at once.
[[noreturn]] void EndWithStartWindow(ui::Window& w) {
  w.RemoveTrayIcon();
  const ui::WorkerThread worker = WorkerThreadHandle.Get();
  if (worker && !worker.Ended()) TerminateThread(worker.Handle(), 0);
  ui::EndProcessNow(0);
}

}  // namespace

ui::Window* MainWin() { return ui::Window::Find(MainWindowForm.name); }

void OnStartWindowCreated(ui::Window& w, ui::Event&) {
  ConfigPath.Set(ui::ProgramDir() + "\\Config.ini");
  ProgramVersion.Set("1.0");
  const std::string caption = w.Caption() + "V" + ProgramVersion.Get();
  w.SetCaption(caption);
  SiteType.Set("0");
  const Settings settings = LoadSettings(ConfigPath.Get());
  w.Get<ui::EditBox>(kSaveFolderBox).SetText(settings.saveFolder);
  if (StartProgressBar) {
    StartProgressBar->Attach(w.ControlHwnd(kProgressBar));
    StartProgressBar->SetColourStyle(4);
  }
  WithholdListControls();
  StartBootstrap();
  // The tray icon comes last: reading the machine id takes the window's
  // messages for up to 15 s, and a tray click meanwhile would show the window
  // half made.
  w.SetTrayIcon(caption);
}

ui::CloseAnswer OnStartWindowClosing(ui::Window&) {
  if (!DownloadingFlag.Is("1")) return ui::CloseAnswer::None;
  return ui::AskYesNo(kDownloadRunningQuestion, "温馨提示：") ? ui::CloseAnswer::MayClose : ui::CloseAnswer::KeepOpen;
}

void OnStartWindowDestroyed(ui::Window& w, ui::Event&) { EndWithStartWindow(w); }

void ExitProgram() { ui::EndProgram(0); }
void OnLogOffItem(ui::Window&, ui::Event&) { ExitProgram(); }

// Until the bootstrap has found the service, a parse would have no address
// to ask: the user is told to try again in a moment.
void OnNewTaskItem(ui::Window& w, ui::Event&) {
  if (ServiceAddressPending()) {
    ui::ShowMessage(kServiceNotReadyText, "温馨提示：", MB_OK | MB_ICONINFORMATION);
    return;
  }
  ClearTopmost(w);
  ShowParseWindow(&w);
}

void OnViewDownloadsItem(ui::Window& w, ui::Event&) { OpenInSaveFolder(w.Get<ui::Control>(kSaveFolderBox).Text()); }

void OnTopmostItem(ui::Window& w, ui::Event&) {
  if (w.Topmost()) {
    ClearTopmost(w);
  } else {
    w.Get<ui::Toolbar>(kToolbar).SetItemText(kTopmostItem, "不置顶");
    w.SetTopmost(true);
  }
}

void OnHelpItem(ui::Window&, ui::Event&) { ui::ShellOpen(ui::ProgramDir() + "/help/help.html"); }

// The toolbar's 退出: asks while a download runs, else ends at once.
void OnExitItem(ui::Window& w, ui::Event&) {
  if (DownloadingFlag.Is("1")) {
    if (!ui::AskYesNo(kDownloadRunningQuestion, "温馨提示：")) return;
    w.RemoveTrayIcon();
    ui::EndProgram(0);
  }
  EndWithStartWindow(w);
}

void ToggleWindowVisible(ui::Window& w) {
  if (w.Minimized()) {
    w.ShowNormal();
    w.SetTrayIcon(w.Caption());
  } else {
    w.HideToTray();
  }
}

void OnShowHideItem(ui::Window& w, ui::Event&) { ToggleWindowVisible(w); }

void OnTrayEvent(ui::Window& w, ui::Event& e) {
  if (e.Tray() == ui::TrayClick) {
    w.ShowNormal();
  } else if (e.Tray() == ui::TrayMenu) {
    w.SetForeground();
    w.PopupMenu(kTrayMenu);
  }
}

std::string BuildTipTexts(const std::string& servedCount) {
  return std::string("网络视频的地址是有时效性，解析完成后请及时进行下载，必免失效！") + "|" +
         "觉得软件好用的话，别忘了分享给您的朋友哦！" + "|" +
         "软件暂不支持视频合并功能，请使用第三方视频软件进行视频合并（如QQ影音）！" + "|" + "目前已为您提供了 " +
         servedCount + " 次的视频解析服务！" + "|" +
         "软件目前仅对优酷、土豆、新浪、56、PPTV、PPS、酷6等网站支持解析服务！";
}

void OnTipTimer(ui::Window& w, ui::Event&) { ShowRandomTip(w); }

void ShowRandomTip(ui::Window& w) {
  TipTexts.Set(BuildTipTexts(ServedCount.Get()));
  const std::vector<std::string> tips = web::SplitText(TipTexts.Get(), "|");
  std::mt19937 random(GetTickCount());
  const size_t k = std::uniform_int_distribution<size_t>(1, tips.size())(random);
  w.Get<ui::StatusBar>(kStatusBar).SetPanelText(0, tips[k - 1]);
  w.GetTimer(kTipTimer).SetInterval(std::uniform_int_distribution<int>(3000, 30000)(random));
}
