// The start window for a test suite that drives its list and buttons without
// a service: the bootstrap's message is answered, the bootstrap has ended and
// the rotating tips are stopped. Null when the window cannot be loaded.
#pragma once
#include <windows.h>

#include "main/Globals.h"
#include "main/MainWindow.h"
#include "main/ServiceClient.h"
#include "ui/App.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/tests/support/Pump.h"

namespace testsupport {

inline ui::Window* LoadQuietStartWindow() {
  ui::InitWindowLayer();
  InitGlobals();
  DialogWatcher quiet(IDOK);  // the bootstrap's message without a service
  ui::Window* window = ui::Window::Load(MainWindowForm);
  if (!window) return nullptr;
  PumpUntil([] { return FinishedBootstraps() > 0; }, 20000);
  Pump(300);
  window->GetTimer("状态时钟").SetEnabled(false);
  return window;
}

}  // namespace testsupport
