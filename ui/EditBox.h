// Edit box wrapper.
#pragma once
#include "Control.h"

namespace ui {

class EditBox : public Control {
 public:
  using Control::Control;
  void SetReadOnly(bool on) const { SendMessageW(hwnd_, EM_SETREADONLY, on, 0); }
};

// A transparent label has nothing beyond the common properties.
using Label = Control;
// A shape box is a framed panel that holds other controls.
using ShapeBox = Control;

}  // namespace ui
