// The Flash control's host through the window layer's ActiveX hosting.
#include "player/AtlHost.h"

#include "ui/ActiveXHost.h"

namespace player {

bool InitAtlHosting() { return ui::ActiveXHostingAvailable(); }

HWND CreateHostedControl(HWND parent, const wchar_t* controlName, int x, int y, int width, int height, int id,
                         ui::ComPtr<IUnknown>& control) {
  const HWND host = ui::CreateActiveXWindow(parent, controlName, x, y, width, height, WS_CHILD | WS_VISIBLE, id);
  control = ui::HostedControl(host);
  return host;
}

}  // namespace player
