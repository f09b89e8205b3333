// Picture box: a static icon that reports the left button and mouse moves to its form, also while it has the capture.
#include "PictureBox.h"

#include "Module.h"
#include "Panel.h"
#include "Subclass.h"

namespace ui {

namespace {

LRESULT CALLBACK PictureMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
const Subclass kPictureSubclass{L"TavrinPictureProc", PictureMessage};

LRESULT CALLBACK PictureMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE: NotifyForm(hwnd, msg, wp, lp); break;
    case WM_NCDESTROY: PictureBox(hwnd).SetPicture(0); break;  // frees the picture it owns
    default: break;
  }
  return kPictureSubclass.CallPrevious(hwnd, msg, wp, lp);
}

HWND CreatePictureBox(const CreateArgs& a) {
  HWND hwnd = CreateChild(a, L"STATIC", SS_ICON | SS_CENTERIMAGE | SS_NOTIFY, 0, std::wstring());
  if (!hwnd) return nullptr;
  AttachSubclass<kPictureSubclass>(hwnd);
  PictureBox(hwnd).SetPicture(a.def.picture);
  // SS_ICON sizes the control to its picture: keep the row's size.
  SetWindowPos(hwnd, nullptr, 0, 0, a.def.rect.w, a.def.rect.h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return hwnd;
}

bool DecodePictureBox(const Notification& n, Event& e) {
  switch (n.msg) {
    case WM_LBUTTONDOWN: e.type = EventType::MouseDown; break;
    case WM_LBUTTONUP: e.type = EventType::MouseUp; break;
    case WM_MOUSEMOVE: e.type = EventType::MouseMove; break;
    default: return false;
  }
  e.payload = Point{(short)LOWORD(n.lp), (short)HIWORD(n.lp)};
  return true;
}

}  // namespace

extern const ControlKind Kind::PictureBox =
    ControlKind("PictureBox")
        .Creates(CreatePictureBox)
        .Decodes(DecodePictureBox,
                 Reports(EventType::MouseDown) | Reports(EventType::MouseUp) | Reports(EventType::MouseMove))
        .Has(HasPicture)
        .WithoutCaption();

void PictureBox::SetPicture(int resourceId) const {
  HICON icon = nullptr;
  if (resourceId) {
    icon = (HICON)LoadImageW(ModuleInstance(), MAKEINTRESOURCEW(resourceId), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE);
    if (!icon)
      icon = (HICON)LoadImageW(ModuleInstance(), MAKEINTRESOURCEW(resourceId), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
  }
  HICON old = (HICON)SendMessageW(hwnd_, STM_SETICON, (WPARAM)icon, 0);
  if (old && old != icon) DestroyIcon(old);
}

bool PictureBox::HasPicture() const { return SendMessageW(hwnd_, STM_GETICON, 0, 0) != 0; }

}  // namespace ui
