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

// Nothing runs under the loader lock: the library starts at the export's first
// call, and its clean-up is run by the window layer's exit, not at detach.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
