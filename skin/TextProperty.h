// A window's text kept in a movable global memory block held in a window property.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

namespace skin {

// A skinned control's text is one line; a longer one is refused.
constexpr std::size_t kMaxTextPropertyBytes = 1 << 20;

// Stores the text with its NUL in the property's block, made or resized as
// needed. When the text is longer than the bound, or the block cannot be made
// or grown, the previous text stays. Returns whether the text was stored.
bool StoreTextProperty(HWND window, const wchar_t* name, const std::string& text);

// The text in the property's block; empty when the property is missing.
std::string ReadTextProperty(HWND window, const wchar_t* name);

}  // namespace skin
