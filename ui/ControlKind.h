// A control kind: how a row of a form becomes a control and how its notifications become events.
#pragma once
#include <windows.h>

#include <stdexcept>
#include <string>

#include "Event.h"
#include "Form.h"

namespace ui {

// What a kind's creation gets.
struct CreateArgs {
  const ControlDef& def;
  Window& window;
  HWND parent;
  int id;           // the control's unique id in its form
  HINSTANCE module; // the module that holds the form's resources
  HFONT font;
  bool startsGroup;  // the control starts a new tab group (WS_GROUP)
};

// A notification as the form receives it for one of its controls.
struct Notification {
  UINT msg;  // WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL or WM_DRAWITEM
  UINT code; // the notification code of WM_COMMAND and WM_NOTIFY, the scroll code
  WPARAM wp;
  LPARAM lp;
};

struct ControlKind {
  const char* name;
  // Creates the control; null when it cannot be made. Null for kinds that
  // are no window (timers).
  HWND (*create)(const CreateArgs& args) = nullptr;
  // Turns a notification into an event; false when it is none the form reports.
  bool (*decode)(const Notification& n, Event& e) = nullptr;
  // The events the kind reports (Reports bits): the handler slots a row of
  // this kind may fill.
  unsigned reports = 0;
};

// A form used against the kinds of its rows: a wrapper asked for a control of
// a kind it does not fit, or a handler in a slot the row's kind never
// reports. A programming error; it is thrown where it is found, before
// anything is sent to the control or any window of the form is made.
class WrongKind : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// Creates a child window for a row with the common styles (visible unless
// Hidden, disabled with Disabled, tab group) and the form's font.
HWND CreateChild(const CreateArgs& args, const wchar_t* cls, DWORD style, DWORD exStyle = 0);
HWND CreateChild(const CreateArgs& args, const wchar_t* cls, DWORD style, DWORD exStyle, const std::wstring& text);

// The window text of a row's caption.
std::wstring CaptionOf(const ControlDef& def);

}  // namespace ui
