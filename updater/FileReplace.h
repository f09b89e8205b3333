// Putting a downloaded file in place of the old one, waiting a little while the old one is still in use.
#pragma once
#include <string>

#include "updater/StopSignal.h"

namespace updater {

// Moves temporary over target in one step (replacing it); when the platform
// refuses, copies it over and deletes the temporary file. While the target is
// in use (a program that is still ending), tries again every 100 ms for up to
// retryMs. Each attempt runs as one step of the stop signal, so a stop never
// cuts a copy in half; once a stop was asked for no further attempt is made.
// True when the target holds the new file. Paths are GBK.
bool PutFileInPlace(const std::string& temporary, const std::string& target, StopSignal& stop, unsigned retryMs = 5000);

}  // namespace updater
