// A window built from a form: messages unpacked into typed events for the handlers.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "Control.h"
#include "Panel.h"
#include "Window.h"

namespace ui {

bool Event::Is(const char* name) const { return row && row->name && std::strcmp(row->name, name) == 0; }

bool TranslateDialogKeys(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (!root || WindowClass(root) != Window::ClassName()) return false;
  return IsDialogMessageW(root, &msg) != FALSE;
}

bool Window::Fire(Handler handler, Event& e) {
  if (!handler) return false;
  handler(*this, e);
  return true;
}

// Each kind that places its controls itself does so when the inside's size changes.
void Window::LayOut(int clientWidth, int clientHeight) {
  for (const auto& [hwnd, row] : rows_)
    if (row->kind.layout) row->kind.layout(hwnd, *row, form_, clientWidth, clientHeight);
}

const ControlDef* Window::RowOf(HWND control) const {
  auto it = rows_.find(control);
  return it == rows_.end() ? nullptr : it->second;
}

// Lets the control's kind decode the notification and runs the handler of
// the event's slot: the handler of an item inside the control when its kind
// has one for the event, else the row's.
bool Window::Notify(HWND control, const Notification& n, LRESULT* result) {
  const ControlDef* row = RowOf(control);
  if (!row || !row->kind.decode) return false;
  Event e{EventType::Click, control, row};
  if (!row->kind.decode(n, e)) return false;
  Handler handler = row->kind.itemHandler ? row->kind.itemHandler(*row, e) : nullptr;
  if (!handler) handler = row->HandlerFor(e.type);
  if (!Fire(handler, e)) return false;
  if (e.handled) *result = e.result;
  return e.handled;
}

LRESULT Window::OnNotify(const NMHDR* hdr) {
  if (RowOf(hdr->hwndFrom)) {
    LRESULT result = 0;
    Notify(hdr->hwndFrom, {WM_NOTIFY, hdr->code, (WPARAM)hdr->idFrom, (LPARAM)hdr}, &result);
    return result;
  }
  // A window a control made of its own (a toolbar's tooltip) goes to the kinds that answer for theirs.
  for (const auto& [hwnd, row] : rows_)
    if (row->kind.relay && row->kind.relay(hwnd, *row, hdr)) break;
  return 0;
}

// The kind says what its controls are painted on.
LRESULT Window::OnColour(HDC dc, HWND control) {
  const ControlDef* row = RowOf(control);
  return row && row->kind.background ? (LRESULT)row->kind.background(dc, control) : 0;
}

void Window::OnTray(UINT mouse) {
  TrayEvent what;
  switch (mouse) {
    case WM_LBUTTONUP: what = TrayClick; break;
    case WM_LBUTTONDBLCLK: what = TrayDoubleClick; break;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: what = TrayMenu; break;
    default: return;
  }
  Event e{EventType::Tray};
  e.payload = what;
  Fire(form_.HandlerFor(EventType::Tray), e);
}

void Window::OnDestroy() {
  for (int i = 0; i < form_.controlCount; ++i) KillTimer(hwnd_, kFirstControlId + i);
  // A window that fails while it is built was never the user's: its
  // destroyed handler does not run.
  if (!building_) {
    Event e{EventType::Destroyed};
    Fire(form_.HandlerFor(EventType::Destroyed), e);
  }
  RemoveTrayIcon();
}

void Window::OnResized() {
  Event e{EventType::Resized};
  Fire(form_.HandlerFor(EventType::Resized), e);
}

LRESULT Window::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  switch (msg) {
    case WM_COMMAND:
      if (lp && Notify((HWND)lp, {msg, HIWORD(wp), wp, lp}, &result)) return result;
      return 0;
    case WM_NOTIFY: return OnNotify((const NMHDR*)lp);
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lp && Notify((HWND)lp, {msg, LOWORD(wp), wp, lp}, &result)) return result;
      return 0;
    case WM_DRAWITEM: {
      const auto* item = (const DRAWITEMSTRUCT*)lp;
      if (item && Notify(item->hwndItem, {msg, item->itemAction, wp, lp}, &result)) return TRUE;
      break;
    }
    case kControlNotifyMessage:
      if (Notify((HWND)lp, *reinterpret_cast<const Notification*>(wp), &result)) return result;
      return 0;
    case WM_TIMER: OnTimer(wp); return 0;
    case WM_SETCURSOR: {
      const ControlDef* row = RowOf((HWND)wp);
      if (row && (row->flags & HandCursor) && LOWORD(lp) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, (LPCWSTR)IDC_HAND));
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (LRESULT brush = OnColour((HDC)wp, (HWND)lp)) return brush;
      break;
    case kTrayCallbackMessage: OnTray((UINT)lp); return 0;
    case WM_SIZE:
      LayOut(LOWORD(lp), HIWORD(lp));
      if (!building_) OnResized();
      break;
    case WM_CLOSE:
      if (form_.onClosing && form_.onClosing(*this) == CloseAnswer::KeepOpen) return 0;
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace ui
