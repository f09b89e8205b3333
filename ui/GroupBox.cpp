// Group box: a panel with an etched frame and its caption that holds other controls.
#include "Panel.h"

namespace ui {

extern const ControlKind Kind::GroupBox =
    ControlKind("GroupBox").Creates([](const CreateArgs& a) { return CreatePanel(a, PanelFrame::Group); });

}  // namespace ui
