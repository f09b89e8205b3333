// The skin object of a progress bar: creates or adopts the bar's window, hooks
// it into the skin and offers its colour style, overlay text, range and position.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "skin/SkinnedWindow.h"

namespace skin {

class CrystalProgressBar : public SkinnedWindow {
 public:
  CrystalProgressBar() = default;
  CrystalProgressBar(const CrystalProgressBar&) = delete;
  CrystalProgressBar& operator=(const CrystalProgressBar&) = delete;

  // A second object on the same window.
  std::unique_ptr<CrystalProgressBar> Copy() const;
  // Creates a skinned bar in `parent`; the present handle while one exists,
  // 0 when the parent is not a window or the bar cannot be made.
  HWND Create(HWND parent, int left, int top, int width, int height);
  // Stored as given and painted at once; values outside 1-7 paint as style 1.
  void SetColourStyle(int style);
  // The style the bar paints in, 1 to 7.
  int GetColourStyle() const;
  // The overlay text and its text style (0 none, 1 text, 2 position, 3 percent,
  // 4 text and position, 5 text and percent); painted at once, from any thread.
  void SetText(int textStyle, const std::string& text);
  // Adopts an existing progress bar; false while this object holds a live
  // window, or for a window that is not a progress bar.
  bool Attach(HWND window);
  // The limits are cut to 16 bits each.
  void SetRange(int low, int high) const;
  // Returns the previous position; the bar repaints at once.
  int SetPos(int position) const;
  void GetRange(int& low, int& high) const;
  int RangeLow() const;
  int RangeHigh() const;
  int GetPos() const;

 private:
  explicit CrystalProgressBar(HWND handle) : SkinnedWindow(handle) {}
};

}  // namespace skin
