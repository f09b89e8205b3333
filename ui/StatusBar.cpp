// Status bar wrapper.
#include "StatusBar.h"

#include <commctrl.h>

#include "ui/base/WideText.h"

namespace ui {

namespace {

HWND CreateStatusBar(const CreateArgs& a) {
  HWND hwnd = CreateChild(a, STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, std::wstring());
  if (!hwnd) return nullptr;
  int parts[1] = {-1};
  SendMessageW(hwnd, SB_SETPARTS, 1, (LPARAM)parts);
  SendMessageW(hwnd, SB_SETTEXTW, 0, (LPARAM)CaptionOf(a.def).c_str());
  return hwnd;
}

// A status bar on the form keeps its distance from the form's bottom edge
// when the form's height changes, as status bars do.
void KeepAtTheBottom(HWND control, const ControlDef& row, const FormDef& form, int, int clientHeight) {
  if (row.parent) return;
  const int margin = form.rect.h - (row.rect.y + row.rect.h);
  SetWindowPos(control, nullptr, row.rect.x, clientHeight - margin - row.rect.h, row.rect.w, row.rect.h,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

extern const ControlKind Kind::StatusBar = ControlKind("StatusBar").Creates(CreateStatusBar).Placed(KeepAtTheBottom);

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
