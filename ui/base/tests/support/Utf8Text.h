// Test helper: GBK texts as UTF-8, for what a test prints or sends as UTF-8.
#pragma once
#include <windows.h>

#include <string>

#include "ui/base/WideText.h"

namespace testsupport {

inline std::string GbkToUtf8(const std::string& gbk) {
  const std::wstring wide = ui::ToWide(gbk);
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr, nullptr);
  return out;
}

}  // namespace testsupport
