// A control host for tests in place of atl.dll.
#include "player/tests/support/FakeAtlHost.h"

#include "player/AtlHost.h"

namespace playertest {

namespace {
IUnknown* g_hosted = nullptr;
}

void SetHostedControl(IUnknown* object) { g_hosted = object; }

}  // namespace playertest

namespace player {

bool InitAtlHosting() { return true; }

HWND CreateHostedControl(HWND parent, const wchar_t* controlName, int x, int y, int width, int height, int id,
                         ui::ComPtr<IUnknown>& control) {
  control.Reset();
  HWND host = CreateWindowExW(0, L"STATIC", controlName, WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  if (host && playertest::g_hosted) {
    playertest::g_hosted->AddRef();
    control = ui::ComPtr<IUnknown>(playertest::g_hosted);
  }
  return host;
}

}  // namespace player
