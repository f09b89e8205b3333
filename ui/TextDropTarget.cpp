// The text drop target: an IDropTarget that accepts CF_UNICODETEXT or CF_TEXT.
#include "TextDropTarget.h"

#include "SimpleComObject.h"
#include "Subclass.h"
#include "ui/base/WideText.h"

namespace ui {

namespace {

bool Offers(IDataObject* data, CLIPFORMAT format) {
  FORMATETC wanted = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  return data && data->QueryGetData(&wanted) == S_OK;
}

// The characters of an HGLOBAL medium up to the first zero or the block's end.
template <typename Char>
bool MediumText(IDataObject* data, CLIPFORMAT format, std::basic_string<Char>& text) {
  FORMATETC wanted = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium = {};
  if (FAILED(data->GetData(&wanted, &medium))) return false;
  bool got = false;
  if (medium.tymed == TYMED_HGLOBAL) {
    if (const auto* chars = static_cast<const Char*>(GlobalLock(medium.hGlobal))) {
      const size_t limit = GlobalSize(medium.hGlobal) / sizeof(Char);
      size_t length = 0;
      while (length < limit && chars[length]) ++length;
      text.assign(chars, length);
      GlobalUnlock(medium.hGlobal);
      got = true;
    }
  }
  ReleaseStgMedium(&medium);
  return got;
}

// No exception leaves a call of the system's drag loop: one that the body
// throws (a text too large to convert, a handler that fails) ends the call
// as a refused drop.
template <typename Body>
HRESULT Guarded(DWORD* effect, Body body) noexcept {
  try {
    return body();
  } catch (...) {
    ReportCaughtException("drop target");
    if (effect) *effect = DROPEFFECT_NONE;
    return E_UNEXPECTED;
  }
}

class TextDropTarget final : public SimpleComObject<IDropTarget> {
 public:
  explicit TextDropTarget(TextDropHandler onDrop) : onDrop_(std::move(onDrop)) {}

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    accepting_ = false;
    return Guarded(effect, [&] {
      accepting_ = Offers(data, CF_UNICODETEXT) || Offers(data, CF_TEXT);
      return Answer(effect);
    });
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override { return Answer(effect); }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    accepting_ = false;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    accepting_ = false;
    return Guarded(effect, [&] {
      std::string text;
      if (!DroppedText(data, text)) {
        if (effect) *effect = DROPEFFECT_NONE;
        return S_OK;
      }
      if (effect) *effect = DROPEFFECT_COPY;
      if (onDrop_) onDrop_(text);
      return S_OK;
    });
  }

 private:
  bool Answers(REFIID iid) const override { return iid == IID_IDropTarget; }
  HRESULT Answer(DWORD* effect) const {
    if (!effect) return E_INVALIDARG;
    *effect = accepting_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
  }

  bool accepting_ = false;
  TextDropHandler onDrop_;
};

}  // namespace

bool DroppedText(IDataObject* data, std::string& text) {
  if (!data) return false;
  std::wstring wide;
  if (MediumText(data, CF_UNICODETEXT, wide)) {
    text = ToGbk(wide);
    return true;
  }
  std::string ansi;
  if (!MediumText(data, CF_TEXT, ansi)) return false;
  // CF_TEXT is in the dropping program's ANSI code page, which is the system's: 1252 on an English system, 936
  // on a Chinese one. Read as GBK it would garble the former; whoever knows Unicode offers CF_UNICODETEXT.
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  wide.assign(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  text = ToGbk(wide);
  return true;
}

bool TextDropRegistration::Register(HWND hwnd, TextDropHandler onDrop) {
  Revoke();
  ComPtr<IDropTarget> target(new TextDropTarget(std::move(onDrop)));
  if (FAILED(RegisterDragDrop(hwnd, target.Get()))) return false;
  hwnd_ = hwnd;
  target_ = std::move(target);
  return true;
}

void TextDropRegistration::Revoke() {
  if (!hwnd_) return;
  RevokeDragDrop(hwnd_);
  hwnd_ = nullptr;
  target_.Reset();
}

}  // namespace ui
