// The start window for a test suite that drives its list and buttons without
// a service: the bootstrap has ended (a message box it showed is answered and
// printed), and the rotating tips are stopped. Null when the window cannot be
// loaded.
#pragma once
#include <windows.h>

#include <cstdio>

#include "main/Globals.h"
#include "main/MainWindow.h"
#include "main/ServiceClient.h"
#include "main/tests/support/SurrogateReaper.h"
#include "ui/App.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/base/tests/support/Pump.h"

namespace testsupport {

inline ui::Window* LoadQuietStartWindow() {
  ui::InitWindowLayer();
  InitGlobals();
  DialogWatcher quiet(IDOK);
  const int finished = FinishedBootstraps();
  ui::Window* window = ui::Window::Load(MainWindowForm);
  if (!window) return nullptr;
  EXPECT_TRUE(PumpFor("the start window's bootstrap thread to end", [&] { return FinishedBootstraps() > finished; }));
  ui::PumpPendingMessages();  // what the bootstrap handed to the window thread
  if (!quiet.Seen().empty()) std::fprintf(stderr, "the start window's bootstrap said:\n%s", quiet.Describe().c_str());
  window->GetTimer("状态时钟").SetEnabled(false);
  return window;
}

}  // namespace testsupport
