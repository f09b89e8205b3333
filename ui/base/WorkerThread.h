// Worker threads started through one helper: each handle has its owners, and no work's exception ends the process.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>

#include "ui/base/KernelHandle.h"

namespace ui {

// A started worker thread. Copies share its handle, which is closed once,
// when the last copy goes; so whoever keeps a copy (the exit path's latest
// worker, a run that waits for its thread) holds a handle nobody else can
// close under it. Letting go of the handle does not stop the thread.
class WorkerThread {
 public:
  WorkerThread() = default;

  // Runs `work` on a new thread. Whatever the work throws is caught on that
  // thread, and `failed` runs there in its place (what that throws is dropped
  // too): a worker never ends the process. Empty when the thread could not be
  // started; then neither runs.
  static WorkerThread Start(std::function<void()> work, std::function<void()> failed = {});

  explicit operator bool() const { return handle_ != nullptr; }
  // Valid while this object or a copy of it lives.
  BorrowedKernelHandle Handle() const { return handle_ ? BorrowedKernelHandle(*handle_) : BorrowedKernelHandle(); }
  DWORD Id() const { return id_; }
  // True once the thread has returned (or when there is none).
  bool Ended() const;

 private:
  std::shared_ptr<const KernelHandle> handle_;
  DWORD id_ = 0;
};

// The worker stored last, shared between threads; holding it keeps its handle
// valid, and storing another lets go of the one before.
class LatestWorker {
 public:
  void Store(const WorkerThread& worker) {
    WorkerThread previous;
    std::lock_guard<std::mutex> guard(lock_);
    previous = worker_;  // let go of outside the lock (the last copy closes its handle)
    worker_ = worker;
  }
  WorkerThread Get() const {
    std::lock_guard<std::mutex> guard(lock_);
    return worker_;
  }

 private:
  mutable std::mutex lock_;
  WorkerThread worker_;
};

// How many threads started through WorkerThread::Start have not yet returned.
int RunningWorkers();

// For tests of what a program does when the system makes no more threads:
// while refused, WorkerThread::Start starts none and returns empty.
void RefuseWorkerStarts(bool refuse);

}  // namespace ui
