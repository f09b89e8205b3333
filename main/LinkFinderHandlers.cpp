// The link finder's picture box in the new-task window: drag from it over a page to take the page's or a link's address and title.
#include <windows.h>

#include <cstdint>

#include "main/Globals.h"
#include "main/LinkFinder.h"
#include "main/ParseWindow.h"
#include "main/Resource.h"
#include "ui/App.h"
#include "ui/Control.h"
#include "ui/Module.h"
#include "ui/MouseCapture.h"
#include "ui/PictureBox.h"

namespace {

ui::MouseCapture FinderCapture;

HCURSOR FinderCursor() {
  static HCURSOR cursor = LoadCursorW(ui::ModuleInstance(), MAKEINTRESOURCEW(IDC_FINDER));
  return cursor;
}

ui::PictureBox FinderBox(ui::Window& w) { return w.Get<ui::PictureBox>(kFinderPicture); }

}  // namespace

// The drag lasts exactly while the box shows no picture. What pumps messages
// (the pending ones here, the page's answers in a move) may close the window
// meanwhile, as a parse's result does: the handlers look it up again after.
void OnFinderMouseDown(ui::Window& w, ui::Event&) {
  const std::uint32_t opening = ParseWindowOpening();
  FinderBox(w).SetPicture(0);
  ui::PumpPendingMessages();
  ui::Window* open = ParseWinOfOpening(opening);
  if (!open) return;
  // No WM_SETCURSOR arrives while the box holds the capture: the pointer is set directly.
  FinderCapture.Start(FinderBox(*open).Hwnd(), FinderCursor());
}

void OnFinderMove(ui::Window& w, ui::Event&) {
  if (FinderBox(w).HasPicture()) return;
  const std::uint32_t opening = ParseWindowOpening();
  POINT cursor = {};
  GetCursorPos(&cursor);
  const FinderHit hit = FindPageAt(cursor, LinkDocument);
  ui::Window* open = ParseWinOfOpening(opening);
  if (!open) return;
  ui::Control address = open->Get<ui::Control>(kAddressBox);
  if (!hit.overPage) {
    address.SetText("");
    return;
  }
  address.SetText(hit.pick.address);
  PageTitle.Set(hit.pick.title);
  open->Get<ui::Control>(kTitleBox).SetText(hit.pick.title);
}

void OnFinderMouseUp(ui::Window& w, ui::Event&) {
  FinderCapture.Release();
  SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
  FinderBox(w).SetPicture(IDC_FINDER);
}
