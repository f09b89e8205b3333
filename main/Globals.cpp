// The main program's module variables.
#include "main/Globals.h"

SharedText ConfigPath;
SharedText ProgramVersion;
SharedText SiteType;
SharedText MachineId;
SharedText ServiceBase;
SharedText ServedCount;
SharedText RemainingCount;
SharedText UpdateAdAddress;
SharedText TipTexts;
SharedText DownloadingFlag;
SharedText PageTitle;

ui::LatestWorker WorkerThreadHandle;

std::unique_ptr<skin::CrystalProgressBar> StartProgressBar;
ui::ComPtr<IDispatch> LinkDocument;
std::vector<std::string> ReplyEntries;

void InitGlobals() {
  StartProgressBar = std::make_unique<skin::CrystalProgressBar>();
  LinkDocument.Reset();
  ReplyEntries.clear();
}

void FreeGlobals() {
  for (SharedText* text : {&ConfigPath, &ProgramVersion, &SiteType, &MachineId, &ServiceBase, &ServedCount,
                           &RemainingCount, &UpdateAdAddress, &TipTexts, &DownloadingFlag})
    text->Set({});
  StartProgressBar.reset();
  LinkDocument.Reset();
  ReplyEntries.clear();
}
