// Test program: writes its own command line (UTF-16) to a file named after its path plus ".args", then ends.
#include <windows.h>

#include <string>

int wmain() {
  wchar_t self[MAX_PATH * 2];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
  const std::wstring out = std::wstring(self, length) + L".args";
  const std::wstring line = GetCommandLineW();
  HANDLE file = CreateFileW(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(file);
  return 0;
}
