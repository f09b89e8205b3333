// The update worker's course over the listed files, with the file and process operations handed in.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "updater/StopSignal.h"
#include "updater/UpdatePlan.h"

namespace updater {

// The operations the run calls; the program gives it the real ones, tests their doubles.
struct UpdateSteps {
  std::function<void(int number)> showFileNumber;  // 1-based, before each file
  // Downloads the item's address into TemporaryPath(item.path); 0 when complete.
  std::function<int(const UpdateItem& item)> download;
  // Puts the temporary file in place of the target; true when it is there.
  std::function<bool(const std::string& temporary, const std::string& target)> replace;
  std::function<bool(const std::string& path)> exists;
  std::function<bool(const std::string& path)> start;  // starts the program; true when it runs
};

struct UpdateOutcome {
  int replaced = 0;  // files put in place
  int failed = 0;    // downloads that failed or files that could not be put in place
  int skipped = 0;   // names that would leave the folder or name no file
  bool stopped = false;
  bool programFound = false;  // the first item is safe and its file exists
  bool programStarted = false;
};

// For each item in order: its number shown, then (when the name is safe) the
// download and, only after a complete download, the replacement. Afterwards
// the first item is started when its name is safe and its file exists.
// Stops before the next file once a stop was asked for; nothing is started then.
UpdateOutcome RunUpdate(const std::vector<UpdateItem>& items, const UpdateSteps& steps, StopSignal& stop);

}  // namespace updater
