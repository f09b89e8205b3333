// Subclassing a window: a procedure put in front of the window's own. One
// owner for every subclass: it keeps the previous procedure, hands messages
// on to it, takes the subclass away again (on request, and by itself when the
// window is destroyed) and lets no exception out of the new procedure. The W
// functions keep the window a Unicode window with its Chinese text under any
// system code page.
#pragma once
#include <windows.h>

namespace ui {

// A subclass: the window property that keeps the previous procedure, and the
// body that sees each message first. The body answers the message or hands it
// on with CallPrevious. An exception that escapes the body answers the
// message with 0. Subclasses that name the same property exclude each other:
// a window takes the first of them only.
class Subclass {
 public:
  constexpr Subclass(const wchar_t* property, WNDPROC body) : property_(property), body_(body) {}

  // Whether the window has this subclass (or another of its property).
  bool On(HWND hwnd) const { return Previous(hwnd) != nullptr; }
  // The procedure the window had before; null when the subclass is not on.
  WNDPROC Previous(HWND hwnd) const;
  // Hands a message to the previous procedure (DefWindowProcW when there is none).
  LRESULT CallPrevious(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) const;

  // The owner's steps; `own` is SubclassProc of this subclass. Use
  // AttachSubclass, DetachSubclass and SubclassProc below.
  bool Attach(HWND hwnd, WNDPROC own) const;
  bool Detach(HWND hwnd, WNDPROC own) const;
  LRESULT Run(WNDPROC own, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) const;

 private:
  const wchar_t* property_;
  WNDPROC body_;
};

// The window procedure that stands for the subclass S.
template <const Subclass& S>
LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return S.Run(SubclassProc<S>, hwnd, msg, wp, lp);
}

// Puts S in front of the window's procedure; false when the window has S (or
// another subclass of its property) already, or cannot be subclassed.
template <const Subclass& S>
bool AttachSubclass(HWND hwnd) {
  return S.Attach(hwnd, SubclassProc<S>);
}

// Takes S away and puts the previous procedure back. False when S is not on,
// or when another procedure was put in front of S since: S then stays in the
// chain, because taking it out would cut off the one in front.
template <const Subclass& S>
bool DetachSubclass(HWND hwnd) {
  return S.Detach(hwnd, SubclassProc<S>);
}

// Hands a message to a procedure kept elsewhere (DefWindowProcW when null).
LRESULT CallPreviousProc(WNDPROC previous, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// What an exception barrier of a window procedure does with what it caught:
// says it on the debugger's output. Call it inside the catch block.
void ReportCaughtException(const char* where) noexcept;

}  // namespace ui
