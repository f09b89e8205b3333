// Asks the probe hook library (ProbeHook.cpp), loaded into the thread of a
// window of another program, what only that program can read.
#pragma once
#include <windows.h>

#include <string>

#include "ui/base/WideText.h"
#include "ui/base/tests/support/FileBytes.h"

namespace probe {

// Loads ProbeHook.dll from this program's folder into the window's thread,
// sends the window the registered message `ask` and returns the bytes the
// library wrote; "<...>" saying what failed otherwise ("<missing>": no answer).
inline std::string AskInside(HWND window, const wchar_t* ask) {
  wchar_t folder[MAX_PATH];
  GetModuleFileNameW(nullptr, folder, MAX_PATH);
  *wcsrchr(folder, L'\\') = 0;
  HMODULE hook = LoadLibraryW((std::wstring(folder) + L"\\ProbeHook.dll").c_str());
  auto proc = (HOOKPROC)GetProcAddress(hook, "ProbeHookProc@12");
  if (!proc) proc = (HOOKPROC)GetProcAddress(hook, "ProbeHookProc");
  if (!proc) return "<no hook library>";
  wchar_t path[MAX_PATH];
  GetTempPathW(MAX_PATH, path);
  wcscat(path, L"TavrinProbe.txt");
  DeleteFileW(path);
  HHOOK h = SetWindowsHookExW(WH_CALLWNDPROC, proc, hook, GetWindowThreadProcessId(window, nullptr));
  if (!h) return "<no hook>";
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, RegisterWindowMessageW(ask), 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  UnhookWindowsHookEx(h);
  return testsupport::ReadAll(ui::ToGbk(path));
}

}  // namespace probe
