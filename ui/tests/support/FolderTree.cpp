// Test helper: chooses a folder in the system's folder dialog and confirms the choice by the dialog's tree.
//
// Wine's folder dialog matches the path it is given against its tree by
// comparing item ids byte for byte, and a file-system item id holds the
// folder's last-access time. On a disk mounted relatime, a folder whose
// contents changed since it was last listed (the temporary folder, where the
// tests write) gets a new access time when the dialog lists it; then nothing
// matches and the selection silently stays where it was. Listing the folders
// from the drive down first settles their access times, and the selection
// is confirmed by the tree's own labels before anyone presses OK.
#include "ui/tests/support/FolderTree.h"

#include <commctrl.h>
#include <shlobj.h>

#include <vector>

#include "ui/base/WideText.h"
#include "ui/base/tests/support/Pump.h"
#include "ui/base/tests/support/Utf8Text.h"

namespace testsupport {

namespace {

void ListFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  while (FindNextFileW(find, &entry)) {
  }
  FindClose(find);
}

// The path's parts after the drive: "C:\a\b" gives {"a", "b"}.
std::vector<std::wstring> PartsOf(const std::wstring& path) {
  std::vector<std::wstring> parts;
  size_t start = path.find(L'\\');
  while (start != std::wstring::npos && start + 1 < path.size()) {
    const size_t end = path.find(L'\\', start + 1);
    parts.push_back(path.substr(start + 1, end == std::wstring::npos ? std::wstring::npos : end - start - 1));
    start = end;
  }
  return parts;
}

HWND TreeOf(HWND dialog) { return FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr); }

std::wstring LabelOf(HWND tree, HTREEITEM item) {
  wchar_t text[MAX_PATH] = {};
  TVITEMW tv = {};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = MAX_PATH;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  return text;
}

// The labels of the selected item and its parents, the root's first.
std::vector<std::wstring> SelectedLabels(HWND tree) {
  std::vector<std::wstring> labels;
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  for (; item; item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_PARENT, (LPARAM)item)))
    labels.insert(labels.begin(), LabelOf(tree, item));
  return labels;
}

// The last two labels are the folder's name and its parent's: the rest of
// the tree (desktop, computer, drive) is named by the system.
bool EndsWithFolder(const std::vector<std::wstring>& labels, const std::vector<std::wstring>& parts) {
  if (labels.size() < 2 || parts.size() < 2) return false;
  return labels.back() == parts.back() && labels[labels.size() - 2] == parts[parts.size() - 2];
}

}  // namespace

void ListFoldersDownTo(const std::wstring& folder) {
  std::wstring path = folder.substr(0, 2);  // "C:"
  ListFolder(path);
  for (const std::wstring& part : PartsOf(folder)) {
    path += L"\\" + part;
    ListFolder(path);
  }
}

bool FolderTreeReady(HWND dialog) {
  HWND tree = TreeOf(dialog);
  return tree && SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0) != 0;
}

std::string SelectInFolderTree(HWND dialog, const std::wstring& folder) {
  HWND tree = TreeOf(dialog);
  const std::vector<std::wstring> parts = PartsOf(folder);
  std::vector<std::wstring> labels;
  const bool selected = PollUntil([&] {
    ListFoldersDownTo(folder);
    SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
    labels = SelectedLabels(tree);
    return EndsWithFolder(labels, parts);
  });
  if (selected) return {};
  std::wstring shown = labels.empty() ? L"nothing" : L"";
  for (const std::wstring& label : labels) shown += L"\\" + label;
  return GaveUpWaitingFor("the folder tree to select " + GbkToUtf8(ui::ToGbk(folder)) + "; it selected " +
                          GbkToUtf8(ui::ToGbk(shown)));
}

}  // namespace testsupport
