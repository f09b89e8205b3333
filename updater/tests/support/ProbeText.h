// The window probe's view of another program's windows: class, text and rectangles as it prints them.
#pragma once
#include <windows.h>

#include <string>

namespace probe {

inline std::wstring ClassOf(HWND w) {
  wchar_t name[256] = {};
  GetClassNameW(w, name, 255);
  return name;
}

// Asked through the message, which also reaches controls of another process.
inline std::wstring TextOf(HWND w) {
  wchar_t text[1024] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(w, WM_GETTEXT, 1023, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 3000, &ignored);
  return text;
}

inline std::string InCodePage(UINT codePage, const std::wstring& text) {
  const int n = WideCharToMultiByte(codePage, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(codePage, 0, text.data(), (int)text.size(), out.data(), n, nullptr, nullptr);
  return out;
}

inline std::string Gbk(const std::wstring& text) { return InCodePage(936, text); }

// A field of a tab-separated line in UTF-8: blanks stand for the tabs and
// line ends inside the text.
inline std::string Field(std::wstring text) {
  for (wchar_t& c : text)
    if (c == L'\t' || c == L'\r' || c == L'\n') c = L' ';
  return InCodePage(CP_UTF8, text);
}

// "left top right bottom"
inline std::string RectText(RECT r) {
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
         std::to_string(r.bottom);
}

}  // namespace probe
