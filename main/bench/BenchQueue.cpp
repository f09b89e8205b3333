// Benchmark program: one large file through the real download run on the shown start window, against a bare
// 10240-byte WinINet read loop, in alternating rounds; prints rates, their ratio, progress writes and peak memory.
// A smaller file first goes both ways untimed, so that the first round does not also pay for Wine's own start
// (its desktop and services come up beside the first window).
#include <windows.h>
#include <psapi.h>
#include <wininet.h>

#include <cstdio>
#include <string>

#include "main/DownloadQueue.h"
#include "main/DownloadQueuePlan.h"
#include "main/FileListOwner.h"
#include "main/MainWindow.h"
#include "main/bench/BenchSupport.h"
#include "ui/App.h"
#include "ui/ListView.h"
#include "ui/base/WideText.h"
#include "ui/tests/support/DialogWatcher.h"

namespace {

using bench::Now;

// Runs the window thread's messages, as the program's message loop does,
// until the condition holds.
template <typename Condition>
void PumpUntil(Condition done) {
  ui::PendingQuit quit;
  while (!done()) ui::WaitOnceAndPump(nullptr, 50, quit);
}

// The bare loop: the same requests and 10240-byte reads, written to the file, nothing shown.
long long BareDownload(const std::string& address, const std::string& path) {
  HINTERNET session = InternetOpenA("Bench", INTERNET_OPEN_TYPE_PRECONFIG_WITH_NO_AUTOPROXY, nullptr, nullptr, 0);
  HINTERNET url =
      InternetOpenUrlA(session, address.c_str(), nullptr, 0,
                       INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE, 0);
  HANDLE file =
      CreateFileW(ui::ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  char buffer[10240];
  DWORD got = 0, written = 0;
  long long total = 0;
  while (url && InternetReadFile(url, buffer, sizeof buffer, &got) && got > 0) {
    WriteFile(file, buffer, got, &written, nullptr);
    total += got;
  }
  CloseHandle(file);
  if (url) InternetCloseHandle(url);
  InternetCloseHandle(session);
  return total;
}

struct Queued {
  double seconds;
  bool done;
};

// One file through the download run of the start window, from the start of
// the run until it gives the list back.
Queued QueueDownload(ui::Window& w, const std::string& address, const std::string& folder) {
  const auto list = w.Get<ui::ListView>(kFileList);
  list.Clear();
  list.AddRow({"1", "bench.flv", address, "", "", ""}, NewRowId());
  list.SetRowChecked(0, true);
  w.Get<ui::Control>(kSaveFolderBox).SetText(folder);
  const double start = Now();
  if (!StartDownloadRun()) return {0, false};
  PumpUntil([] { return !DownloadRunHoldsList(); });
  const double seconds = Now() - start;
  return {seconds, list.Cell(0, kStatusColumn) == kDownloadedText};
}

size_t PeakMemory() {
  PROCESS_MEMORY_COUNTERS counters = {};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakWorkingSetSize;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: BenchQueue <address> <folder\\> <bytes> [rounds] [warm-up address]\n");
    return 2;
  }
  const std::string address = argv[1], folder = argv[2];
  const double bytes = std::atof(argv[3]);
  const int rounds = argc > 4 ? std::atoi(argv[4]) : 3;
  testsupport::DialogWatcher answers(IDOK);  // the end box, and the bootstrap's message without a service
  ui::Window* w = bench::LoadStartWindow();
  if (!w) return 1;
  if (argc > 5) {
    const std::string warm = argv[5];
    if (!QueueDownload(*w, warm + "?warm", folder).done || BareDownload(warm + "?warm", folder + "bare.flv") <= 0) {
      std::printf("warm-up failed\n");
      return 1;
    }
    DeleteFileW(ui::ToWide(folder + "bench.flv").c_str());
    DeleteFileW(ui::ToWide(folder + "bare.flv").c_str());
  }
  const size_t peakBefore = PeakMemory();
  double queueSum = 0, bareSum = 0;
  for (int round = 1; round <= rounds; ++round) {
    const Queued q = QueueDownload(*w, address + "?queue" + std::to_string(round), folder);
    const int writes = LastProgressWrites();
    DeleteFileW(ui::ToWide(folder + "bench.flv").c_str());
    const double start = Now();
    const long long got = BareDownload(address + "?bare" + std::to_string(round), folder + "bare.flv");
    const double bareSeconds = Now() - start;
    DeleteFileW(ui::ToWide(folder + "bare.flv").c_str());
    if (!q.done || got != (long long)bytes) {
      std::printf("round %d failed: queue %s, bare %lld bytes\n", round, q.done ? "done" : "not done", got);
      return 1;
    }
    const double queueRate = bytes / q.seconds / 1e6, bareRate = bytes / bareSeconds / 1e6;
    queueSum += queueRate;
    bareSum += bareRate;
    std::printf("round %d: queue %.1f MB/s (%.2f s, %d status-bar writes), bare loop %.1f MB/s (%.2f s)\n", round,
                queueRate, q.seconds, writes, bareRate, bareSeconds);
    std::fflush(stdout);
  }
  std::printf("mean: queue %.1f MB/s, bare loop %.1f MB/s, ratio queue/bare = %.2f\n", queueSum / rounds,
              bareSum / rounds, queueSum / bareSum);
  std::printf("peak working set: %.1f MB after start, %.1f MB after %d rounds of %.0f bytes\n", peakBefore / 1e6,
              PeakMemory() / 1e6, rounds, bytes);
  ui::EndProcessNow(0);
}
