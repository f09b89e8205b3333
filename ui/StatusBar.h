// Status bar wrapper.
#pragma once
#include "Control.h"
#include "ControlKind.h"

namespace ui {

class StatusBar : public Control {
 public:
  using Control::Control;
  static bool Fits(const ControlKind& kind) { return &kind == &Kind::StatusBar; }
  void SetPanelText(int panel, const std::string& text) const;
  std::string PanelText(int panel) const;
};

}  // namespace ui
