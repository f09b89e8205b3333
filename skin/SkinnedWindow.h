// The window operations every skin object offers on the window it wraps.
#pragma once
#include <windows.h>

#include <optional>

namespace skin {

class SkinnedWindow {
 public:
  SkinnedWindow() = default;
  explicit SkinnedWindow(HWND handle) : handle_(handle) {}
  // Destroying the object leaves the window and its skin in place.
  virtual ~SkinnedWindow() = default;

  HWND Handle() const { return handle_; }
  bool Exists() const { return IsWindow(handle_) == TRUE; }
  // Places the window in its parent's client coordinates; what is omitted
  // keeps its current value, and a non-zero `noRedraw` moves without redrawing.
  void Move(std::optional<int> left = {}, std::optional<int> top = {}, std::optional<int> width = {},
            std::optional<int> height = {}, std::optional<int> noRedraw = {}) const;
  int Width() const;
  int Height() const;
  void GetSize(int& width, int& height) const;
  void Show() const { ShowWindow(handle_, SW_SHOW); }
  void Hide() const { ShowWindow(handle_, SW_HIDE); }

 protected:
  HWND handle_ = nullptr;
};

}  // namespace skin
