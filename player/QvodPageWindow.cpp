// The window that shows the page embedding the QVOD player control: its form and its handlers.
#include "player/QvodPageWindow.h"

#include <algorithm>

#include "player/PlayerGlobals.h"
#include "player/PlayerWindows.h"
#include "player/QvodPage.h"

using namespace ui;

namespace player {

namespace {

const ControlDef kControls[] = {
    {"W1", Kind::WebBrowser, nullptr, {-1, -1, 497, 313}},
};

}  // namespace

// The form is 500 x 340 outside; the window is given that size when it is loaded.
const FormDef QvodPageWindowForm = {
    "QvodPageWindow", "正在播放", {50, 50, 492, 306}, kControls, CountOf(kControls), nullptr, 0, 0,
    OnQvodWindowLoaded, nullptr, nullptr, nullptr, MinimizeBox | MaximizeBox | Sizable, LayoutQvodWindow,
};

void OnQvodWindowLoaded(Window& w, Event&) {
  SetWindowPos(w.Hwnd(), nullptr, 0, 0, 500, 340, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const HWND browser = w.ControlHwnd("W1");
  PageWriter->Attach(nullptr, browser);  // without a document the page stays blank
  if (!IsQvodLink(PlayUrl)) return;
  w.SetCaption("正在播放 " + PlayTitle);
  PageWriter->WritePage(QvodPageHtml(PlayUrl));
  RedrawWindow(browser, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void LayoutQvodWindow(Window& w, Event&) {
  RECT outer;
  GetWindowRect(w.Hwnd(), &outer);
  const int width = std::max(0, static_cast<int>(outer.right - outer.left) - 5);
  const int height = std::max(0, static_cast<int>(outer.bottom - outer.top) - 30);
  SetWindowPos(w.ControlHwnd("W1"), nullptr, -1, -1, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ShowQvodPageWindow() {
  bool shown = false;
  Window::LoadModal(QvodPageWindowForm, nullptr, &shown);
  return shown;
}

}  // namespace player
