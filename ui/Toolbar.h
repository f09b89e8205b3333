// Toolbar wrapper; item indexes are 0-based and count separators.
#pragma once
#include "Control.h"
#include "ControlKind.h"

namespace ui {

class Toolbar : public KindControl<Kind::Toolbar> {
 public:
  using KindControl::KindControl;
  int ItemCount() const;
  std::string ItemText(int index) const;
  void SetItemText(int index, const std::string& text) const;
  // Presses an item as the user would: the toolbar reports the click.
};

}  // namespace ui
