// Drop-down list: its items and their values come from the row; a change by the user reports the item and its value.
#include "ComboBox.h"

#include "ui/base/WideText.h"

namespace ui {

namespace {

HWND CreateComboBox(const CreateArgs& a) {
  const ControlDef& def = a.def;
  HWND hwnd = CreateChild(a, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP);
  if (!hwnd) return nullptr;
  // The height given is the closed box's; the list drops below it.
  SetWindowPos(hwnd, nullptr, 0, 0, def.rect.w, def.rect.h + 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ComboBox box(hwnd);
  for (int i = 0; i < def.listCount; ++i) box.AddItem(def.list[i].text, def.list[i].value);
  if (def.listCount > 0) box.Select(0);
  return hwnd;
}

bool DecodeComboBox(const Notification& n, Event& e) {
  if (n.msg != WM_COMMAND || n.code != CBN_SELCHANGE) return false;
  ComboBox box(reinterpret_cast<HWND>(n.lp));
  e.type = EventType::Change;
  const int index = box.Selected();
  e.payload = Choice{index, index >= 0 ? box.ItemValue(index) : 0};
  return true;
}

}  // namespace

extern const ControlKind Kind::ComboBox =
    ControlKind("ComboBox").Creates(CreateComboBox).Decodes(DecodeComboBox, Reports(EventType::Change)).Has(HasList);

int ComboBox::AddItem(const std::string& text, int value) const {
  const int index = (int)SendMessageW(hwnd_, CB_ADDSTRING, 0, (LPARAM)ToWide(text).c_str());
  if (index >= 0) SendMessageW(hwnd_, CB_SETITEMDATA, index, value);
  return index;
}

std::string ComboBox::ItemText(int index) const {
  const int n = (int)SendMessageW(hwnd_, CB_GETLBTEXTLEN, index, 0);
  if (n < 0) return {};
  std::wstring buf(n + 1, L'\0');
  SendMessageW(hwnd_, CB_GETLBTEXT, index, (LPARAM)buf.data());
  buf.resize(n);
  return ToGbk(buf);
}

}  // namespace ui
