// Conversion between the program's GBK texts and the UTF-16 texts of the W functions.
#pragma once
#include <string>

namespace ui {

// GBK (code page 936) bytes to UTF-16, for a W function's argument.
std::wstring ToWide(const std::string& gbk);
// UTF-16 from a W function back to GBK bytes.
std::string ToGbk(const std::wstring& wide);

}  // namespace ui
