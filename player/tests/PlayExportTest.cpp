// The built Play.dll: its export is found by the GBK name and by ordinal 1, and can be called.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using StartPlayback = int32_t(__stdcall*)(const char*, const char*, int32_t);

TEST(PlayExport, FoundByGbkNameAndOrdinal) {
  const char* path = std::getenv("TAVRIN_PLAY_DLL");
  ASSERT_NE(path, nullptr);
  HMODULE library = LoadLibraryA(path);
  ASSERT_NE(library, nullptr) << path << " error " << GetLastError();
  FARPROC byName = GetProcAddress(library, "\xC6\xF4\xB6\xAF\xB2\xA5\xB7\xC5");
  ASSERT_NE(byName, nullptr);
  EXPECT_EQ(byName, GetProcAddress(library, MAKEINTRESOURCEA(1)));
  // The callee removes its 12 bytes of arguments: the stack pointer is the same after the call.
  auto call = reinterpret_cast<StartPlayback>(byName);
  uintptr_t before = 0, after = 0;
  asm volatile("mov %%esp, %0" : "=r"(before));
  call(nullptr, "http://a/b.flv", 0);
  asm volatile("mov %%esp, %0" : "=r"(after));
  EXPECT_EQ(before, after);
}

}  // namespace
