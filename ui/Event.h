// What a handler receives: the control, what happened and its argument; and what it answers.
#pragma once
#include <windows.h>

#include <cstdint>

#include "Form.h"

namespace ui {

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

  bool Is(const char* name) const;
};

}  // namespace ui
