// The player library Play.dll, bound by name at its first use and kept loaded.
#include "main/PlayerLink.h"

#include <windows.h>

#include <mutex>

#include "ui/App.h"
#include "ui/MessageBox.h"
#include "ui/base/WideText.h"

namespace {

constexpr char kLibrary[] = "Play.dll";
// The export's name in GBK (C6 F4 B6 AF B2 A5 B7 C5).
constexpr char kExport[] = "启动播放";

using PlayExport = void(__stdcall*)(const char* title, const char* address, int flags);

// Binds the export: the library from the program's folder first, then by the
// usual search. Once bound, the library stays loaded; a failed binding is
// tried again at the next use.
PlayExport BoundExport() {
  static std::mutex lock;
  static PlayExport bound = nullptr;
  std::lock_guard<std::mutex> g(lock);
  if (bound) return bound;
  HMODULE library = LoadLibraryW(ui::ToWide(ui::ProgramDir() + "\\" + kLibrary).c_str());
  if (!library) library = LoadLibraryW(ui::ToWide(kLibrary).c_str());
  if (!library) return nullptr;
  bound = reinterpret_cast<PlayExport>(GetProcAddress(library, kExport));
  if (!bound) FreeLibrary(library);
  return bound;
}

}  // namespace

std::string MissingPlayerText() {
  return std::string("无法找到指定DLL库文件“") + kLibrary + "”中的输出命令“" + kExport + "”";
}

bool StartPlayer(const std::string& title, const std::string& address) {
  PlayExport play = BoundExport();
  if (!play) {
    ui::ShowMessage(MissingPlayerText());
    return false;
  }
  play(title.c_str(), address.c_str(), 0);
  return true;
}
