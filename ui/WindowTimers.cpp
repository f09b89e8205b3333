// A form's timers: rows of the form that tick on the window thread.
#include "Window.h"

namespace ui {

int Timer::Interval() const { return index_ < 0 ? 0 : window_->timerIntervals_[index_]; }

void Timer::SetInterval(int ms) const {
  if (index_ < 0) return;
  window_->timerIntervals_[index_] = ms;
  if (window_->timerEnabled_[index_]) SetTimer(window_->hwnd_, kFirstControlId + index_, (UINT)ms, nullptr);
}

bool Timer::Enabled() const { return index_ >= 0 && window_->timerEnabled_[index_]; }

void Timer::SetEnabled(bool on) const {
  if (index_ < 0) return;
  window_->timerEnabled_[index_] = on;
  if (on)
    SetTimer(window_->hwnd_, kFirstControlId + index_, (UINT)window_->timerIntervals_[index_], nullptr);
  else
    KillTimer(window_->hwnd_, kFirstControlId + index_);
}

void Window::StartTimers() {
  for (int i = 0; i < form_.controlCount; ++i)
    if (timerEnabled_[i]) SetTimer(hwnd_, kFirstControlId + i, (UINT)timerIntervals_[i], nullptr);
}

Timer Window::GetTimer(const char* name) {
  for (int i = 0; i < form_.controlCount; ++i)
    if (form_.controls[i].kind.ticks && std::string(form_.controls[i].name) == name) return Timer(this, i);
  return Timer(this, -1);
}

void Window::OnTimer(UINT_PTR id) {
  const int index = (int)id - kFirstControlId;
  if (index < 0 || index >= form_.controlCount || !form_.controls[index].kind.ticks) return;
  Event e{EventType::Tick, nullptr, &form_.controls[index]};
  Fire(form_.controls[index].HandlerFor(EventType::Tick), e);
}

}  // namespace ui
