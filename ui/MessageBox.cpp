// Message boxes with GBK texts.
#include "MessageBox.h"

#include <windows.h>

#include "ui/base/WideText.h"

namespace ui {

int ShowMessage(const std::string& text, const std::string& title, unsigned flags) {
  const std::string shownTitle = title.empty() ? std::string("信息：") : title;
  return MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(shownTitle).c_str(), flags | MB_TASKMODAL);
}

bool AskYesNo(const std::string& text, const std::string& title) {
  return ShowMessage(text, title, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace ui
