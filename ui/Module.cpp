// The module the window layer is linked into.
#include "Module.h"

#include <cstdio>
#include <mutex>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace ui {

LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK PanelProc(HWND, UINT, WPARAM, LPARAM);

namespace {
bool g_programMode = false;
}

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

std::wstring ModuleClassName(const wchar_t* base) {
  wchar_t name[64];
  std::swprintf(name, 64, L"%ls_%08lX", base, static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(ModuleInstance())));
  return name;
}

void EnsureClassesRegistered() {
  static std::once_flag once;
  std::call_once(once, [] {
    static const std::wstring form = ModuleClassName(L"TavrinForm");
    static const std::wstring panel = ModuleClassName(L"TavrinPanel");
    WNDCLASSEXW wc = {sizeof(wc)};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = form.c_str();
    RegisterClassExW(&wc);
    wc.style = 0;
    wc.lpfnWndProc = PanelProc;
    wc.lpszClassName = panel.c_str();
    RegisterClassExW(&wc);
  });
}

bool LibraryMode() { return !g_programMode; }
void SetProgramMode() { g_programMode = true; }

}  // namespace ui
