// The link finder's picture box in the new-task window: drag from it over a page to take the page's or a link's address and title.
#include <windows.h>

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

ui::PictureBox FinderBox(ui::Window& w) { return w.Get<ui::PictureBox>("图片框_拖动图标"); }

}  // namespace

void OnFinderEvent(ui::Window& w, ui::Event& e) {
  switch (e.type) {
    case ui::EventType::MouseDown: OnFinderMouseDown(w); break;
    case ui::EventType::MouseMove: OnFinderMove(w); break;
    case ui::EventType::MouseUp: OnFinderMouseUp(w); break;
    default: break;
  }
}

// The drag lasts exactly while the box shows no picture.
void OnFinderMouseDown(ui::Window& w) {
  ui::PictureBox box = FinderBox(w);
  box.SetPicture(0);
  ui::PumpPendingMessages();
  // No WM_SETCURSOR arrives while the box holds the capture: the pointer is set directly.
  FinderCapture.Start(box.Hwnd(), FinderCursor());
}

void OnFinderMove(ui::Window& w) {
  if (FinderBox(w).HasPicture()) return;
  POINT cursor = {};
  GetCursorPos(&cursor);
  const FinderHit hit = FindPageAt(cursor, LinkDocument);
  ui::Control address = w.Get<ui::Control>("Url编辑框");
  if (!hit.overPage) {
    address.SetText("");
    return;
  }
  address.SetText(hit.pick.address);
  PageTitle.Set(hit.pick.title);
  w.Get<ui::Control>("Url标题").SetText(hit.pick.title);
}

void OnFinderMouseUp(ui::Window& w) {
  FinderCapture.Release();
  SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
  FinderBox(w).SetPicture(IDC_FINDER);
}
