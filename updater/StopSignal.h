// Asking the update worker to stop without cutting a file step in half.
#pragma once
#include <condition_variable>
#include <mutex>

namespace updater {

// The worker wraps every step that must not be cut off (a move or a copy of
// a file) in BeginStep/EndStep. RequestStop, called when the window goes,
// marks the stop and waits until no such step is running; afterwards none
// begins, so the process may end.
class StopSignal {
 public:
  // False once a stop was asked for; then the step must not start.
  bool BeginStep();
  void EndStep();
  bool StopRequested() const;
  void RequestStop();

 private:
  mutable std::mutex lock_;
  std::condition_variable idle_;
  bool stop_ = false;
  bool inStep_ = false;
};

// BeginStep/EndStep for one scope; Started() tells whether the step may run.
class StepGuard {
 public:
  explicit StepGuard(StopSignal& signal) : signal_(signal), started_(signal.BeginStep()) {}
  ~StepGuard() {
    if (started_) signal_.EndStep();
  }
  StepGuard(const StepGuard&) = delete;
  StepGuard& operator=(const StepGuard&) = delete;
  bool Started() const { return started_; }

 private:
  StopSignal& signal_;
  bool started_;
};

}  // namespace updater
