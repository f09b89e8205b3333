// Drop-down list wrapper: items with a text and a value each; indexes are 0-based.
#pragma once
#include <string>

#include "Control.h"
#include "ControlKind.h"

namespace ui {

class ComboBox : public KindControl<Kind::ComboBox> {
 public:
  using KindControl::KindControl;
  int ItemCount() const { return (int)SendMessageW(hwnd_, CB_GETCOUNT, 0, 0); }
  // Appends an item; returns its index.
  int AddItem(const std::string& text, int value) const;
  std::string ItemText(int index) const;
  int ItemValue(int index) const { return (int)SendMessageW(hwnd_, CB_GETITEMDATA, index, 0); }
  int Selected() const { return (int)SendMessageW(hwnd_, CB_GETCURSEL, 0, 0); }  // -1 when none
  // Selects from code: no change event.
  void Select(int index) const { SendMessageW(hwnd_, CB_SETCURSEL, index, 0); }
  void Clear() const { SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0); }
};

}  // namespace ui
