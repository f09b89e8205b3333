// A form's pop-up menus: built from the menu rows when shown, each item runs its own handler.
#include "WideText.h"
#include "Window.h"

namespace ui {

namespace {
std::string MenuKey(const char* menu, const char* item) { return std::string(menu) + "/" + item; }
}  // namespace

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
  if (chosen <= 0) return;
  Event e{EventType::Click};
  e.arg = chosen - 1;
  Fire(def->items[chosen - 1].onClick, e);
}

void Window::SetMenuItemEnabled(const char* menuName, const char* item, bool on) {
  menuDisabled_[MenuKey(menuName, item)] = !on;
}

bool Window::MenuItemEnabled(const char* menuName, const char* item) const {
  auto it = menuDisabled_.find(MenuKey(menuName, item));
  return it == menuDisabled_.end() || !it->second;
}

}  // namespace ui
