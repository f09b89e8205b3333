// A window built from a form: loading, modal loading, the controls' creation and the window's lifetime.
#include <mutex>

#include "App.h"
#include "ControlKind.h"
#include "Module.h"
#include "Subclass.h"
#include "ui/base/WideText.h"
#include "Window.h"

namespace ui {

namespace {

std::mutex g_liveLock;
std::map<std::string, Window*> g_live;  // form name -> live window
ControlCreatedHook g_controlHook = nullptr;

DWORD StyleOf(unsigned formStyle) {
  if (formStyle & Popup) return WS_POPUP | WS_CLIPCHILDREN;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (formStyle & MinimizeBox) style |= WS_MINIMIZEBOX;
  if (formStyle & MaximizeBox) style |= WS_MAXIMIZEBOX;
  if (formStyle & Sizable) style |= WS_THICKFRAME;
  return style;
}

DWORD ExStyleOf(unsigned formStyle) {
  DWORD ex = WS_EX_CONTROLPARENT;
  ex |= (formStyle & ToolWindow) ? WS_EX_TOOLWINDOW : WS_EX_APPWINDOW;
  if (formStyle & Topmost) ex |= WS_EX_TOPMOST;
  return ex;
}

// Every control starts a tab group unless its kind has it join the group of
// the control before it (the row before with a window).
bool StartsGroup(const FormDef& form, int index) {
  const ControlDef& def = form.controls[index];
  if (!def.kind.joinsGroup) return true;
  const ControlDef* before = nullptr;
  for (int i = index - 1; i >= 0 && !before; --i)
    if (!form.controls[i].kind.ticks) before = &form.controls[i];
  return !def.kind.joinsGroup(def, before);
}

}  // namespace

void SetControlCreatedHook(ControlCreatedHook hook) { g_controlHook = hook; }

const wchar_t* Window::ClassName() {
  static const std::wstring name = ModuleClassName(L"TavrinForm");
  return name.c_str();
}

Window* Window::Load(const FormDef& form, Window* owner) {
  CheckFormAgainstKinds(form);
  StartLayer();
  EnsureClassesRegistered();
  Window* w = new Window(form);
  // While it is being built the window belongs to this function, also when
  // the platform destroys it half-made; no handler of the form runs.
  if (!w->Build(owner)) {
    if (w->hwnd_) DestroyWindow(w->hwnd_);
    delete w;
    return nullptr;
  }
  w->building_ = false;
  const HWND hwnd = w->hwnd_;
  Event created{EventType::Created};
  w->Fire(form.HandlerFor(EventType::Created), created);
  // The created handler may have closed the window, which deletes w.
  if (!IsWindow(hwnd)) return nullptr;
  // The form's timers tick only from here: never into a handler that has not
  // yet set up what they read, nor while it waits on a message box.
  w->StartTimers();
  w->OnResized();  // the first layout, before the window is seen
  if (!IsWindow(hwnd)) return nullptr;
  ShowWindow(hwnd, SW_SHOW);
  return w;
}

bool Window::LoadModal(const FormDef& form, Window* owner) {
  CheckFormAgainstKinds(form);  // before the owner is disabled
  HWND ownerHwnd = owner ? owner->hwnd_ : nullptr;
  if (ownerHwnd) EnableWindow(ownerHwnd, FALSE);
  Window* w = Load(form, owner);
  HWND hwnd = w ? w->hwnd_ : nullptr;
  PendingQuit quit;  // a WM_QUIT met here still ends the program's own loop
  while (hwnd && IsWindow(hwnd) && PumpNextMessage(quit)) {
  }
  if (ownerHwnd) {
    EnableWindow(ownerHwnd, TRUE);
    SetForegroundWindow(ownerHwnd);
  }
  return w != nullptr;
}

Window* Window::Find(const char* formName) {
  std::lock_guard<std::mutex> g(g_liveLock);
  auto it = g_live.find(formName);
  return it == g_live.end() ? nullptr : it->second;
}

bool Window::Build(Window* owner) {
  const Rect& r = form_.rect;
  const DWORD style = StyleOf(form_.style);
  const DWORD exStyle = ExStyleOf(form_.style);
  RECT outer = {r.x, r.y, r.x + r.w, r.y + r.h};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  hwnd_ =
      CreateWindowExW(exStyle, ClassName(), ToWide(form_.caption).c_str(), style, r.x, r.y, outer.right - outer.left,
                      outer.bottom - outer.top, owner ? owner->hwnd_ : nullptr, nullptr, ModuleInstance(), this);
  if (!hwnd_) return false;
  {
    std::lock_guard<std::mutex> g(g_liveLock);
    g_live[form_.name] = this;
  }
  font_ = MakeSongTiFont(-12);
  bigIcon_ = LoadOwnedIcon(ModuleInstance(), form_.icon, 32);
  smallIcon_ = LoadOwnedIcon(ModuleInstance(), form_.icon, 16);
  if (bigIcon_) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, (LPARAM)bigIcon_.Get());
  if (smallIcon_) SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, (LPARAM)smallIcon_.Get());

  timerIntervals_.assign(form_.controlCount, 0);
  timerEnabled_.assign(form_.controlCount, false);
  for (int i = 0; i < form_.controlCount; ++i) {
    const ControlDef& def = form_.controls[i];
    if (def.kind.ticks) {
      timerIntervals_[i] = def.interval;
      timerEnabled_[i] = !(def.flags & Disabled);
      continue;
    }
    HWND parent = hwnd_;
    if (def.parent) {
      auto it = controls_.find(def.parent);
      if (it == controls_.end()) return false;  // a parent must stand before its children
      parent = it->second;
    }
    HWND control = CreateControl(i, parent);
    if (!control) return false;
    controls_[def.name] = control;
    rows_[control] = &def;
    if (g_controlHook) g_controlHook(*this, def, control);
  }
  return true;
}

HWND Window::CreateControl(int index, HWND parent) {
  const ControlDef& def = form_.controls[index];
  if (!def.kind.create) return nullptr;
  const CreateArgs args{
      def, *this, parent, kFirstControlId + index, ModuleInstance(), font_.Get(), StartsGroup(form_, index)};
  return def.kind.create(args);
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* w = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    w->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, (LONG_PTR)w);
  }
  auto* w = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!w) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    bool last;
    {
      std::lock_guard<std::mutex> g(g_liveLock);
      auto it = g_live.find(w->form_.name);
      if (it != g_live.end() && it->second == w) g_live.erase(it);
      last = g_live.empty();
    }
    const bool built = !w->building_;
    if (built)
      delete w;
    else
      w->hwnd_ = nullptr;  // Load deletes the object
    // In a program, the last form closed ends the message loop; inside a
    // library the process is the host's.
    if (built && last && !LibraryMode()) PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  try {
    return w->Handle(msg, wp, lp);
  } catch (...) {
    ReportCaughtException("form procedure");
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace ui
