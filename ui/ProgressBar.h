// Progress bar wrapper.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "Control.h"
#include "ControlKind.h"

namespace ui {

class ProgressBar : public KindControl<Kind::ProgressBar> {
 public:
  using KindControl::KindControl;
  void SetRange(int max) const { SendMessageW(hwnd_, PBM_SETRANGE32, 0, max); }
  void SetPos(int pos) const { SendMessageW(hwnd_, PBM_SETPOS, pos, 0); }
  int Pos() const { return (int)SendMessageW(hwnd_, PBM_GETPOS, 0, 0); }
};

}  // namespace ui
