// The start window's file list after a parse: new rows from a reply, each with its size probe.
#pragma once
#include <cstddef>
#include <string>

// The most rows one reply adds; entries after them are left out.
inline constexpr size_t kMaxFillRows = 5000;

// Adds a row per entry of the reply (entries separated by "$$") to the start
// window's list L1, after its first row, in one step: names them from the
// page title, each unique among the rows and the files of the save folder,
// asks for each row's size (see StartSizeProbe), tells the number of files on
// the progress bar and offers the list's controls back; while a download run
// holds the list, the controls stay locked and the bar keeps showing the run.
// Of a reply of more than kMaxFillRows entries only the first kMaxFillRows
// become rows, and the bar says so. An empty reply disables 下载按钮. Window
// thread only.
void FillFileList(const std::string& reply, const std::string& pageTitle, const std::string& pageAddress);
