// Plain text on the clipboard as CF_UNICODETEXT, handed in and out as GBK.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

// The clipboard's text (CF_UNICODETEXT, up to its first zero) as GBK; empty
// when the clipboard holds no text or cannot be opened.
std::string ReadClipboardText(HWND owner);

// Replaces the clipboard's content with the GBK text as CF_UNICODETEXT; false
// when the clipboard cannot be opened or the memory cannot be had.
bool WriteClipboardText(HWND owner, const std::string& gbk);

}  // namespace ui
