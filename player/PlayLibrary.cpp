// The player library's start, its clean-up and the steps of its export.
#include "player/PlayLibrary.h"

#include <ole2.h>

#include "player/AtlHost.h"
#include "player/PlayerGlobals.h"
#include "player/PlayerWindows.h"
#include "player/QvodPage.h"
#include "player/RightClickHook.h"
#include "ui/App.h"
#include "ui/MessageBox.h"

namespace player {

namespace {

bool g_started = false;
bool g_windowOpen = false;

}  // namespace

bool LibraryStart() {
  if (g_started) return true;
  // The caller's thread becomes the library's window thread; the library's
  // windows and the controls they host need OLE on it.
  OleInitialize(nullptr);
  ui::StartLayer();
  if (!InitAtlHosting()) return false;
  InitPlayerGlobals();  // its Flash control registers the "AtlAxWin" class
  CreateHookTable();
  ui::RegisterCleanup(LibraryCleanUp);
  g_started = true;
  return true;
}

void LibraryCleanUp() {
  if (!g_started) return;
  FreePlayerGlobals();
  FreeHookTable();
  g_started = false;
}

void LibraryCleanUpAtExit() {
  if (!g_started) return;
  AbandonPlayerGlobals();
  FreeHookTable();
  g_started = false;
}

bool OpenPlayerWindow(const std::string& title, const std::string& address, int32_t tag) {
  PlayTitle = title;
  PlayUrl = address;
  PlayTag = tag;
  return IsQvodLink(PlayUrl) ? ShowQvodPageWindow() : ShowPlayerWindow();
}

int32_t StartPlayback(const char* title, const char* address, int32_t tag) {
  if (g_windowOpen) return 0;
  const std::string titleCopy = title ? title : "";
  const std::string addressCopy = address ? address : "";
  if (!LibraryStart()) {
    // Without atl.dll no window of the library can host its control.
    ui::ShowMessage("无法找到指定DLL库文件“atl.dll”中的输出命令“AtlAxWinInit”");
    ui::EndProcessNow(1);
  }
  struct OpenWindowMark {
    OpenWindowMark() { g_windowOpen = true; }
    ~OpenWindowMark() { g_windowOpen = false; }
  } mark;
  return OpenPlayerWindow(titleCopy, addressCopy, tag) ? 1 : 0;
}

}  // namespace player
