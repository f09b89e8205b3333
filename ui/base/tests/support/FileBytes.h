// Whole files as bytes, for tests that compare what landed on disk.
#pragma once
#include <windows.h>

#include <string>

#include "ui/base/WideText.h"

namespace testsupport {

// The file's bytes, or "<missing>" when it cannot be opened.
inline std::string ReadAll(const std::string& path) {
  HANDLE f = CreateFileW(ui::ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return "<missing>";
  std::string out;
  char piece[65536];
  DWORD got = 0;
  while (ReadFile(f, piece, sizeof piece, &got, nullptr) && got > 0) out.append(piece, got);
  CloseHandle(f);
  return out;
}

// Replaces the file with the bytes; false when it cannot be written whole.
inline bool WriteAll(const std::string& path, const std::string& bytes) {
  HANDLE f = CreateFileW(ui::ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  return ok && written == bytes.size();
}

}  // namespace testsupport
