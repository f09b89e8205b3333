// A label without text or background that reports presses and double clicks of the left button.
#include "player/TransparentLabel.h"

#include "ui/GdiHandles.h"
#include "ui/Panel.h"
#include "ui/Subclass.h"

namespace player {

namespace {

LRESULT CALLBACK LabelMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
const ui::Subclass kLabelSubclass{L"TavrinVideoLabelProc", LabelMessage};

LRESULT CALLBACK LabelMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: ui::NotifyForm(hwnd, msg, wp, lp); return 0;
    case WM_ERASEBKGND: return 1;  // what lies below shows through
    case WM_PAINT: {
      const ui::PaintDc nothingToPaint(hwnd);
      return 0;
    }
    default: return kLabelSubclass.CallPrevious(hwnd, msg, wp, lp);
  }
}

HWND CreateTransparentLabel(const ui::CreateArgs& a) {
  // SS_NOTIFY: the label takes the mouse instead of passing it to the window below.
  HWND hwnd = ui::CreateChild(a, L"STATIC", SS_NOTIFY, WS_EX_TRANSPARENT, std::wstring());
  if (hwnd) ui::AttachSubclass<kLabelSubclass>(hwnd);
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
  e.payload = ui::Point{(short)LOWORD(n.lp), (short)HIWORD(n.lp)};
  return true;
}

}  // namespace

extern const ui::ControlKind TransparentLabel =
    ui::ControlKind("TransparentLabel")
        .Creates(CreateTransparentLabel)
        .Decodes(DecodeTransparentLabel,
                 ui::Reports(ui::EventType::MouseDown) | ui::Reports(ui::EventType::DoubleClick));

}  // namespace player
