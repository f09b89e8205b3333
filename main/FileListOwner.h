// The one owner of the start window's file list L1: its rows by identity, the lock of its five controls and whether a download run holds it.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

#include "main/FileListColumns.h"

namespace ui {
class ListView;
}

// A row read whole in one step.
struct FileRow {
  std::intptr_t id = 0;
  bool checked = false;
  std::string cells[kFileListColumnCount];
  const std::string& operator[](FileListColumn column) const { return cells[column]; }
};

// Every function here may be called from any thread. Its work is one step
// on the window thread (a worker waits for it there), so a row found by its
// identity is read or written in the same step, whatever fills and deletes
// come between two steps. Without the start window nothing is found.

// A new row identity, never given twice in the program's life.
std::intptr_t NewRowId();

// Runs `step` with the list and the row's index now; false, without running
// it, when the row is gone.
bool WithFileRow(std::intptr_t id, const std::function<void(const ui::ListView& list, int index)>& step);
// The row whole; false when it is gone.
bool ReadFileRow(std::intptr_t id, FileRow& row);
// One cell of the row; false when the row is gone.
bool WriteFileCell(std::intptr_t id, FileListColumn column, const std::string& text);
// Every row, first to last.
std::vector<FileRow> ReadFileRows();
// The selected row whole; false when none is selected.
bool ReadSelectedRow(FileRow& row);
// Deletes the row, with what the list kept about it.
void DeleteFileRow(std::intptr_t id);

// The save folder as the box 编辑框2 holds it now.
std::string CurrentSaveFolder();
// True when a row other than `except` (0: any row) has the name (ASCII
// letters in any case) or a file or folder of that name lies in the folder.
bool FileNameTaken(const std::string& folder, const std::string& name, std::intptr_t except = 0);
// The names a fill gives its new rows. The rows' names are read once, when
// it is made, so that naming thousands of rows sends no window message per
// name. A name is free when no row had it then or took it from here since
// (ASCII letters in any case) and no file or folder of that name lies in the
// folder.
class FreeNames {
 public:
  explicit FreeNames(const std::string& folder);
  // The name when it is free, else the first free one of "stem (2).ext",
  // "stem (3).ext", ...; taken from now on.
  std::string Take(const std::string& name);

 private:
  std::string folder_;
  std::unordered_set<std::string> taken_;  // FileNameKey of each
};

// The path in the folder that the row's download writes to, as the folder
// is now. A file of the row's name there that the row's own download did not
// create is left alone: the row gets the first free name " (2)", " (3)", ...
// in its name cell instead. From now on the file at the path is the row's,
// so a later attempt of the row replaces it. Empty when the row is gone;
// `name`, when given, receives the row's name as it is then.
std::string ClaimSavePath(std::intptr_t id, const std::string& folder, std::string* name = nullptr);

// The five controls the list is worked with: L1, 下载按钮, 编辑框2,
// 保存路径按钮 and 选择框1, always in this order. A download run holds the
// list from its start to its end with the five locked; meanwhile nothing
// else unlocks them and no second run can take the list.
bool DownloadRunHoldsList();
// Takes the list for a run and locks the five; false when a run holds it.
bool TakeListForRun();
// The run's end: the list is free and the five are enabled.
void GiveListBack();
// At start: the five stay disabled until the first fill offers them.
void WithholdListControls();
// After a fill: the five are enabled unless a run holds the list.
void OfferListControls();
