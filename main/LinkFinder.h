// The link finder's window side: the window under the pointer, the document of an Internet Explorer page and what lies under the pointer.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "main/FinderPick.h"
#include "ui/base/ComPtr.h"

// The class of the windows that show a page of the Internet Explorer engine.
inline constexpr const wchar_t* kIeServerClass = L"Internet Explorer_Server";

// The window under a screen point: WindowFromPoint's, or, when it has a
// parent, the smallest visible window of the same parent whose rectangle also
// holds the point.
HWND SmallestWindowAt(POINT screen);

// The document of an "Internet Explorer_Server" window, asked for with the
// registered message "WM_HTML_GETOBJECT" (up to 1000 ms, not when the page
// hangs) and ObjectFromLresult; empty for other windows and on any failure.
ui::ComPtr<IDispatch> GetIeDocument(HWND window);

// The document's "url" and "title" properties; empty for an empty document.
std::string DocumentUrl(IDispatch* document);
std::string DocumentTitle(IDispatch* document);

// "outerHTML" of the element that the document's "elementFromPoint" gives
// for the point (window coordinates); empty when there is none.
std::string ElementHtmlAtPoint(IDispatch* document, int x, int y);

// One move of the finder to a screen point. Over a page, `document` becomes
// the page's document and the result holds the page's or the link's address
// and title; over any other window `document` is left as it was and
// overPage is false (the address box is then cleared, the title kept).
struct FinderHit {
  bool overPage = false;
  FinderPick pick;
};
FinderHit FindPageAt(POINT screen, ui::ComPtr<IDispatch>& document);
