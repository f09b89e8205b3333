// Check box: reports clicks with its new state.
#include "CheckBox.h"

namespace ui {

namespace {

HWND CreateCheckBox(const CreateArgs& a) {
  HWND hwnd = CreateChild(a, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP);
  if (hwnd && (a.def.flags & Checked)) CheckBox(hwnd).SetChecked(true);
  return hwnd;
}

}  // namespace

bool DecodeCheckClick(const Notification& n, Event& e) {
  if (n.msg != WM_COMMAND || n.code != BN_CLICKED) return false;
  e.type = EventType::Click;
  e.arg = CheckBox(reinterpret_cast<HWND>(n.lp)).Checked() ? 1 : 0;
  return true;
}

extern const ControlKind Kind::CheckBox = {"CheckBox", CreateCheckBox, DecodeCheckClick,
                                          Reports(EventType::Click)};

}  // namespace ui
