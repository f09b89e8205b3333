// The progress-bar skin: a two-band gradient track, a deeper filled part, a
// frame with cut corners and a centred text, built off-screen.
#include "skin/ProgressSkin.h"

#include <commctrl.h>

#include "skin/BarText.h"
#include "skin/Painting.h"
#include "skin/SkinEngine.h"
#include "skin/TextProperty.h"

namespace skin {

namespace {

// The bar whose new position this thread is handing to the control, and
// whether a WM_PAINT of it came meanwhile (see PBM_SETPOS).
struct Positioning {
  HWND bar = nullptr;
  bool paintLeftOut = false;
};
thread_local Positioning t_positioning;

void LeaveOut(HWND, HDC, int) { t_positioning.paintLeftOut = true; }

}  // namespace

void PaintProgressBar(HWND window, HDC dc, int fromPaint) {
  if (!IsWindow(window)) return;  // an unattached or destroyed bar draws nothing
  OffscreenPaint paint(window, dc);
  HDC memory = paint.Dc();
  const int w = paint.Width(), h = paint.Height();

  PBRANGE range = {};
  SendMessageW(window, PBM_GETRANGE, TRUE, (LPARAM)&range);
  const int position = (int)SendMessageW(window, PBM_GETPOS, 0, 0);
  const int textStyle = ReadIntProperty(window, kPropTextStyle);
  const SkinColours colours = StyleColours(window);
  const bool vertical = (GetWindowLongW(window, GWL_STYLE) & PBS_VERTICAL) != 0;

  for (const Band& band : ProgressBands(w, h, position, range.iLow, range.iHigh, vertical))
    FillBand(memory, band, colours);
  PaintFrameAndCorners(memory, w, h, colours.frame);

  const std::string stored =
      (textStyle == 1 || textStyle == 4 || textStyle == 5) ? ReadTextProperty(window, kPropTextContent) : std::string();
  const std::string text = BarText(textStyle, stored, position, BarPercent(position, range.iLow, range.iHigh));
  if (!text.empty()) DrawShadowedText(memory, text, RECT{3, 3, w - 1, h - 1}, colours.light[0], colours.text);
  paint.Finish();
}

LRESULT CALLBACK ProgressSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: return PaintOnWmPaint(window, window == t_positioning.bar ? LeaveOut : PaintProgressBar);
    case WM_DESTROY: FreePropertyMemory(window, kPropTextContent); return CallSavedProcedure(window, msg, wp, lp);
    case WM_SIZE: {
      LRESULT result = CallSavedProcedure(window, msg, wp, lp);
      RoundWindowRegion(window);
      return result;
    }
    case PBM_SETPOS: {
      // The control may paint the part that changed while it takes the
      // position (Wine does, at once); that paint is left out, as the whole
      // bar is painted right after. The same position leaves the bar as it is.
      const Positioning outer = t_positioning;
      t_positioning = Positioning{window, false};
      const LRESULT previous = CallSavedProcedure(window, msg, wp, lp);
      const bool leftOut = t_positioning.paintLeftOut;
      t_positioning = outer;
      if (leftOut || (int)SendMessageW(window, PBM_GETPOS, 0, 0) != (int)previous) PaintProgressBar(window, nullptr, 0);
      return previous;
    }
    default: return CallSavedProcedure(window, msg, wp, lp);
  }
}

}  // namespace skin
