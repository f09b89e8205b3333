// A window built from a form: its controls by designer name, event dispatch,
// modal loading, timers, pop-up menus, the tray icon and its window style.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "Control.h"
#include "ControlKind.h"
#include "Event.h"
#include "Form.h"
#include "GdiHandles.h"

namespace ui {

class Window;

// The message with which the tray icon reports mouse events to its window
// (the mouse message in the LPARAM).
constexpr UINT kTrayCallbackMessage = WM_APP + 1;

// Control ids: the row index plus this (clear of IDOK and IDCANCEL, which the
// dialog keys send).
constexpr int kFirstControlId = 100;

// Runs for each control right after it is created (the skin engine attaches
// here). One hook per module.
using ControlCreatedHook = void (*)(Window& window, const ControlDef& row, HWND control);
void SetControlCreatedHook(ControlCreatedHook hook);

// The keyboard of the forms: Tab, Shift+Tab and the arrow keys move between
// controls (IsDialogMessage on the form the message is for). Every message
// loop calls it first; true when the message was used up.
bool TranslateDialogKeys(MSG& msg);

// A form's timer: ticks on the window thread. A timer of an unknown name is
// empty: it does nothing and reports interval 0, disabled.
class Timer {
 public:
  Timer(Window* window, int index) : window_(window), index_(index) {}
  explicit operator bool() const { return index_ >= 0; }
  int Interval() const;
  // Sets a new interval and starts counting it from now.
  void SetInterval(int ms) const;
  bool Enabled() const;
  void SetEnabled(bool on) const;

 private:
  Window* window_;
  int index_;
};

class Window {
 public:
  // Builds the window and its controls from the form, runs the created
  // handler, starts the form's enabled timers and shows the window. Null when
  // the window cannot be made or the created handler closed it. Throws
  // WrongKind, before anything is made, when a row sets what its kind does
  // not have: a handler slot it never reports, a property, a flag.
  static Window* Load(const FormDef& form, Window* owner = nullptr);
  // Loads the form as a modal window over its owner (disabled meanwhile) and
  // returns when it is closed: true, or false when it was never shown (Load
  // gave no window).
  static bool LoadModal(const FormDef& form, Window* owner);
  // The live window of a form, or null.
  static Window* Find(const char* formName);
  // The window class of every form of this module.
  static const wchar_t* ClassName();

  HWND Hwnd() const { return hwnd_; }
  const FormDef& Form() const { return form_; }

  // A control by designer name, as its typed wrapper (empty when the form has
  // no such control). Throws WrongKind when the wrapper does not fit the
  // control's kind: every kind fits Control, a check box also fits Button, a
  // radio button also CheckBox and Button.
  template <typename T>
  T Get(const char* name) const {
    return T(ControlOfKind(name, &T::Fits));
  }
  HWND ControlHwnd(const char* name) const;
  const ControlDef* RowOf(HWND control) const;
  Timer GetTimer(const char* name);

  std::string Caption() const;
  void SetCaption(const std::string& text) const;
  bool Topmost() const;
  void SetTopmost(bool on) const;
  // Form sizes are the sizes of the window's inside (client area), as the
  // controls' positions are.
  void SetHeight(int height) const;
  // Screen position of the window and the size of its inside.
  Rect Bounds() const;
  bool Minimized() const;
  bool Visible() const;
  // Shows the window, restored to its normal state, with its taskbar button.
  void ShowNormal() const;
  // Minimises and hides the window and takes away its taskbar button.
  void HideToTray() const;
  void SetForeground() const;
  // Asks the window to close as the close box does (the may-close handler decides).
  void Close() const;

  // The tray icon with a tip; RemoveTrayIcon takes it away.
  void SetTrayIcon(const std::string& tip);
  void RemoveTrayIcon();
  bool HasTrayIcon() const { return trayShown_; }
  std::string TrayTip() const { return trayTip_; }

  // Pops up a menu of the form at the cursor and runs the chosen item's handler.
  void PopupMenu(const char* menuName);
  // The same with the menu's top-left corner at a screen point; its items
  // can be chosen with either mouse button.
  void PopupMenuAt(const char* menuName, int x, int y);
  // Items are named by their menu (a sub-menu by its own name) and caption.
  void SetMenuItemEnabled(const char* menuName, const char* item, bool on);
  bool MenuItemEnabled(const char* menuName, const char* item) const;
  void SetMenuItemChecked(const char* menuName, const char* item, bool on);
  bool MenuItemChecked(const char* menuName, const char* item) const;

  // Keeps an image list until the window is gone.
  void Own(OwnedImageList images) { imageLists_.push_back(std::move(images)); }

 private:
  friend class Timer;
  friend LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);
  explicit Window(const FormDef& form) : form_(form) {}
  ~Window() = default;
  HWND ControlOfKind(const char* name, bool (*fits)(const ControlKind& kind)) const;
  bool Build(Window* owner);
  HWND CreateControl(int index, HWND parent);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  bool Notify(HWND control, const Notification& n, LRESULT* result);
  LRESULT OnNotify(const NMHDR* hdr);
  LRESULT OnColour(HDC dc, HWND control);
  void OnTimer(UINT_PTR id);
  // Starts the enabled timers of the form, once its created handler has run.
  void StartTimers();
  void OnTray(UINT mouse);
  void OnDestroy();
  void OnResized();
  void LayOut(int clientWidth, int clientHeight);
  // Runs a handler with the event; false when there is none.
  bool Fire(Handler handler, Event& e);

  const FormDef& form_;
  HWND hwnd_ = nullptr;
  OwnedFont font_;
  OwnedIcon bigIcon_, smallIcon_, trayIcon_;
  std::vector<OwnedImageList> imageLists_;
  std::map<std::string, HWND> controls_;
  std::map<HWND, const ControlDef*> rows_;
  std::vector<int> timerIntervals_;  // by row index; 0 for rows that are no timer
  std::vector<bool> timerEnabled_;
  std::map<std::string, bool> menuDisabled_;  // "menu/item"
  std::map<std::string, bool> menuChecked_;   // "menu/item"
  bool building_ = true;
  bool trayShown_ = false;
  std::string trayTip_;
};

}  // namespace ui
