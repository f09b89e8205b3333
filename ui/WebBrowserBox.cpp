// Web-browser box: a browser control hosted through atl.dll's "AtlAxWin" class.
#include "WebBrowserBox.h"

#include <exdisp.h>
#include <ole2.h>

#include "App.h"
#include "ComPtr.h"
#include "Module.h"
#include "WideText.h"

namespace ui {

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

HMODULE Atl() {
  static HMODULE atl = [] {
    HMODULE m = LoadLibraryW(L"atl.dll");
    if (m) {
      auto init = reinterpret_cast<AtlAxWinInitFn>(GetProcAddress(m, "AtlAxWinInit"));
      if (!init || !init()) m = nullptr;
    }
    return m;
  }();
  return atl;
}

}  // namespace

HWND WebBrowserBox::Create(HWND parent, const Rect& rect, bool visible) {
  if (!Atl()) return nullptr;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
  return CreateWindowExW(0, L"AtlAxWin", L"Shell.Explorer.2", style, rect.x, rect.y, rect.w, rect.h, parent, nullptr,
                         ModuleInstance(), nullptr);
}

bool WebBrowserBox::Navigate(const std::string& address) const {
  HMODULE atl = Atl();
  if (!atl || !hwnd_) return false;
  // The browser object lives in the window thread's apartment: call it there.
  if (GetWindowThreadProcessId(hwnd_, nullptr) != GetCurrentThreadId()) {
    // When the window thread cannot be reached the work runs here, on the
    // wrong thread again: then there is nothing to navigate.
    bool done = false;
    RunOnWindowThread([&] {
      if (GetWindowThreadProcessId(hwnd_, nullptr) == GetCurrentThreadId()) done = Navigate(address);
    });
    return done;
  }
  auto getControl = reinterpret_cast<AtlAxGetControlFn>(GetProcAddress(atl, "AtlAxGetControl"));
  ComPtr<IUnknown> control;
  if (!getControl || FAILED(getControl(hwnd_, control.Out())) || !control) return false;
  ComPtr<IWebBrowser2> browser;
  if (FAILED(control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(browser.Out())))) return false;
  BSTR url = SysAllocString(ToWide(address).c_str());
  VARIANT empty;
  VariantInit(&empty);
  HRESULT hr = browser->Navigate(url, &empty, &empty, &empty, &empty);
  SysFreeString(url);
  return SUCCEEDED(hr);
}

}  // namespace ui
