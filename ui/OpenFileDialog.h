// The system's open-file dialog.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

// Shows the open-file dialog with the GBK title and filter and returns the
// chosen file's full path as GBK; empty when cancelled. The filter is
// written "description|patterns|description|patterns" (patterns separated
// by ";"); a description without patterns at the end is dropped. The chosen
// file must exist, and the program's current directory is left unchanged.
std::string ChooseOpenFile(HWND owner, const std::string& title, const std::string& filter);

// The filter in the dialog's own form: each description and its patterns
// ended by a zero, and one more zero at the end.
std::wstring DialogFilter(const std::string& filter);

}  // namespace ui
