// Loading the settings at start.
#include "main/Settings.h"

#include <windows.h>

#include "main/ConfigFile.h"
#include "main/Globals.h"
#include "main/MachineId.h"
#include "ui/App.h"
#include "ui/base/WideText.h"

namespace {
// How long the start waits for the machine id before it goes on without it.
constexpr unsigned kMachineIdWaitMs = 15000;
}  // namespace

std::string DefaultSaveFolder() { return ui::ProgramDir() + "\\Down\\"; }

Settings LoadSettings(const std::string& config) {
  const std::string folder = DefaultSaveFolder();
  const std::wstring wideFolder = ui::ToWide(folder);
  if (GetFileAttributesW(wideFolder.c_str()) == INVALID_FILE_ATTRIBUTES) CreateDirectoryW(wideFolder.c_str(), nullptr);

  // A machine whose id cannot be read keeps the id it has on record.
  const std::string fresh = ReadMachineIdWithin(kMachineIdWaitMs);
  MachineId.Set(ReadConfigValue(config, "软件标识", "Uid"));
  if (!fresh.empty() && !MachineId.Is(fresh)) {
    WriteConfigValue(config, "软件标识", "Uid", fresh);
    MachineId.Set(fresh);
  }

  const std::string down = ReadConfigValue(config, "视频下载", "Down");
  return Settings{down.empty() ? folder : down + "\\"};
}
