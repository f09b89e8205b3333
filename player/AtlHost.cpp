// Hosting an ActiveX control in an "AtlAxWin" child window, with atl.dll loaded by name.
#include "player/AtlHost.h"

namespace player {

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

// atl.dll stays loaded for the life of the process.
HMODULE AtlModule() {
  static HMODULE module = LoadLibraryW(L"atl.dll");
  return module;
}

template <typename Fn>
Fn AtlFunction(const char* name) {
  HMODULE module = AtlModule();
  return module ? reinterpret_cast<Fn>(GetProcAddress(module, name)) : nullptr;
}

}  // namespace

bool InitAtlHosting() {
  auto init = AtlFunction<AtlAxWinInitFn>("AtlAxWinInit");
  if (!init) return false;
  // Once another module of the process has registered the class, a second
  // AtlAxWinInit can report failure: what counts is that the class exists.
  init();
  WNDCLASSEXW cls = {sizeof(cls)};
  return GetClassInfoExW(GetModuleHandleW(nullptr), L"AtlAxWin", &cls) != FALSE;
}

HWND CreateHostedControl(HWND parent, const wchar_t* controlName, int x, int y, int width, int height, int id,
                         ui::ComPtr<IUnknown>& control) {
  control.Reset();
  HWND host = CreateWindowExW(0, L"AtlAxWin", controlName, WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  auto getControl = AtlFunction<AtlAxGetControlFn>("AtlAxGetControl");
  if (host && getControl) getControl(host, control.Out());
  return host;
}

}  // namespace player
