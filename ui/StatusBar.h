// Status bar wrapper.
#pragma once
#include "Control.h"
#include "ControlKind.h"

namespace ui {

class StatusBar : public KindControl<Kind::StatusBar> {
 public:
  using KindControl::KindControl;
  void SetPanelText(int panel, const std::string& text) const;
  std::string PanelText(int panel) const;
};

}  // namespace ui
