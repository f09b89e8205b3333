// Subclassing with SetWindowLongPtrW and CallWindowProcW, the previous procedure kept in a window property.
#include "Subclass.h"

#include <exception>
#include <string>

namespace ui {

namespace {

WNDPROC CurrentProc(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)); }

}  // namespace

WNDPROC Subclass::Previous(HWND hwnd) const { return reinterpret_cast<WNDPROC>(GetPropW(hwnd, property_)); }

LRESULT Subclass::CallPrevious(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) const {
  return CallPreviousProc(Previous(hwnd), hwnd, msg, wp, lp);
}

// The property is set before the procedure is swapped, so that the first
// message the new procedure sees can already be handed on.
bool Subclass::Attach(HWND hwnd, WNDPROC own) const {
  if (!IsWindow(hwnd) || On(hwnd)) return false;
  const WNDPROC previous = CurrentProc(hwnd);
  if (!previous || !SetPropW(hwnd, property_, reinterpret_cast<HANDLE>(previous))) return false;
  SetLastError(0);
  if (!SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own)) && GetLastError() != 0) {
    RemovePropW(hwnd, property_);
    return false;
  }
  return true;
}

bool Subclass::Detach(HWND hwnd, WNDPROC own) const {
  const WNDPROC previous = Previous(hwnd);
  if (!previous || CurrentProc(hwnd) != own) return false;
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  RemovePropW(hwnd, property_);
  return true;
}

// The body sees WM_NCDESTROY (and hands it on) before the subclass goes:
// after it the window takes no more messages.
LRESULT Subclass::Run(WNDPROC own, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) const {
  LRESULT result = 0;
  try {
    result = body_(hwnd, msg, wp, lp);
  } catch (...) {
    ReportCaughtException("subclass procedure");
    result = 0;
  }
  // When another procedure stands in front, the subclass stays in the chain
  // and only its property goes.
  if (msg == WM_NCDESTROY && !Detach(hwnd, own)) RemovePropW(hwnd, property_);
  return result;
}

LRESULT CallPreviousProc(WNDPROC previous, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return previous ? CallWindowProcW(previous, hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

void ReportCaughtException(const char* where) noexcept {
  try {
    std::string text = std::string("Tavrin: an exception stopped at the ") + where;
    if (const std::exception_ptr caught = std::current_exception()) {
      try {
        std::rethrow_exception(caught);
      } catch (const std::exception& e) {
        text += std::string(": ") + e.what();
      } catch (...) {
      }
    }
    OutputDebugStringA((text + "\n").c_str());
  } catch (...) {
  }
}

}  // namespace ui
