// Report-style list view wrapper.
#include "ListView.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/base/WideText.h"

namespace ui {

namespace {

HWND CreateListView(const CreateArgs& a) {
  const ControlDef& def = a.def;
  HWND hwnd =
      CreateChild(a, WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP, WS_EX_CLIENTEDGE);
  if (!hwnd) return nullptr;
  DWORD ex = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
  if (def.flags & RowCheckBoxes) ex |= LVS_EX_CHECKBOXES;
  SendMessageW(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
  for (int c = 0; c < def.columnCount; ++c) {
    std::wstring title = ToWide(def.columns[c].title);
    LVCOLUMNW col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.pszText = title.data();
    col.cx = def.columns[c].width;
    col.iSubItem = c;
    SendMessageW(hwnd, LVM_INSERTCOLUMNW, c, (LPARAM)&col);
  }
  return hwnd;
}

// Clicks and right clicks on the list, with the row under the mouse (-1 for none).
bool DecodeListView(const Notification& n, Event& e) {
  if (n.msg != WM_NOTIFY || (n.code != (UINT)NM_RCLICK && n.code != (UINT)NM_CLICK)) return false;
  e.type = n.code == (UINT)NM_RCLICK ? EventType::RightClick : EventType::Click;
  e.payload = ItemIndex{reinterpret_cast<const NMITEMACTIVATE*>(n.lp)->iItem};
  return true;
}

}  // namespace

extern const ControlKind Kind::ListView =
    ControlKind("ListView")
        .Creates(CreateListView)
        .Decodes(DecodeListView, Reports(EventType::Click) | Reports(EventType::RightClick))
        .Has(HasColumns, RowCheckBoxes)
        .WithoutCaption();

int ListView::ColumnCount() const {
  HWND header = (HWND)SendMessageW(hwnd_, LVM_GETHEADER, 0, 0);
  return (int)SendMessageW(header, HDM_GETITEMCOUNT, 0, 0);
}

std::string HeaderItemText(HWND header, int index) {
  wchar_t buf[256] = {};
  HDITEMW item = {};
  item.mask = HDI_TEXT;
  item.pszText = buf;
  item.cchTextMax = 256;
  SendMessageW(header, HDM_GETITEMW, index, (LPARAM)&item);
  buf[255] = L'\0';
  return ToGbk(buf);
}

std::string ListView::ColumnTitle(int column) const {
  return HeaderItemText((HWND)SendMessageW(hwnd_, LVM_GETHEADER, 0, 0), column);
}

int ListView::ColumnWidth(int column) const { return (int)SendMessageW(hwnd_, LVM_GETCOLUMNWIDTH, column, 0); }

int ListView::RowCount() const { return (int)SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0); }

int ListView::AddRow(const std::vector<std::string>& cells, std::intptr_t id) const {
  return InsertRow(RowCount(), cells, id);
}

int ListView::InsertRow(int at, const std::vector<std::string>& cells, std::intptr_t id) const {
  std::wstring first = cells.empty() ? std::wstring() : ToWide(cells[0]);
  LVITEMW item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = at;
  item.pszText = first.data();
  item.lParam = (LPARAM)id;
  int row = (int)SendMessageW(hwnd_, LVM_INSERTITEMW, 0, (LPARAM)&item);
  for (size_t c = 1; c < cells.size() && row >= 0; ++c) SetCell(row, (int)c, cells[c]);
  return row;
}

std::intptr_t ListView::RowId(int row) const {
  LVITEMW item = {};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  return SendMessageW(hwnd_, LVM_GETITEMW, 0, (LPARAM)&item) ? (std::intptr_t)item.lParam : 0;
}

int ListView::FindRow(std::intptr_t id) const {
  LVFINDINFOW find = {};
  find.flags = LVFI_PARAM;
  find.lParam = (LPARAM)id;
  return (int)SendMessageW(hwnd_, LVM_FINDITEMW, (WPARAM)-1, (LPARAM)&find);
}

void ListView::SetCell(int row, int column, const std::string& text) const {
  std::wstring wide = ToWide(text);
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(hwnd_, LVM_SETITEMTEXTW, row, (LPARAM)&item);
}

std::string ListView::Cell(int row, int column) const {
  // The list says only how much it copied: a text that fills the buffer may
  // have been cut, so it is read again into a larger one.
  for (size_t size = 1024;; size *= 2) {
    std::wstring buf(size, L'\0');
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buf.data();
    item.cchTextMax = (int)buf.size();
    const int n = (int)SendMessageW(hwnd_, LVM_GETITEMTEXTW, row, (LPARAM)&item);
    if (n < 0) return {};
    if ((size_t)n + 1 < size || size >= (1u << 26)) {
      buf.resize(std::min((size_t)n, size));
      return ToGbk(buf);
    }
  }
}

void ListView::DeleteRow(int row) const { SendMessageW(hwnd_, LVM_DELETEITEM, row, 0); }
void ListView::Clear() const { SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0); }

bool ListView::RowChecked(int row) const {
  UINT state = (UINT)SendMessageW(hwnd_, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
  return (state >> 12) == 2;
}

void ListView::SetRowChecked(int row, bool on) const {
  LVITEMW item = {};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(on ? 2 : 1);
  SendMessageW(hwnd_, LVM_SETITEMSTATE, row, (LPARAM)&item);
}

void ListView::SetRedraw(bool on) const {
  SendMessageW(hwnd_, WM_SETREDRAW, on, 0);
  if (on) InvalidateRect(hwnd_, nullptr, TRUE);
}

int ListView::SelectedRow() const { return (int)SendMessageW(hwnd_, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED); }

}  // namespace ui
