// Conversion between GBK texts and UTF-16 at the Win32 boundary.
#include "WideText.h"

#include <windows.h>

namespace ui {

std::wstring ToWide(const std::string& gbk) {
  if (gbk.empty()) return {};
  int n = MultiByteToWideChar(936, 0, gbk.data(), (int)gbk.size(), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(936, 0, gbk.data(), (int)gbk.size(), out.data(), n);
  return out;
}

std::string ToGbk(const std::wstring& wide) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(936, 0, wide.data(), (int)wide.size(), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(936, 0, wide.data(), (int)wide.size(), out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace ui
