// The updater's module variables.
#include "updater/UpdaterGlobals.h"

std::string UpdateBaseAddress;
std::string UpdateListText;
updater::UpdateList UpdateFiles;

std::unique_ptr<skin::CrystalProgressBar> UpdateBar;
std::unique_ptr<skin::CrystalButton> StartButtonSkin;
std::unique_ptr<skin::CrystalButton> ExitButtonSkin;

ui::WorkerThread UpdaterThreadHandle;
updater::StopSignal UpdateStop;

void InitUpdaterGlobals() {
  UpdateBaseAddress.clear();
  UpdateListText.clear();
  UpdateFiles = {};
  UpdateBar = std::make_unique<skin::CrystalProgressBar>();
  StartButtonSkin = std::make_unique<skin::CrystalButton>();
  ExitButtonSkin = std::make_unique<skin::CrystalButton>();
}

// The skin objects go; the windows and their skins stay until the windows do.
// The worker never touches these (its progress is written on the window
// thread, and only while they are there), so they may go while it runs.
void FreeUpdaterGlobals() {
  UpdateBar.reset();
  StartButtonSkin.reset();
  ExitButtonSkin.reset();
  UpdateFiles = {};
  UpdateListText.clear();
  UpdateBaseAddress.clear();
}
