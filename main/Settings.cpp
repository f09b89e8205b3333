// Loading the settings at start.
#include "main/Settings.h"

#include <windows.h>

#include "main/ConfigFile.h"
#include "main/FileName.h"
#include "main/Globals.h"
#include "main/MachineId.h"
#include "ui/App.h"
#include "ui/base/WideText.h"
#include "web/TextHelpers.h"

namespace {
// How long the start waits for the machine id before it goes on without it.
constexpr unsigned kMachineIdWaitMs = 15000;

std::string UsableMachineId(const std::string& id) { return web::HoldsControlByte(id) ? std::string() : id; }
}  // namespace

std::string DefaultSaveFolder() { return ui::ProgramDir() + "\\Down\\"; }

Settings LoadSettings(const std::string& config) { return LoadSettings(config, ReadMachineIdWithin(kMachineIdWaitMs)); }

Settings LoadSettings(const std::string& config, const std::string& freshMachineId) {
  const std::string folder = DefaultSaveFolder();
  const std::wstring wideFolder = ui::ToWide(folder);
  if (GetFileAttributesW(wideFolder.c_str()) == INVALID_FILE_ATTRIBUTES) CreateDirectoryW(wideFolder.c_str(), nullptr);

  // A machine whose id cannot be read keeps the id it has on record. The id
  // goes into requests as it stands: one holding a control byte counts as
  // none, whichever source gave it.
  const std::string fresh = UsableMachineId(freshMachineId);
  MachineId.Set(UsableMachineId(ReadConfigValue(config, "软件标识", "Uid")));
  if (!fresh.empty() && !MachineId.Is(fresh)) {
    WriteConfigValue(config, "软件标识", "Uid", fresh);
    MachineId.Set(fresh);
  }

  // The save folder goes to the shell and takes the downloads: a share, an
  // address or a relative path from the file is not taken.
  const std::string down = ReadConfigValue(config, "视频下载", "Down");
  return Settings{IsLocalFolderPath(down) ? down + "\\" : folder};
}
