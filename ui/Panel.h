// The panel window class behind shape boxes and group boxes: holds controls and hands their notifications to the form.
#pragma once
#include <windows.h>

#include "Control.h"
#include "ControlKind.h"

namespace ui {

// The message with which a subclassed control reports a mouse or other
// event to its form: WPARAM points to a Notification, LPARAM is the control.
constexpr UINT kControlNotifyMessage = WM_APP + 2;

// Reports a message of a subclassed control to its form with kControlNotifyMessage.
void NotifyForm(HWND control, UINT msg, WPARAM wp, LPARAM lp);

// Shape boxes and group boxes have nothing beyond the common properties.
using ShapeBox = Control;
using GroupBox = Control;

enum class PanelFrame { Shape, Group };

// Creates a panel for the row with the given frame.
HWND CreatePanel(const CreateArgs& args, PanelFrame frame);

}  // namespace ui
