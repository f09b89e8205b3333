// Edit box wrapper.
#pragma once
#include "Control.h"
#include "ControlKind.h"

namespace ui {

class EditBox : public Control {
 public:
  using Control::Control;
  static bool Fits(const ControlKind& kind) { return &kind == &Kind::EditBox; }
  void SetReadOnly(bool on) const { SendMessageW(hwnd_, EM_SETREADONLY, on, 0); }
};

}  // namespace ui
