// A label without text or background that reports presses and double clicks of the left button.
#include "player/TransparentLabel.h"

#include "ui/Panel.h"
#include "ui/Subclass.h"

namespace player {

namespace {

const wchar_t kPreviousProc[] = L"TavrinPreviousProc";

LRESULT CALLBACK TransparentLabelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kPreviousProc));
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      ui::Notification n{msg, 0, wp, lp};
      SendMessageW(GetAncestor(hwnd, GA_ROOT), ui::kControlNotifyMessage, reinterpret_cast<WPARAM>(&n),
                   (LPARAM)hwnd);
      return 0;
    }
    case WM_ERASEBKGND: return 1;  // what lies below shows through
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_NCDESTROY:
      ui::RestoreWindowProc(hwnd, previous);
      RemovePropW(hwnd, kPreviousProc);
      break;
    default: break;
  }
  return ui::CallPreviousProc(previous, hwnd, msg, wp, lp);
}

HWND CreateTransparentLabel(const ui::CreateArgs& a) {
  // SS_NOTIFY: the label takes the mouse instead of passing it to the window below.
  HWND hwnd = ui::CreateChild(a, L"STATIC", SS_NOTIFY, WS_EX_TRANSPARENT, std::wstring());
  if (hwnd) SetPropW(hwnd, kPreviousProc, reinterpret_cast<HANDLE>(ui::SubclassWindow(hwnd, TransparentLabelProc)));
  return hwnd;
}

bool DecodeTransparentLabel(const ui::Notification& n, ui::Event& e) {
  if (n.msg == WM_LBUTTONDOWN) {
    e.type = ui::EventType::MouseDown;
  } else if (n.msg == WM_LBUTTONDBLCLK) {
    e.type = ui::EventType::DoubleClick;
  } else {
    return false;
  }
  e.arg = (short)LOWORD(n.lp);
  e.value = (short)HIWORD(n.lp);
  return true;
}

}  // namespace

extern const ui::ControlKind TransparentLabel = {"TransparentLabel", CreateTransparentLabel, DecodeTransparentLabel};

}  // namespace player
