// Subclassing with SetWindowLongPtrW and CallWindowProcW.
#include "Subclass.h"

namespace ui {

WNDPROC SubclassWindow(HWND hwnd, WNDPROC proc) {
  if (!IsWindow(hwnd) || !proc) return nullptr;
  return reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

void RestoreWindowProc(HWND hwnd, WNDPROC previous) {
  if (IsWindow(hwnd) && previous) SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

LRESULT CallPreviousProc(WNDPROC previous, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return previous ? CallWindowProcW(previous, hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace ui
