// A window's text kept in a movable global memory block held in a window property.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

namespace skin {

// Stores the text with its NUL in the property's block, made or resized as
// needed. When the block cannot be made or grown the previous text stays.
// Returns whether the text was stored.
bool StoreTextProperty(HWND window, const wchar_t* name, const std::string& text);
bool StoreTextProperty(HWND window, const wchar_t* name, const char* text, std::size_t length);

// The text in the property's block; empty when the property is missing.
std::string ReadTextProperty(HWND window, const wchar_t* name);

}  // namespace skin
