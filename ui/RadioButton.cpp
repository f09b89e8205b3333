// Radio button: the first of a run of radio rows starts the group (WS_GROUP) and is a tab stop.
#include "RadioButton.h"

namespace ui {

namespace {

HWND CreateRadioButton(const CreateArgs& a) {
  HWND hwnd = CreateChild(a, L"BUTTON", BS_AUTORADIOBUTTON | (a.startsGroup ? WS_TABSTOP : 0));
  if (hwnd && (a.def.flags & Checked)) RadioButton(hwnd).SetChecked(true);
  return hwnd;
}

}  // namespace

extern const ControlKind Kind::RadioButton = {"RadioButton", CreateRadioButton, DecodeCheckClick,
                                             Reports(EventType::Click)};

}  // namespace ui
