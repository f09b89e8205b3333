// The update worker's body with the real download, replacement and program start.
#include "updater/UpdateWorker.h"

#include "updater/FileReplace.h"
#include "updater/Processes.h"
#include "updater/UpdaterDownload.h"

namespace updater {

UpdateOutcome UpdateWorker(const std::vector<UpdateItem>& items, StopSignal& stop,
                           const web::DownloadProgress& progress, const std::function<void(int number)>& showFileNumber,
                           unsigned replaceRetryMs) {
  UpdateSteps steps;
  steps.showFileNumber = [&](int number) {
    if (showFileNumber) showFileNumber(number);
  };
  steps.download = [&](const UpdateItem& item) {
    return UpdaterDownloadToFile(item.address, TemporaryPath(item.path), progress);
  };
  steps.replace = [&](const std::string& temporary, const std::string& target) {
    return PutFileInPlace(temporary, target, stop, replaceRetryMs);
  };
  steps.exists = FileExists;
  steps.start = StartUpdatedProgram;
  return RunUpdate(items, steps, stop);
}

}  // namespace updater
