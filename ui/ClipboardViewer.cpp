// The clipboard-viewer chain: join, forward, repair and leave.
#include "ClipboardViewer.h"

#include "ClipboardText.h"
#include "Subclass.h"

namespace ui {

namespace {
const wchar_t kViewerProp[] = L"Tavrin.ClipboardViewer";
}

const Subclass ClipboardViewer::kSubclass{L"Tavrin.ClipboardViewerProc", Proc};

// A window whose viewer has left while another procedure stood in front of
// the subclass keeps the subclass, which then only hands messages on.
LRESULT CALLBACK ClipboardViewer::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<ClipboardViewer*>(GetPropW(hwnd, kViewerProp));
  if (!self) return kSubclass.CallPrevious(hwnd, msg, wp, lp);
  return self->Handle(hwnd, msg, wp, lp);
}

bool ClipboardViewer::Join(HWND hwnd, ChangeHandler onChange) {
  if (hwnd_ || !IsWindow(hwnd) || GetPropW(hwnd, kViewerProp)) return false;
  onChange_ = std::move(onChange);
  next_ = SetClipboardViewer(hwnd);
  SetPropW(hwnd, kViewerProp, this);
  // A subclass left in the chain by an earlier viewer is taken up again.
  if (!kSubclass.On(hwnd) && !AttachSubclass<kSubclass>(hwnd)) {
    RemovePropW(hwnd, kViewerProp);
    ChangeClipboardChain(hwnd, next_);
    next_ = nullptr;
    return false;
  }
  hwnd_ = hwnd;
  return true;
}

void ClipboardViewer::Leave() {
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  DetachSubclass<kSubclass>(hwnd);
  RemovePropW(hwnd, kViewerProp);
  ChangeClipboardChain(hwnd, next_);
  next_ = nullptr;
}

LRESULT ClipboardViewer::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DRAWCLIPBOARD: {
      const HWND next = next_;
      if (onChange_) {
        try {
          onChange_(ReadClipboardText(hwnd));
        } catch (...) {
        }
      }
      // Every viewer passes the change on, whatever it did with it.
      const HWND target = hwnd_ ? next_ : next;
      if (target) SendMessageW(target, msg, wp, lp);
      return 0;
    }
    case WM_CHANGECBCHAIN:
      if (reinterpret_cast<HWND>(wp) == next_) {
        next_ = reinterpret_cast<HWND>(lp);  // the next viewer leaves: skip it
      } else if (next_) {
        SendMessageW(next_, msg, wp, lp);
      }
      return 0;
    case WM_DESTROY: {
      const WNDPROC previous = kSubclass.Previous(hwnd);
      Leave();
      return CallPreviousProc(previous, hwnd, msg, wp, lp);
    }
    default: return kSubclass.CallPrevious(hwnd, msg, wp, lp);
  }
}

}  // namespace ui
