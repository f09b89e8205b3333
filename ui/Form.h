// Forms as data: a window and its controls, menus and timers as constant rows.
#pragma once

namespace ui {

// Handlers are plain functions of the program. The argument carries what the
// event says: the toolbar item index, the tray event kind; 0 otherwise.
using Handler = void (*)(int arg);

// What a may-close handler answers.
enum class CloseAnswer { None, MayClose, KeepOpen };
using CloseHandler = CloseAnswer (*)();

enum class Kind {
  Toolbar,
  ShapeBox,     // a framed panel that holds other controls
  ListView,     // report style
  ProgressBar,
  Label,        // transparent static text
  EditBox,
  Button,
  CheckBox,
  StatusBar,
  Timer,        // not shown; ticks every `value` milliseconds
  WebBrowser,   // hosted browser control
};

// Control flags.
enum : unsigned {
  Disabled = 1u << 0,
  Hidden = 1u << 1,
  HandCursor = 1u << 2,
  Checked = 1u << 3,
  RowCheckBoxes = 1u << 4,  // list view: a check box per row
};

struct ToolItem {
  const char* text;  // nullptr: a separator
  const char* tip;   // nullptr: no tip
  int image;         // index in the toolbar's image strip
};

struct Column {
  const char* title;
  int width;
};

struct Rect {
  int x, y, w, h;
};

struct ControlDef {
  const char* name;    // designer name, unique within the form
  Kind kind;
  const char* parent;  // designer name of a shape box, or nullptr for the window
  Rect rect;
  const char* caption = "";
  unsigned flags = 0;
  Handler onEvent = nullptr;  // click, tick, right click, focus, toolbar item click
  int value = 0;              // progress-bar range maximum, timer interval, toolbar image resource
  const ToolItem* items = nullptr;
  int itemCount = 0;
  const Column* columns = nullptr;
  int columnCount = 0;
};

struct MenuItemDef {
  const char* caption;  // "-" is a separator; the caption is the item's designer name
  Handler onClick;
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
  int icon = 0;  // resource id of the window and tray icon
  Handler onCreated = nullptr;
  CloseHandler onClosing = nullptr;
  Handler onDestroyed = nullptr;
  Handler onTray = nullptr;  // 1 left release, 2 left double click, 3 right release / context key
};

template <typename T, int N>
constexpr int CountOf(const T (&)[N]) {
  return N;
}

}  // namespace ui
