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

LRESULT CALLBACK HookedMessage(HWND window, UINT message, WPARAM wp, LPARAM lp);
const ui::Subclass kRightClickHook{L"TavrinRightClickProc", HookedMessage};

// A window without an entry (the table was freed while it lived) goes on as
// it was before it was hooked.
LRESULT CALLBACK HookedMessage(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  const RightClickHookEntry* found = Find(window);
  if (!found) return kRightClickHook.CallPrevious(window, message, wp, lp);
  const RightClickHookEntry entry = *found;  // the table may change during the calls below
  switch (message) {
    case WM_RBUTTONDOWN:
      if (entry.callback) entry.callback(static_cast<int16_t>(LOWORD(lp)), static_cast<int16_t>(HIWORD(lp)), 0);
      return 0;
    case WM_RBUTTONUP: return 0;
    case WM_NCDESTROY: {
      const LRESULT result = kRightClickHook.CallPrevious(window, message, wp, lp);
      Remove(window);
      return result;
    }
    default: return kRightClickHook.CallPrevious(window, message, wp, lp);
  }
}

// A window hooked before the table was last made keeps its subclass and gets
// an entry again.
void HookOne(HWND window, RightClickCallback callback) {
  if (!g_table || Find(window)) return;
  if (kRightClickHook.On(window) || ui::AttachSubclass<kRightClickHook>(window)) g_table->push_back({window, callback});
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
