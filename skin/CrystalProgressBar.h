// The skin object of a progress bar: attached to the bar's window, with a colour style.
#pragma once
#include <windows.h>

namespace skin {

class CrystalProgressBar {
 public:
  CrystalProgressBar() = default;
  CrystalProgressBar(const CrystalProgressBar&) = delete;
  CrystalProgressBar& operator=(const CrystalProgressBar&) = delete;
  virtual ~CrystalProgressBar() = default;

  // Takes over the progress bar's window (0 detaches).
  virtual void Attach(HWND bar) { window_ = bar; }
  virtual HWND Window() const { return window_; }
  // One of the seven colour styles, 0 to 6.
  virtual void SetColourStyle(int style) { style_ = style; }
  virtual int ColourStyle() const { return style_; }

 private:
  HWND window_ = nullptr;
  int style_ = 0;
};

}  // namespace skin
