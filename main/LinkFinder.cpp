// The link finder's window side: the window under the pointer, the document of an Internet Explorer page and what lies under the pointer.
#include "main/LinkFinder.h"

#include <oleacc.h>

#include "ui/Control.h"
#include "ui/DispatchCall.h"

namespace {

// IHTMLDocument, the interface the page's document is asked for.
const IID kIidHtmlDocument = {0x626FC520, 0xA41E, 0x11CF, {0xA7, 0x31, 0x00, 0xA0, 0xC9, 0x08, 0x26, 0x37}};

long Area(const RECT& r) { return static_cast<long>(r.right - r.left) * (r.bottom - r.top); }

}  // namespace

HWND SmallestWindowAt(POINT screen) {
  HWND window = WindowFromPoint(screen);
  if (!window) return nullptr;
  HWND parent = GetAncestor(window, GA_PARENT);
  if (!parent || parent == GetDesktopWindow()) return window;
  HWND best = window;
  RECT bestRect;
  GetWindowRect(window, &bestRect);
  for (HWND sibling = GetWindow(parent, GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    RECT r;
    if (sibling == window || !IsWindowVisible(sibling) || !GetWindowRect(sibling, &r) || !PtInRect(&r, screen))
      continue;
    if (Area(r) < Area(bestRect)) {
      best = sibling;
      bestRect = r;
    }
  }
  return best;
}

ui::ComPtr<IDispatch> GetIeDocument(HWND window) {
  ui::ComPtr<IDispatch> document;
  if (ui::WindowClass(window) != kIeServerClass) return document;
  static const UINT message = RegisterWindowMessageW(L"WM_HTML_GETOBJECT");
  DWORD_PTR result = 0;
  if (!message || !SendMessageTimeoutW(window, message, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) || !result)
    return document;
  ObjectFromLresult(static_cast<LRESULT>(result), kIidHtmlDocument, 0, document.OutVoid());
  return document;
}

std::string DocumentUrl(IDispatch* document) { return ui::CallByName(document, L"url", ui::AccessKind::Read).ToText(); }

std::string DocumentTitle(IDispatch* document) {
  return ui::CallByName(document, L"title", ui::AccessKind::Read).ToText();
}

std::string ElementHtmlAtPoint(IDispatch* document, int x, int y) {
  const auto point = ui::Arguments(ui::Variant::FromInt(x), ui::Variant::FromInt(y));
  ui::ComPtr<IDispatch> element =
      ui::CallByName(document, L"elementFromPoint", ui::AccessKind::Method, point).ToObject();
  return ui::CallByName(element.Get(), L"outerHTML", ui::AccessKind::Read).ToText();
}

FinderHit FindPageAt(POINT screen, ui::ComPtr<IDispatch>& document) {
  FinderHit hit;
  HWND window = SmallestWindowAt(screen);
  if (!window || ui::WindowClass(window) != kIeServerClass) return hit;
  hit.overPage = true;
  document = GetIeDocument(window);
  RECT r = {};
  GetWindowRect(window, &r);
  const int x = screen.x - r.left, y = screen.y - r.top;  // relative to the window's top-left corner
  hit.pick = PickFromPage(DocumentUrl(document.Get()), DocumentTitle(document.Get()),
                          ElementHtmlAtPoint(document.Get(), x, y));
  return hit;
}
