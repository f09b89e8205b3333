// Toolbar wrapper. Each item's command id is its index.
#include "Toolbar.h"

#include <commctrl.h>

#include "ui/base/WideText.h"
#include "Window.h"

namespace ui {

namespace {

HWND CreateToolbar(const CreateArgs& a) {
  const ControlDef& def = a.def;
  HWND hwnd = CreateChild(a, TOOLBARCLASSNAMEW,
                          TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0,
                          std::wstring());
  if (!hwnd) return nullptr;
  SendMessageW(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  if (def.images) {
    // The image list stays with the window and is freed with it.
    OwnedImageList images(ImageList_LoadImageW(a.module, MAKEINTRESOURCEW(def.images), 24, 0, RGB(255, 0, 255),
                                               IMAGE_BITMAP, LR_CREATEDIBSECTION));
    SendMessageW(hwnd, TB_SETIMAGELIST, 0, (LPARAM)images.Get());
    a.window.Own(std::move(images));
  }
  std::vector<std::wstring> texts(def.itemCount);
  std::vector<TBBUTTON> buttons(def.itemCount);
  for (int i = 0; i < def.itemCount; ++i) {
    const ToolItem& item = def.items[i];
    TBBUTTON& b = buttons[i];
    b.idCommand = i;
    if (!item.text) {
      b.fsStyle = BTNS_SEP;
      continue;
    }
    texts[i] = ToWide(item.text);
    b.iBitmap = item.image;
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
    b.iString = (INT_PTR)texts[i].c_str();
  }
  SendMessageW(hwnd, TB_ADDBUTTONSW, def.itemCount, (LPARAM)buttons.data());
  return hwnd;
}

// A toolbar reports the index of the clicked item.
bool DecodeToolbar(const Notification& n, Event& e) {
  if (n.msg != WM_COMMAND) return false;
  e.type = EventType::Click;
  e.payload = ItemIndex{LOWORD(n.wp)};
  return true;
}

// A click on an item runs the item's own handler when it has one.
Handler ItemOwnHandler(const ControlDef& row, const Event& e) {
  if (e.type != EventType::Click) return nullptr;
  const int index = e.Item();
  return index >= 0 && index < row.itemCount ? row.items[index].onClick : nullptr;
}

// The toolbar's own tooltip asks for an item's tip.
bool AnswerTipRequest(HWND toolbar, const ControlDef& row, const NMHDR* hdr) {
  if (hdr->code != TTN_GETDISPINFOW || (HWND)SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0) != hdr->hwndFrom) return false;
  static thread_local std::wstring tip;
  const int index = (int)hdr->idFrom;
  tip = (index >= 0 && index < row.itemCount && row.items[index].tip) ? ToWide(row.items[index].tip) : L"";
  auto* info = (NMTTDISPINFOW*)hdr;
  info->lpszText = tip.data();
  info->hinst = nullptr;
  return true;
}

}  // namespace

extern const ControlKind Kind::Toolbar = ControlKind("Toolbar")
                                             .Creates(CreateToolbar)
                                             .Decodes(DecodeToolbar, Reports(EventType::Click))
                                             .Has(HasImages | HasItems)
                                             .WithoutCaption()
                                             .ItemHandlers(ItemOwnHandler)
                                             .Relays(AnswerTipRequest);

int Toolbar::ItemCount() const { return (int)SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0); }

std::string Toolbar::ItemText(int index) const {
  wchar_t buf[256] = {};
  TBBUTTONINFOW info = {sizeof(info), TBIF_TEXT};
  info.pszText = buf;
  info.cchText = 256;
  SendMessageW(hwnd_, TB_GETBUTTONINFOW, index, (LPARAM)&info);
  return ToGbk(buf);
}

void Toolbar::SetItemText(int index, const std::string& text) const {
  std::wstring wide = ToWide(text);
  TBBUTTONINFOW info = {sizeof(info), TBIF_TEXT};
  info.pszText = wide.data();
  SendMessageW(hwnd_, TB_SETBUTTONINFOW, index, (LPARAM)&info);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace ui
