// A window built from a form: creation, event dispatch, timers, menus, tray icon.
#include "Window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <mutex>

#include "WebBrowserBox.h"
#include "WideText.h"

namespace ui {

namespace {

constexpr UINT_PTR kTimerBase = 1000;
constexpr UINT kTrayId = 1;
const wchar_t kFormClass[] = L"TavrinForm";
const wchar_t kPanelClass[] = L"TavrinPanel";

std::mutex g_liveLock;
std::map<std::string, Window*> g_live;  // form name -> live window

void RegisterClasses(WNDPROC formProc, WNDPROC panelProc) {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSEXW wc = {sizeof(wc)};
  wc.lpfnWndProc = formProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  wc.lpfnWndProc = panelProc;
  wc.lpszClassName = kPanelClass;
  RegisterClassExW(&wc);
}

HICON LoadIconSized(int id, int size) {
  if (!id) return nullptr;
  return (HICON)LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0);
}

std::string MenuKey(const char* menu, const char* item) { return std::string(menu) + "/" + item; }

}  // namespace

// ---- Timer ----

int Timer::Interval() const { return window_->timerIntervals_[index_]; }

void Timer::SetInterval(int ms) const {
  window_->timerIntervals_[index_] = ms;
  if (window_->timerEnabled_[index_]) SetTimer(window_->hwnd_, kTimerBase + index_, (UINT)ms, nullptr);
}

bool Timer::Enabled() const { return window_->timerEnabled_[index_]; }

void Timer::SetEnabled(bool on) const {
  window_->timerEnabled_[index_] = on;
  if (on)
    SetTimer(window_->hwnd_, kTimerBase + index_, (UINT)window_->timerIntervals_[index_], nullptr);
  else
    KillTimer(window_->hwnd_, kTimerBase + index_);
}

// ---- loading ----

Window* Window::Load(const FormDef& form, Window* owner) {
  RegisterClasses(Proc, PanelProc);
  Window* w = new Window(form);
  // While it is being built the window belongs to this function, also when
  // the platform destroys it half-made.
  if (!w->Build(owner)) {
    if (w->hwnd_) DestroyWindow(w->hwnd_);
    delete w;
    return nullptr;
  }
  w->building_ = false;
  const HWND hwnd = w->hwnd_;
  if (form.onCreated) form.onCreated(0);
  // The created handler may have closed the window, which deletes w.
  if (!IsWindow(hwnd)) return nullptr;
  ShowWindow(hwnd, SW_SHOW);
  return w;
}

