// A window's membership of the system's clipboard-viewer chain, with the text of every clipboard change handed to a callback.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "Subclass.h"

namespace ui {

// Join: the window joins the chain first, then its procedure is subclassed
// to take the chain's messages. Leave: the procedure is put back first, then
// the window leaves the chain. A window that is destroyed while joined leaves
// by itself (on WM_DESTROY, before its own procedure sees the message).
// A viewer that leaves while another procedure stands in front of its own
// stays in the window's procedure chain and only hands messages on.
class ClipboardViewer {
 public:
  // Runs on the window's thread with the clipboard's text (GBK; empty when
  // the clipboard holds no text) at every change of the clipboard.
  using ChangeHandler = std::function<void(const std::string& text)>;

  ClipboardViewer() = default;
  ~ClipboardViewer() { Leave(); }
  ClipboardViewer(const ClipboardViewer&) = delete;
  ClipboardViewer& operator=(const ClipboardViewer&) = delete;

  // False when already joined or the window cannot be subclassed (then it is
  // not left in the chain either).
  bool Join(HWND hwnd, ChangeHandler onChange);
  void Leave();

  bool Joined() const { return hwnd_ != nullptr; }
  // The window that follows in the chain (null when none).
  HWND Next() const { return next_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static const Subclass kSubclass;
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
  HWND next_ = nullptr;
  ChangeHandler onChange_;
};

}  // namespace ui
