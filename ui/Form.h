// Forms as data: a window and its controls, menus and timers as constant rows.
#pragma once

namespace ui {

class Window;
struct Event;
struct ControlKind;

// Handlers are plain functions of the program: they get the window and the
// event (which control, what happened, an argument) and may answer through it.
using Handler = void (*)(Window& window, Event& event);

// What a may-close handler answers.
enum class CloseAnswer { None, MayClose, KeepOpen };
using CloseHandler = CloseAnswer (*)(Window& window);

// The control kinds. Each is defined in the file of its wrapper; a new kind
// is one more file and one more line here.
namespace Kind {
extern const ControlKind Toolbar;
extern const ControlKind ShapeBox;     // a framed panel that holds other controls
extern const ControlKind GroupBox;     // a panel with an etched frame and a caption
extern const ControlKind ListView;     // report style
extern const ControlKind ProgressBar;
extern const ControlKind Label;        // static text on the form's background; reports clicks
extern const ControlKind EditBox;
extern const ControlKind Button;       // push button; owner-drawn with the OwnerDrawn flag
extern const ControlKind CheckBox;
extern const ControlKind RadioButton;  // one group per run of radio rows (NewGroup starts another)
extern const ControlKind ComboBox;     // drop-down list whose items carry values
extern const ControlKind Slider;       // horizontal trackbar from 0 to `value`
extern const ControlKind PictureBox;   // an icon or cursor resource (`value`); reports mouse buttons and moves
extern const ControlKind StatusBar;
extern const ControlKind Timer;        // not shown; ticks every `value` milliseconds
extern const ControlKind WebBrowser;   // hosted browser control; the caption is the address it starts at
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

// Window styles of a form.
enum FormStyle : unsigned {
  MinimizeBox = 1u << 0,
  MaximizeBox = 1u << 1,
  Popup = 1u << 2,      // no caption and no border
  Topmost = 1u << 3,
  Sizable = 1u << 4,    // a sizing border instead of the fixed one
  ToolWindow = 1u << 5, // no taskbar button
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

struct ControlDef {
  const char* name;  // designer name, unique within the form
  const ControlKind& kind;
  const char* parent;  // designer name of a shape or group box, or nullptr for the window
  Rect rect;
  const char* caption = "";
  unsigned flags = 0;
  Handler onEvent = nullptr;  // every event of the control
  int value = 0;  // progress-bar and slider maximum, timer interval, toolbar image strip, picture resource
  const ToolItem* items = nullptr;
  int itemCount = 0;
  const Column* columns = nullptr;
  int columnCount = 0;
  const ListItem* list = nullptr;  // combo box items
  int listCount = 0;
  int colour = kDefaultColour;  // label text colour (Rgb)
};

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

struct FormDef {
  const char* name;
  const char* caption;
  Rect rect;  // screen position and size of the window's inside
  const ControlDef* controls;
  int controlCount;
  const MenuDef* menus = nullptr;
  int menuCount = 0;
  int icon = 0;  // resource id of the window and tray icon, in the module that holds the form
  Handler onCreated = nullptr;
  CloseHandler onClosing = nullptr;
  Handler onDestroyed = nullptr;
  Handler onTray = nullptr;  // event argument: a TrayEvent
  unsigned style = kDefaultFormStyle;
  // Runs once when the window is first shown and after every change of its size.
  Handler onResized = nullptr;
};

// What the tray icon reports to the form's tray handler.
enum TrayEvent : int {
  TrayClick = 1,        // left button released
  TrayDoubleClick = 2,  // left button double click
  TrayMenu = 3,         // right button released or the context-menu key
};

template <typename T, int N>
constexpr int CountOf(const T (&)[N]) {
  return N;
}

}  // namespace ui