void Window::LoadModal(const FormDef& form, Window* owner) {
  HWND ownerHwnd = owner ? owner->hwnd_ : nullptr;
  if (ownerHwnd) EnableWindow(ownerHwnd, FALSE);
  Window* w = Load(form, owner);
  HWND hwnd = w ? w->hwnd_ : nullptr;
  MSG msg;
  while (hwnd && IsWindow(hwnd)) {
    int r = GetMessageW(&msg, nullptr, 0, 0);
    if (r <= 0) {
      if (r == 0) PostQuitMessage((int)msg.wParam);
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (ownerHwnd) {
    EnableWindow(ownerHwnd, TRUE);
    SetForegroundWindow(ownerHwnd);
  }
}

Window* Window::Find(const char* formName) {
  std::lock_guard<std::mutex> g(g_liveLock);
  auto it = g_live.find(formName);
  return it == g_live.end() ? nullptr : it->second;
}

bool Window::Build(Window* owner) {
  const Rect& r = form_.rect;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT outer = {r.x, r.y, r.x + r.w, r.y + r.h};
  AdjustWindowRectEx(&outer, style, FALSE, WS_EX_APPWINDOW);
  hwnd_ = CreateWindowExW(WS_EX_APPWINDOW, kFormClass, ToWide(form_.caption).c_str(), style, r.x, r.y,
                          outer.right - outer.left, outer.bottom - outer.top, owner ? owner->hwnd_ : nullptr, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  {
    std::lock_guard<std::mutex> g(g_liveLock);
    g_live[form_.name] = this;
  }
  font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
  if (HICON big = LoadIconSized(form_.icon, 32)) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, (LPARAM)big);
  if (HICON small = LoadIconSized(form_.icon, 16)) SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, (LPARAM)small);

  timerIntervals_.assign(form_.controlCount, 0);
  timerEnabled_.assign(form_.controlCount, false);
  for (int i = 0; i < form_.controlCount; ++i) {
    const ControlDef& def = form_.controls[i];
    if (def.kind == Kind::Timer) {
      timerIntervals_[i] = def.value;
      Timer(this, i).SetEnabled(!(def.flags & Disabled));
      continue;
    }
    HWND parent = hwnd_;
    if (def.parent) {
      auto it = controls_.find(def.parent);
      if (it == controls_.end()) return false;  // a parent must stand before its children
      parent = it->second;
    }
    HWND control = CreateControl(def, parent);
    if (!control) return false;
    controls_[def.name] = control;
    rows_[control] = &def;
  }
  return true;
}

HWND Window::CreateControl(const ControlDef& def, HWND parent) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  DWORD visible = (def.flags & Hidden) ? 0 : WS_VISIBLE;
  DWORD style = WS_CHILD | visible;
  DWORD exStyle = 0;
  const wchar_t* cls = L"STATIC";
  std::wstring caption = ToWide(def.caption ? def.caption : "");
  switch (def.kind) {
    case Kind::Toolbar:
      cls = TOOLBARCLASSNAMEW;
      style |= TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
      caption.clear();
      break;
    case Kind::ShapeBox: cls = kPanelClass; break;
    case Kind::ListView:
      cls = WC_LISTVIEWW;
      style |= LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case Kind::ProgressBar: cls = PROGRESS_CLASSW; break;
    case Kind::Label: style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX; break;
    case Kind::EditBox:
      cls = L"EDIT";
      style |= ES_AUTOHSCROLL | WS_TABSTOP;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case Kind::Button: cls = L"BUTTON"; style |= BS_PUSHBUTTON | WS_TABSTOP; break;
    case Kind::CheckBox: cls = L"BUTTON"; style |= BS_AUTOCHECKBOX | WS_TABSTOP; break;
    case Kind::StatusBar:
      cls = STATUSCLASSNAMEW;
      style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
      caption.clear();
      break;
    case Kind::WebBrowser: {
      HWND box = WebBrowserBox::Create(parent, def.rect, visible != 0);
      if (box && (def.flags & Disabled)) EnableWindow(box, FALSE);
      return box;
    }
    case Kind::Timer: return nullptr;
  }
  const Rect& r = def.rect;
  HWND hwnd = CreateWindowExW(exStyle, cls, caption.c_str(), style, r.x, r.y, r.w, r.h, parent, nullptr, inst, nullptr);
  if (!hwnd) return nullptr;
  SendMessageW(hwnd, WM_SETFONT, (WPARAM)font_, FALSE);
  if (def.flags & Disabled) EnableWindow(hwnd, FALSE);

  switch (def.kind) {
    case Kind::Toolbar: {
      SendMessageW(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
      if (def.value) {
        HIMAGELIST images = ImageList_LoadImageW(inst, MAKEINTRESOURCEW(def.value), 24, 0, RGB(255, 0, 255),
                                                 IMAGE_BITMAP, LR_CREATEDIBSECTION);
        SendMessageW(hwnd, TB_SETIMAGELIST, 0, (LPARAM)images);
      }
      std::vector<std::wstring> texts(def.itemCount);
      std::vector<TBBUTTON> buttons(def.itemCount);
      for (int i = 0; i < def.itemCount; ++i) {
        const ToolItem& item = def.items[i];
        TBBUTTON& b = buttons[i];
        b.idCommand = i;
        if (!item.text) {
          b.fsStyle = BTNS_SEP;
          continue;
        }
        texts[i] = ToWide(item.text);
        b.iBitmap = item.image;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
        b.iString = (INT_PTR)texts[i].c_str();
      }
      SendMessageW(hwnd, TB_ADDBUTTONSW, buttons.size(), (LPARAM)buttons.data());
      break;
    }
    case Kind::ListView: {
      DWORD ex = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
      if (def.flags & RowCheckBoxes) ex |= LVS_EX_CHECKBOXES;
      SendMessageW(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
      for (int c = 0; c < def.columnCount; ++c) {
        std::wstring title = ToWide(def.columns[c].title);
        LVCOLUMNW col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.pszText = title.data();
        col.cx = def.columns[c].width;
        col.iSubItem = c;
        SendMessageW(hwnd, LVM_INSERTCOLUMNW, c, (LPARAM)&col);
      }
      break;
    }
    case Kind::ProgressBar: SendMessageW(hwnd, PBM_SETRANGE32, 0, def.value); break;
    case Kind::CheckBox:
      if (def.flags & Checked) SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
      break;
    case Kind::StatusBar: {
      int parts[1] = {-1};
      SendMessageW(hwnd, SB_SETPARTS, 1, (LPARAM)parts);
      SendMessageW(hwnd, SB_SETTEXTW, 0, (LPARAM)ToWide(def.caption ? def.caption : "").c_str());
      break;
    }
    default: break;
  }
  return hwnd;
}

// ---- properties ----

HWND Window::ControlHwnd(const char* name) const {
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second;
}

Timer Window::GetTimer(const char* name) {
  for (int i = 0; i < form_.controlCount; ++i)
    if (form_.controls[i].kind == Kind::Timer && std::string(form_.controls[i].name) == name) return Timer(this, i);
  return Timer(this, -1);
}

std::string Window::Caption() const { return Control(hwnd_).Text(); }
void Window::SetCaption(const std::string& text) const { Control(hwnd_).SetText(text); }
bool Window::Topmost() const { return (GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void Window::SetTopmost(bool on) const {
  SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Window::SetHeight(int height) const {
  RECT outer, client;
  GetWindowRect(hwnd_, &outer);
  GetClientRect(hwnd_, &client);
  int frame = (outer.bottom - outer.top) - client.bottom;
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, height + frame,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Window::Bounds() const {
  RECT outer, client;
  GetWindowRect(hwnd_, &outer);
  GetClientRect(hwnd_, &client);
  return {outer.left, outer.top, client.right, client.bottom};
}

bool Window::Minimized() const { return IsIconic(hwnd_) != FALSE; }
bool Window::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }

void Window::ShowNormal() const {
  SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) | WS_EX_APPWINDOW);
  ShowWindow(hwnd_, SW_SHOW);
  ShowWindow(hwnd_, SW_RESTORE);
}

void Window::HideToTray() const {
  ShowWindow(hwnd_, SW_MINIMIZE);
  ShowWindow(hwnd_, SW_HIDE);
  SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
}

void Window::SetForeground() const { SetForegroundWindow(hwnd_); }
void Window::Close() const { SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

// ---- tray icon ----

void Window::SetTrayIcon(const std::string& tip) {
  NOTIFYICONDATAW data = {};
  data.cbSize = sizeof(data);
  data.hWnd = hwnd_;
  data.uID = kTrayId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = LoadIconSized(form_.icon, 16);
  lstrcpynW(data.szTip, ToWide(tip).c_str(), ARRAYSIZE(data.szTip));
  if (!trayShown_ || !Shell_NotifyIconW(NIM_MODIFY, &data)) Shell_NotifyIconW(NIM_ADD, &data);
  trayShown_ = true;
  trayTip_ = tip;
}

void Window::RemoveTrayIcon() {
  if (!trayShown_) return;
  NOTIFYICONDATAW data = {};
  data.cbSize = sizeof(data);
  data.hWnd = hwnd_;
  data.uID = kTrayId;
  Shell_NotifyIconW(NIM_DELETE, &data);
  trayShown_ = false;
}

// ---- menus ----

void Window::PopupMenu(const char* menuName) {
  const MenuDef* def = nullptr;
  for (int i = 0; i < form_.menuCount; ++i)
    if (std::string(form_.menus[i].name) == menuName) def = &form_.menus[i];
  if (!def) return;
  HMENU menu = CreatePopupMenu();
  for (int i = 0; i < def->itemCount; ++i) {
    const MenuItemDef& item = def->items[i];
    if (std::string(item.caption) == "-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (MenuItemEnabled(menuName, item.caption) ? 0 : MF_GRAYED);
    AppendMenuW(menu, flags, i + 1, ToWide(item.caption).c_str());
  }
  POINT at;
  GetCursorPos(&at);
  SetForegroundWindow(hwnd_);
  int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, hwnd_, nullptr);
  PostMessageW(hwnd_, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (chosen > 0 && def->items[chosen - 1].onClick) def->items[chosen - 1].onClick(0);
}

void Window::SetMenuItemEnabled(const char* menuName, const char* item, bool on) {
  menuDisabled_[MenuKey(menuName, item)] = !on;
}

bool Window::MenuItemEnabled(const char* menuName, const char* item) const {
  auto it = menuDisabled_.find(MenuKey(menuName, item));
  return it == menuDisabled_.end() || !it->second;
}

// ---- messages ----

// A status bar keeps its distance from the window's bottom edge when the
// window's height changes, as status bars do.
void Window::KeepStatusBarsAtTheBottom(int clientHeight) {
  for (const auto& [hwnd, row] : rows_) {
    if (row->kind != Kind::StatusBar || row->parent) continue;
    const int margin = form_.rect.h - (row->rect.y + row->rect.h);
    SetWindowPos(hwnd, nullptr, row->rect.x, clientHeight - margin - row->rect.h, row->rect.w, row->rect.h,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

const ControlDef* Window::RowOf(HWND control) const {
  auto it = rows_.find(control);
  return it == rows_.end() ? nullptr : it->second;
}

LRESULT Window::OnNotify(const NMHDR* hdr) {
  if (const ControlDef* row = RowOf(hdr->hwndFrom)) {
    if (row->kind == Kind::ListView && hdr->code == NM_RCLICK && row->onEvent) row->onEvent(0);
    return 0;
  }
  if (hdr->code == TTN_GETDISPINFOW) {
    // The toolbar's own tooltip asks for an item's tip.
    for (const auto& [hwnd, row] : rows_) {
      if (row->kind != Kind::Toolbar || (HWND)SendMessageW(hwnd, TB_GETTOOLTIPS, 0, 0) != hdr->hwndFrom) continue;
      static thread_local std::wstring tip;
      int index = (int)hdr->idFrom;
      tip = (index >= 0 && index < row->itemCount && row->items[index].tip) ? ToWide(row->items[index].tip) : L"";
      auto* info = (NMTTDISPINFOW*)hdr;
      info->lpszText = tip.data();
      info->hinst = nullptr;
    }
  }
  return 0;
}

LRESULT Window::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND: {
      const ControlDef* row = RowOf((HWND)lp);
      if (!row || !row->onEvent) break;
      WORD code = HIWORD(wp);
      if ((row->kind == Kind::Button || row->kind == Kind::CheckBox) && code == BN_CLICKED) row->onEvent(0);
      else if (row->kind == Kind::EditBox && code == EN_SETFOCUS) row->onEvent(0);
      else if (row->kind == Kind::Toolbar) row->onEvent(LOWORD(wp));
      return 0;
    }
    case WM_NOTIFY: return OnNotify((const NMHDR*)lp);
    case WM_TIMER: {
      int index = (int)(wp - kTimerBase);
      if (index >= 0 && index < form_.controlCount && form_.controls[index].onEvent) form_.controls[index].onEvent(0);
      return 0;
    }
    case WM_SETCURSOR: {
      const ControlDef* row = RowOf((HWND)wp);
      if (row && (row->flags & HandCursor) && LOWORD(lp) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, (LPCWSTR)IDC_HAND));
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORSTATIC: {
      const ControlDef* row = RowOf((HWND)lp);
      if (row && (row->kind == Kind::Label || row->kind == Kind::CheckBox)) {
        SetBkMode((HDC)wp, TRANSPARENT);
        return (LRESULT)GetSysColorBrush(COLOR_BTNFACE);
      }
      break;
    }
    case kTrayCallbackMessage: {
      int kind = 0;
      switch ((UINT)lp) {
        case WM_LBUTTONUP: kind = 1; break;
        case WM_LBUTTONDBLCLK: kind = 2; break;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU: kind = 3; break;
        default: return 0;
      }
      if (form_.onTray) form_.onTray(kind);
      return 0;
    }
    case WM_SIZE:
      KeepStatusBarsAtTheBottom(HIWORD(lp));
      break;
    case WM_CLOSE:
      if (form_.onClosing && form_.onClosing() == CloseAnswer::KeepOpen) return 0;
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      for (int i = 0; i < form_.controlCount; ++i) KillTimer(hwnd_, kTimerBase + i);
      if (form_.onDestroyed) form_.onDestroyed(0);
      RemoveTrayIcon();
      return 0;
    default: break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* w = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    w->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, (LONG_PTR)w);
  }
  auto* w = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!w) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    {
      std::lock_guard<std::mutex> g(g_liveLock);
      auto it = g_live.find(w->form_.name);
      if (it != g_live.end() && it->second == w) g_live.erase(it);
    }
    if (w->building_)
      w->hwnd_ = nullptr;  // Load deletes the object
    else
      delete w;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  try {
    return w->Handle(msg, wp, lp);
  } catch (...) {
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

LRESULT CALLBACK Window::PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
      EndPaint(hwnd, &ps);
      return 0;
    }
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace ui
