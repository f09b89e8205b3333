// Push button: reports clicks; an owner-drawn one asks its handler to paint it.
#include "Button.h"

namespace ui {

namespace {

HWND CreateButton(const CreateArgs& a) {
  const DWORD kind = (a.def.flags & OwnerDrawn) ? BS_OWNERDRAW : BS_PUSHBUTTON;
  return CreateChild(a, L"BUTTON", kind | WS_TABSTOP);
}

// Draw events carry the DRAWITEMSTRUCT; a handler that painted sets handled.
bool DecodeButton(const Notification& n, Event& e) {
  if (n.msg == WM_DRAWITEM) {
    e.type = EventType::Draw;
    e.payload = Drawing{reinterpret_cast<const DRAWITEMSTRUCT*>(n.lp)};
    return true;
  }
  if (n.msg != WM_COMMAND || n.code != BN_CLICKED) return false;
  e.type = EventType::Click;
  return true;
}

}  // namespace

extern const ControlKind Kind::Button = ControlKind("Button")
                                            .Creates(CreateButton)
                                            .Decodes(DecodeButton, Reports(EventType::Click) | Reports(EventType::Draw))
                                            .Has(0, OwnerDrawn);

}  // namespace ui
