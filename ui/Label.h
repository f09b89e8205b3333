// Label wrapper: static text on the form's background, with an optional text colour of its own.
#pragma once
#include "Control.h"
#include "ControlKind.h"

namespace ui {

class Label : public KindControl<Kind::Label> {
 public:
  using KindControl::KindControl;
  // Rgb value, or kDefaultColour for the system's text colour.
  int TextColour() const;
  void SetTextColour(int colour) const;
};

}  // namespace ui
