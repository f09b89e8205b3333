// Progress bar: a bar from 0 to the row's value.
#include "ProgressBar.h"

namespace ui {

namespace {

HWND CreateProgressBar(const CreateArgs& a) {
  HWND hwnd = CreateChild(a, PROGRESS_CLASSW, 0);
  if (hwnd) SendMessageW(hwnd, PBM_SETRANGE32, 0, a.def.max);
  return hwnd;
}

}  // namespace

extern const ControlKind Kind::ProgressBar = ControlKind("ProgressBar").Creates(CreateProgressBar).Has(HasMax);

}  // namespace ui
