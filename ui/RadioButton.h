// Radio button wrapper: one of a group, checked alone.
#pragma once
#include "CheckBox.h"

namespace ui {

class RadioButton : public CheckBox {
 public:
  using CheckBox::CheckBox;
  static bool Fits(const ControlKind& kind) { return &kind == &Kind::RadioButton; }
};

}  // namespace ui
