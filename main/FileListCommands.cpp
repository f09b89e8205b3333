// The file list's commands: its pop-up menu 操作菜单, 全选, and the choice of the save folder.
#include "main/FileListCommands.h"

#include <windows.h>

#include "main/ConfigFile.h"
#include "main/DownloadQueuePlan.h"
#include "main/FileName.h"
#include "main/Globals.h"
#include "main/PlayerLink.h"
#include "main/web/WebAddress.h"
#include "ui/App.h"
#include "ui/CheckBox.h"
#include "ui/ClipboardText.h"
#include "ui/FolderDialog.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/ShellOpen.h"

namespace {

constexpr int kNameColumn = 1;
constexpr int kAddressColumn = 2;
constexpr int kStatusColumn = 4;
constexpr int kPageColumn = 5;

ui::ListView List(const ui::Window& w) { return w.Get<ui::ListView>("L1"); }
std::string SaveFolder(const ui::Window& w) { return w.Get<ui::Control>("编辑框2").Text(); }

// True while the folder dialog is up or the focus it gives back is still on its way.
bool g_choosingFolder = false;

}  // namespace

void OnFileListEvent(ui::Window& w, ui::Event& e) {
  if (e.type == ui::EventType::RightClick) OnListRightClick(w, e);
}

void OnListRightClick(ui::Window& w, ui::Event&) {
  const ui::ListView list = List(w);
  const int row = list.SelectedRow();
  if (row >= 0) w.SetMenuItemEnabled("操作菜单", "打开文件", list.Cell(row, kStatusColumn) == kDownloadedText);
  w.PopupMenu("操作菜单");
}

void OpenDownloadedFile(ui::Window& w, ui::Event&) {
  const ui::ListView list = List(w);
  const int row = list.SelectedRow();
  if (row < 0) return;
  if (list.Cell(row, kStatusColumn) == kDownloadedText)
    ui::ShellOpen(PathInFolder(SaveFolder(w), list.Cell(row, kNameColumn)));
  else
    ui::ShowMessage(kNotDownloadedText, kNotDownloadedTitle, MB_OK);
}

void OpenSaveFolder(ui::Window& w, ui::Event&) { ui::ShellOpen(SaveFolder(w)); }

// The player blocks this thread until its window closes; the start window is
// disabled meanwhile, so that a second player cannot be started from it.
void PlaySelectedRow(ui::Window& w, ui::Event&) {
  const ui::ListView list = List(w);
  const int row = list.SelectedRow();
  if (row < 0) return;
  const std::string title = list.Cell(row, kNameColumn);
  const std::string address = list.Cell(row, kAddressColumn);
  EnableWindow(w.Hwnd(), FALSE);
  StartPlayer(title, address);
  EnableWindow(w.Hwnd(), TRUE);
}

void CopyVideoUrl(ui::Window& w, ui::Event&) {
  const ui::ListView list = List(w);
  const int row = list.SelectedRow();
  if (row >= 0) ui::WriteClipboardText(w.Hwnd(), list.Cell(row, kAddressColumn));
}

// The page address came from outside (a drop, the clipboard, the link
// finder): only a web address is handed to the shell.
void OpenSourcePage(ui::Window& w, ui::Event&) {
  const ui::ListView list = List(w);
  const int row = list.SelectedRow();
  if (row < 0) return;
  const std::string page = web::OpenableWebAddress(list.Cell(row, kPageColumn));
  if (!page.empty()) ui::ShellOpen(page);
}

void DeleteRow(ui::Window& w, ui::Event&) {
  const ui::ListView list = List(w);
  const int row = list.SelectedRow();
  if (row >= 0) list.DeleteRow(row);
}

void OnSelectAll(ui::Window& w, ui::Event&) {
  const bool on = w.Get<ui::CheckBox>("选择框1").Checked();
  const ui::ListView list = List(w);
  for (int row = 0; row < list.RowCount(); ++row) {
    if (list.RowChecked(row) != on) list.SetRowChecked(row, on);
    ui::PumpPendingMessages();
  }
}

void ChooseSaveFolder(ui::Window& w, ui::Event&) {
  if (g_choosingFolder) return;
  g_choosingFolder = true;
  // The focus goes back where the window last had it when the dialog closes:
  // not the box, which would ask again.
  if (GetFocus() == w.ControlHwnd("编辑框2")) SetFocus(w.ControlHwnd("保存路径按钮"));
  std::string folder = ui::ChooseFolder(w.Hwnd(), kFolderDialogTitle);
  // A drive's root comes with its backslash; the box and the setting keep
  // the folder without it, so that one backslash follows it in the box.
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  if (!folder.empty()) {
    w.Get<ui::Control>("编辑框2").SetText(folder + "\\");
    WriteConfigValue(ConfigPath.Get(), "视频下载", "Down", folder);
  }
  // Focus that still arrives from the dialog's end does not open it again.
  ui::PumpPendingMessages();
  if (GetFocus() == w.ControlHwnd("编辑框2")) SetFocus(w.ControlHwnd("保存路径按钮"));
  ui::PumpPendingMessages();
  g_choosingFolder = false;
}

void OnSaveFolderEdit(ui::Window& w, ui::Event& e) {
  if (e.type == ui::EventType::Focus) ChooseSaveFolder(w, e);
}
