// The start window's file list after a parse: new rows with unique safe names, and a size probe for each.
#include "main/FileList.h"

#include <algorithm>

#include "main/DownloadProgress.h"
#include "main/FileListFill.h"
#include "main/FileListOwner.h"
#include "main/FileName.h"
#include "main/Globals.h"
#include "main/MainWindow.h"
#include "main/SizeProbes.h"
#include "ui/Control.h"
#include "ui/ListView.h"

namespace {

// Keeps the list from drawing until the fill's rows are in: drawn after each
// row, thousands of rows would take many seconds.
class DrawingHeld {
 public:
  explicit DrawingHeld(const ui::ListView& list) : list_(list) { list_.SetRedraw(false); }
  ~DrawingHeld() { list_.SetRedraw(true); }
  DrawingHeld(const DrawingHeld&) = delete;
  DrawingHeld& operator=(const DrawingHeld&) = delete;

 private:
  const ui::ListView& list_;
};

}  // namespace

void FillFileList(const std::string& reply, const std::string& pageTitle, const std::string& pageAddress) {
  ui::Window* main = MainWin();
  if (!main) return;
  const std::vector<std::string> entries = SplitReplyEntries(reply);
  if (entries.empty()) {
    main->Get<ui::Control>(kDownloadButton).SetEnabled(false);
    return;
  }
  const size_t n = entries.size(), listed = std::min(n, kMaxFillRows);
  // While a run holds the list, the bar shows its file and its progress.
  if (StartProgressBar && !DownloadRunHoldsList()) StartProgressBar->SetText(1, FileCountText(n, listed));
  const ui::ListView list = main->Get<ui::ListView>(kFileList);
  FreeNames names(CurrentSaveFolder());
  const DrawingHeld held(list);
  for (size_t i = 1; i <= listed; ++i) {
    const std::string address = RewritePartCount(entries[i - 1], n);
    const std::string name = names.Take(RowFileName(pageTitle, i, address));
    const std::intptr_t id = NewRowId();
    // A size nobody can ask for is unknown at once.
    const bool probe = CanProbeSize(address);
    list.InsertRow(
        static_cast<int>(i),
        {std::to_string(i), name, address, probe ? kSizePendingText : FormatMegabytes(-1), kWaitingText, pageAddress},
        id);
    if (probe) StartSizeProbe(id, address);
  }
  OfferListControls();
}
