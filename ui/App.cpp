// The window layer's program services.
#include "App.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <memory>
#include <mutex>
#include <vector>

#include "Module.h"
#include "Subclass.h"
#include "ui/base/WideText.h"
#include "Window.h"

namespace ui {

namespace {

constexpr UINT kEndProgramMessage = WM_APP + 0x100;
constexpr UINT kRunWorkMessage = WM_APP + 0x101;
constexpr UINT kPostedWorkMessage = WM_APP + 0x102;

DWORD g_windowThread = 0;
HWND g_layerWindow = nullptr;  // message-only window that takes exits from other threads
std::mutex g_cleanupLock;
std::vector<void (*)()> g_cleanups;

// Runs inside the layer window's procedure as well as in handlers: a clean-up
// that throws is reported and the others still run, and the process ends
// with the code whatever they do.
[[noreturn]] void RunCleanupsAndExit(int exitCode) noexcept {
  std::vector<void (*)()> cleanups;
  try {
    std::lock_guard<std::mutex> g(g_cleanupLock);
    cleanups.swap(g_cleanups);
  } catch (...) {
    ReportCaughtException("program clean-up");
  }
  for (auto it = cleanups.rbegin(); it != cleanups.rend(); ++it) {
    try {
      (*it)();
    } catch (...) {
      ReportCaughtException("program clean-up");
    }
  }
  ExitProcess((UINT)exitCode);
}

LRESULT CALLBACK LayerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kEndProgramMessage) RunCleanupsAndExit((int)wp);
  if (msg == kRunWorkMessage) {
    try {
      (*reinterpret_cast<const std::function<void()>*>(lp))();
    } catch (...) {
    }
    return 0;
  }
  if (msg == kPostedWorkMessage) {
    std::unique_ptr<std::function<void()>> work(reinterpret_cast<std::function<void()>*>(lp));
    try {
      (*work)();
    } catch (...) {
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

bool StartLayer() {
  if (g_windowThread) return g_layerWindow != nullptr;
  g_windowThread = GetCurrentThreadId();
  SetMessageFilter(TranslateDialogKeys);
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                               ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  static const std::wstring cls = ModuleClassName(L"TavrinLayer");
  WNDCLASSW wc = {};
  wc.lpfnWndProc = LayerProc;
  wc.hInstance = ModuleInstance();
  wc.lpszClassName = cls.c_str();
  RegisterClassW(&wc);
  g_layerWindow =
      CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  return g_layerWindow != nullptr;
}

bool InitWindowLayer() {
  static bool programStarted = false;
  if (!programStarted) {
    programStarted = true;
    SetProgramMode();
    OleInitialize(nullptr);
    SetCurrentDirectoryW(ToWide(ProgramDir()).c_str());
  }
  return StartLayer();
}

std::string ProgramDir() {
  wchar_t path[MAX_PATH * 2] = {};
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  std::wstring p(path, n);
  size_t slash = p.find_last_of(L"\\/");
  if (slash != std::wstring::npos) p.resize(slash);
  return ToGbk(p);
}

void RegisterCleanup(void (*cleanup)()) {
  std::lock_guard<std::mutex> g(g_cleanupLock);
  g_cleanups.push_back(cleanup);
}

bool OnWindowThread() { return GetCurrentThreadId() == g_windowThread; }

void EndProgram(int exitCode) {
  if (OnWindowThread() || !g_layerWindow) RunCleanupsAndExit(exitCode);
  PostMessageW(g_layerWindow, kEndProgramMessage, (WPARAM)exitCode, 0);
  for (;;) Sleep(INFINITE);
}

void RunOnWindowThread(const std::function<void()>& work) {
  if (OnWindowThread() || !g_layerWindow) {
    work();
    return;
  }
  SendMessageW(g_layerWindow, kRunWorkMessage, 0, reinterpret_cast<LPARAM>(&work));
}

bool PostToWindowThread(std::function<void()> work) {
  if (!g_layerWindow) return false;
  auto* posted = new std::function<void()>(std::move(work));
  if (PostMessageW(g_layerWindow, kPostedWorkMessage, 0, reinterpret_cast<LPARAM>(posted))) return true;
  delete posted;
  return false;
}

void EndProcessNow(int exitCode) {
  TerminateProcess(GetCurrentProcess(), (UINT)exitCode);
  for (;;) Sleep(INFINITE);
}

}  // namespace ui
