// Picture box wrapper: shows an icon or cursor resource, or nothing.
#pragma once
#include "Control.h"
#include "ControlKind.h"

namespace ui {

class PictureBox : public KindControl<Kind::PictureBox> {
 public:
  using KindControl::KindControl;
  // Shows the icon or cursor resource of the form's module; 0 shows nothing.
  void SetPicture(int resourceId) const;
  bool HasPicture() const;
};

}  // namespace ui
