// Opening a file, a folder or a web page with the shell. Alone in its file,
// so that a test program can put a recording shell in its place.
#include "ShellOpen.h"

#include <windows.h>
#include <shellapi.h>

#include "WideText.h"

namespace ui {

bool ShellOpen(const std::string& target) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", ToWide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace ui
