// Asking the update worker to stop without cutting a file step in half.
#include "updater/StopSignal.h"

namespace updater {

bool StopSignal::BeginStep() {
  std::lock_guard<std::mutex> hold(lock_);
  if (stop_) return false;
  inStep_ = true;
  return true;
}

void StopSignal::EndStep() {
  {
    std::lock_guard<std::mutex> hold(lock_);
    inStep_ = false;
  }
  idle_.notify_all();
}

bool StopSignal::StopRequested() const {
  std::lock_guard<std::mutex> hold(lock_);
  return stop_;
}

void StopSignal::RequestStop() {
  std::unique_lock<std::mutex> hold(lock_);
  stop_ = true;
  idle_.wait(hold, [this] { return !inStep_; });
}

}  // namespace updater
