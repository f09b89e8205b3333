// What a handler receives: the control, what happened and its argument; and what it answers.
#pragma once
#include <windows.h>

#include <cstdint>

#include "Form.h"

namespace ui {

enum class EventType {
  Click,       // button, check box, radio button, label, toolbar item, menu item
  DoubleClick,
  Change,      // combo box selection, slider moved by the user
  Tick,        // timer
  RightClick,  // list view
  Focus,       // edit box got the focus
  Draw,        // owner-drawn button: `data` is the DRAWITEMSTRUCT
  MouseDown,   // picture box, left button; arg x, value y (client coordinates)
  MouseUp,
  MouseMove,
  Created,    // form events
  Destroyed,
  Resized,
  Tray,  // arg: a TrayEvent
};

struct Event {
  EventType type;
  HWND control = nullptr;           // the control's window; null for form events
  const ControlDef* row = nullptr;  // its row; null for form events
  int arg = 0;           // toolbar or menu item index, list index, slider position, tray event, mouse x
  std::intptr_t value = 0;  // the combo item's value, mouse y
  const void* data = nullptr;
  // The handler's answer: when handled, the window answers the message with `result`.
  bool handled = false;
  LRESULT result = 0;

  // The control as its typed wrapper.
  template <typename T>
  T As() const {
    return T(control);
  }
  bool Is(const char* name) const;
};

}  // namespace ui
