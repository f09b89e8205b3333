// The start window's file list after a parse: rows by identity, unique safe names and one size-probe thread per row.
#include "main/FileList.h"

#include <windows.h>

#include <atomic>
#include <memory>

#include "main/DownloadProgress.h"
#include "main/FileListFill.h"
#include "main/FileName.h"
#include "main/Globals.h"
#include "main/MainWindow.h"
#include "main/web/Download.h"
#include "main/web/PumpingDelay.h"
#include "ui/App.h"
#include "ui/Control.h"
#include "ui/ListView.h"
#include "ui/WideText.h"

namespace {

constexpr int kNameColumn = 1, kSizeColumn = 3;
constexpr int kProbeRetryMs = 1500;

std::atomic<std::intptr_t> NextRowId{1};
std::atomic<int> RunningProbes{0};

struct Probe {
  std::intptr_t rowId;
  std::string address;
};

bool FileExists(const std::string& path) {
  return GetFileAttributesW(ui::ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Writes the size into the row on the window thread; false when the row is gone.
bool WriteRowSize(std::intptr_t rowId, const std::string& text) {
  bool found = false;
  ui::RunOnWindowThread([&] {
    ui::Window* main = MainWin();
    if (!main) return;
    ui::ListView list = main->Get<ui::ListView>("L1");
    const int row = list.FindRow(rowId);
    if (row < 0) return;
    list.SetCell(row, kSizeColumn, text);
    found = true;
  });
  return found;
}

DWORD WINAPI ProbeRowSize(void* param) {
  std::unique_ptr<Probe> probe(static_cast<Probe*>(param));
  const int64_t size = web::QueryContentLength(probe->address);
  if (WriteRowSize(probe->rowId, FormatMegabytes(size)) && size < 0) {
    web::PumpingDelay(kProbeRetryMs);
    bool rowThere = false;
    ui::RunOnWindowThread([&] {
      ui::Window* main = MainWin();
      rowThere = main && main->Get<ui::ListView>("L1").FindRow(probe->rowId) >= 0;
    });
    if (rowThere) StartSizeProbe(probe->rowId, probe->address);
  }
  --RunningProbes;
  return 0;
}

}  // namespace

int RunningSizeProbes() { return RunningProbes.load(); }

void StartSizeProbe(std::intptr_t rowId, const std::string& address) {
  auto* probe = new Probe{rowId, address};
  ++RunningProbes;
  HANDLE thread = CreateThread(nullptr, 0, ProbeRowSize, probe, 0, nullptr);
  if (!thread) {
    --RunningProbes;
    delete probe;
    return;
  }
  if (HANDLE previous = WorkerThreadHandle.exchange(thread)) CloseHandle(previous);
}

void FillFileList(const std::string& reply, const std::string& pageTitle, const std::string& pageAddress) {
  ui::Window* main = MainWin();
  if (!main) return;
  const std::vector<std::string> entries = SplitReplyEntries(reply);
  if (entries.empty()) {
    main->Get<ui::Control>("下载按钮").SetEnabled(false);
    return;
  }
  const size_t n = entries.size();
  if (StartProgressBar) StartProgressBar->SetText(1, FileCountText(n));
  ui::ListView list = main->Get<ui::ListView>("L1");
  const std::string folder = main->Get<ui::Control>("编辑框2").Text();
  // A name is taken when another row has it or a file of the save folder does.
  auto taken = [&](const std::string& name) {
    for (int row = 0; row < list.RowCount(); ++row)
      if (SameFileName(list.Cell(row, kNameColumn), name)) return true;
    return FileExists(PathInFolder(folder, name));
  };
  for (size_t i = 1; i <= n; ++i) {
    const std::string address = RewritePartCount(entries[i - 1], n);
    const std::string name = UniqueFileName(RowFileName(pageTitle, i, address), taken);
    const std::intptr_t id = NextRowId++;
    list.InsertRow(static_cast<int>(i), {std::to_string(i), name, address, kSizePendingText, kWaitingText, pageAddress},
                   id);
    StartSizeProbe(id, address);
  }
  for (const char* name : {"L1", "下载按钮", "编辑框2", "保存路径按钮", "选择框1"})
    main->Get<ui::Control>(name).SetEnabled(true);
}
