// The update worker's body with the real download, replacement and program start.
#pragma once
#include <functional>
#include <vector>

#include "web/Download.h"
#include "updater/UpdateRun.h"

namespace updater {

// Runs the update over the items on the calling (worker) thread: each safe
// file is downloaded under its ".p2p" name with progress reported, put in
// place, and the first file started at the end (see RunUpdate). The window
// asks it to stop through stop.RequestStop(); no thread is ever terminated.
UpdateOutcome UpdateWorker(const std::vector<UpdateItem>& items, StopSignal& stop,
                           const web::DownloadProgress& progress, const std::function<void(int number)>& showFileNumber,
                           unsigned replaceRetryMs = 5000);

}  // namespace updater
