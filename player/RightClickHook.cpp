// The right-click hook and its table of subclassed windows.
#include "player/RightClickHook.h"

#include <memory>
#include <vector>

#include "ui/Subclass.h"

namespace player {

namespace {

std::unique_ptr<std::vector<RightClickHookEntry>> g_table;

RightClickHookEntry* Find(HWND window) {
  if (!g_table) return nullptr;
  for (RightClickHookEntry& entry : *g_table) {
    if (entry.window == window) return &entry;
  }
  return nullptr;
}

void Remove(HWND window) {
  if (!g_table) return;
  for (auto it = g_table->begin(); it != g_table->end(); ++it) {
    if (it->window == window) {
      g_table->erase(it);
      return;
    }
  }
}

LRESULT HookedMessage(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  const RightClickHookEntry* found = Find(window);
  if (!found) return DefWindowProcW(window, message, wp, lp);
  const RightClickHookEntry entry = *found;  // the table may change during the calls below
  switch (message) {
    case WM_RBUTTONDOWN:
      if (entry.callback) entry.callback(static_cast<int16_t>(LOWORD(lp)), static_cast<int16_t>(HIWORD(lp)), 0);
      return 0;
    case WM_RBUTTONUP:
      return 0;
    case WM_NCDESTROY: {
      const LRESULT result = ui::CallPreviousProc(entry.previousProc, window, message, wp, lp);
      Remove(window);
      return result;
    }
    default:
      return ui::CallPreviousProc(entry.previousProc, window, message, wp, lp);
  }
}

// No exception of the callback or the table leaves the window procedure: the
// message then counts as answered with 0.
LRESULT CALLBACK HookedWindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  try {
    return HookedMessage(window, message, wp, lp);
  } catch (...) {
    return 0;
  }
}

void HookOne(HWND window, RightClickCallback callback) {
  if (!g_table || Find(window)) return;
  WNDPROC previous = ui::SubclassWindow(window, HookedWindowProc);
  if (previous) g_table->push_back({window, previous, callback});
}

}  // namespace

void CreateHookTable() {
  if (!g_table) g_table = std::make_unique<std::vector<RightClickHookEntry>>();
}

void FreeHookTable() { g_table.reset(); }

void HookRightClick(HWND window, RightClickCallback callback) {
  HookOne(window, callback);
  for (HWND child = FindWindowExW(window, nullptr, nullptr, nullptr); child;
       child = FindWindowExW(window, child, nullptr, nullptr)) {
    HookOne(child, callback);
    HookRightClick(child, callback);
  }
}

const RightClickHookEntry* FindHookEntry(HWND window) { return Find(window); }

size_t HookEntryCount() { return g_table ? g_table->size() : 0; }

}  // namespace player
