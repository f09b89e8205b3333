// The updater's file download: the shared downloader with the updater's own message for a broken transfer.
#include "updater/UpdaterDownload.h"

#include "ui/MessageBox.h"

namespace updater {

const char kUpdaterInterrupted[] = "网络中断，需要手动重新启动升级程序！";

int UpdaterDownloadToFile(const std::string& address, const std::string& localPath,
                          const web::DownloadProgress& progress, int64_t startOffset, bool resume) {
  web::DownloadMessages messages([](const char* text) { ui::ShowMessage(text); });
  messages.interrupted = kUpdaterInterrupted;
  // A file that replaces a program is written only when all of it is known to be there.
  return web::DownloadToFile(address, localPath, messages, progress, startOffset, resume, /*lengthRequired=*/true);
}

}  // namespace updater
