// The start window's handlers: creation, toolbar, tray icon, tips, closing.
#include "main/MainWindow.h"

#include <windows.h>
#include <shellapi.h>

#include <random>

#include "main/Globals.h"
#include "main/ServiceClient.h"
#include "main/Settings.h"
#include "main/web/TextSplit.h"
#include "ui/App.h"
#include "ui/Button.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/ProgressBar.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"
#include "ui/WideText.h"

namespace {

const char kDownloadRunningQuestion[] = "视频下载进行中，您是否退出下载？\r\n\r\n退出后未下载完的文件需要重新下载！";

void ShellOpen(const std::string& target) {
  ShellExecuteW(nullptr, L"open", ui::ToWide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ClearTopmost(ui::Window* w) {
  if (!w->Topmost()) return;
  w->SetTopmost(false);
  w->Get<ui::Toolbar>("工具条").SetItemText(4, "置顶");
}

// The toolbar's 退出: asks while a download runs, else ends at once.
void ExitFromToolbar(ui::Window* w) {
  if (DownloadingFlag.Is("1")) {
    if (!ui::AskYesNo(kDownloadRunningQuestion, "温馨提示：")) return;
    w->RemoveTrayIcon();
    ui::EndProgram(0);
  }
  w->RemoveTrayIcon();
  OnStartWindowDestroyed();
  ui::EndProgram(0);
}

}  // namespace

ui::Window* MainWin() { return ui::Window::Find("MainWindow"); }

void OnStartWindowCreated(int) {
  ui::Window* w = MainWin();
  ConfigPath.Set(ui::ProgramDir() + "\\Config.ini");
  ProgramVersion.Set("1.0");
  const std::string caption = w->Caption() + "V" + ProgramVersion.Get();
  w->SetTrayIcon(caption);
  w->SetCaption(caption);
  SiteType.Set("0");
  LoadSettings();
  if (StartProgressBar) {
    StartProgressBar->Attach(w->ControlHwnd("进度条1"));
    StartProgressBar->SetColourStyle(4);
  }
  for (const char* name : {"L1", "下载按钮", "编辑框2", "保存路径按钮", "选择框1"})
    ui::Control(w->ControlHwnd(name)).SetEnabled(false);
  if (HANDLE bootstrap = CreateThread(nullptr, 0, ThreadEntryBootstrap, nullptr, 0, nullptr)) CloseHandle(bootstrap);
}

ui::CloseAnswer OnStartWindowClosing() {
  if (!DownloadingFlag.Is("1")) return ui::CloseAnswer::None;
  return ui::AskYesNo(kDownloadRunningQuestion, "温馨提示：") ? ui::CloseAnswer::MayClose : ui::CloseAnswer::KeepOpen;
}

void OnStartWindowDestroyed(int) {
  if (ui::Window* w = MainWin()) w->RemoveTrayIcon();
  if (HANDLE worker = WorkerThreadHandle.load()) TerminateThread(worker, 0);
  ui::EndProcessNow(0);
}

void ExitProgram(int) { ui::EndProgram(0); }

void OnToolbarClick(int index) {
  ui::Window* w = MainWin();
  if (!w) return;
  switch (index) {
    case 1:  // 新建任务
      ClearTopmost(w);
      break;
    case 2:  // 查看已下载
      ShellOpen(w->Get<ui::Control>("编辑框2").Text());
      break;
    case 4:  // 置顶
      if (w->Topmost()) {
        ClearTopmost(w);
      } else {
        w->Get<ui::Toolbar>("工具条").SetItemText(4, "不置顶");
        w->SetTopmost(true);
      }
      break;
    case 5:  // 使用帮助
      ShellOpen(ui::ProgramDir() + "/help/help.html");
      break;
    case 7:  // 退出
      ExitFromToolbar(w);
      break;
    default: break;
  }
}

void ToggleWindowVisible(int) {
  ui::Window* w = MainWin();
  if (w->Minimized()) {
    w->ShowNormal();
    w->SetTrayIcon(w->Caption());
  } else {
    w->HideToTray();
  }
}

void OnTrayEvent(int kind) {
  ui::Window* w = MainWin();
  if (!w) return;
  if (kind == 1) {
    w->ShowNormal();
  } else if (kind == 3) {
    w->SetForeground();
    w->PopupMenu("托盘菜单");
  }
}

std::string BuildTipTexts(const std::string& servedCount) {
  return std::string("网络视频的地址是有时效性，解析完成后请及时进行下载，必免失效！") + "|" +
         "觉得软件好用的话，别忘了分享给您的朋友哦！" + "|" +
         "软件暂不支持视频合并功能，请使用第三方视频软件进行视频合并（如QQ影音）！" + "|" +
         "目前已为您提供了 " + servedCount + " 次的视频解析服务！" + "|" +
         "软件目前仅对优酷、土豆、新浪、56、PPTV、PPS、酷6等网站支持解析服务！";
}

void ShowRandomTip(int) {
  ui::Window* w = MainWin();
  if (!w) return;
  TipTexts.Set(BuildTipTexts(ServedCount.Get()));
  const std::vector<std::string> tips = web::SplitText(TipTexts.Get(), "|");
  std::mt19937 random(GetTickCount());
  const size_t k = std::uniform_int_distribution<size_t>(1, tips.size())(random);
  w->Get<ui::StatusBar>("状态条1").SetPanelText(0, tips[k - 1]);
  w->GetTimer("状态时钟").SetInterval(std::uniform_int_distribution<int>(3000, 30000)(random));
}
