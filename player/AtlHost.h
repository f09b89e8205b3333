// The Flash control's host: an "AtlAxWin" child window of atl.dll. Tests link a host of their own in its place.
#pragma once
#include <windows.h>

#include "ui/base/ComPtr.h"

namespace player {

// Loads atl.dll and registers the "AtlAxWin" window class (AtlAxWinInit).
// False when atl.dll or the function is missing or the class is not registered
// afterwards (by this call or an earlier one anywhere in the process).
bool InitAtlHosting();

// Creates a visible "AtlAxWin" child of `parent` whose window text names the
// control to create, with control id `id`; `control` receives the hosted
// control's IUnknown, or stays empty when no control could be created.
HWND CreateHostedControl(HWND parent, const wchar_t* controlName, int x, int y, int width, int height, int id,
                         ui::ComPtr<IUnknown>& control);

}  // namespace player
