// Clipboard text through CF_UNICODETEXT, so Chinese survives under any system code page.
#include "ClipboardText.h"

#include "ui/base/WideText.h"

namespace ui {

namespace {

// Another program (or a viewer reading the change) may hold the clipboard for
// a moment: try a few times before giving up.
bool OpenClipboardPatiently(HWND owner) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}

}  // namespace

std::string ReadClipboardText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboardPatiently(owner)) return {};
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      // Never read past the block, even when its text lacks the closing zero.
      const size_t limit = GlobalSize(data) / sizeof(wchar_t);
      size_t length = 0;
      while (length < limit && chars[length]) ++length;
      text.assign(chars, length);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return ToGbk(text);
}

bool WriteClipboardText(HWND owner, const std::string& gbk) {
  const std::wstring text = ToWide(gbk);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!block) return false;
  auto* chars = static_cast<wchar_t*>(GlobalLock(block));
  if (!chars) {
    GlobalFree(block);
    return false;
  }
  CopyMemory(chars, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(block);
  if (!OpenClipboardPatiently(owner)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(block);  // the clipboard took it only on success
  return placed;
}

}  // namespace ui
