// A form's pop-up menus: built from the menu rows when shown, with their
// sub-menus, enabled states and check marks; each item runs its own handler.
#include <vector>

#include "ui/base/WideText.h"
#include "Window.h"

namespace ui {

namespace {

std::string MenuKey(const char* menu, const char* item) { return std::string(menu) + "/" + item; }

struct Chosen {
  const MenuItemDef* item;
  int index;  // within its own menu
};

}  // namespace

void Window::PopupMenu(const char* menuName) {
  POINT at;
  GetCursorPos(&at);
  PopupMenuAt(menuName, at.x, at.y);
}

void Window::PopupMenuAt(const char* menuName, int x, int y) {
  const MenuDef* def = nullptr;
  for (int i = 0; i < form_.menuCount; ++i)
    if (std::string(form_.menus[i].name) == menuName) def = &form_.menus[i];
  if (!def) return;
  // Command ids are positions in `items` plus one, across the sub-menus.
  std::vector<Chosen> items;
  auto build = [&](auto& self, const MenuDef& m) -> HMENU {
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < m.itemCount; ++i) {
      const MenuItemDef& item = m.items[i];
      if (std::string(item.caption) == "-") {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      UINT flags = MF_STRING | (MenuItemEnabled(m.name, item.caption) ? 0 : MF_GRAYED) |
                   (MenuItemChecked(m.name, item.caption) ? MF_CHECKED : 0);
      if (item.subMenu) {
        AppendMenuW(menu, flags | MF_POPUP, (UINT_PTR)self(self, *item.subMenu), ToWide(item.caption).c_str());
        continue;
      }
      items.push_back({&item, i});
      AppendMenuW(menu, flags, items.size(), ToWide(item.caption).c_str());
    }
    return menu;
  };
  HMENU menu = build(build, *def);
  SetForegroundWindow(hwnd_);
  const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, hwnd_, nullptr);
  PostMessageW(hwnd_, WM_NULL, 0, 0);
  DestroyMenu(menu);  // with its sub-menus
  if (chosen <= 0 || chosen > (int)items.size()) return;
  Event e{EventType::Click};
  e.payload = ItemIndex{items[chosen - 1].index};
  Fire(items[chosen - 1].item->onClick, e);
}

void Window::SetMenuItemEnabled(const char* menuName, const char* item, bool on) {
  menuDisabled_[MenuKey(menuName, item)] = !on;
}

bool Window::MenuItemEnabled(const char* menuName, const char* item) const {
  auto it = menuDisabled_.find(MenuKey(menuName, item));
  return it == menuDisabled_.end() || !it->second;
}

void Window::SetMenuItemChecked(const char* menuName, const char* item, bool on) {
  menuChecked_[MenuKey(menuName, item)] = on;
}

bool Window::MenuItemChecked(const char* menuName, const char* item) const {
  auto it = menuChecked_.find(MenuKey(menuName, item));
  return it != menuChecked_.end() && it->second;
}

}  // namespace ui
