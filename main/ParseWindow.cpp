// The new-task window's handlers: creation and destruction, clipboard and drop, site type, quality hints.
#include "main/ParseWindow.h"

#include <windows.h>

#include "main/Globals.h"
#include "ui/ClipboardViewer.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Label.h"
#include "ui/TextDropTarget.h"

namespace {

// The window's address sources; they live while the window is open.
ui::ClipboardViewer Clipboard;
ui::TextDropRegistration DropTarget;
std::uint32_t Opening = 0;  // number of the latest opening

bool HasDot(const std::string& text) { return text.find('.') != std::string::npos; }

void SetHint(ui::Window& w, const char* text) { w.Get<ui::Label>(kHintLabel).SetText(text); }

// The window's size counts its frame and caption: at 202 pixels the group of
// credentials lies below the visible part, at 260 it shows.
constexpr int kOuterWidth = 399, kShortHeight = 202, kTallHeight = 260;

void SetOuterHeight(ui::Window& w, int height) {
  SetWindowPos(w.Hwnd(), nullptr, 0, 0, kOuterWidth, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void ShowParseWindow(ui::Window* owner) { ui::Window::LoadModal(ParseWindowForm, owner); }

ui::Window* ParseWin() { return ui::Window::Find(ParseWindowForm.name); }
std::uint32_t ParseWindowOpening() { return Opening; }
ui::Window* ParseWinOfOpening(std::uint32_t opening) { return opening == Opening ? ParseWin() : nullptr; }

void OnParseWindowCreated(ui::Window& w, ui::Event&) {
  ++Opening;
  SetOuterHeight(w, kShortHeight);
  ui::ComboBox types = w.Get<ui::ComboBox>(kSiteTypeBox);
  for (int i = 0; i < types.ItemCount(); ++i)
    if (types.ItemText(i).rfind("普通视频解析", 0) == 0) {
      types.Select(i);
      break;
    }
  const HWND hwnd = w.Hwnd();
  DropTarget.Register(hwnd, [hwnd](const std::string& text) {
    if (ui::Window* open = ParseWin(); open && open->Hwnd() == hwnd) OnTextDropped(*open, text);
  });
  // Joins the clipboard-viewer chain, then takes over the window's procedure.
  Clipboard.Join(hwnd, [hwnd](const std::string& text) {
    if (ui::Window* open = ParseWin(); open && open->Hwnd() == hwnd) OnClipboardText(*open, text);
  });
}

void OnParseWindowDestroyed(ui::Window&, ui::Event&) {
  // Gives the procedure back, then leaves the chain; the drop target goes too.
  Clipboard.Leave();
  DropTarget.Revoke();
}

void OnTextDropped(ui::Window& w, const std::string& text) {
  if (HasDot(text)) w.Get<ui::Control>(kAddressBox).SetText(text);
}

void OnClipboardText(ui::Window& w, const std::string& text) {
  if (!HasDot(text)) return;
  // Topmost for a moment brings the window to the front without keeping it there.
  w.SetTopmost(true);
  w.Get<ui::Control>(kAddressBox).SetText(text);
  w.SetTopmost(false);
}

void OnSiteTypeChanged(ui::Window& w, ui::Event& e) {
  const int value = static_cast<int>(e.Chosen().value);
  SiteType.Set(std::to_string(value));
  if (value == 1 || value == 2) {
    w.Get<ui::Control>(kUserNameLabel).SetVisible(value == 2);
    w.Get<ui::Control>(kUserNameBox).SetVisible(value == 2);
    SetOuterHeight(w, kTallHeight);
  } else {
    SetOuterHeight(w, kShortHeight);
  }
}

void ShowSuperQualityHint(ui::Window& w, ui::Event&) { SetHint(w, "超清解析仅支持部分网站！"); }
void ShowHighQualityHint(ui::Window& w, ui::Event&) { SetHint(w, "高清解析仅支持部分网站！"); }
void ClearQualityHint(ui::Window& w, ui::Event&) { SetHint(w, ""); }
