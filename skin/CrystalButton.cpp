// The push-button skin object.
#include "skin/CrystalButton.h"

#include "skin/ButtonSkin.h"
#include "skin/SkinEngine.h"
#include "ui/Control.h"
#include "ui/base/WideText.h"

namespace skin {

namespace {

// Removes and adds style bits (OR-ed, not replaced); with extra SetWindowPos
// flags the frame is refreshed with them. False, and nothing called, when the
// style stays the same.
bool SetStyleBits(HWND window, LONG remove, LONG add, UINT extraFlags = 0) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG changed = (style & ~remove) | add;
  if (changed == style) return false;
  SetWindowLongW(window, GWL_STYLE, changed);
  if (extraFlags)
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | extraFlags);
  return true;
}

}  // namespace

std::unique_ptr<CrystalButton> CrystalButton::Copy() const {
  return std::unique_ptr<CrystalButton>(new CrystalButton(handle_));
}

void CrystalButton::TakeWindow(HWND window) {
  handle_ = window;
  // The engine takes a button only while it is a push button; the owner-draw
  // style comes afterwards, so the button's own procedure paints nothing.
  SkinWindow(window);
  SetStyleBits(window, 0, BS_OWNERDRAW);
  SetColourStyle(0);
}

HWND CrystalButton::Create(HWND parent, const std::string& caption, int left, int top, int width, int height) {
  if (Exists()) return handle_;
  handle_ = nullptr;
  if (!IsWindow(parent)) return nullptr;
  HWND window = CreateWindowExW(0, L"Button", ui::ToWide(caption).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_PUSHBUTTON, left, top, width, height,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window) TakeWindow(window);
  return handle_;
}

void CrystalButton::SetColourStyle(int style) {
  WriteIntProperty(handle_, kPropColourStyle, style);
  PaintButton(handle_, nullptr, 0);
}

int CrystalButton::GetColourStyle() const { return ReadIntProperty(handle_, kPropColourStyle); }

bool CrystalButton::Attach(HWND window) {
  if (Exists() || !IsWindow(window)) return false;
  if (ui::WindowClass(window) != L"Button") return false;
  TakeWindow(window);
  return true;
}

}  // namespace skin
