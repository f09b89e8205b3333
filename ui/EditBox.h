// Edit box wrapper.
#pragma once
#include "Control.h"
#include "ControlKind.h"

namespace ui {

class EditBox : public KindControl<Kind::EditBox> {
 public:
  using KindControl::KindControl;
};

}  // namespace ui
