// The skinned progress bar's painting.
#pragma once
#include <windows.h>

namespace skin {

// Paints the whole bar: into `dc` over the client rectangle, or with a null DC
// through the window DC over the window rectangle. `fromPaint` is 1 from WM_PAINT.
void PaintProgressBar(HWND window, HDC dc, int fromPaint);

}  // namespace skin
