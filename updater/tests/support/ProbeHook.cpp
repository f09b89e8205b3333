// Loaded into a program under test by a window hook: reads what other
// processes cannot, the overlay text a skinned bar keeps in a window property,
// and writes it to a file of the temporary folder for the probe to read.
#include <windows.h>

#include <cstring>
#include <string>

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHookProc(int code, WPARAM wp, LPARAM lp) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
  static const UINT ask = RegisterWindowMessageW(L"TavrinProbeReadBarText");
  if (code == HC_ACTION && call->message == ask) {
    std::string text;
    if (HGLOBAL block = (HGLOBAL)GetPropW(call->hwnd, L"Nimbo_PBM_TxtContent")) {
      if (const char* p = (const char*)GlobalLock(block)) {
        text.assign(p, strnlen(p, GlobalSize(block)));
        GlobalUnlock(block);
      }
    }
    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, path);
    wcscat(path, L"TavrinProbe.txt");
    HANDLE f = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(f, text.data(), (DWORD)text.size(), &written, nullptr);
      CloseHandle(f);
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}
