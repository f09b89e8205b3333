// Test helper: chooses a folder in the system's folder dialog and confirms the choice by the dialog's tree.
#pragma once
#include <windows.h>

#include <string>

namespace testsupport {

// Lists every folder from the drive's root down to the folder itself.
void ListFoldersDownTo(const std::wstring& folder);

// The dialog's folder tree is there and shows its top.
bool FolderTreeReady(HWND dialog);

// Selects the folder in the dialog (BFFM_SETSELECTIONW) and waits until the
// tree's selected item is that folder. Empty then; else what the tree had
// selected when the wait gave up (UTF-8), for the test's message.
std::string SelectInFolderTree(HWND dialog, const std::wstring& folder);

}  // namespace testsupport
