// The file list's commands: its pop-up menu 操作菜单, 全选, and the choice of the save folder.
#include "main/FileListCommands.h"

#include <windows.h>

#include "main/ConfigFile.h"
#include "main/DownloadQueuePlan.h"
#include "main/FileListOwner.h"
#include "main/FileName.h"
#include "main/Globals.h"
#include "main/MainWindowForm.h"
#include "main/PlayerLink.h"
#include "web/WebAddress.h"
#include "ui/App.h"
#include "ui/CheckBox.h"
#include "ui/ClipboardText.h"
#include "ui/FolderDialog.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/ShellOpen.h"
#include "ui/base/WideText.h"

namespace {

// True while the folder dialog is up or the focus it gives back is still on its way.
bool g_choosingFolder = false;

}  // namespace

void OnListRightClick(ui::Window& w, ui::Event&) {
  FileRow row;
  if (ReadSelectedRow(row)) w.SetMenuItemEnabled(kListMenu, kOpenFileItem, row[kStatusColumn] == kDownloadedText);
  w.PopupMenu(kListMenu);
}

void OpenDownloadedFile(ui::Window&, ui::Event&) {
  FileRow row;
  if (!ReadSelectedRow(row)) return;
  if (row[kStatusColumn] == kDownloadedText)
    OpenInSaveFolder(CurrentSaveFolder(), row[kNameColumn]);
  else
    ui::ShowMessage(kNotDownloadedText, kNotDownloadedTitle, MB_OK);
}

void OpenSaveFolder(ui::Window&, ui::Event&) { OpenInSaveFolder(CurrentSaveFolder()); }

void OpenInSaveFolder(const std::string& folder, const std::string& name) {
  const DWORD attributes = GetFileAttributesW(ui::ToWide(folder).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  ui::ShellOpen(name.empty() ? folder : PathInFolder(folder, name));
}

// The player blocks this thread until its window closes; the start window is
// disabled meanwhile, so that a second player cannot be started from it.
void PlaySelectedRow(ui::Window& w, ui::Event&) {
  FileRow row;
  if (!ReadSelectedRow(row)) return;
  EnableWindow(w.Hwnd(), FALSE);
  StartPlayer(row[kNameColumn], row[kAddressColumn]);
  EnableWindow(w.Hwnd(), TRUE);
}

void CopyVideoUrl(ui::Window& w, ui::Event&) {
  FileRow row;
  if (ReadSelectedRow(row)) ui::WriteClipboardText(w.Hwnd(), row[kAddressColumn]);
}

// The page address came from outside (a drop, the clipboard, the link
// finder): only a web address is handed to the shell.
void OpenSourcePage(ui::Window&, ui::Event&) {
  FileRow row;
  if (!ReadSelectedRow(row)) return;
  const std::string page = web::OpenableWebAddress(row[kPageColumn]);
  if (!page.empty()) ui::ShellOpen(page);
}

void DeleteRow(ui::Window&, ui::Event&) {
  FileRow row;
  if (ReadSelectedRow(row)) DeleteFileRow(row.id);
}

// The rows follow the box in one step, which takes moments even for
// thousands of rows: no 下载, fill or 删除数据 comes between two rows, and a
// second click comes after the first has ended.
void OnSelectAll(ui::Window& w, ui::Event&) {
  const bool on = w.Get<ui::CheckBox>(kSelectAllBox).Checked();
  const ui::ListView list = w.Get<ui::ListView>(kFileList);
  for (int row = 0; row < list.RowCount(); ++row)
    if (list.RowChecked(row) != on) list.SetRowChecked(row, on);
}

void ChooseSaveFolder(ui::Window& w, ui::Event&) {
  if (g_choosingFolder) return;
  g_choosingFolder = true;
  // The focus goes back where the window last had it when the dialog closes:
  // not the box, which would ask again.
  if (GetFocus() == w.ControlHwnd(kSaveFolderBox)) SetFocus(w.ControlHwnd(kSaveFolderButton));
  std::string folder = ui::ChooseFolder(w.Hwnd(), kFolderDialogTitle);
  // A drive's root comes with its backslash; the box and the setting keep
  // the folder without it, so that one backslash follows it in the box.
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  if (!folder.empty()) {
    w.Get<ui::Control>(kSaveFolderBox).SetText(folder + "\\");
    WriteConfigValue(ConfigPath.Get(), "视频下载", "Down", folder);
  }
  // Focus that still arrives from the dialog's end does not open it again.
  ui::PumpPendingMessages();
  if (GetFocus() == w.ControlHwnd(kSaveFolderBox)) SetFocus(w.ControlHwnd(kSaveFolderButton));
  ui::PumpPendingMessages();
  g_choosingFolder = false;
}
