// Test helpers for the skin: a host window, child controls, pictures painted
// into a 32-bit memory bitmap and pixel comparisons with a tolerance.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace skintest {

// Common controls and the engine's font, once per process.
void InitOnce();

// A visible top-level window that hosts the controls of a test.
HWND MakeHost();
HWND MakeChild(HWND host, const wchar_t* cls, DWORD style, int x, int y, int w, int h, const wchar_t* text = L"",
               DWORD exStyle = 0);

// Handles this thread's pending messages.
void PumpMessages(int ms = 0);

// A picture of w x h pixels painted by `paint` into a memory DC.
struct Picture {
  int w = 0, h = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[y * w + x]; }
};
using Painter = void (*)(HWND, HDC, int);
Picture PaintInto(HWND window, Painter paint);
// What the window shows on the screen, read through its window DC.
Picture ReadWindowDc(HWND window);

// "r g b" of a colour, for messages.
std::string Describe(COLORREF c);
// Each channel within `tolerance` of (r, g, b).
bool Near(COLORREF c, int r, int g, int b, int tolerance = 1);

}  // namespace skintest
