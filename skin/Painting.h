// Painting primitives of the skin: gradients, corner pixels, frames, text, and
// the off-screen surface each picture is built on before one BitBlt.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "skin/BarGeometry.h"
#include "skin/SkinColours.h"
#include "ui/GdiHandles.h"

namespace skin {

// The colours of the window's colour style (style 1 when missing or outside 1-7).
SkinColours StyleColours(HWND window);

// Fills (x0, y0)-(x1, y1) with a gradient from a to b: top to bottom, or left
// to right when `across`.
void FillGradient(HDC dc, int x0, int y0, int x1, int y1, COLORREF a, COLORREF b, bool across);

// Fills one band in its colours of the set.
void FillBand(HDC dc, const Band& band, const SkinColours& colours);

// The corner pixels of a w x h picture: outer ones in `outer`, inner ones in `inner`.
void PaintCorners(HDC dc, int w, int h, COLORREF outer, COLORREF inner);

// FrameRect with a solid brush of the colour.
void FrameSolid(HDC dc, const RECT& r, COLORREF colour);

// A frame around the whole window, `inset` pixels in, drawn through the window DC.
void FrameWindowEdge(HWND window, COLORREF colour, int inset = 0);

// The one-pixel frame and the cut corners of a w x h crystal picture.
void PaintFrameAndCorners(HDC dc, int w, int h, COLORREF frame);

// A line with a solid one-pixel pen of the colour.
void DrawLine(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour);

// Draws a GBK text with DrawTextW in the given font and colour.
void DrawGbkText(HDC dc, HFONT font, const std::string& text, RECT r, UINT flags, COLORREF colour);

// The text drawn twice: a copy in `light` one pixel right of and below the
// text in `colour`; `r` is the rectangle of the light copy.
void DrawShadowedText(HDC dc, const std::string& text, RECT r, COLORREF light, COLORREF colour);

// A paint routine: (window, DC or null, 1 from WM_PAINT else 0).
using PaintRoutine = void (*)(HWND, HDC, int);

// WM_PAINT of a skinned kind: the routine with the paint DC (ui::PaintDc); 1.
LRESULT PaintOnWmPaint(HWND window, PaintRoutine paint);

// The target of a paint and an off-screen picture of its size. With a DC the
// size is the client rectangle's; without one the window DC and the window
// rectangle are taken (and the DC released at the end). Finish() copies the
// picture to the target in one BitBlt.
class OffscreenPaint {
 public:
  OffscreenPaint(HWND window, HDC target);
  OffscreenPaint(const OffscreenPaint&) = delete;
  OffscreenPaint& operator=(const OffscreenPaint&) = delete;

  HDC Dc() const { return memory_.Get(); }
  int Width() const { return area_.right; }
  int Height() const { return area_.bottom; }
  void Finish() const;

 private:
  // In the order they are made; they go in the opposite one.
  std::unique_ptr<ui::WindowDc> ownTarget_;
  HDC target_;
  RECT area_;  // from (0, 0)
  ui::OwnedDc memory_;
  ui::OwnedBitmap bitmap_;
  ui::Selection selected_;
};

}  // namespace skin
