// Forms as data: a window and its controls, menus and timers as constant rows.
#pragma once
#include <stdexcept>

namespace ui {

class Window;
struct Event;
struct ControlKind;

// Handlers are plain functions of the program: they get the window and the
// event (which control, what happened, an argument) and may answer through it.
using Handler = void (*)(Window& window, Event& event);

// What happened: each event has its own handler slot in a row or a form. What
// an event carries besides (ui/Event.h) is named after each.
enum class EventType {
  Click,  // button, label; check box, radio button: CheckState; list view: ItemIndex (-1: no row);
          // toolbar item, menu item: ItemIndex
  DoubleClick,
  Change,      // combo box: Choice; slider moved by the user: Position
  Tick,        // timer
  RightClick,  // list view: ItemIndex
  Focus,       // edit box got the focus
  Draw,        // owner-drawn button: Drawing
  MouseDown,   // left button: Point (client coordinates)
  MouseUp,     // Point
  MouseMove,   // Point
  Created,     // form events
  Destroyed,
  Resized,  // also once when the window is first shown
  Tray,     // TrayEvent
};
constexpr int kEventTypeCount = static_cast<int>(EventType::Tray) + 1;

// The bit of an event type in a set of events.
constexpr unsigned Reports(EventType type) { return 1u << static_cast<unsigned>(type); }
// The events a form reports: the slots its own handlers may fill.
constexpr unsigned kFormReports = Reports(EventType::Created) | Reports(EventType::Destroyed) |
                                  Reports(EventType::Resized) | Reports(EventType::Tray);

// What a may-close handler answers.
enum class CloseAnswer { None, MayClose, KeepOpen };
using CloseHandler = CloseAnswer (*)(Window& window);

// The control kinds. Each is defined in the file of its wrapper, and
// everything the window does differently for a kind is said there (see
// ui/ControlKind.h); a new kind is one more file and one more line here.
namespace Kind {
extern const ControlKind Toolbar;
extern const ControlKind ShapeBox;  // a framed panel that holds other controls
extern const ControlKind GroupBox;  // a panel with an etched frame and a caption
extern const ControlKind ListView;  // report style
extern const ControlKind ProgressBar;
extern const ControlKind Label;  // static text on the form's background; reports clicks
extern const ControlKind EditBox;
extern const ControlKind Button;  // push button; owner-drawn with the OwnerDrawn flag
extern const ControlKind CheckBox;
extern const ControlKind RadioButton;  // one group per run of radio rows (NewGroup starts another)
extern const ControlKind ComboBox;     // drop-down list whose items carry values
extern const ControlKind Slider;       // horizontal trackbar from 0 to `max`
extern const ControlKind PictureBox;   // an icon or cursor resource (`picture`); reports mouse buttons and moves
extern const ControlKind StatusBar;
extern const ControlKind Timer;       // not shown; ticks every `interval` milliseconds
extern const ControlKind WebBrowser;  // hosted browser control; the caption is the address it starts at
}  // namespace Kind

// Control flags.
enum : unsigned {
  Disabled = 1u << 0,
  Hidden = 1u << 1,
  HandCursor = 1u << 2,
  Checked = 1u << 3,        // check box, radio button
  RowCheckBoxes = 1u << 4,  // list view: a check box per row
  OwnerDrawn = 1u << 5,     // button: the handler paints it (Draw event)
  NewGroup = 1u << 6,       // radio button: starts a new group
  MultiLine = 1u << 7,      // edit box
  Password = 1u << 8,       // edit box: shows "*" for every character
};
// The flags every kind with a window takes.
constexpr unsigned kWindowFlags = Disabled | Hidden | HandCursor;

// What a row may set besides its place, caption and flags; each kind names
// those it has, and a row that sets another is refused when its form is loaded.
enum Property : unsigned {
  HasColour = 1u << 0,    // Colour: label text colour
  HasMax = 1u << 1,       // Max: progress bar, slider
  HasInterval = 1u << 2,  // Interval: timer
  HasImages = 1u << 3,    // Images: toolbar
  HasPicture = 1u << 4,   // Picture: picture box
  HasItems = 1u << 5,     // Items: toolbar
  HasColumns = 1u << 6,   // Columns: list view
  HasList = 1u << 7,      // List: combo box
  HasCaption = 1u << 8,   // Caption
  HasPlace = 1u << 9,     // In, At: a place on the form
};

// A form used against the kinds of its rows: a wrapper asked for a control of
// a kind it does not fit, a handler in a slot the row's kind never reports, a
// property or flag the kind does not have, an event's payload read as one it
// does not carry. A programming error; it is thrown where it is found, before
// anything is sent to the control or, at load, any window of the form is made.
class WrongKind : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// Window styles of a form.
enum FormStyle : unsigned {
  MinimizeBox = 1u << 0,
  MaximizeBox = 1u << 1,
  Popup = 1u << 2,  // no caption and no border
  Topmost = 1u << 3,
  Sizable = 1u << 4,     // a sizing border instead of the fixed one
  ToolWindow = 1u << 5,  // no taskbar button
};
constexpr unsigned kDefaultFormStyle = MinimizeBox;

// The colour a row gives when it keeps the system's text colour.
constexpr int kDefaultColour = -1;
constexpr int Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

struct ToolItem {
  const char* text;  // nullptr: a separator
  const char* tip;   // nullptr: no tip
  int image;         // index in the toolbar's image strip
  Handler onClick = nullptr;
};

struct Column {
  const char* title;
  int width;
};

// An item of a combo box with the value it carries.
struct ListItem {
  const char* text;
  int value;
};

struct Rect {
  int x, y, w, h;
};

// What rows and forms share: the handler slots, one for each event, filled by
// name (OnClick, OnCreated, ...), and setters that give a changed copy, so
// that a row or a form says only what it sets. A slot that the row's kind (or
// a form) never reports is refused when the form is loaded.
template <typename Def>
struct Definition {
  Handler on[kEventTypeCount] = {};

