// Gradients, corners, frames, text and the off-screen picture of the skin's painters.
#include "skin/Painting.h"

#include <vector>

#include "skin/SkinEngine.h"
#include "ui/base/WideText.h"

namespace skin {

SkinColours StyleColours(HWND window) { return ColoursOfStyle(ReadIntProperty(window, kPropColourStyle)); }

void FillGradient(HDC dc, int x0, int y0, int x1, int y1, COLORREF a, COLORREF b, bool across) {
  TRIVERTEX v[2] = {
      {x0, y0, COLOR16(GetRValue(a) << 8), COLOR16(GetGValue(a) << 8), COLOR16(GetBValue(a) << 8), 0},
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

void FrameSolid(HDC dc, const RECT& r, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FrameRect(dc, &r, brush);
  DeleteObject(brush);
}

void FrameWindowEdge(HWND window, COLORREF colour, int inset) {
  HDC dc = GetWindowDC(window);
  RECT r = {};
  GetWindowRect(window, &r);
  FrameSolid(dc, RECT{inset, inset, r.right - r.left - inset, r.bottom - r.top - inset}, colour);
  ReleaseDC(window, dc);
}

void PaintFrameAndCorners(HDC dc, int w, int h, COLORREF frame) {
  FrameSolid(dc, RECT{0, 0, w, h}, frame);
  PaintCorners(dc, w, h, SkinFaceColour, frame);
}

void DrawLine(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ previous = SelectObject(dc, pen);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  SelectObject(dc, previous);
  DeleteObject(pen);
}

void DrawGbkText(HDC dc, HFONT font, const std::string& text, RECT r, UINT flags, COLORREF colour) {
  std::wstring wide = ui::ToWide(text);
  HGDIOBJ previous = SelectObject(dc, font);
  SetTextColor(dc, colour);
  DrawTextW(dc, wide.c_str(), (int)wide.size(), &r, flags);
  SelectObject(dc, previous);
}

void DrawShadowedText(HDC dc, const std::string& text, RECT r, COLORREF light, COLORREF colour) {
  const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
  DrawGbkText(dc, SkinFont, text, r, flags, light);
  OffsetRect(&r, -1, -1);
  DrawGbkText(dc, SkinFont, text, r, flags, colour);
}

std::string ReadWindowText(HWND window) {
  int n = GetWindowTextLengthW(window);
  if (n < 1) return {};
  std::vector<wchar_t> buffer(n + 1);
  n = GetWindowTextW(window, buffer.data(), n + 1);
  return ui::ToGbk(std::wstring(buffer.data(), n > 0 ? n : 0));
}

LRESULT PaintOnWmPaint(HWND window, PaintRoutine paint) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  paint(window, dc, 1);
  EndPaint(window, &ps);
  return 1;
}

OffscreenPaint::OffscreenPaint(HWND window, HDC target) : window_(window), target_(target), ownsTarget_(!target) {
  RECT r = {};
  if (ownsTarget_) {
    target_ = GetWindowDC(window);
    GetWindowRect(window, &r);
  } else {
    GetClientRect(window, &r);
  }
  w_ = r.right - r.left;
  h_ = r.bottom - r.top;
  memory_ = CreateCompatibleDC(target_);
  bitmap_ = CreateCompatibleBitmap(target_, w_, h_);
  previous_ = SelectObject(memory_, bitmap_);
  SetBkMode(memory_, TRANSPARENT);
}

OffscreenPaint::~OffscreenPaint() {
  if (memory_) {
    SelectObject(memory_, previous_);
    DeleteDC(memory_);
  }
  if (bitmap_) DeleteObject(bitmap_);
  if (ownsTarget_ && target_) ReleaseDC(window_, target_);
}

void OffscreenPaint::Finish() const { BitBlt(target_, 0, 0, w_, h_, memory_, 0, 0, SRCCOPY); }

}  // namespace skin
