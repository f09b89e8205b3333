// Push button wrapper; with the OwnerDrawn flag its handler paints it (Draw event).
#pragma once
#include "Control.h"
#include "ControlKind.h"

namespace ui {

class Button : public Control {
 public:
  using Control::Control;
  static bool Fits(const ControlKind& kind) {
    return &kind == &Kind::Button || &kind == &Kind::CheckBox || &kind == &Kind::RadioButton;
  }
  // Sends a click as the user would (BM_CLICK): the click handler runs.
  void Click() const { SendMessageW(hwnd_, BM_CLICK, 0, 0); }
};

}  // namespace ui
