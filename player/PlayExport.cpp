// The entry point of Play.dll and its one export, named by GBK text through Play.def.
#include <windows.h>

#include <cstdint>

#include "player/PlayLibrary.h"

// Exported as "启动播放" (GBK bytes C6 F4 B6 AF B2 A5 B7 C5), ordinal 1.
extern "C" int32_t __stdcall StartPlaybackExport(const char* title, const char* address, int32_t tag) {
  try {
    return player::StartPlayback(title, address, tag);
  } catch (...) {
    return 0;  // nothing may unwind into the caller
  }
}

// The library starts at the export's first call, not here under the loader
// lock; at detach only what needs no COM call is freed.
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH) player::LibraryCleanUpAtExit();
  return TRUE;
}
