// Subclassing a window: one procedure in place of another, with the W functions
// so that the window stays a Unicode window and keeps its Chinese text under
// any system code page.
#pragma once
#include <windows.h>

namespace ui {

// Puts `proc` in place of the window's procedure and returns the previous
// one (null when the window cannot be subclassed).
WNDPROC SubclassWindow(HWND hwnd, WNDPROC proc);

// Puts a procedure back, as returned by SubclassWindow.
void RestoreWindowProc(HWND hwnd, WNDPROC previous);

// Hands a message to a previous procedure and returns its answer.
LRESULT CallPreviousProc(WNDPROC previous, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace ui
