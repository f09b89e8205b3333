// The system's folder picker.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

// Shows the folder browse dialog (file-system folders only) with the GBK
// title above its tree and returns the chosen folder's path as GBK, without
// a trailing backslash except for a drive's root; empty when cancelled or
// when the choice is not a file-system folder.
std::string ChooseFolder(HWND owner, const std::string& title);

}  // namespace ui
