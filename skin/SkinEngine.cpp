// Hooking windows into the skin: dispatch by class and button style, window
// properties, the rounded region and the hand-off to the saved procedure.
#include "skin/SkinEngine.h"

#include <commctrl.h>

#include "ui/Subclass.h"
#include "ui/base/WideText.h"

namespace skin {

HFONT SkinFont = nullptr;
COLORREF SkinFaceColour = 0;

void InitSkinResources() {
  // The font is made with the W function: its face name is Chinese and must
  // not pass through the system code page.
  SkinFont = CreateFontW(12, 0, 0, 0, 400, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
  SkinFaceColour = GetSysColor(COLOR_BTNFACE);
}

int ReadIntProperty(HWND window, const wchar_t* name) {
  return (int)(INT_PTR)GetPropW(window, name);
}

void WriteIntProperty(HWND window, const wchar_t* name, int value) {
  SetPropW(window, name, (HANDLE)(INT_PTR)value);
}

std::string ReadClassName(HWND window) {
  wchar_t buffer[256] = {};
  int n = GetClassNameW(window, buffer, 255);
  return ui::ToGbk(std::wstring(buffer, n > 0 ? n : 0));
}

void RoundWindowRegion(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  HRGN region = CreateRoundRectRgn(0, 0, r.right - r.left + 1, r.bottom - r.top + 1, 5, 5);
  // The window owns the region from here on.
  if (region && !SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

LRESULT CallSavedProcedure(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  return ui::CallPreviousProc((WNDPROC)GetPropW(window, kPropProc), window, msg, wp, lp);
}

namespace {

// Installs `proc` once; a window already hooked keeps its saved procedure.
void InstallOnce(HWND window, WNDPROC proc) {
  if (GetPropW(window, kPropProc)) return;
  WNDPROC old = ui::SubclassWindow(window, proc);
  SetPropW(window, kPropProc, (HANDLE)old);
}

bool ButtonIsSkinned(LONG style) {
  const LONG type = style & 31;
  if (type == BS_DEFPUSHBUTTON || type == BS_PUSHBUTTON) return true;
  const bool checkOrRadio = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                            type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
  return checkOrRadio && (style & BS_PUSHLIKE) != 0;
}

}  // namespace

bool SkinWindow(HWND window, int colourStyle) {
  const std::string cls = ReadClassName(window);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  WNDPROC proc = nullptr;
  int kind = 0;
  if (cls == "msctls_progress32") {
    RoundWindowRegion(window);
    proc = ProgressSkinProc, kind = kKindProgress;
  } else if (cls == "Button") {
    RoundWindowRegion(window);
    if (ButtonIsSkinned(style)) proc = ButtonSkinProc, kind = kKindButton;
  } else if (cls == "ComboBox") {
    proc = ComboSkinProc, kind = kKindCombo;
  } else if (cls == "SysListView32") {
    proc = ListViewSkinProc, kind = kKindListView;
  } else if (cls == "tooltips_class32") {
    proc = TooltipSkinProc, kind = kKindTooltip;
  }
  if (!kind) return false;
  InstallOnce(window, proc);
  WriteIntProperty(window, kPropType, kind);
  if (colourStyle > 0) WriteIntProperty(window, kPropColourStyle, colourStyle);
  if (kind == kKindListView && (style | 1) == style) {
    HWND header = (HWND)SendMessageW(window, LVM_GETHEADER, 0, 0);
    if (header) {
      InstallOnce(header, HeaderSkinProc);
      InvalidateRect(header, nullptr, TRUE);
    }
  }
  InvalidateRect(window, nullptr, FALSE);
  return true;
}

}  // namespace skin
