// The open-file dialog through GetOpenFileNameW.
#include "OpenFileDialog.h"

#include <commdlg.h>

#include <vector>

#include "ui/base/WideText.h"

namespace ui {

std::wstring DialogFilter(const std::string& filter) {
  // Split after the conversion: a GBK character's second byte may be "|".
  const std::wstring wide = ToWide(filter);
  std::vector<std::wstring> parts;
  size_t start = 0;
  for (;;) {
    const size_t bar = wide.find(L'|', start);
    parts.push_back(wide.substr(start, bar == std::wstring::npos ? std::wstring::npos : bar - start));
    if (bar == std::wstring::npos) break;
    start = bar + 1;
  }
  std::wstring out;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    out += parts[i];
    out += L'\0';
    out += parts[i + 1];
    out += L'\0';
  }
  out += L'\0';
  return out;
}

std::string ChooseOpenFile(HWND owner, const std::string& title, const std::string& filter) {
  const std::wstring wideTitle = ToWide(title);
  const std::wstring wideFilter = DialogFilter(filter);
  std::vector<wchar_t> file(32768, L'\0');
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = wideFilter.size() > 1 ? wideFilter.c_str() : nullptr;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = wideTitle.empty() ? nullptr : wideTitle.c_str();
  // The program relies on its own folder being the current directory.
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&ofn)) return {};
  return ToGbk(file.data());
}

}  // namespace ui
