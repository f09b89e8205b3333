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
  e.payload = CheckState{CheckBox(reinterpret_cast<HWND>(n.lp)).Checked()};
  return true;
}

// Check boxes and radio buttons sit on the form's background in the system's text colour.
HBRUSH CheckOnFormBackground(HDC dc, HWND) { return OnFormBackground(dc); }

extern const ControlKind Kind::CheckBox = ControlKind("CheckBox")
                                              .Creates(CreateCheckBox)
                                              .Decodes(DecodeCheckClick, Reports(EventType::Click))
                                              .Has(0, Checked)
                                              .PaintedOn(CheckOnFormBackground);

}  // namespace ui
