// Gradients, corners, frames, text and the off-screen picture of the skin's painters.
#include "skin/Painting.h"

#include <memory>
#include <vector>

#include "skin/SkinEngine.h"
#include "ui/base/WideText.h"

namespace skin {

SkinColours StyleColours(HWND window) { return ColoursOfStyle(ReadIntProperty(window, kPropColourStyle)); }

void FillGradient(HDC dc, int x0, int y0, int x1, int y1, COLORREF a, COLORREF b, bool across) {
  TRIVERTEX v[2] = {{x0, y0, COLOR16(GetRValue(a) << 8), COLOR16(GetGValue(a) << 8), COLOR16(GetBValue(a) << 8), 0},
                    {x1, y1, COLOR16(GetRValue(b) << 8), COLOR16(GetGValue(b) << 8), COLOR16(GetBValue(b) << 8), 0}};
  GRADIENT_RECT rect = {0, 1};
  GradientFill(dc, v, 2, &rect, 1, across ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void FillBand(HDC dc, const Band& band, const SkinColours& colours) {
  const Colour* set = band.deep ? colours.deep : colours.light;
  const int first = band.lower ? 2 : 0;
  FillGradient(dc, band.x0, band.y0, band.x1, band.y1, set[first], set[first + 1], band.across);
}

void PaintCorners(HDC dc, int w, int h, COLORREF outer, COLORREF inner) {
  for (const CornerPixel& p : CornerPixels(w, h)) SetPixel(dc, p.x, p.y, p.inner ? inner : outer);
}

void FrameSolid(HDC dc, const RECT& r, COLORREF colour) { FrameRect(dc, &r, ui::SolidBrush(colour).Get()); }

void FrameWindowEdge(HWND window, COLORREF colour, int inset) {
  const ui::WindowDc dc(window);
  RECT r = {};
  GetWindowRect(window, &r);
  FrameSolid(dc.Get(), RECT{inset, inset, r.right - r.left - inset, r.bottom - r.top - inset}, colour);
}

void PaintFrameAndCorners(HDC dc, int w, int h, COLORREF frame) {
  FrameSolid(dc, RECT{0, 0, w, h}, frame);
  PaintCorners(dc, w, h, SkinFaceColour, frame);
}

void DrawLine(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
  const ui::OwnedPen pen = ui::SolidPen(colour);
  const ui::Selection selected(dc, pen.Get());
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

void DrawGbkText(HDC dc, HFONT font, const std::string& text, RECT r, UINT flags, COLORREF colour) {
  const std::wstring wide = ui::ToWide(text);
  const ui::Selection selected(dc, font);
  SetTextColor(dc, colour);
  DrawTextW(dc, wide.c_str(), (int)wide.size(), &r, flags);
}

void DrawShadowedText(HDC dc, const std::string& text, RECT r, COLORREF light, COLORREF colour) {
  const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
  DrawGbkText(dc, SkinFont.Get(), text, r, flags, light);
  OffsetRect(&r, -1, -1);
  DrawGbkText(dc, SkinFont.Get(), text, r, flags, colour);
}

LRESULT PaintOnWmPaint(HWND window, PaintRoutine paint) {
  const ui::PaintDc dc(window);
  paint(window, dc.Get(), 1);
  return 1;
}

namespace {

// The paint's own window DC when no target is given.
std::unique_ptr<ui::WindowDc> OwnTarget(HWND window, HDC target) {
  return target ? nullptr : std::make_unique<ui::WindowDc>(window);
}

RECT PaintedRect(HWND window, bool wholeWindow) {
  RECT r = {};
  if (wholeWindow) {
    GetWindowRect(window, &r);
    OffsetRect(&r, -r.left, -r.top);
  } else {
    GetClientRect(window, &r);
  }
  return r;
}

}  // namespace

OffscreenPaint::OffscreenPaint(HWND window, HDC target)
    : ownTarget_(OwnTarget(window, target)),
      target_(ownTarget_ ? ownTarget_->Get() : target),
      area_(PaintedRect(window, ownTarget_ != nullptr)),
      memory_(CreateCompatibleDC(target_)),
      bitmap_(CreateCompatibleBitmap(target_, area_.right, area_.bottom)),
      selected_(memory_.Get(), bitmap_.Get()) {
  SetBkMode(memory_.Get(), TRANSPARENT);
}

void OffscreenPaint::Finish() const { BitBlt(target_, 0, 0, area_.right, area_.bottom, memory_.Get(), 0, 0, SRCCOPY); }

}  // namespace skin
