// Benchmark program: a parse reply of 12 rows filled into the shown start window's list, timed from the fill to the
// last size shown, beside the time of one size probe alone; prints both, in alternating rounds, and their ratio.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "main/DownloadProgress.h"
#include "main/FileList.h"
#include "main/SizeProbes.h"
#include "main/FileListFill.h"
#include "main/MainWindowForm.h"
#include "main/bench/BenchSupport.h"
#include "ui/App.h"
#include "ui/ListView.h"
#include "ui/tests/support/DialogWatcher.h"
#include "web/Download.h"

namespace {

using bench::Now;

constexpr int kRows = 12;

// Row r's address; its size is in the name, so every shown size can be checked.
std::string RowAddress(const std::string& base, int round, int r, const std::string& query) {
  return base + "video/" + std::to_string(1000000 * (r + 1)) + ".flv?fill" + std::to_string(round) + "-" +
         std::to_string(r) + query;
}

int SizesShown(const ui::ListView& list) {
  int shown = 0;
  for (int row = 0; row < list.RowCount(); ++row) shown += list.Cell(row, 3) != kSizePendingText;
  return shown;
}

struct Fill {
  double first, last;  // seconds from the fill to the first and to the last size shown; last < 0: a wrong size
};

// The fill of one reply, until every new row shows a size.
Fill FillAndWait(ui::Window& w, const std::string& base, int round, const std::string& query) {
  const ui::ListView list = w.Get<ui::ListView>(kFileList);
  list.Clear();
  std::string reply;
  for (int r = 0; r < kRows; ++r) reply += RowAddress(base, round, r, query) + "$$";
  const double start = Now();
  FillFileList(reply, "bench", "http://v.example.cn/bench.html");
  Fill fill = {-1, -1};
  ui::PendingQuit quit;
  for (int shown = 0; shown < kRows;) {
    ui::WaitOnceAndPump(nullptr, 1, quit);
    shown = SizesShown(list);
    if (shown > 0 && fill.first < 0) fill.first = Now() - start;
  }
  fill.last = Now() - start;
  for (int row = 0; row < kRows; ++row)
    if (list.Cell(row, 3) != FormatMegabytes(1000000LL * (row + 1))) fill.last = -1;
  while (RunningSizeProbes() > 0) ui::PumpPendingMessages();
  return fill;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: BenchProbe <server base address/> [rounds] [server delay seconds]\n");
    return 2;
  }
  const std::string base = argv[1];
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  const std::string delay = argc > 3 ? argv[3] : "0";
  const std::string query = delay == "0" ? "" : "&stall=" + delay;
  testsupport::DialogWatcher answers(IDOK);  // the bootstrap's message without a service
  ui::Window* w = bench::LoadStartWindow();
  if (!w) return 1;
  double firstSum = 0, fillSum = 0, oneSum = 0;
  for (int round = 1; round <= rounds; ++round) {
    const Fill fill = FillAndWait(*w, base, round, query);
    const double start = Now();
    const int64_t size = web::QueryContentLength(RowAddress(base, round, 0, query + "&one"));
    const double one = Now() - start;
    if (fill.last < 0 || size != 1000000) {
      std::printf("round %d failed: %s\n", round,
                  fill.last < 0 ? "a row shows a wrong size" : "the probe found no size");
      return 1;
    }
    firstSum += fill.first;
    fillSum += fill.last;
    oneSum += one;
    std::printf("round %d: %d rows filled to the last size shown %.1f ms (first %.1f ms), one probe %.1f ms\n", round,
                kRows, fill.last * 1e3, fill.first * 1e3, one * 1e3);
    std::fflush(stdout);
  }
  std::printf(
      "mean: %d rows %.1f ms (first size %.1f ms), one probe %.1f ms, ratio %d rows / one probe = %.2f "
      "(one after another: %d)\n",
      kRows, fillSum / rounds * 1e3, firstSum / rounds * 1e3, oneSum / rounds * 1e3, kRows, fillSum / oneSum, kRows);
  ui::EndProcessNow(0);
}
