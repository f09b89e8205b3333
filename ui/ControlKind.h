// A control kind: how a row of a form becomes a control, how its notifications
// become events, and everything the window does differently for it.
#pragma once
#include <windows.h>

#include <string>

#include "Event.h"
#include "Form.h"

namespace ui {

// What a kind's creation gets.
struct CreateArgs {
  const ControlDef& def;
  Window& window;
  HWND parent;
  int id;            // the control's unique id in its form
  HINSTANCE module;  // the module that holds the form's resources
  HFONT font;
  bool startsGroup;  // the control starts a new tab group (WS_GROUP)
};

// A notification as the form receives it for one of its controls.
struct Notification {
  UINT msg;   // WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL or WM_DRAWITEM
  UINT code;  // the notification code of WM_COMMAND and WM_NOTIFY, the scroll code
  WPARAM wp;
  LPARAM lp;
};

// A kind is a constant made from its name and then given what it has, each
// by name:
//   extern const ControlKind Kind::Slider =
//       ControlKind("Slider").Creates(CreateSlider).Decodes(DecodeSlider, Reports(EventType::Change)).Has(HasMax);
// What a kind does not say, the window does not do for it.
struct ControlKind {
  using Create = HWND (*)(const CreateArgs& args);
  // Turns a notification into an event (its type and payload); false when it is none the form reports.
  using Decode = bool (*)(const Notification& n, Event& e);
  // The brush a control on the form's background is painted on (WM_CTLCOLOR*), with the DC's text colour
  // and background mode set; null leaves the control to the system.
  using Background = HBRUSH (*)(HDC dc, HWND control);
  // Whether the row goes on the tab group of the row with a window before it on the same parent (null: none).
  using JoinsGroup = bool (*)(const ControlDef& row, const ControlDef* before);
  // Places the control when the form's inside changes its size.
  using Layout = void (*)(HWND control, const ControlDef& row, const FormDef& form, int clientWidth, int clientHeight);
  // The handler of what the event names inside the control (a toolbar's item); null: the row's own.
  using ItemHandler = Handler (*)(const ControlDef& row, const Event& e);
  // A notification from a window of the control's own that is no row (a toolbar's tooltip); true when answered.
  using Relay = bool (*)(HWND control, const ControlDef& row, const NMHDR* hdr);

  constexpr explicit ControlKind(const char* kindName) : name(kindName) {}

  const char* name;
  Create create = nullptr;
  Decode decode = nullptr;
  unsigned reports = 0;              // the events (Reports bits): the handler slots a row may fill
  unsigned properties = HasCaption;  // the Property bits a row may set (HasPlace with a window)
  unsigned flags = 0;                // the flags a row may set
  bool ticks = false;                // no window: a timer of the form, ticking every `interval`
  Background background = nullptr;
  JoinsGroup joinsGroup = nullptr;
  Layout layout = nullptr;
  ItemHandler itemHandler = nullptr;
  Relay relay = nullptr;

  // A kind with a window, made by the function, at a place of its own.
  constexpr ControlKind Creates(Create f) const {
    ControlKind k = *this;
    k.create = f;
    k.properties |= HasPlace;
    k.flags |= kWindowFlags;
    return k;
  }
  constexpr ControlKind Decodes(Decode f, unsigned events) const {
    ControlKind k = *this;
    k.decode = f;
    k.reports = events;
    return k;
  }
  // Properties and flags beyond place, caption and the window flags.
  constexpr ControlKind Has(unsigned rowProperties, unsigned rowFlags = 0) const {
    ControlKind k = *this;
    k.properties |= rowProperties;
    k.flags |= rowFlags;
    return k;
  }
  constexpr ControlKind WithoutCaption() const {
    ControlKind k = *this;
    k.properties &= ~HasCaption;
    return k;
  }
  // A timer of the form: no window, ticks every `interval` from the form's start (Disabled: stopped).
  constexpr ControlKind Ticks() const {
    ControlKind k = *this;
    k.ticks = true;
    k.reports |= Reports(EventType::Tick);
    k.properties = HasInterval;
    k.flags = Disabled;
    return k;
  }
  constexpr ControlKind PaintedOn(Background f) const { return With(&ControlKind::background, f); }
  constexpr ControlKind Grouped(JoinsGroup f) const { return With(&ControlKind::joinsGroup, f); }
  constexpr ControlKind Placed(Layout f) const { return With(&ControlKind::layout, f); }
  constexpr ControlKind ItemHandlers(ItemHandler f) const { return With(&ControlKind::itemHandler, f); }
  constexpr ControlKind Relays(Relay f) const { return With(&ControlKind::relay, f); }

 private:
  template <typename T>
  constexpr ControlKind With(T ControlKind::*field, T value) const {
    ControlKind k = *this;
    k.*field = value;
    return k;
  }
};

// Throws WrongKind when a row of the form sets what its kind does not have:
// a handler slot it never reports, a property, a flag. Forms have the form
// events' slots alone.
void CheckFormAgainstKinds(const FormDef& form);

// Creates a child window for a row with the common styles (visible unless
// Hidden, disabled with Disabled, tab group) and the form's font.
HWND CreateChild(const CreateArgs& args, const wchar_t* cls, DWORD style, DWORD exStyle = 0);
HWND CreateChild(const CreateArgs& args, const wchar_t* cls, DWORD style, DWORD exStyle, const std::wstring& text);

// The window text of a row's caption.
std::wstring CaptionOf(const ControlDef& def);

// For kinds that sit on the form's background: a transparent background on
// the form's colour, and the text colour given (kDefaultColour: the system's).
HBRUSH OnFormBackground(HDC dc, int textColour = kDefaultColour);

// Whether two rows stand on the same parent (the form or one box).
bool SameParent(const ControlDef& a, const ControlDef& b);

}  // namespace ui
