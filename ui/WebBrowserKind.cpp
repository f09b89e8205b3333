// Web-browser rows of a form: the browser box made by WebBrowserBox::Create,
// sent to the row's caption (its start address) when it has one.
#include "ControlKind.h"
#include "WebBrowserBox.h"

namespace ui {

namespace {

HWND CreateWebBrowser(const CreateArgs& a) {
  HWND box = WebBrowserBox::Create(a.parent, a.def.rect, !(a.def.flags & Hidden));
  if (box) {
    SetWindowLongPtrW(box, GWLP_ID, a.id);
    if (a.def.flags & Disabled) EnableWindow(box, FALSE);
    if (a.def.caption && *a.def.caption) WebBrowserBox(box).Navigate(a.def.caption);
  }
  return box;
}

}  // namespace

extern const ControlKind Kind::WebBrowser = ControlKind("WebBrowser").Creates(CreateWebBrowser);

}  // namespace ui
