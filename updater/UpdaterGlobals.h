// The updater's module variables: the update folder, the list it names, the skin objects and the worker.
#pragma once
#include <memory>
#include <string>

#include "skin/CrystalButton.h"
#include "skin/CrystalProgressBar.h"
#include "ui/base/WorkerThread.h"
#include "updater/StopSignal.h"
#include "updater/UpdateList.h"

// Written and read on the window thread only; the worker gets its own copies.
extern std::string UpdateBaseAddress;    // the first command-line argument, unchanged
extern std::string UpdateListText;       // the fetched update list
extern updater::UpdateList UpdateFiles;  // its file names and their download suffix

// The skin objects of 进度条1, 开始 and 退出.
extern std::unique_ptr<skin::CrystalProgressBar> UpdateBar;
extern std::unique_ptr<skin::CrystalButton> StartButtonSkin;
extern std::unique_ptr<skin::CrystalButton> ExitButtonSkin;

// The worker thread, and how the window asks it to stop.
extern ui::WorkerThread UpdaterThreadHandle;
extern updater::StopSignal UpdateStop;

void InitUpdaterGlobals();
void FreeUpdaterGlobals();
