// The folder picker through SHBrowseForFolderW.
#include "FolderDialog.h"

#include <shlobj.h>

#include "ui/base/WideText.h"

namespace ui {

std::string ChooseFolder(HWND owner, const std::string& title) {
  const std::wstring wideTitle = ToWide(title);
  wchar_t displayName[MAX_PATH] = {};
  BROWSEINFOW info = {};
  info.hwndOwner = owner;
  info.pszDisplayName = displayName;
  info.lpszTitle = wideTitle.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (!chosen) return {};
  wchar_t path[MAX_PATH] = {};
  const bool isFolder = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  return isFolder ? ToGbk(path) : std::string();
}

}  // namespace ui
