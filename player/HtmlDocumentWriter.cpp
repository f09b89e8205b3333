// Writes HTML into the document behind a browser control's window.
#include "player/HtmlDocumentWriter.h"

#include <vector>

#include "web/WebAddress.h"
#include "ui/Control.h"
#include "ui/DispatchCall.h"
#include "ui/ShellOpen.h"
#include "ui/base/WideText.h"

namespace player {

namespace {

constexpr wchar_t kIeServerClass[] = L"Internet Explorer_Server";
constexpr UINT kAnswerTimeoutMs = 1000;

// IHTMLDocument, the interface the browser hands out for "WM_HTML_GETOBJECT".
constexpr IID kIidHtmlDocument = {0x626FC520, 0xA41E, 0x11CF, {0xA7, 0x31, 0x00, 0xA0, 0xC9, 0x08, 0x26, 0x37}};

using ObjectFromLresultFn = HRESULT(WINAPI*)(LRESULT, REFIID, WPARAM, void**);

// OLEACC.DLL is loaded at first use and stays loaded.
ObjectFromLresultFn ObjectFromLresultFunction() {
  static HMODULE module = LoadLibraryW(L"oleacc.dll");
  return module ? reinterpret_cast<ObjectFromLresultFn>(GetProcAddress(module, "ObjectFromLresult")) : nullptr;
}

bool IsIeServer(HWND window) { return ui::WindowClass(window) == kIeServerClass; }

using ui::AccessKind;
using ui::Variant;

// A member without arguments, or with one text argument.
Variant CallMember(IUnknown* object, const wchar_t* name, AccessKind kind, const std::string* text = nullptr) {
  return ui::CallByName(object, name, kind, text ? ui::Arguments(Variant::FromText(*text)) : ui::Arguments());
}

}  // namespace

HtmlDocumentWriter::HtmlDocumentWriter(const HtmlDocumentWriter& other) {
  if (other.document_) other.document_->AddRef();
  document_ = ui::ComPtr<IDispatch>(other.document_.Get());
}

bool HtmlDocumentWriter::Attach(IUnknown* document, HWND window) {
  if (document) {
    ui::ComPtr<IDispatch> held;
    if (SUCCEEDED(document->QueryInterface(IID_IDispatch, held.OutVoid()))) document_ = std::move(held);
    return static_cast<bool>(document_);
  }
  if (!window) return false;
  // The document found here replaces the held one; when none is found, the
  // held one (of an earlier window, maybe gone) is dropped as well.
  if (FromWindow(window, document_)) return true;
  document_.Reset();
  return false;
}

void HtmlDocumentWriter::WritePage(const std::string& html) {
  if (!document_) return;
  CallMember(document_.Get(), L"open", AccessKind::Method);
  CallMember(document_.Get(), L"write", AccessKind::Method, &html);
  CallMember(document_.Get(), L"Close", AccessKind::Method);
}

bool HtmlDocumentWriter::FromWindow(HWND window, ui::ComPtr<IDispatch>& holder) {
  if (!IsIeServer(window)) window = FindIeServer(window);
  if (!window) return false;
  const UINT message = RegisterWindowMessageW(L"WM_HTML_GETOBJECT");
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(window, message, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer);
  ObjectFromLresultFn objectFromLresult = ObjectFromLresultFunction();
  if (!objectFromLresult) return false;
  return objectFromLresult(static_cast<LRESULT>(answer), kIidHtmlDocument, 0, holder.OutVoid()) == S_OK;
}

HWND HtmlDocumentWriter::FindIeServer(HWND parent) {
  for (HWND child = FindWindowExW(parent, nullptr, nullptr, nullptr); child;
       child = FindWindowExW(parent, child, nullptr, nullptr)) {
    if (IsIeServer(child)) return child;
    if (HWND below = FindIeServer(child)) return below;
  }
  return nullptr;
}

void HtmlDocumentWriter::OpenUrl(const std::string& address) {
  const std::string page = web::OpenableWebAddress(address);
  if (!page.empty()) ui::ShellOpen(page);
}

std::string HtmlDocumentWriter::Read(const std::string& what) {
  if (what == "outerHTML" || what == "innerText") {
    ui::ComPtr<IDispatch> element = CallMember(document_.Get(), L"documentElement", AccessKind::Read).ToObject();
    if (!element) return {};
    return CallMember(element.Get(), ui::ToWide(what).c_str(), AccessKind::Read).ToText();
  }
  return CallMember(document_.Get(), ui::ToWide(what).c_str(), AccessKind::Read).ToText();
}

}  // namespace player
