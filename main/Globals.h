// The main program's module variables, shared by its windows and worker threads.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <string>
#include <vector>

#include "main/SharedText.h"
#include "skin/CrystalProgressBar.h"
#include "ui/ComPtr.h"
#include "ui/WorkerThread.h"

extern SharedText ConfigPath;       // program directory + "\Config.ini"
extern SharedText ProgramVersion;   // "1.0"
extern SharedText SiteType;         // request key uLei of the parse window
extern SharedText MachineId;        // machine id in use
extern SharedText ServiceBase;      // "http://" + host + "/VelkDown/"
extern SharedText ServedCount;      // parses served to this machine
extern SharedText RemainingCount;   // parses left today
extern SharedText UpdateAdAddress;  // advertisement page of the update list
extern SharedText TipTexts;         // the tips joined by "|"
extern SharedText DownloadingFlag;  // "1" while the download queue runs
extern SharedText PageTitle;        // the title the link finder last picked up (file names)

// The most recently started download or size-probe thread; what the start
// window's end terminates. Holding it keeps its handle valid, and storing the
// next worker lets go of it: nobody closes a handle that another still holds.
extern ui::LatestWorker WorkerThreadHandle;

// The skin object of the start window's progress bar.
extern std::unique_ptr<skin::CrystalProgressBar> StartProgressBar;
// The link finder's document object (empty until it picks up a page).
extern ui::ComPtr<IDispatch> LinkDocument;
// Texts used while the file list is filled.
extern std::vector<std::string> ReplyEntries;

void InitGlobals();
void FreeGlobals();
