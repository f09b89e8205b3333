// The window probe's listing of the program's visible windows, with rectangles in screen
// coordinates as "left top right bottom", so that a test finds what it clicks by its text.
// One tab-separated line (UTF-8) per thing a user can see:
//   form     1|0 (enabled)  caption  rect  1|0 (being moved or sized by the user)
//                                               a visible form of the window layer, followed by its parts:
//   control  text  class  rect  1|0 (enabled)  1|0 (has the keyboard focus)
//                                               a visible child control (an edit box has no text)
//   item     text  rect  1|0                    a toolbar button
//   row      rect  text of each cell...         a list view row
//   menu     text  rect  1|0                    an item of a visible pop-up menu of any program
//   box      title  text                        a visible message box of any program
// The controls' own lists (toolbar, list view) are read through memory lent in the program's
// process, since their messages carry pointers that only mean something there; a menu's items
// through the hook library.
#include "updater/tests/support/FormListing.h"

#include <windows.h>
#include <commctrl.h>

#include "updater/tests/support/ProbeHookClient.h"
#include "updater/tests/support/ProbeText.h"

namespace probe {

namespace {

// A client rectangle of the window in screen coordinates.
RECT OnScreen(HWND w, RECT r) {
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Memory lent in the process that owns a window, for messages whose
// arguments point at memory.
class Lent {
 public:
  Lent(HWND owner, size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) at_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~Lent() {
    if (at_) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  Lent(const Lent&) = delete;
  Lent& operator=(const Lent&) = delete;
  bool Ok() const { return at_ != nullptr; }
  // The address in the owner's process of the byte at offset.
  LPARAM At(size_t offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(at_) + offset); }
  bool Put(const void* from, size_t n, size_t offset = 0) const {
    return n + offset <= size_ && WriteProcessMemory(process_, static_cast<char*>(at_) + offset, from, n, nullptr);
  }
  bool Get(void* to, size_t n, size_t offset = 0) const {
    return n + offset <= size_ && ReadProcessMemory(process_, static_cast<char*>(at_) + offset, to, n, nullptr);
  }

 private:
  HANDLE process_ = nullptr;
  void* at_ = nullptr;
  size_t size_;
};

constexpr size_t kTextChars = 512;

void PrintToolbarItems(HWND bar, std::string& out) {
  Lent lent(bar, sizeof(TBBUTTON) + sizeof(RECT) + kTextChars * sizeof(wchar_t));
  if (!lent.Ok()) return;
  const size_t rectAt = sizeof(TBBUTTON), textAt = rectAt + sizeof(RECT);
  const int count = static_cast<int>(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button = {};
    RECT r = {};
    wchar_t text[kTextChars] = {};
    if (!SendMessageW(bar, TB_GETBUTTON, i, lent.At()) || !lent.Get(&button, sizeof button)) continue;
    if (button.fsStyle & BTNS_SEP) continue;
    lent.Put(text, sizeof text, textAt);
    SendMessageW(bar, TB_GETBUTTONTEXTW, button.idCommand, lent.At(textAt));
    lent.Get(text, sizeof text - sizeof(wchar_t), textAt);
    SendMessageW(bar, TB_GETITEMRECT, i, lent.At(rectAt));
    lent.Get(&r, sizeof r, rectAt);
    out += "item\t" + Field(text) + "\t" + RectText(OnScreen(bar, r)) + "\t" +
           ((button.fsState & TBSTATE_ENABLED) ? "1" : "0") + "\n";
  }
}

void PrintListRows(HWND list, std::string& out) {
  Lent lent(list, sizeof(LVITEMW) + sizeof(RECT) + kTextChars * sizeof(wchar_t));
  if (!lent.Ok()) return;
  const size_t rectAt = sizeof(LVITEMW), textAt = rectAt + sizeof(RECT);
  const int columns = static_cast<int>(
      SendMessageW(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
  const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    RECT r = {LVIR_BOUNDS};
    lent.Put(&r, sizeof r, rectAt);
    SendMessageW(list, LVM_GETITEMRECT, row, lent.At(rectAt));
    lent.Get(&r, sizeof r, rectAt);
    std::string line = "row\t" + RectText(OnScreen(list, r));
    for (int column = 0; column < columns; ++column) {
      LVITEMW item = {};
      item.iSubItem = column;
      item.pszText = reinterpret_cast<wchar_t*>(lent.At(textAt));
      item.cchTextMax = kTextChars;
      wchar_t text[kTextChars] = {};
      lent.Put(&item, sizeof item);
      lent.Put(text, sizeof text, textAt);
      SendMessageW(list, LVM_GETITEMTEXTW, row, lent.At());
      lent.Get(text, sizeof text - sizeof(wchar_t), textAt);
      line += "\t" + Field(text);
    }
    out += line + "\n";
  }
}

// What the user's input does on the window's thread: focus, moving.
GUITHREADINFO InputOf(HWND w) {
  GUITHREADINFO input = {};
  input.cbSize = sizeof input;
  GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &input);
  return input;
}

BOOL CALLBACK PrintControl(HWND w, LPARAM param) {
  if (!IsWindowVisible(w)) return TRUE;
  auto& out = *reinterpret_cast<std::string*>(param);
  RECT r = {};
  GetWindowRect(w, &r);
  const std::wstring cls = ClassOf(w);
  out += "control\t" + Field(TextOf(w)) + "\t" + Field(cls) + "\t" + RectText(r) + "\t" +
         (IsWindowEnabled(w) ? "1" : "0") + "\t" + (InputOf(w).hwndFocus == w ? "1" : "0") + "\n";
  if (cls == TOOLBARCLASSNAMEW) PrintToolbarItems(w, out);
  if (cls == WC_LISTVIEWW) PrintListRows(w, out);
  return TRUE;
}

BOOL CALLBACK PrintForm(HWND w, LPARAM param) {
  if (ClassOf(w).rfind(L"TavrinForm_", 0) != 0 || !IsWindowVisible(w)) return TRUE;
  auto& out = *reinterpret_cast<std::string*>(param);
  RECT r = {};
  GetWindowRect(w, &r);
  out += std::string("form\t") + (IsWindowEnabled(w) ? "1" : "0") + "\t" + Field(TextOf(w)) + "\t" + RectText(r) +
         "\t" + ((InputOf(w).flags & GUI_INMOVESIZE) ? "1" : "0") + "\n";
  EnumChildWindows(w, PrintControl, param);
  return TRUE;
}

// A menu's items can only be read inside the program that shows it.
void PrintMenuItems(HWND menuWindow, std::string& out) {
  const std::string answer = AskInside(menuWindow, L"TavrinProbeReadMenu");
  if (answer.empty() || answer[0] == '<') return;
  const std::wstring items(reinterpret_cast<const wchar_t*>(answer.data()), answer.size() / sizeof(wchar_t));
  for (size_t start = 0, end; (end = items.find(L'\n', start)) != std::wstring::npos; start = end + 1)
    out += "menu\t" + InCodePage(CP_UTF8, items.substr(start, end - start)) + "\n";
}

// Pop-up menus and message boxes belong to whichever program shows them.
BOOL CALLBACK PrintMenuOrBox(HWND w, LPARAM param) {
  if (!IsWindowVisible(w)) return TRUE;
  auto& out = *reinterpret_cast<std::string*>(param);
  const std::wstring cls = ClassOf(w);
  if (cls == L"#32768") PrintMenuItems(w, out);
  if (cls == L"#32770" && GetDlgItem(w, 0xFFFF))
    out += "box\t" + Field(TextOf(w)) + "\t" + Field(TextOf(GetDlgItem(w, 0xFFFF))) + "\n";
  return TRUE;
}

}  // namespace

std::string ListForms() {
  std::string out;
  EnumWindows(PrintForm, reinterpret_cast<LPARAM>(&out));
  EnumWindows(PrintMenuOrBox, reinterpret_cast<LPARAM>(&out));
  return out;
}

}  // namespace probe
