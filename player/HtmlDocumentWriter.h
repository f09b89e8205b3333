// Writes HTML into the document behind a browser control's window, through
// the document's own open, write and close called by name.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "ui/ComPtr.h"

namespace player {

class HtmlDocumentWriter {
 public:
  HtmlDocumentWriter() = default;
  // A second writer on the same document (its reference count raised).
  HtmlDocumentWriter(const HtmlDocumentWriter& other);
  HtmlDocumentWriter& operator=(const HtmlDocumentWriter&) = delete;

  // With a document: holds a reference to it. Otherwise with a window: the
  // document behind that window or the browser window below it (FromWindow);
  // when there is none, no document is held any more. With neither: false,
  // and the held document stays. True when a document is held.
  bool Attach(IUnknown* document, HWND window);

  // The document's "open", "write"(html) and "Close"; nothing without a document.
  void WritePage(const std::string& html);

  // The document of an "Internet Explorer_Server" window (the window itself
  // or the first one below it), asked with "WM_HTML_GETOBJECT"; the holder
  // receives it. False when there is none or it does not answer in time.
  static bool FromWindow(HWND window, ui::ComPtr<IDispatch>& holder);

  // The first "Internet Explorer_Server" window below the parent, depth first; null when none.
  static HWND FindIeServer(HWND parent);

  // Opens the address with the shell when it is a web address (web::OpenableWebAddress).
  static void OpenUrl(const std::string& address);

  // "outerHTML" or "innerText" of the document element, or the document's
  // text property of that name.
  std::string Read(const std::string& what);

  IDispatch* Document() const { return document_.Get(); }

 private:
  ui::ComPtr<IDispatch> document_;
};

}  // namespace player
