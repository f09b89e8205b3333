// The updater's file download: the shared downloader with the updater's own message for a broken transfer.
#pragma once
#include <string>

#include "web/Download.h"

namespace updater {

// The message of a failed read, a body shorter than announced or one whose
// length was not announced; also what a worker whose work failed ends with.
extern const char kUpdaterInterrupted[];

// Downloads the address into localPath (GBK). 0 when the whole body is in the
// file, its length announced and all of it received; -1 after a failure it
// has shown to the user: an address that cannot be opened or answers with
// status 400 and above, an answer without a length, a short body, a failed
// write. The caller then leaves the old file as it is.
int UpdaterDownloadToFile(const std::string& address, const std::string& localPath,
                          const web::DownloadProgress& progress = {}, int64_t startOffset = 0, bool resume = false);

}  // namespace updater
