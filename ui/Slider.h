// Slider (trackbar) wrapper: a position from 0 to its maximum.
#pragma once
#include "Control.h"
#include "ControlKind.h"

namespace ui {

class Slider : public KindControl<Kind::Slider> {
 public:
  using KindControl::KindControl;
  int Pos() const;
  // Sets the position from code: the user's change event does not fire.
  void SetPos(int pos) const;
  int Max() const;
  void SetMax(int max) const;
};

}  // namespace ui
