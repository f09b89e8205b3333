// The panel window class behind shape boxes and group boxes.
#include "Panel.h"

#include "GdiHandles.h"
#include "Module.h"

namespace ui {

HWND CreatePanel(const CreateArgs& args, PanelFrame frame) {
  EnsureClassesRegistered();
  static const std::wstring cls = ModuleClassName(L"TavrinPanel");
  HWND panel = CreateChild(args, cls.c_str(), WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
                           frame == PanelFrame::Group ? CaptionOf(args.def) : std::wstring());
  if (panel) SetWindowLongPtrW(panel, GWLP_USERDATA, (LONG_PTR)frame);
  return panel;
}

void NotifyForm(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
  Notification n{msg, 0, wp, lp};
  SendMessageW(GetAncestor(control, GA_ROOT), kControlNotifyMessage, reinterpret_cast<WPARAM>(&n), (LPARAM)control);
}

namespace {

void PaintGroupFrame(HWND hwnd, HDC dc, const RECT& client) {
  HFONT font = (HFONT)SendMessageW(hwnd, WM_GETFONT, 0, 0);
  HGDIOBJ oldFont = SelectObject(dc, font ? (HGDIOBJ)font : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  RECT frame = client;
  frame.top += tm.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::wstring text = WideWindowText(hwnd);
  if (!text.empty()) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, OPAQUE);
    TextOutW(dc, 8, 0, text.c_str(), (int)text.size());
  }
  SelectObject(dc, oldFont);
}

}  // namespace

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case kControlNotifyMessage: return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
    case WM_SETFONT: SetPropW(hwnd, L"TavrinFont", (HANDLE)wp); return 0;
    case WM_GETFONT: return (LRESULT)GetPropW(hwnd, L"TavrinFont");
    case WM_NCDESTROY: RemovePropW(hwnd, L"TavrinFont"); break;
    case WM_SETTEXT: {
      LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
      InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
    case WM_PAINT: {
      PaintDc paint(hwnd);
      RECT r;
      GetClientRect(hwnd, &r);
      if ((PanelFrame)GetWindowLongPtrW(hwnd, GWLP_USERDATA) == PanelFrame::Group)
        PaintGroupFrame(hwnd, paint.Get(), r);
      else
        FrameRect(paint.Get(), &r, GetSysColorBrush(COLOR_BTNSHADOW));
      return 0;
    }
    default: break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace ui
