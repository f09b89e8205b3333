// Message boxes with GBK texts: no owner window, modal for the task.
#pragma once
#include <string>

namespace ui {

// Button and icon flags are the MB_* values of the platform. Returns the
// button pressed (IDOK, IDYES, IDNO...). An empty title shows "信息：".
int ShowMessage(const std::string& text, const std::string& title = {}, unsigned flags = 0);

// Yes/No question with the question icon; true only for Yes.
bool AskYesNo(const std::string& text, const std::string& title);

}  // namespace ui
