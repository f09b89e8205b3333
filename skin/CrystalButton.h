// The skin object of a push button: creates or adopts the button, hands it to
// the skin engine and makes it owner-drawn, so the engine paints it in the
// crystal look of its colour style.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "skin/SkinnedWindow.h"

namespace skin {

class CrystalButton : public SkinnedWindow {
 public:
  CrystalButton() = default;
  CrystalButton(const CrystalButton&) = delete;
  CrystalButton& operator=(const CrystalButton&) = delete;

  // A second object on the same window.
  std::unique_ptr<CrystalButton> Copy() const;
  // Creates a skinned button in `parent` with the caption (GBK); the present
  // handle while one exists, 0 when the parent is not a window or the button
  // cannot be made.
  HWND Create(HWND parent, const std::string& caption, int left, int top, int width, int height);
  // Stores the style as given and repaints the button at once.
  void SetColourStyle(int style);
  // The stored style exactly as it is (0 when none); the painting shows
  // values outside 1-7 as style 1.
  int GetColourStyle() const;
  // Adopts an existing push button: skinned first (the engine takes only push
  // buttons), then made owner-drawn. False while this object holds a live
  // window, or for a window that is not a button.
  bool Attach(HWND window);

 private:
  explicit CrystalButton(HWND handle) : SkinnedWindow(handle) {}
  // The skin, then the owner-draw style, then colour style 0.
  void TakeWindow(HWND window);
};

}  // namespace skin
