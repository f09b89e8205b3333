// Check box wrapper.
#pragma once
#include "Button.h"

namespace ui {

class CheckBox : public Button {
 public:
  using Button::Button;
  static bool Fits(const ControlKind& kind) { return &kind == &Kind::CheckBox || &kind == &Kind::RadioButton; }
  bool Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool on) const { SendMessageW(hwnd_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
};

// A click on a check box or radio button, with its new state as the argument.
bool DecodeCheckClick(const Notification& n, Event& e);
// Check boxes and radio buttons sit on the form's background in the system's text colour.
HBRUSH CheckOnFormBackground(HDC dc, HWND control);

}  // namespace ui
