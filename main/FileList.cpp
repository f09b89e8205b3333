// The start window's file list after a parse: new rows with unique safe names, and one size-probe thread per row.
#include "main/FileList.h"

#include <atomic>
#include <memory>

#include "main/DownloadProgress.h"
#include "main/FileListFill.h"
#include "main/FileListOwner.h"
#include "main/FileName.h"
#include "main/Globals.h"
#include "main/MainWindow.h"
#include "web/Download.h"
#include "web/PumpingDelay.h"
#include "ui/Control.h"
#include "ui/ListView.h"
#include "ui/base/WorkerThread.h"

namespace {

constexpr int kProbeRetryMs = 1500;

std::atomic<int> RunningProbes{0};

// Counts a probe from its start until its work and its failure handler are done with.
struct ProbeCount {
  ProbeCount() { ++RunningProbes; }
  ~ProbeCount() { --RunningProbes; }
  ProbeCount(const ProbeCount&) = delete;
  ProbeCount& operator=(const ProbeCount&) = delete;
};

// The size of a row whose address cannot be asked, or whose probe failed.
void WriteUnknownSize(std::intptr_t rowId) { WriteFileCell(rowId, kSizeColumn, FormatMegabytes(-1)); }

void ProbeRowSize(std::intptr_t rowId, const std::string& address) {
  const int64_t size = web::QueryContentLength(address);
  if (!WriteFileCell(rowId, kSizeColumn, FormatMegabytes(size)) || size >= 0) return;
  web::PumpingDelay(kProbeRetryMs);
  if (WithFileRow(rowId, [](const ui::ListView&, int) {})) StartSizeProbe(rowId, address);
}

}  // namespace

int RunningSizeProbes() { return RunningProbes.load(); }

void StartSizeProbe(std::intptr_t rowId, const std::string& address) {
  if (!CanProbeSize(address)) {
    WriteUnknownSize(rowId);
    return;
  }
  auto count = std::make_shared<ProbeCount>();
  const ui::WorkerThread worker = ui::WorkerThread::Start([rowId, address, count] { ProbeRowSize(rowId, address); },
                                                          [rowId, count] { WriteUnknownSize(rowId); });
  if (worker) WorkerThreadHandle.Store(worker);
}

void FillFileList(const std::string& reply, const std::string& pageTitle, const std::string& pageAddress) {
  ui::Window* main = MainWin();
  if (!main) return;
  const std::vector<std::string> entries = SplitReplyEntries(reply);
  if (entries.empty()) {
    main->Get<ui::Control>(kDownloadButton).SetEnabled(false);
    return;
  }
  const size_t n = entries.size();
  // While a run holds the list, the bar shows its file and its progress.
  if (StartProgressBar && !DownloadRunHoldsList()) StartProgressBar->SetText(1, FileCountText(n));
  const ui::ListView list = main->Get<ui::ListView>(kFileList);
  const std::string folder = CurrentSaveFolder();
  for (size_t i = 1; i <= n; ++i) {
    const std::string address = RewritePartCount(entries[i - 1], n);
    const std::string name = UniqueFileName(RowFileName(pageTitle, i, address),
                                            [&](const std::string& candidate) { return FileNameTaken(folder, candidate); });
    const std::intptr_t id = NewRowId();
    list.InsertRow(static_cast<int>(i), {std::to_string(i), name, address, kSizePendingText, kWaitingText, pageAddress},
                   id);
    StartSizeProbe(id, address);
  }
  OfferListControls();
}
