// Worker threads started through one helper.
#include "WorkerThread.h"

#include <atomic>

namespace ui {

namespace {

std::atomic<int> g_running{0};
std::atomic<bool> g_refused{false};

struct WorkerStart {
  std::function<void()> work;
  std::function<void()> failed;
};

DWORD WINAPI WorkerEntry(void* parameter) {
  std::unique_ptr<WorkerStart> start(static_cast<WorkerStart*>(parameter));
  try {
    start->work();
  } catch (...) {
    try {
      if (start->failed) start->failed();
    } catch (...) {
    }
  }
  // The closures go before the count does: whatever they hold is let go of
  // by the time the worker no longer counts as running.
  try {
    start.reset();
  } catch (...) {
  }
  --g_running;
  return 0;
}

}  // namespace

WorkerThread WorkerThread::Start(std::function<void()> work, std::function<void()> failed) {
  if (g_refused) return {};
  auto start = std::make_unique<WorkerStart>(WorkerStart{std::move(work), std::move(failed)});
  ++g_running;
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, WorkerEntry, start.get(), 0, &id);
  if (!thread) {
    --g_running;
    return {};
  }
  start.release();  // the thread's now
  WorkerThread worker;
  KernelHandle owned(thread);
  worker.handle_ = std::make_shared<const KernelHandle>(std::move(owned));
  worker.id_ = id;
  return worker;
}

bool WorkerThread::Ended() const { return !handle_ || WaitForSingleObject(handle_->Get(), 0) == WAIT_OBJECT_0; }

int RunningWorkers() { return g_running.load(); }

void RefuseWorkerStarts(bool refuse) { g_refused = refuse; }

}  // namespace ui
