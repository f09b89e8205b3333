// What every control kind shares: a child window for a row with the form's font and the common styles.
#include "ControlKind.h"

#include "GdiHandles.h"
#include "ui/base/WideText.h"

namespace ui {

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

OwnedIcon LoadOwnedIcon(HINSTANCE module, int id, int size) {
  if (!id) return OwnedIcon();
  return OwnedIcon((HICON)LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

}  // namespace ui
