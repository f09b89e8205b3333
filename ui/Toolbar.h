// Toolbar wrapper; item indexes are 0-based and count separators.
#pragma once
#include "Control.h"
#include "ControlKind.h"

namespace ui {

class Toolbar : public Control {
 public:
  using Control::Control;
  static bool Fits(const ControlKind& kind) { return &kind == &Kind::Toolbar; }
  int ItemCount() const;
  std::string ItemText(int index) const;
  void SetItemText(int index, const std::string& text) const;
  // Presses an item as the user would: the toolbar reports the click.
  void ClickItem(int index) const;
};

}  // namespace ui
