// What a handler receives: the control, what happened and what the event carries; and what it answers.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <variant>

#include "Form.h"

namespace ui {

// What an event carries, by the kind that decoded it (see EventType).
struct ItemIndex {
  int index;  // a toolbar or menu item, a list row; -1: none
};
struct Position {
  int value;  // a slider's new position
};
struct Point {
  int x, y;  // client coordinates of the control
};
struct Choice {
  int index;            // the combo box's selected item; -1: none
  std::intptr_t value;  // the value that item carries; 0 for none
};
struct CheckState {
  bool checked;  // the state after the click
};
// What the tray icon reports to the form's tray handler.
enum TrayEvent : int {
  TrayClick = 1,        // left button released
  TrayDoubleClick = 2,  // left button double click
  TrayMenu = 3,         // right button released or the context-menu key
};
struct Drawing {
  const DRAWITEMSTRUCT* item;  // what an owner-drawn button is to paint, valid during the handler
};

using Payload = std::variant<std::monostate, ItemIndex, Position, Point, Choice, CheckState, TrayEvent, Drawing>;

struct Event {
  EventType type;
  HWND control = nullptr;           // the control's window; null for form events
  const ControlDef* row = nullptr;  // its row; null for form events
  Payload payload;
  // The handler's answer: when handled, the window answers the message with `result`.
  bool handled = false;
  LRESULT result = 0;

  bool Is(const char* name) const;

  // The payload as what the event's kind decoded; WrongKind when it carries
  // something else (a handler bound to the wrong kind of event).
  template <typename T>
  const T& Carried() const {
    if (const T* p = std::get_if<T>(&payload)) return *p;
    throw WrongKind(std::string("an event of ") + (row && row->name ? row->name : "the form") +
                    " read as carrying what it does not");
  }
  int Item() const { return Carried<ItemIndex>().index; }
  int NewPosition() const { return Carried<Position>().value; }
  Point Mouse() const { return Carried<Point>(); }
  Choice Chosen() const { return Carried<Choice>(); }
  bool NowChecked() const { return Carried<CheckState>().checked; }
  TrayEvent Tray() const { return Carried<TrayEvent>(); }
  const DRAWITEMSTRUCT& ToDraw() const { return *Carried<Drawing>().item; }
};

}  // namespace ui
