// The update worker's course over the listed files, with the file and process operations handed in.
#include "updater/UpdateRun.h"

namespace updater {

UpdateOutcome RunUpdate(const std::vector<UpdateItem>& items, const UpdateSteps& steps, StopSignal& stop) {
  UpdateOutcome outcome;
  for (size_t i = 0; i < items.size(); ++i) {
    if (stop.StopRequested()) {
      outcome.stopped = true;
      return outcome;
    }
    const UpdateItem& item = items[i];
    steps.showFileNumber(static_cast<int>(i + 1));
    if (!item.safe) {
      ++outcome.skipped;
      continue;
    }
    if (steps.download(item) != 0) {
      ++outcome.failed;  // the old file stays as it is
      continue;
    }
    if (steps.replace(TemporaryPath(item.path), item.path))
      ++outcome.replaced;
    else
      ++outcome.failed;
  }
  if (items.empty() || !items[0].safe || !steps.exists(items[0].path)) return outcome;
  outcome.programFound = true;
  StepGuard step(stop);
  if (!step.Started()) {
    outcome.stopped = true;
    return outcome;
  }
  outcome.programStarted = steps.start(items[0].path);
  return outcome;
}

}  // namespace updater
