// A window built from a form: its controls by designer name, event dispatch,
// timers, pop-up menus and the tray icon.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "Control.h"
#include "Form.h"

namespace ui {

class Window;

// The message with which the tray icon reports mouse events to its window
// (the mouse message in the LPARAM).
constexpr UINT kTrayCallbackMessage = WM_APP + 1;

// A form's timer: ticks on the window thread.
class Timer {
 public:
  Timer(Window* window, int index) : window_(window), index_(index) {}
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
  // handler and shows the window. Null when the window cannot be made.
  static Window* Load(const FormDef& form, Window* owner = nullptr);
  // Loads the form as a modal window over its owner and returns when it closes.
  static void LoadModal(const FormDef& form, Window* owner);
  // The live window of a form, or null.
  static Window* Find(const char* formName);

  HWND Hwnd() const { return hwnd_; }
  const FormDef& Form() const { return form_; }

  // A control by designer name, as its typed wrapper (empty when missing).
  template <typename T>
  T Get(const char* name) const {
    return T(ControlHwnd(name));
  }
  HWND ControlHwnd(const char* name) const;
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

  // The tray icon with a tip; an empty tip removes nothing, call RemoveTrayIcon.
  void SetTrayIcon(const std::string& tip);
  void RemoveTrayIcon();
  bool HasTrayIcon() const { return trayShown_; }
  std::string TrayTip() const { return trayTip_; }

  // Pops up a menu of the form at the cursor and runs the chosen item's handler.
  void PopupMenu(const char* menuName);
  void SetMenuItemEnabled(const char* menuName, const char* item, bool on);
  bool MenuItemEnabled(const char* menuName, const char* item) const;

 private:
  friend class Timer;
  explicit Window(const FormDef& form) : form_(form) {}
  ~Window() {
    if (font_) DeleteObject(font_);
  }
  bool Build(Window* owner);
  HWND CreateControl(const ControlDef& def, HWND parent);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  const ControlDef* RowOf(HWND control) const;
  LRESULT OnNotify(const NMHDR* hdr);
  void KeepStatusBarsAtTheBottom(int clientHeight);
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  const FormDef& form_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  std::map<std::string, HWND> controls_;
  std::map<HWND, const ControlDef*> rows_;
  std::vector<int> timerIntervals_;  // by row index; 0 for rows that are no timer
  std::vector<bool> timerEnabled_;
  std::map<std::string, bool> menuDisabled_;  // "menu/item"
  bool building_ = true;
  bool trayShown_ = false;
  std::string trayTip_;
};

}  // namespace ui
