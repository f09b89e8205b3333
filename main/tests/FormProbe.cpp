// Test helper program: describes the program's visible windows from outside, for the end-to-end tests.
// Prints, in UTF-8, one line per visible form of the window layer, "form<TAB>1|0 (enabled)<TAB>caption",
// followed by one line per visible child control with text, "control<TAB>text".
#include <windows.h>

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

BOOL CALLBACK PrintControl(HWND w, LPARAM out) {
  const std::wstring text = TextOf(w);
  if (IsWindowVisible(w) && !text.empty()) *reinterpret_cast<std::string*>(out) += "control\t" + Utf8(text) + "\n";
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
