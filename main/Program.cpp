// The main program's start-up.
#include "main/Program.h"

#include "main/Globals.h"
#include "main/MainWindow.h"
#include "skin/SkinEngine.h"
#include "ui/App.h"
#include "ui/MessageBox.h"
#include "ui/Window.h"

int ProgramStart() {
  ui::InitWindowLayer();
  InitGlobals();
  ui::RegisterCleanup(FreeGlobals);
  // The modules' own start-up: only the skin engine has one (its font and face colour).
  skin::InitSkinResources();
  if (!ui::Window::Load(MainWindowForm)) {
    ui::ShowMessage("载入启动窗口失败");
    ui::EndProcessNow(-1);
  }
  ui::RunMessageLoop();
  return 0;
}
