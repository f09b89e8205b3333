// Test helper program: describes the program's visible windows from outside, for the end-to-end tests.
// Prints, in UTF-8, one line per visible form of the window layer, "form<TAB>1|0 (enabled)<TAB>caption",
// followed by one line per visible child control with text, "control<TAB>text", and for each visible
// list view one line per row, "row<TAB>cell<TAB>cell...".
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

std::wstring ClassOf(HWND w) {
  wchar_t name[256] = {};
  GetClassNameW(w, name, 255);
  return name;
}

// Asked through the message, which also reaches controls of another process.
std::wstring TextOf(HWND w) {
  wchar_t text[1024] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(w, WM_GETTEXT, 1023, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 3000, &ignored);
  return text;
}

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

// The cells of a list view of another process: the list writes each text
// into memory lent to it inside that process.
std::string ListRows(HWND list) {
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return {};
  constexpr int kChars = 1024;
  char* lent = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
  std::string out;
  DWORD_PTR rows = 0, columns = 0;
  SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 3000, &rows);
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  if (header) SendMessageTimeoutW(header, HDM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 3000, &columns);
  for (DWORD_PTR row = 0; lent && row < rows; ++row) {
    out += "row";
    for (DWORD_PTR column = 0; column < columns; ++column) {
      LVITEMW item = {};
      item.iSubItem = static_cast<int>(column);
      item.pszText = reinterpret_cast<LPWSTR>(lent + sizeof(LVITEMW));
      item.cchTextMax = kChars;
      wchar_t text[kChars] = {};
      DWORD_PTR length = 0;
      if (WriteProcessMemory(process, lent, &item, sizeof item, nullptr) &&
          SendMessageTimeoutW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(lent), SMTO_ABORTIFHUNG, 3000,
                              &length))
        ReadProcessMemory(process, lent + sizeof(LVITEMW), text, sizeof text - sizeof(wchar_t), nullptr);
      out += "\t" + Utf8(text);
    }
    out += "\n";
  }
  if (lent) VirtualFreeEx(process, lent, 0, MEM_RELEASE);
  CloseHandle(process);
  return out;
}

BOOL CALLBACK PrintControl(HWND w, LPARAM out) {
  const std::wstring text = TextOf(w);
  auto& lines = *reinterpret_cast<std::string*>(out);
  if (IsWindowVisible(w) && !text.empty()) lines += "control\t" + Utf8(text) + "\n";
  if (IsWindowVisible(w) && ClassOf(w) == WC_LISTVIEWW) lines += ListRows(w);
  return TRUE;
}

BOOL CALLBACK PrintForm(HWND w, LPARAM out) {
  if (ClassOf(w).rfind(L"TavrinForm_", 0) != 0 || !IsWindowVisible(w)) return TRUE;
  auto& text = *reinterpret_cast<std::string*>(out);
  text += std::string("form\t") + (IsWindowEnabled(w) ? "1" : "0") + "\t" + Utf8(TextOf(w)) + "\n";
  EnumChildWindows(w, PrintControl, out);
  return TRUE;
}

}  // namespace

int wmain() {
  std::string out;
  EnumWindows(PrintForm, reinterpret_cast<LPARAM>(&out));
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
