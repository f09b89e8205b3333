// The size probes of the file list's rows: a queue of probes and at most kMaxProbeThreads workers taking from it.
#include "main/SizeProbes.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "main/DownloadProgress.h"
#include "main/FileListOwner.h"
#include "main/Globals.h"
#include "web/Download.h"
#include "ui/base/WorkerThread.h"

namespace {

constexpr DWORD kProbeRetryMs = 1500;

struct Probe {
  std::intptr_t rowId = 0;
  std::string address;
  int roundsLeft = kProbeRounds;
  DWORD due = 0;  // tick count before which it is not asked
};

// Guards the queue and the worker count; nobody sends a message while holding it.
std::mutex g_lock;
std::condition_variable g_changed;
std::deque<Probe> g_waiting;  // first come, first asked; a failed one goes to the back
int g_workers = 0;
std::atomic<int> g_unended{0};

bool IsDue(const Probe& probe, DWORD now) { return static_cast<int>(now - probe.due) >= 0; }

void WriteUnknownSize(std::intptr_t rowId) { WriteFileCell(rowId, kSizeColumn, FormatMegabytes(-1)); }

// One round of the probe; true when it is to be asked again.
bool AskOnce(const Probe& probe) {
  if (!WithFileRow(probe.rowId, [](const ui::ListView&, int) {})) return false;  // deleted meanwhile
  const int64_t size = web::QueryContentLength(probe.address);
  return WriteFileCell(probe.rowId, kSizeColumn, FormatMegabytes(size)) && size < 0 && probe.roundsLeft > 1;
}

// Puts the probe back for its next round, 1.5 s from now.
void AskAgainLater(Probe probe) {
  --probe.roundsLeft;
  probe.due = GetTickCount() + kProbeRetryMs;
  std::lock_guard<std::mutex> guard(g_lock);
  g_waiting.push_back(std::move(probe));
}

// A worker: takes the first probe that is due, until none waits. A probe
// waiting for its next round keeps the worker that asked it, so its round
// comes even when no other probe starts a worker.
void TakeProbes() {
  for (;;) {
    Probe probe;
    {
      std::unique_lock<std::mutex> guard(g_lock);
      for (;;) {
        if (g_waiting.empty()) {
          --g_workers;
          return;
        }
        const DWORD now = GetTickCount();
        auto next = g_waiting.begin();
        DWORD wait = INFINITE;
        for (; next != g_waiting.end() && !IsDue(*next, now); ++next) wait = std::min<DWORD>(wait, next->due - now);
        if (next != g_waiting.end()) {
          probe = std::move(*next);
          g_waiting.erase(next);
          break;
        }
        g_changed.wait_for(guard, std::chrono::milliseconds(wait));
      }
    }
    const std::intptr_t rowId = probe.rowId;
    bool askedAgain = false;
    try {
      if (AskOnce(probe)) {
        AskAgainLater(std::move(probe));
        askedAgain = true;
      }
    } catch (...) {
      try {
        WriteUnknownSize(rowId);
      } catch (...) {
      }
    }
    if (!askedAgain) --g_unended;
  }
}

// The probes that no worker will take, when none runs and none can be started.
std::deque<Probe> Stranded() {
  std::deque<Probe> stranded;
  std::lock_guard<std::mutex> guard(g_lock);
  if (g_workers == 0) stranded.swap(g_waiting);
  return stranded;
}

}  // namespace

int RunningSizeProbes() { return g_unended.load(); }

void StartSizeProbe(std::intptr_t rowId, const std::string& address) {
  ++g_unended;
  bool startWorker = false;
  {
    std::lock_guard<std::mutex> guard(g_lock);
    g_waiting.push_back(Probe{rowId, address});
    startWorker = g_workers < kMaxProbeThreads;
    if (startWorker) ++g_workers;
  }
  g_changed.notify_one();
  if (!startWorker) return;
  // A worker that fails outside a probe (each probe's own failure is caught
  // with it) gives its place in the pool back.
  const ui::WorkerThread worker = ui::WorkerThread::Start(TakeProbes, [] {
    std::lock_guard<std::mutex> guard(g_lock);
    --g_workers;
  });
  if (worker) {
    WorkerThreadHandle.Store(worker);
    return;
  }
  {
    std::lock_guard<std::mutex> guard(g_lock);
    --g_workers;
  }
  for (const Probe& probe : Stranded()) {
    WriteUnknownSize(probe.rowId);
    --g_unended;
  }
}