  constexpr Def OnClick(Handler h) const { return With(EventType::Click, h); }
  constexpr Def OnDoubleClick(Handler h) const { return With(EventType::DoubleClick, h); }
  constexpr Def OnChange(Handler h) const { return With(EventType::Change, h); }
  constexpr Def OnTick(Handler h) const { return With(EventType::Tick, h); }
  constexpr Def OnRightClick(Handler h) const { return With(EventType::RightClick, h); }
  constexpr Def OnFocus(Handler h) const { return With(EventType::Focus, h); }
  constexpr Def OnDraw(Handler h) const { return With(EventType::Draw, h); }
  constexpr Def OnMouseDown(Handler h) const { return With(EventType::MouseDown, h); }
  constexpr Def OnMouseUp(Handler h) const { return With(EventType::MouseUp, h); }
  constexpr Def OnMouseMove(Handler h) const { return With(EventType::MouseMove, h); }
  constexpr Def OnCreated(Handler h) const { return With(EventType::Created, h); }
  constexpr Def OnDestroyed(Handler h) const { return With(EventType::Destroyed, h); }
  constexpr Def OnResized(Handler h) const { return With(EventType::Resized, h); }
  constexpr Def OnTray(Handler h) const { return With(EventType::Tray, h); }

  // The handler of an event; null when its slot is empty.
  constexpr Handler HandlerFor(EventType type) const { return on[static_cast<int>(type)]; }
  // The Reports bits of the filled slots.
  constexpr unsigned FilledSlots() const {
    unsigned filled = 0;
    for (int i = 0; i < kEventTypeCount; ++i)
      if (on[i]) filled |= 1u << i;
    return filled;
  }

 protected:
  template <typename T>
  constexpr Def With(T Def::*field, T value) const {
    Def def = static_cast<const Def&>(*this);
    def.*field = value;
    return def;
  }
  constexpr Def With(EventType type, Handler h) const {
    Def def = static_cast<const Def&>(*this);
    def.on[static_cast<int>(type)] = h;
    return def;
  }
};

// A row of a form: the designer name and kind given to Row, every other field
// by name:
//   Row(kParseButton, Kind::Button).In(kAddressGroup).At(84, 128, 68, 28).Caption("开始解析").OnClick(OnParseButton)
struct ControlDef : Definition<ControlDef> {
  constexpr ControlDef(const char* designerName, const ControlKind& controlKind)
      : name(designerName), kind(controlKind) {}

  const char* name;  // designer name, unique within the form
  const ControlKind& kind;
  const char* parent = nullptr;  // designer name of a shape or group box, or nullptr for the window
  Rect rect = {};
  const char* caption = "";
  unsigned flags = 0;
  int colour = kDefaultColour;  // label text colour (Rgb)
  int max = 0;                  // progress bar, slider: the range runs from 0 to this
  int interval = 0;             // timer: milliseconds between ticks
  int images = 0;               // toolbar: bitmap resource of the image strip
  int picture = 0;              // picture box: icon or cursor resource
  const ToolItem* items = nullptr;
  int itemCount = 0;
  const Column* columns = nullptr;
  int columnCount = 0;
  const ListItem* list = nullptr;  // combo box items
  int listCount = 0;
  unsigned given = 0;  // the Property bits of what the row sets

