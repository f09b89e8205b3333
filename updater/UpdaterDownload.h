// The updater's file download: the shared downloader with the updater's own message for a broken transfer.
#pragma once
#include <string>

#include "web/Download.h"

namespace updater {

// The message of a failed read or a body shorter than announced.
extern const char kUpdaterInterrupted[];

// Downloads the address into localPath (GBK). 0 when the whole body is in the
// file; -1 after a failure it has shown to the user: an address that cannot
// be opened or answers with status 400 and above, a short body, a failed
// write. The caller then leaves the old file as it is.
int UpdaterDownloadToFile(const std::string& address, const std::string& localPath,
                          const web::DownloadProgress& progress = {}, int64_t startOffset = 0,
                          bool resume = false);

}  // namespace updater
