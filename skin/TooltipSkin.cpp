// The tooltip skin: a light gradient, a frame and the caption, repainted whole
// through the window DC 10 ms after each paint so that the border is covered.
#include "skin/KindPainters.h"
#include "skin/Painting.h"
#include "skin/SkinEngine.h"
#include "ui/Control.h"

namespace skin {
namespace {

UINT_PTR RepaintTimerId(HWND tooltip) { return (UINT_PTR)tooltip; }

LRESULT PaintTooltipOnWmPaint(HWND window) {
  PaintOnWmPaint(window, PaintTooltip);
  SetTimer(window, RepaintTimerId(window), 10, nullptr);
  return 1;
}

LRESULT PaintTooltipFrame(HWND window) {
  FrameWindowEdge(window, StyleColours(window).frame);
  SetTimer(window, RepaintTimerId(window), 10, nullptr);
  return 1;
}

}  // namespace

void PaintTooltip(HWND window, HDC dc, int fromPaint) {
  OffscreenPaint paint(window, dc);
  HDC memory = paint.Dc();
  const int w = paint.Width(), h = paint.Height();
  const SkinColours colours = StyleColours(window);
  for (const Band& band : GradientBands(0, w, h, false)) FillBand(memory, band, colours);
  FrameSolid(memory, RECT{0, 0, w, h}, colours.frame);
  const std::string caption = ui::WindowText(window);
  if (!caption.empty())
    DrawGbkText(memory, SkinFont.Get(), caption, RECT{1, 2, w - 1, h - 1}, DT_CENTER | DT_VCENTER, colours.text);
  paint.Finish();
}

LRESULT CALLBACK TooltipSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: return PaintTooltipOnWmPaint(window);
    case WM_ERASEBKGND: return 1;
    case WM_NCPAINT: return PaintTooltipFrame(window);
    case WM_TIMER:
      if (wp == RepaintTimerId(window)) {
        KillTimer(window, wp);
        PaintTooltip(window, nullptr, 0);
      }
      return CallSavedProcedure(window, msg, wp, lp);
    default: return CallSavedProcedure(window, msg, wp, lp);
  }
}

}  // namespace skin
