// The built Play.dll: its export is found by the GBK name and by ordinal 1,
// opens the player window for the title and returns when it is closed.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "ui/base/tests/support/Pump.h"

namespace {

using StartPlayback = int32_t(__stdcall*)(const char*, const char*, int32_t);

std::wstring TextOf(HWND hwnd) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  return text;
}

BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
  reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(TextOf(child));
  return TRUE;
}

bool HasChildText(HWND window, const std::wstring& text) {
  std::vector<std::wstring> texts;
  EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
  for (const auto& t : texts)
    if (t == text) return true;
  return false;
}

TEST(PlayExport, OpensThePlayerWindowAndReturnsWhenItCloses) {
  OleInitialize(nullptr);
  const char* path = std::getenv("TAVRIN_PLAY_DLL");
  ASSERT_NE(path, nullptr);
  HMODULE library = LoadLibraryA(path);
  ASSERT_NE(library, nullptr) << path << " error " << GetLastError();
  FARPROC byName = GetProcAddress(library, "\xC6\xF4\xB6\xAF\xB2\xA5\xB7\xC5");
  ASSERT_NE(byName, nullptr);
  EXPECT_EQ(byName, GetProcAddress(library, MAKEINTRESOURCEA(1)));

  // With no Flash control here nothing answers: the status is "stopped".
  bool sawWindow = false, sawStatus = false;
  std::thread user([&] {
    HWND window = nullptr;
    sawWindow = testsupport::PollUntil([&] { return (window = FindWindowW(nullptr, L"正在播放 样片.flv")) != nullptr; });
    if (!window) return;
    sawStatus = testsupport::PollUntil([&] { return HasChildText(window, L"停止播放 样片.flv"); });
    // The pause that lets a screenshot be taken of the window.
    if (const char* hold = std::getenv("TAVRIN_HOLD_PLAYER_MS")) Sleep(std::atoi(hold));
    PostMessageW(window, WM_CLOSE, 0, 0);
  });
  // The callee removes its 12 bytes of arguments: the stack pointer is the same after the call.
  auto call = reinterpret_cast<StartPlayback>(byName);
  uintptr_t before = 0, after = 0;
  asm volatile("mov %%esp, %0" : "=r"(before));
  call("样片.flv", "http://127.0.0.1:1/a.flv", 0);
  asm volatile("mov %%esp, %0" : "=r"(after));
  user.join();
  EXPECT_EQ(before, after);
  EXPECT_TRUE(sawWindow);
  EXPECT_TRUE(sawStatus);
}

}  // namespace
