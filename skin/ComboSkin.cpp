// The combo box skin: a light gradient face, a deep arrow area with a glyph
// for drop-down kinds, a frame, and the edit child's or the selected item's text.
#include <vector>

#include "skin/KindPainters.h"
#include "skin/Painting.h"
#include "skin/SkinEngine.h"
#include "ui/base/WideText.h"
#include "ui/Control.h"

namespace skin {
namespace {

int ComboSelectedIndex(HWND combo) { return (int)SendMessageW(combo, CB_GETCURSEL, 0, 0); }

std::string ComboItemText(HWND combo, int index) {
  const int n = (int)SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (n < 1) return {};
  std::vector<wchar_t> buffer(n + 1);
  const int got = (int)SendMessageW(combo, CB_GETLBTEXT, index, (LPARAM)buffer.data());
  return ui::ToGbk(std::wstring(buffer.data(), got > 0 && got <= n ? got : 0));
}

LRESULT PaintComboFrame(HWND window) {
  FrameWindowEdge(window, StyleColours(window).frame);
  return 1;
}

}  // namespace

void PaintComboBox(HWND window, HDC dc, int fromPaint) {
  OffscreenPaint paint(window, dc);
  HDC memory = paint.Dc();
  const int w = paint.Width(), h = paint.Height();
  const SkinColours colours = StyleColours(window);
  for (const Band& band : GradientBands(0, w, h, false)) FillBand(memory, band, colours);
  RECT textRect = {2, 2, w - 2, h - 2};
  const LONG kind = GetWindowLongW(window, GWL_STYLE) & 3;
  if (kind == CBS_DROPDOWN || kind == CBS_DROPDOWNLIST) {
    const int x0 = w - 18;
    for (const Band& band : GradientBands(x0, w, h, true)) FillBand(memory, band, colours);
    const ui::OwnedFont arrow(
        CreateFontW(8, 9, 0, 0, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Wingdings 3"));
    const ui::Selection selected(memory, arrow.Get());
    SetTextColor(memory, colours.text);
    RECT arrowRect = {x0, 2, w, h - 2};
    DrawTextW(memory, L"q", 1, &arrowRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    textRect.right = w - 20;
  }
  FrameSolid(memory, RECT{0, 0, w, h}, colours.frame);
  HWND edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
  const std::string text = edit ? ui::WindowText(edit) : ComboItemText(window, ComboSelectedIndex(window));
  if (!text.empty())
    DrawGbkText(memory, SkinFont.Get(), text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE, colours.text);
  paint.Finish();
}

LRESULT CALLBACK ComboSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) return PaintOnWmPaint(window, PaintComboBox);
  if (msg == WM_NCPAINT) return PaintComboFrame(window);
  return CallSavedProcedure(window, msg, wp, lp);
}

}  // namespace skin
