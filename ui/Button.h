// Push button and check box wrappers.
#pragma once
#include "Control.h"

namespace ui {

class Button : public Control {
 public:
  using Control::Control;
  // Sends a click as the user would (BM_CLICK): the click handler runs.
  void Click() const { SendMessageW(hwnd_, BM_CLICK, 0, 0); }
};

class CheckBox : public Button {
 public:
  using Button::Button;
  bool Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool on) const { SendMessageW(hwnd_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
};

}  // namespace ui
