// Web-browser rows of a form: the browser box made by WebBrowserBox::Create.
#include "ControlKind.h"
#include "WebBrowserBox.h"

namespace ui {

namespace {

HWND CreateWebBrowser(const CreateArgs& a) {
  HWND box = WebBrowserBox::Create(a.parent, a.def.rect, !(a.def.flags & Hidden));
  if (box) {
    SetWindowLongPtrW(box, GWLP_ID, a.id);
    if (a.def.flags & Disabled) EnableWindow(box, FALSE);
  }
  return box;
}

}  // namespace

extern const ControlKind Kind::WebBrowser = {"WebBrowser", CreateWebBrowser};

}  // namespace ui
