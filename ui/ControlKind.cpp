// What every control kind shares: the check of a form against its rows' kinds, a child window for a row with the
// form's font and the common styles, and the form's background for kinds that sit on it.
#include "ControlKind.h"

#include <cstring>

#include "ui/base/WideText.h"

namespace ui {

namespace {

std::string RowSays(const FormDef& form, const ControlDef& row) {
  return std::string(form.name) + ": " + row.name + " is a " + row.kind.name + ", which ";
}

}  // namespace

void CheckFormAgainstKinds(const FormDef& form) {
  if (form.FilledSlots() & ~kFormReports)
    throw WrongKind(std::string(form.name) + ": a form reports no control events, yet it gives a handler for one");
  for (int i = 0; i < form.controlCount; ++i) {
    const ControlDef& row = form.controls[i];
    const ControlKind& kind = row.kind;
    if (row.FilledSlots() & ~kind.reports)
      throw WrongKind(RowSays(form, row) + "does not report the event of a handler its row gives");
    if (row.given & ~kind.properties) throw WrongKind(RowSays(form, row) + "has no such property as one its row sets");
    if (row.flags & ~kind.flags) throw WrongKind(RowSays(form, row) + "takes no such flag as one its row sets");
  }
}

std::wstring CaptionOf(const ControlDef& def) { return ToWide(def.caption ? def.caption : ""); }

HWND CreateChild(const CreateArgs& args, const wchar_t* cls, DWORD style, DWORD exStyle) {
  return CreateChild(args, cls, style, exStyle, CaptionOf(args.def));
}

HWND CreateChild(const CreateArgs& args, const wchar_t* cls, DWORD style, DWORD exStyle, const std::wstring& text) {
  const ControlDef& def = args.def;
  style |= WS_CHILD | ((def.flags & Hidden) ? 0 : WS_VISIBLE) | (args.startsGroup ? WS_GROUP : 0);
  const Rect& r = def.rect;
  HWND hwnd = CreateWindowExW(exStyle, cls, text.c_str(), style, r.x, r.y, r.w, r.h, args.parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), args.module, nullptr);
  if (!hwnd) return nullptr;
  SendMessageW(hwnd, WM_SETFONT, (WPARAM)args.font, FALSE);
  if (def.flags & Disabled) EnableWindow(hwnd, FALSE);
  return hwnd;
}

HBRUSH OnFormBackground(HDC dc, int textColour) {
  SetBkMode(dc, TRANSPARENT);
  if (textColour != kDefaultColour) SetTextColor(dc, (COLORREF)textColour);
  return GetSysColorBrush(COLOR_BTNFACE);
}

bool SameParent(const ControlDef& a, const ControlDef& b) {
  return (!a.parent && !b.parent) || (a.parent && b.parent && std::strcmp(a.parent, b.parent) == 0);
}

}  // namespace ui
