// Paint routines of the combo box, header and tooltip skins, each (window,
// DC or null for the window DC, 1 from WM_PAINT else 0).
#pragma once
#include <windows.h>

namespace skin {

void PaintComboBox(HWND window, HDC dc, int fromPaint);
void PaintHeader(HWND window, HDC dc, int fromPaint);
void PaintTooltip(HWND window, HDC dc, int fromPaint);

}  // namespace skin
