// Status bar wrapper.
#include "StatusBar.h"

#include <commctrl.h>

#include "WideText.h"

namespace ui {

void StatusBar::SetPanelText(int panel, const std::string& text) const {
  SendMessageW(hwnd_, SB_SETTEXTW, panel, (LPARAM)ToWide(text).c_str());
}

std::string StatusBar::PanelText(int panel) const {
  int n = LOWORD(SendMessageW(hwnd_, SB_GETTEXTLENGTHW, panel, 0));
  std::wstring buf(n + 1, L'\0');
  SendMessageW(hwnd_, SB_GETTEXTW, panel, (LPARAM)buf.data());
  buf.resize(n);
  return ToGbk(buf);
}

}  // namespace ui
