// Toolbar wrapper. Each item's command id is its index.
#include "Toolbar.h"

#include <commctrl.h>

#include "WideText.h"

namespace ui {

int Toolbar::ItemCount() const { return (int)SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0); }

std::string Toolbar::ItemText(int index) const {
  wchar_t buf[256] = {};
  TBBUTTONINFOW info = {sizeof(info), TBIF_TEXT};
  info.pszText = buf;
  info.cchText = 256;
  SendMessageW(hwnd_, TB_GETBUTTONINFOW, index, (LPARAM)&info);
  return ToGbk(buf);
}

void Toolbar::SetItemText(int index, const std::string& text) const {
  std::wstring wide = ToWide(text);
  TBBUTTONINFOW info = {sizeof(info), TBIF_TEXT};
  info.pszText = wide.data();
  SendMessageW(hwnd_, TB_SETBUTTONINFOW, index, (LPARAM)&info);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Toolbar::ClickItem(int index) const {
  TBBUTTON button = {};
  if (!SendMessageW(hwnd_, TB_GETBUTTON, index, (LPARAM)&button) || (button.fsStyle & BTNS_SEP)) return;
  SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(index, BN_CLICKED), (LPARAM)hwnd_);
}

}  // namespace ui
