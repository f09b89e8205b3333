// Hooking windows into the skin: dispatch by class and button style, window
// properties, the rounded region and the hand-off to the saved procedure.
#include "skin/SkinEngine.h"

#include <commctrl.h>

#include "ui/Control.h"
#include "ui/Subclass.h"
#include "ui/base/WideText.h"

namespace skin {

ui::OwnedFont SkinFont;
COLORREF SkinFaceColour = 0;

void InitSkinResources() {
  SkinFont = ui::MakeSongTiFont(12);
  SkinFaceColour = GetSysColor(COLOR_BTNFACE);
}

int ReadIntProperty(HWND window, const wchar_t* name) { return (int)(INT_PTR)GetPropW(window, name); }

void WriteIntProperty(HWND window, const wchar_t* name, int value) { SetPropW(window, name, (HANDLE)(INT_PTR)value); }

void RoundWindowRegion(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  ui::OwnedRegion region(CreateRoundRectRgn(0, 0, r.right - r.left + 1, r.bottom - r.top + 1, 5, 5));
  // The window owns the region from here on.
  if (region && SetWindowRgn(window, region.Get(), TRUE)) region.Release();
}

extern const ui::Subclass ProgressSkin{kPropProc, ProgressSkinProc};
extern const ui::Subclass ButtonSkin{kPropProc, ButtonSkinProc};
extern const ui::Subclass ComboSkin{kPropProc, ComboSkinProc};
extern const ui::Subclass ListViewSkin{kPropProc, ListViewSkinProc};
extern const ui::Subclass HeaderSkin{kPropProc, HeaderSkinProc};
extern const ui::Subclass TooltipSkin{kPropProc, TooltipSkinProc};

// Every skin keeps the saved procedure under the same property.
LRESULT CallSavedProcedure(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  return ProgressSkin.CallPrevious(window, msg, wp, lp);
}

namespace {

bool ButtonIsSkinned(LONG style) {
  const LONG type = style & 31;
  if (type == BS_DEFPUSHBUTTON || type == BS_PUSHBUTTON) return true;
  const bool checkOrRadio = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                            type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
  return checkOrRadio && (style & BS_PUSHLIKE) != 0;
}

}  // namespace

bool SkinWindow(HWND window, int colourStyle) {
  const std::wstring cls = ui::WindowClass(window);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  // A window already skinned keeps its skin and its saved procedure.
  bool (*attach)(HWND) = nullptr;
  int kind = 0;
  if (cls == L"msctls_progress32") {
    RoundWindowRegion(window);
    attach = ui::AttachSubclass<ProgressSkin>, kind = kKindProgress;
  } else if (cls == L"Button") {
    RoundWindowRegion(window);
    if (ButtonIsSkinned(style)) attach = ui::AttachSubclass<ButtonSkin>, kind = kKindButton;
  } else if (cls == L"ComboBox") {
    attach = ui::AttachSubclass<ComboSkin>, kind = kKindCombo;
  } else if (cls == L"SysListView32") {
    attach = ui::AttachSubclass<ListViewSkin>, kind = kKindListView;
  } else if (cls == L"tooltips_class32") {
    attach = ui::AttachSubclass<TooltipSkin>, kind = kKindTooltip;
  }
  if (!kind) return false;
  attach(window);
  WriteIntProperty(window, kPropType, kind);
  if (colourStyle > 0) WriteIntProperty(window, kPropColourStyle, colourStyle);
  if (kind == kKindListView && (style | 1) == style) {
    HWND header = (HWND)SendMessageW(window, LVM_GETHEADER, 0, 0);
    if (header) {
      ui::AttachSubclass<HeaderSkin>(header);
      InvalidateRect(header, nullptr, TRUE);
    }
  }
  InvalidateRect(window, nullptr, FALSE);
  return true;
}

}  // namespace skin
