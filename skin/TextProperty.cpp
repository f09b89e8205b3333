// Text blocks of window properties. A worker thread may store a bar's text
// while the window thread paints it, so writers and readers take one guard,
// held only around the block's replacement or copy (never while a message is sent).
#include "skin/TextProperty.h"

#include <cstring>
#include <mutex>

#include "skin/SkinEngine.h"

namespace skin {
namespace {

std::mutex& TextGuard() {
  static std::mutex guard;
  return guard;
}

}  // namespace

bool StoreTextProperty(HWND window, const wchar_t* name, const std::string& text) {
  const std::size_t length = text.size();
  if (length > kMaxTextPropertyBytes) return false;
  const SIZE_T size = length + 1;
  std::lock_guard<std::mutex> lock(TextGuard());
  HGLOBAL block = (HGLOBAL)GetPropW(window, name);
  if (!block) {
    block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return false;
  } else {
    HGLOBAL grown = GlobalReAlloc(block, size, GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (!grown) return false;  // the old block and its text stay as they were
    block = grown;
  }
  if (char* p = (char*)GlobalLock(block)) {
    std::memcpy(p, text.data(), length);
    p[length] = '\0';
    GlobalUnlock(block);
  }
  SetPropW(window, name, block);
  return true;
}

std::string ReadTextProperty(HWND window, const wchar_t* name) {
  std::lock_guard<std::mutex> lock(TextGuard());
  HGLOBAL block = (HGLOBAL)GetPropW(window, name);
  if (!block) return {};
  const char* p = (const char*)GlobalLock(block);
  if (!p) return {};
  std::string text(p, strnlen(p, GlobalSize(block)));
  GlobalUnlock(block);
  return text;
}

void FreePropertyMemory(HWND window, const wchar_t* name) {
  std::lock_guard<std::mutex> lock(TextGuard());
  if (HGLOBAL block = (HGLOBAL)GetPropW(window, name)) GlobalFree(block);
  RemovePropW(window, name);
}

}  // namespace skin
