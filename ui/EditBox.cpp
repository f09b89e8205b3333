// Edit box: one line (or several with MultiLine); reports when it gets the focus.
#include "EditBox.h"

namespace ui {

namespace {

HWND CreateEditBox(const CreateArgs& a) {
  DWORD style = ES_AUTOHSCROLL | WS_TABSTOP;
  if (a.def.flags & MultiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
  if (a.def.flags & Password) style |= ES_PASSWORD;
  HWND hwnd = CreateChild(a, L"EDIT", style, WS_EX_CLIENTEDGE);
  if (hwnd && (a.def.flags & Password)) SendMessageW(hwnd, EM_SETPASSWORDCHAR, L'*', 0);
  return hwnd;
}

bool DecodeEditBox(const Notification& n, Event& e) {
  if (n.msg != WM_COMMAND || n.code != EN_SETFOCUS) return false;
  e.type = EventType::Focus;
  return true;
}

}  // namespace

extern const ControlKind Kind::EditBox = ControlKind("EditBox")
                                             .Creates(CreateEditBox)
                                             .Decodes(DecodeEditBox, Reports(EventType::Focus))
                                             .Has(0, MultiLine | Password);

}  // namespace ui
