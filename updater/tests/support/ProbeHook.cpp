// Loaded into a program under test by a window hook: reads what other
// processes cannot and writes it to a file of the temporary folder for the
// probe to read (updater/tests/support/ProbeHookClient.h):
//   "TavrinProbeReadBarText" sent to a skinned bar: the overlay text it keeps
//   in a window property (GBK);
//   "TavrinProbeReadMenu" sent to a pop-up menu's window (#32768): its items,
//   one "text<TAB>left top right bottom<TAB>1|0 (enabled)" line each in
//   screen coordinates, separators left out (UTF-16).
#include <windows.h>

#include <cstring>
#include <string>

namespace {

void WriteAnswer(const void* bytes, size_t size) {
  wchar_t path[MAX_PATH];
  GetTempPathW(MAX_PATH, path);
  wcscat(path, L"TavrinProbe.txt");
  HANDLE f = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(f, bytes, (DWORD)size, &written, nullptr);
  CloseHandle(f);
}

std::string BarText(HWND bar) {
  std::string text;
  if (HGLOBAL block = (HGLOBAL)GetPropW(bar, L"Nimbo_PBM_TxtContent")) {
    if (const char* p = (const char*)GlobalLock(block)) {
      text.assign(p, strnlen(p, GlobalSize(block)));
      GlobalUnlock(block);
    }
  }
  return text;
}

std::wstring MenuItems(HWND menuWindow) {
  const HMENU menu = (HMENU)SendMessageW(menuWindow, MN_GETHMENU, 0, 0);
  std::wstring out;
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    wchar_t text[512] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = 511;
    if (!GetMenuItemInfoW(menu, i, TRUE, &info) || (info.fType & MFT_SEPARATOR)) continue;
    for (wchar_t& c : text)
      if (c == L'\t') c = L' ';
    RECT r = {};
    GetMenuItemRect(menuWindow, menu, i, &r);
    out += std::wstring(text) + L"\t" + std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
           std::to_wstring(r.right) + L" " + std::to_wstring(r.bottom) + L"\t" +
           ((info.fState & MFS_DISABLED) ? L"0" : L"1") + L"\n";
  }
  return out;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHookProc(int code, WPARAM wp, LPARAM lp) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
  static const UINT askBar = RegisterWindowMessageW(L"TavrinProbeReadBarText");
  static const UINT askMenu = RegisterWindowMessageW(L"TavrinProbeReadMenu");
  if (code == HC_ACTION && call->message == askBar) {
    const std::string text = BarText(call->hwnd);
    WriteAnswer(text.data(), text.size());
  }
  if (code == HC_ACTION && call->message == askMenu) {
    const std::wstring items = MenuItems(call->hwnd);
    WriteAnswer(items.data(), items.size() * sizeof(wchar_t));
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}
