// Label: static text that reports clicks; its colour is kept as a property of its window.
#include "Label.h"

namespace ui {

namespace {

const wchar_t kColourProp[] = L"TavrinTextColour";

HWND CreateLabel(const CreateArgs& a) {
  HWND hwnd = CreateChild(a, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY);
  if (hwnd && a.def.colour != kDefaultColour) Label(hwnd).SetTextColour(a.def.colour);
  return hwnd;
}

bool DecodeLabel(const Notification& n, Event& e) {
  if (n.msg != WM_COMMAND || n.code != STN_CLICKED) return false;
  e.type = EventType::Click;
  return true;
}

// A label sits on the form's background, in a text colour of its own when it has one.
HBRUSH LabelBackground(HDC dc, HWND control) { return OnFormBackground(dc, Label(control).TextColour()); }

}  // namespace

extern const ControlKind Kind::Label = ControlKind("Label")
                                           .Creates(CreateLabel)
                                           .Decodes(DecodeLabel, Reports(EventType::Click))
                                           .Has(HasColour)
                                           .PaintedOn(LabelBackground);

// The property holds the colour plus one, so that no property means the default.
int Label::TextColour() const {
  const auto stored = reinterpret_cast<UINT_PTR>(GetPropW(hwnd_, kColourProp));
  return stored ? static_cast<int>(stored - 1) : kDefaultColour;
}

void Label::SetTextColour(int colour) const {
  if (colour == kDefaultColour)
    RemovePropW(hwnd_, kColourProp);
  else
    SetPropW(hwnd_, kColourProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(colour) + 1));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace ui
