// Web-browser box: navigation of the hosted browser control on its own thread.
#include "WebBrowserBox.h"

#include <exdisp.h>
#include <ole2.h>

#include "ActiveXHost.h"
#include "App.h"
#include "ui/base/WideText.h"

namespace ui {

namespace {

bool OnThreadOf(HWND hwnd) { return GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId(); }

// The navigation itself, on the box's thread.
bool NavigateHere(HWND box, const std::string& address) {
  ComPtr<IUnknown> control = HostedControl(box);
  if (!control) return false;
  ComPtr<IWebBrowser2> browser;
  if (FAILED(control->QueryInterface(IID_IWebBrowser2, browser.OutVoid())) || !browser) return false;
  BSTR url = SysAllocString(ToWide(address).c_str());
  VARIANT empty;
  VariantInit(&empty);
  const HRESULT hr = browser->Navigate(url, &empty, &empty, &empty, &empty);
  SysFreeString(url);
  return SUCCEEDED(hr);
}

}  // namespace

HWND WebBrowserBox::Create(HWND parent, const Rect& rect, bool visible) {
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
  return CreateActiveXWindow(parent, L"Shell.Explorer.2", rect.x, rect.y, rect.w, rect.h, style);
}

bool WebBrowserBox::Navigate(const std::string& address) const {
  if (!hwnd_ || !IsWindow(hwnd_)) return false;
  if (OnThreadOf(hwnd_)) return NavigateHere(hwnd_, address);
  // The layer runs the work on its window thread, or right here when it has
  // no window: navigate only where the box's thread is reached.
  bool done = false;
  const HWND box = hwnd_;
  RunOnWindowThread([&] {
    if (OnThreadOf(box)) done = NavigateHere(box, address);
  });
  return done;
}

}  // namespace ui
