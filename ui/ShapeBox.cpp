// Shape box: a panel with a thin frame that holds other controls.
#include "Panel.h"

namespace ui {

extern const ControlKind Kind::ShapeBox =
    ControlKind("ShapeBox").Creates([](const CreateArgs& a) { return CreatePanel(a, PanelFrame::Shape); });

}  // namespace ui
