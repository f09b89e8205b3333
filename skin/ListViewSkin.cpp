// The list view skin (a two-ring frame drawn 10 ms after each non-client
// paint) and its column header's skin (gradient, texts, column dividers).
#include <windows.h>
#include <commctrl.h>

#include "skin/KindPainters.h"
#include "skin/Painting.h"
#include "skin/SkinEngine.h"
#include "ui/ListView.h"
#include "ui/base/WideText.h"

namespace skin {
namespace {

UINT_PTR FrameTimerId(HWND listView) { return (UINT_PTR)listView + 133; }

void PaintListViewFrame(HWND window) {
  const SkinColours colours = StyleColours(window);
  FrameWindowEdge(window, colours.frame);
  FrameWindowEdge(window, colours.light[0], 1);
}

}  // namespace

void PaintHeader(HWND window, HDC dc, int fromPaint) {
  OffscreenPaint paint(window, dc);
  HDC memory = paint.Dc();
  const int w = paint.Width(), h = paint.Height();
  const SkinColours colours = StyleColours(GetParent(window));
  for (const Band& band : GradientBands(0, w, h, true)) FillBand(memory, band, colours);
  const int n = (int)SendMessageW(window, HDM_GETITEMCOUNT, 0, 0);
  for (int k = 0; k < n; ++k) {
    RECT item = {};
    SendMessageW(window, HDM_GETITEMRECT, k, (LPARAM)&item);
    DrawGbkText(memory, SkinFont.Get(), ui::HeaderItemText(window, k),
                RECT{item.left + 5, item.top + 2, item.right, item.bottom}, 0, colours.text);
    DrawLine(memory, item.right - 1, 0, item.right - 1, item.bottom, colours.frame);
    DrawLine(memory, item.right, 0, item.right, item.bottom, colours.deep[0]);
  }
  DrawLine(memory, 0, h - 1, w, h - 1, colours.frame);
  paint.Finish();
}

LRESULT CALLBACK ListViewSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCPAINT) {
    const LRESULT result = CallSavedProcedure(window, msg, wp, lp);
    SetTimer(window, FrameTimerId(window), 10, nullptr);
    return result;
  }
  if (msg == WM_TIMER && wp == FrameTimerId(window)) {
    KillTimer(window, wp);
    PaintListViewFrame(window);
  }
  return CallSavedProcedure(window, msg, wp, lp);
}

LRESULT CALLBACK HeaderSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) return PaintOnWmPaint(window, PaintHeader);
  return CallSavedProcedure(window, msg, wp, lp);
}

}  // namespace skin
