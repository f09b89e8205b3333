// The main program's start-up.
#include "main/Program.h"

#include "main/Globals.h"
#include "main/MainWindow.h"
#include "ui/App.h"
#include "ui/MessageBox.h"
#include "ui/Window.h"

int ProgramStart() {
  ui::InitWindowLayer();
  InitGlobals();
  ui::RegisterCleanup(FreeGlobals);
  if (!ui::Window::Load(MainWindowForm)) {
    ui::ShowMessage("载入启动窗口失败");
    ui::EndProcessNow(-1);
  }
  ui::RunMessageLoop();
  return 0;
}
