// Benchmark program: one parse reply of thousands of files filled into the shown start window's list; prints how long
// the fill took, the slowest answer of the start window to a message sent from another thread meanwhile, the most
// threads the process ran at once, how long until every row showed its size, and how long 全选 then took.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "main/FileList.h"
#include "main/FileListFill.h"
#include "main/MainWindowForm.h"
#include "main/SizeProbes.h"
#include "main/bench/BenchSupport.h"
#include "ui/App.h"
#include "ui/ListView.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/tests/support/ThreadCount.h"

namespace {

using bench::Now;
using testsupport::ThreadsOfThisProcess;

// From its own thread: sends the start window a message every 20 ms and
// keeps the slowest answer; counts the process's threads between them.
class Watch {
 public:
  explicit Watch(HWND window) : thread_([this, window] { Run(window); }) {}
  ~Watch() {
    stop_ = true;
    thread_.join();
  }
  double SlowestAnswer() const { return slowest_.load(); }
  int MostThreads() const { return mostThreads_.load(); }
  int Unanswered() const { return unanswered_.load(); }

 private:
  void Run(HWND window) {
    while (!stop_) {
      const double start = Now();
      DWORD_PTR result = 0;
      if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result)) ++unanswered_;
      const double took = Now() - start;
      if (took > slowest_) slowest_ = took;
      const int threads = ThreadsOfThisProcess();
      if (threads > mostThreads_) mostThreads_ = threads;
      Sleep(20);
    }
  }
  std::atomic<bool> stop_{false};
  std::atomic<double> slowest_{0};
  std::atomic<int> mostThreads_{0}, unanswered_{0};
  std::thread thread_;
};

int SizesPending(const ui::ListView& list) {
  int pending = 0;
  for (int row = 0; row < list.RowCount(); ++row) pending += list.Cell(row, 3) == kSizePendingText;
  return pending;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fprintf(stderr, "usage: BenchFlood <server base address/> [files] [query of every address] [seconds]\n");
    return 2;
  }
  const std::string& base = args[0];
  const int files = args.size() > 1 ? std::stoi(args[1]) : 3000;
  const std::string query = args.size() > 2 ? args[2] : "";
  const double limit = args.size() > 3 ? std::stod(args[3]) : 300;
  testsupport::DialogWatcher answers(IDOK);  // the bootstrap's message without a service
  ui::Window* w = bench::LoadStartWindow();
  if (!w) return 1;
  const ui::ListView list = w->Get<ui::ListView>(kFileList);
  std::string reply;
  for (int i = 1; i <= files; ++i)
    reply += base + "video/" + std::to_string(1000 + i) + ".flv?flood" + std::to_string(i) + query + "$$";
  const int threadsBefore = ThreadsOfThisProcess();

  Watch watch(w->Hwnd());
  const double start = Now();
  FillFileList(reply, "flood", "http://v.example.cn/flood.html");
  const double filled = Now() - start;
  const int rows = list.RowCount();
  double sized = -1;
  ui::PendingQuit quit;
  for (double next = 0; Now() - start < limit;) {
    ui::WaitOnceAndPump(nullptr, 50, quit);
    if (Now() < next) continue;
    next = Now() + 0.25;
    if (RunningSizeProbes() == 0 && SizesPending(list) == 0) {
      sized = Now() - start;
      break;
    }
  }
  const double clicked = Now();
  SendMessageW(w->ControlHwnd(kSelectAllBox), BM_CLICK, 0, 0);
  const double selected = Now() - clicked;
  std::printf(
      "%d files%s: %d rows after the fill of %.0f ms; every size shown after %s; select-all %.0f ms; slowest "
      "answer of the start window %.0f ms (%d unanswered); threads before %d, at most %d; %d rows without a "
      "size yet, %d probes left\n",
      files, query.empty() ? "" : (" with ?" + query).c_str(), rows, filled * 1e3,
      sized < 0 ? "(not within the limit)" : (std::to_string(static_cast<int>(sized * 1e3)) + " ms").c_str(),
      selected * 1e3, watch.SlowestAnswer() * 1e3, watch.Unanswered(), threadsBefore, watch.MostThreads(),
      SizesPending(list), RunningSizeProbes());
  std::fflush(stdout);
  ui::EndProcessNow(0);
}
