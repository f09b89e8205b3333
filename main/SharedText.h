// A text variable that several threads read and write: every access is whole.
#pragma once
#include <mutex>
#include <string>

class SharedText {
 public:
  SharedText() = default;
  SharedText(const SharedText&) = delete;
  SharedText& operator=(const SharedText&) = delete;

  std::string Get() const {
    std::lock_guard<std::mutex> g(lock_);
    return value_;
  }
  void Set(std::string value) {
    std::lock_guard<std::mutex> g(lock_);
    value_.swap(value);
  }
  bool Is(const std::string& other) const {
    std::lock_guard<std::mutex> g(lock_);
    return value_ == other;
  }

 private:
  mutable std::mutex lock_;
  std::string value_;
};
