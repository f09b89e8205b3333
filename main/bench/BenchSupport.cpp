// What the benchmark programs share: a fine clock and the start window shown as the program shows it.
#include "main/bench/BenchSupport.h"

#include <windows.h>

#include "main/Globals.h"
#include "main/MainWindow.h"
#include "main/ServiceClient.h"
#include "ui/App.h"

namespace bench {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return double(c.QuadPart) / double(f.QuadPart);
}

ui::Window* LoadStartWindow() {
  ui::InitWindowLayer();
  InitGlobals();
  ui::Window* w = ui::Window::Load(MainWindowForm);
  if (!w) return nullptr;
  while (FinishedBootstraps() == 0) {
    ui::PumpPendingMessages();
    Sleep(10);
  }
  return w;
}

}  // namespace bench
