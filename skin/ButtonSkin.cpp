// The button skin: a gradient face in the light (hot, pressed) or deep colours,
// a frame with cut corners and a shadowed caption; hot tracking through
// TrackMouseEvent.
#include "skin/ButtonSkin.h"

#include "skin/Painting.h"
#include "skin/SkinEngine.h"
#include "ui/Control.h"

namespace skin {

int GetDrawState(HWND window) { return ReadIntProperty(window, kPropDrawState); }

void SetDrawState(HWND window, int state, bool redraw) {
  WriteIntProperty(window, kPropDrawState, state);
  if (redraw) InvalidateRect(window, nullptr, FALSE);
}

void OnButtonSetState(HWND window, WPARAM highlight) {
  if (highlight == 1)
    SetDrawState(window, 2, false);
  else
    SetDrawState(window, ReadIntProperty(window, kPropHasFocus) ? 1 : 0, false);
  PaintButton(window, nullptr, 0);
}

void PaintButton(HWND window, HDC dc, int fromPaint) {
  if (!IsWindow(window)) return;
  OffscreenPaint paint(window, dc);
  HDC memory = paint.Dc();
  const int w = paint.Width(), h = paint.Height();
  const int state = GetDrawState(window);
  const SkinColours colours = StyleColours(window);
  const bool light = state == 1 || state == 2;
  for (const Band& band : GradientBands(0, w, h, !light)) FillBand(memory, band, colours);
  PaintFrameAndCorners(memory, w, h, colours.frame);
  const std::string caption = ui::WindowText(window);
  if (!caption.empty()) {
    RECT r = {3, 3, w - 1, h - 1};
    if (state == 2) OffsetRect(&r, 1, 1);
    DrawShadowedText(memory, caption, r, colours.light[0], colours.text);
  }
  paint.Finish();
}

LRESULT CALLBACK ButtonSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: return PaintOnWmPaint(window, PaintButton);
    case WM_ERASEBKGND: return 1;
    case WM_NCPAINT: return 0;
    case WM_SETFOCUS:
      WriteIntProperty(window, kPropHasFocus, 1);
      if (GetDrawState(window) == 2) SetDrawState(window, 1, true);
      return 0;
    default: break;
  }
  const LRESULT result = CallSavedProcedure(window, msg, wp, lp);
  switch (msg) {
    case WM_KILLFOCUS:
      WriteIntProperty(window, kPropHasFocus, 0);
      if (GetDrawState(window) == 1) SetDrawState(window, 0, true);
      break;
    case WM_ENABLE: SetDrawState(window, wp ? 3 : 0, true); break;
    case WM_SIZE: RoundWindowRegion(window); break;
    case WM_MOUSEMOVE: {
      const int state = GetDrawState(window);
      if (state != 1 && state != 2) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        SetDrawState(window, 1, true);
      }
      break;
    }
    case WM_MOUSELEAVE: SetDrawState(window, 0, true); break;
    case WM_LBUTTONDOWN: SetDrawState(window, 2, true); break;
    case WM_LBUTTONUP: SetDrawState(window, GetDrawState(window) == 2 ? 1 : 0, true); break;
    case BM_SETSTATE: OnButtonSetState(window, wp); break;
    default: break;
  }
  return result;
}

}  // namespace skin
