// The button skin's draw state and painting.
#pragma once
#include <windows.h>

namespace skin {

// Draw states: 0 normal, 1 hot, 2 pressed, 3 enabled (drawn as normal).
int GetDrawState(HWND window);
// Stores the state; with `redraw` the client area is invalidated (not erased).
void SetDrawState(HWND window, int state, bool redraw);
// BM_SETSTATE: pressed for highlight 1, else hot with the focus or normal; paints at once.
void OnButtonSetState(HWND window, WPARAM highlight);
// Paints the button into `dc`, or with a null DC through the window DC.
void PaintButton(HWND window, HDC dc, int fromPaint);

}  // namespace skin