  template <int N>
  constexpr ControlDef Items(const ToolItem (&all)[N]) const {
    return With(&ControlDef::items, &all[0]).With(&ControlDef::itemCount, N).Giving(HasItems);
  }
  template <int N>
  constexpr ControlDef Columns(const Column (&all)[N]) const {
    return With(&ControlDef::columns, &all[0]).With(&ControlDef::columnCount, N).Giving(HasColumns);
  }
  template <int N>
  constexpr ControlDef List(const ListItem (&all)[N]) const {
    return With(&ControlDef::list, &all[0]).With(&ControlDef::listCount, N).Giving(HasList);
  }
  constexpr ControlDef In(const char* box) const { return With(&ControlDef::parent, box).Giving(HasPlace); }
  constexpr ControlDef At(int x, int y, int w, int h) const {
    return With(&ControlDef::rect, Rect{x, y, w, h}).Giving(HasPlace);
  }
  constexpr ControlDef Caption(const char* text) const { return With(&ControlDef::caption, text).Giving(HasCaption); }
  constexpr ControlDef Flags(unsigned set) const { return With(&ControlDef::flags, set); }
  constexpr ControlDef Colour(int rgb) const { return With(&ControlDef::colour, rgb).Giving(HasColour); }
  constexpr ControlDef Max(int n) const { return With(&ControlDef::max, n).Giving(HasMax); }
  constexpr ControlDef Interval(int ms) const { return With(&ControlDef::interval, ms).Giving(HasInterval); }
  constexpr ControlDef Images(int resource) const { return With(&ControlDef::images, resource).Giving(HasImages); }
  constexpr ControlDef Picture(int resource) const { return With(&ControlDef::picture, resource).Giving(HasPicture); }

 private:
  constexpr ControlDef Giving(unsigned property) const { return With(&ControlDef::given, given | property); }
};

constexpr ControlDef Row(const char* name, const ControlKind& kind) { return ControlDef(name, kind); }

struct MenuDef;

struct MenuItemDef {
  const char* caption;  // "-" is a separator; the caption is the item's designer name
  Handler onClick;
  const MenuDef* subMenu = nullptr;  // the item opens this menu instead of running a handler
};

struct MenuDef {
  const char* name;
  const MenuItemDef* items;
  int itemCount;
};

// A form: its name, caption, the screen position and size of the window's
// inside and its rows given to the constructor, the rest by name. Its
// handler slots are those of the form events (Created, Destroyed, Resized,
// Tray) and the may-close handler.
struct FormDef : Definition<FormDef> {
  template <int N>
  constexpr FormDef(const char* formName, const char* formCaption, Rect inside, const ControlDef (&rows)[N])
      : FormDef(formName, formCaption, inside, &rows[0], N) {}
  constexpr FormDef(const char* formName, const char* formCaption, Rect inside, const ControlDef* rows, int rowCount)
      : name(formName), caption(formCaption), rect(inside), controls(rows), controlCount(rowCount) {}
  constexpr FormDef(const char* formName, const char* formCaption, Rect inside)
      : FormDef(formName, formCaption, inside, nullptr, 0) {}

  const char* name;
  const char* caption;
  Rect rect;
  const ControlDef* controls;
  int controlCount;
  const MenuDef* menus = nullptr;
  int menuCount = 0;
  unsigned style = kDefaultFormStyle;
  int icon = 0;  // resource id of the window and tray icon, in the module that holds the form
  CloseHandler onClosing = nullptr;

  template <int N>
  constexpr FormDef Menus(const MenuDef (&all)[N]) const {
    return With(&FormDef::menus, &all[0]).With(&FormDef::menuCount, N);
  }
  constexpr FormDef Style(unsigned formStyle) const { return With(&FormDef::style, formStyle); }
  constexpr FormDef Icon(int resource) const { return With(&FormDef::icon, resource); }
  constexpr FormDef OnClosing(CloseHandler h) const { return With(&FormDef::onClosing, h); }
};

template <typename T, int N>
constexpr int CountOf(const T (&)[N]) {
  return N;
}

}  // namespace ui
