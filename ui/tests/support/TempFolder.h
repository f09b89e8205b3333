// Test helper: the temporary folder by its long name, and folders made in it.
#pragma once
#include <windows.h>

#include <string>

namespace testsupport {

// The temporary folder's long path, with its trailing backslash.
inline std::wstring TempFolder() {
  wchar_t temp[MAX_PATH] = {}, longTemp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  GetLongPathNameW(temp, longTemp, MAX_PATH);
  return longTemp;
}

// A folder of the temporary folder, created when missing; without a trailing backslash.
inline std::wstring FolderInTemp(const wchar_t* name) {
  const std::wstring folder = TempFolder() + name;
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

// Adds a file to the folder and deletes it again, as other programs and
// tests do: the folder's contents changed since anyone last listed it.
inline void AddAndDeleteAFile(const std::wstring& folder) {
  const std::wstring file = folder + (folder.back() == L'\\' ? L"" : L"\\") + L"passing-by.tmp";
  CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DeleteFileW(file.c_str());
}

}  // namespace testsupport
