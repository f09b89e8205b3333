// The progress-bar skin: a two-band gradient track, a deeper filled part, a
// frame with cut corners and a centred text, built off-screen.
#include "skin/ProgressSkin.h"

#include <commctrl.h>

#include "skin/BarText.h"
#include "skin/Painting.h"
#include "skin/SkinEngine.h"
#include "skin/TextProperty.h"

namespace skin {

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

  for (const Band& band : ProgressBands(w, h, position, range.iLow, range.iHigh, vertical)) FillBand(memory, band, colours);
  PaintFrameAndCorners(memory, w, h, colours.frame);

  const std::string stored = (textStyle == 1 || textStyle == 4 || textStyle == 5)
                                 ? ReadTextProperty(window, kPropTextContent)
                                 : std::string();
  const std::string text = BarText(textStyle, stored, position, BarPercent(position, range.iLow, range.iHigh));
  if (!text.empty()) DrawShadowedText(memory, text, RECT{3, 3, w - 1, h - 1}, colours.light[0], colours.text);
  paint.Finish();
}

LRESULT CALLBACK ProgressSkinProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      return PaintOnWmPaint(window, PaintProgressBar);
    case WM_DESTROY:
      FreePropertyMemory(window, kPropTextContent);
      return CallSavedProcedure(window, msg, wp, lp);
    case WM_SIZE: {
      LRESULT result = CallSavedProcedure(window, msg, wp, lp);
      RoundWindowRegion(window);
      return result;
    }
    case PBM_SETPOS: {
      LRESULT result = CallSavedProcedure(window, msg, wp, lp);
      PaintProgressBar(window, nullptr, 0);
      return result;
    }
    default:
      return CallSavedProcedure(window, msg, wp, lp);
  }
}

}  // namespace skin
