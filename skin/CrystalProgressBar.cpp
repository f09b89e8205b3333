// The progress-bar skin object.
#include "skin/CrystalProgressBar.h"

#include <commctrl.h>

#include "skin/ProgressSkin.h"
#include "skin/SkinColours.h"
#include "skin/SkinEngine.h"
#include "skin/TextProperty.h"
#include "ui/Control.h"

namespace skin {

std::unique_ptr<CrystalProgressBar> CrystalProgressBar::Copy() const {
  return std::unique_ptr<CrystalProgressBar>(new CrystalProgressBar(handle_));
}

HWND CrystalProgressBar::Create(HWND parent, int left, int top, int width, int height) {
  if (Exists()) return handle_;
  handle_ = nullptr;
  if (!IsWindow(parent)) return nullptr;
  handle_ = CreateWindowExW(0, PROGRESS_CLASSW, L"水晶进度条", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, left, top,
                            width, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (handle_) {
    SkinWindow(handle_);
    SetColourStyle(0);
  }
  return handle_;
}

void CrystalProgressBar::SetColourStyle(int style) {
  WriteIntProperty(handle_, kPropColourStyle, style);
  PaintProgressBar(handle_, nullptr, 0);
}

int CrystalProgressBar::GetColourStyle() const {
  return EffectiveColourStyle(ReadIntProperty(handle_, kPropColourStyle));
}

void CrystalProgressBar::SetText(int textStyle, const std::string& text) {
  WriteIntProperty(handle_, kPropTextStyle, textStyle);
  StoreTextProperty(handle_, kPropTextContent, text);
  PaintProgressBar(handle_, nullptr, 0);
}

bool CrystalProgressBar::Attach(HWND window) {
  if (Exists() || !IsWindow(window)) return false;
  if (ui::WindowClass(window) != L"msctls_progress32") return false;
  handle_ = window;
  SkinWindow(window);
  // Without its client edge; SWP_FRAMECHANGED makes the new frame take effect.
  SetWindowLongW(window, GWL_EXSTYLE, 0);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetColourStyle(0);
  return true;
}

void CrystalProgressBar::SetRange(int low, int high) const {
  SendMessageW(handle_, PBM_SETRANGE, 0, MAKELPARAM(low & 0xFFFF, high & 0xFFFF));
  SendMessageW(handle_, PBM_SETSTEP, 1, 0);
}

int CrystalProgressBar::SetPos(int position) const { return (int)SendMessageW(handle_, PBM_SETPOS, position, 0); }

void CrystalProgressBar::GetRange(int& low, int& high) const {
  PBRANGE range = {};
  SendMessageW(handle_, PBM_GETRANGE, TRUE, (LPARAM)&range);
  low = range.iLow;
  high = range.iHigh;
}

int CrystalProgressBar::RangeLow() const {
  int low = 0, high = 0;
  GetRange(low, high);
  return low;
}

int CrystalProgressBar::RangeHigh() const {
  int low = 0, high = 0;
  GetRange(low, high);
  return high;
}

int CrystalProgressBar::GetPos() const { return (int)SendMessageW(handle_, PBM_GETPOS, 0, 0); }

}  // namespace skin
