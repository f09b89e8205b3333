// The updater's start-up.
#include "updater/UpdaterStart.h"

#include "skin/SkinEngine.h"
#include "ui/App.h"
#include "ui/MessageBox.h"
#include "updater/UpdaterGlobals.h"
#include "updater/UpdaterWindow.h"

int UpdaterStart() {
  ui::InitWindowLayer();
  InitUpdaterGlobals();
  ui::RegisterCleanup(FreeUpdaterGlobals);
  skin::InitSkinResources();
  if (!ui::Window::Load(UpdaterWindowForm)) {
    ui::ShowMessage("载入启动窗口失败");
    ui::EndProcessNow(-1);
  }
  ui::RunMessageLoop();
  // The start window is gone: the clean-up runs and the process ends, also
  // while a stopped worker still waits on the network.
  ui::EndProgram(0);
}
