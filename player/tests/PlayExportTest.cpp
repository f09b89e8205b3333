// The built Play.dll: its export table holds one export, ordinal 1, named by
// the GBK text; the export opens the player window for the title and returns
// when it is closed.
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

const char kExportName[] = "\xC6\xF4\xB6\xAF\xB2\xA5\xB7\xC5";  // 启动播放

HMODULE LoadPlayLibrary() {
  const char* path = std::getenv("TAVRIN_PLAY_DLL");
  if (!path) {
    ADD_FAILURE() << "TAVRIN_PLAY_DLL names no library";
    return nullptr;
  }
  HMODULE library = LoadLibraryA(path);
  if (!library) ADD_FAILURE() << path << " error " << GetLastError();
  return library;
}

// The export directory of a loaded module, as the loader reads it.
const IMAGE_EXPORT_DIRECTORY* ExportsOf(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (entry.VirtualAddress == 0) return nullptr;
  return reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
}

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

TEST(PlayExport, TheTableHoldsOneExportAtOrdinalOneNamedByItsGbkText) {
  HMODULE library = LoadPlayLibrary();
  ASSERT_NE(library, nullptr);
  const IMAGE_EXPORT_DIRECTORY* exports = ExportsOf(library);
  ASSERT_NE(exports, nullptr);
  const auto* base = reinterpret_cast<const BYTE*>(library);
  EXPECT_STREQ(reinterpret_cast<const char*>(base + exports->Name), "Play.dll");
  EXPECT_EQ(exports->Base, 1u);
  ASSERT_EQ(exports->NumberOfFunctions, 1u);
  ASSERT_EQ(exports->NumberOfNames, 1u);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  const auto* ordinals = reinterpret_cast<const WORD*>(base + exports->AddressOfNameOrdinals);
  EXPECT_STREQ(reinterpret_cast<const char*>(base + names[0]), kExportName);
  EXPECT_EQ(ordinals[0], 0u);
  FARPROC byName = GetProcAddress(library, kExportName);
  ASSERT_NE(byName, nullptr);
  EXPECT_EQ(byName, GetProcAddress(library, MAKEINTRESOURCEA(1)));
}

// Calls the export as the main program does. In the 32-bit build the export
// is stdcall: the callee removes its 12 bytes of arguments, so the stack
// pointer is the same after the call (x86-64 has one calling convention).
void CallExport(StartPlayback call) {
#if defined(__i386__)
  uintptr_t before = 0, after = 0;
  asm volatile("mov %%esp, %0" : "=r"(before));
  call("样片.flv", "http://127.0.0.1:1/a.flv", 0);
  asm volatile("mov %%esp, %0" : "=r"(after));
  EXPECT_EQ(before, after) << "the stdcall export left its arguments on the stack";
#else
  call("样片.flv", "http://127.0.0.1:1/a.flv", 0);
#endif
}

TEST(PlayExport, OpensThePlayerWindowAndReturnsWhenItCloses) {
  HMODULE library = LoadPlayLibrary();
  ASSERT_NE(library, nullptr);
  auto call = reinterpret_cast<StartPlayback>(GetProcAddress(library, kExportName));
  ASSERT_NE(call, nullptr);
  OleInitialize(nullptr);
  // With no Flash control here nothing answers: the status is "stopped".
  bool sawWindow = false, sawStatus = false;
  std::thread user([&] {
    HWND window = nullptr;
    sawWindow =
        testsupport::PollUntil([&] { return (window = FindWindowW(nullptr, L"正在播放 样片.flv")) != nullptr; });
    if (!window) return;
    sawStatus = testsupport::PollUntil([&] { return HasChildText(window, L"停止播放 样片.flv"); });
    // The pause that lets a screenshot be taken of the window.
    if (const char* hold = std::getenv("TAVRIN_HOLD_PLAYER_MS")) Sleep(std::atoi(hold));
    PostMessageW(window, WM_CLOSE, 0, 0);
  });
  CallExport(call);
  user.join();
  EXPECT_TRUE(sawWindow);
  EXPECT_TRUE(sawStatus);
}

}  // namespace
