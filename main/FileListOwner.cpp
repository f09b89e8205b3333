// The one owner of the start window's file list: rows by identity, one window-thread step per read or write, the lock of the five controls.
#include "main/FileListOwner.h"

#include <windows.h>

#include <atomic>
#include <map>

#include "main/FileName.h"
#include "main/MainWindow.h"
#include "ui/App.h"
#include "ui/ListView.h"
#include "ui/base/WideText.h"

namespace {

const char* const kListControls[] = {kFileList, kDownloadButton, kSaveFolderBox, kSaveFolderButton, kSelectAllBox};

std::atomic<std::intptr_t> g_nextRowId{1};

// Window thread only, like everything below that touches them.
bool g_runHoldsList = false;
std::map<std::intptr_t, std::string> g_filesOfRows;

// Runs `step` with the list on the window thread; false when the start window is gone.
bool WithList(const std::function<void(const ui::ListView& list)>& step) {
  bool found = false;
  ui::RunOnWindowThread([&] {
    ui::Window* main = MainWin();
    if (!main) return;
    found = true;
    step(main->Get<ui::ListView>(kFileList));
  });
  return found;
}

FileRow RowAt(const ui::ListView& list, int index) {
  FileRow row;
  row.id = list.RowId(index);
  row.checked = list.RowChecked(index);
  for (int column = 0; column < kFileListColumnCount; ++column) row.cells[column] = list.Cell(index, column);
  return row;
}

void SetListControlsEnabled(bool on) {
  ui::RunOnWindowThread([on] {
    if (ui::Window* main = MainWin())
      for (const char* name : kListControls) main->Get<ui::Control>(name).SetEnabled(on);
  });
}

bool PathExists(const std::string& path) {
  return GetFileAttributesW(ui::ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::intptr_t NewRowId() { return g_nextRowId++; }

bool WithFileRow(std::intptr_t id, const std::function<void(const ui::ListView& list, int index)>& step) {
  bool found = false;
  WithList([&](const ui::ListView& list) {
    const int index = list.FindRow(id);
    if (index < 0) return;
    found = true;
    step(list, index);
  });
  return found;
}

bool ReadFileRow(std::intptr_t id, FileRow& row) {
  return WithFileRow(id, [&](const ui::ListView& list, int index) { row = RowAt(list, index); });
}

bool WriteFileCell(std::intptr_t id, FileListColumn column, const std::string& text) {
  return WithFileRow(id, [&](const ui::ListView& list, int index) { list.SetCell(index, column, text); });
}

std::vector<FileRow> ReadFileRows() {
  std::vector<FileRow> rows;
  WithList([&](const ui::ListView& list) {
    for (int index = 0; index < list.RowCount(); ++index) rows.push_back(RowAt(list, index));
  });
  return rows;
}

bool ReadSelectedRow(FileRow& row) {
  bool found = false;
  WithList([&](const ui::ListView& list) {
    const int index = list.SelectedRow();
    if (index < 0) return;
    found = true;
    row = RowAt(list, index);
  });
  return found;
}

void DeleteFileRow(std::intptr_t id) {
  ui::RunOnWindowThread([&] {
    WithFileRow(id, [](const ui::ListView& list, int index) { list.DeleteRow(index); });
    g_filesOfRows.erase(id);
  });
}

std::string CurrentSaveFolder() {
  std::string folder;
  ui::RunOnWindowThread([&] {
    if (ui::Window* main = MainWin()) folder = main->Get<ui::Control>(kSaveFolderBox).Text();
  });
  return folder;
}

bool FileNameTaken(const std::string& folder, const std::string& name, std::intptr_t except) {
  bool taken = false;
  WithList([&](const ui::ListView& list) {
    for (int index = 0; index < list.RowCount() && !taken; ++index)
      taken = (except == 0 || list.RowId(index) != except) && SameFileName(list.Cell(index, kNameColumn), name);
  });
  return taken || PathExists(PathInFolder(folder, name));
}

FreeNames::FreeNames(const std::string& folder) : folder_(folder) {
  WithList([&](const ui::ListView& list) {
    for (int index = 0; index < list.RowCount(); ++index) taken_.insert(FileNameKey(list.Cell(index, kNameColumn)));
  });
}

std::string FreeNames::Take(const std::string& name) {
  const std::string free = UniqueFileName(name, [&](const std::string& candidate) {
    return taken_.count(FileNameKey(candidate)) || PathExists(PathInFolder(folder_, candidate));
  });
  taken_.insert(FileNameKey(free));
  return free;
}

std::string ClaimSavePath(std::intptr_t id, const std::string& folder, std::string* nameOut) {
  std::string path;
  WithFileRow(id, [&](const ui::ListView& list, int index) {
    std::string name = list.Cell(index, kNameColumn);
    path = PathInFolder(folder, name);
    const auto own = g_filesOfRows.find(id);
    if (PathExists(path) && !(own != g_filesOfRows.end() && SameFileName(own->second, path))) {
      name = UniqueFileName(name, [&](const std::string& candidate) { return FileNameTaken(folder, candidate, id); });
      list.SetCell(index, kNameColumn, name);
      path = PathInFolder(folder, name);
    }
    g_filesOfRows[id] = path;
    if (nameOut) *nameOut = name;
  });
  return path;
}

bool DownloadRunHoldsList() {
  bool holds = false;
  ui::RunOnWindowThread([&] { holds = g_runHoldsList; });
  return holds;
}

bool TakeListForRun() {
  bool taken = false;
  ui::RunOnWindowThread([&] {
    if (g_runHoldsList) return;
    g_runHoldsList = taken = true;
    SetListControlsEnabled(false);
  });
  return taken;
}

void GiveListBack() {
  ui::RunOnWindowThread([] {
    g_runHoldsList = false;
    SetListControlsEnabled(true);
  });
}

void WithholdListControls() { SetListControlsEnabled(false); }

void OfferListControls() {
  ui::RunOnWindowThread([] {
    if (!g_runHoldsList) SetListControlsEnabled(true);
  });
}
