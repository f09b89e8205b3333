// Edit box wrapper.
#pragma once
#include "Control.h"
#include "ControlKind.h"

namespace ui {

class EditBox : public KindControl<Kind::EditBox> {
 public:
  using KindControl::KindControl;
  void SetReadOnly(bool on) const { SendMessageW(hwnd_, EM_SETREADONLY, on, 0); }
};

}  // namespace ui
