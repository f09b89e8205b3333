// The right-click hook: a window and every window below it stop seeing right
// clicks, which call the caller's routine with the click position instead.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace player {

// Called with the click's client coordinates in the window clicked, and 0.
using RightClickCallback = void (*)(int32_t x, int32_t y, int32_t zero);

struct RightClickHookEntry {
  HWND window;
  RightClickCallback callback;
};

// The table of hooked windows, created empty at library start and freed at its end.
void CreateHookTable();
void FreeHookTable();

// Subclasses the window and all windows below it that have no entry yet; a
// window that has one keeps it and its callback. A window's entry goes when
// the window is destroyed, so a later window with the same handle value is
// hooked afresh. An exception of the callback leaves the message answered
// with 0.
void HookRightClick(HWND window, RightClickCallback callback);

// The entry of a window, or null.
const RightClickHookEntry* FindHookEntry(HWND window);
size_t HookEntryCount();

}  // namespace player
