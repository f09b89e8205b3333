// The window that shows the page embedding the QVOD player control: its form and its handlers.
#include "player/QvodPageWindow.h"

#include <algorithm>

#include "ui/base/MessagePump.h"
#include "player/PlayerGlobals.h"
#include "player/PlayerWindows.h"
#include "player/QvodPage.h"

using namespace ui;

namespace player {

namespace {

// The browser box starts at "about:blank": the browser makes that document
// after the window is made, and the page can only be written into it.
const ControlDef kControls[] = {
    Row(kQvodBrowser, Kind::WebBrowser).At(-1, -1, 497, 313).Caption("about:blank"),
};

// Whether the latest opening showed its window: it may be closed again
// while it waits for the document, before the window layer has shown it.
bool g_shown = false;

// How long an opening waits for the browser's document, and how often it looks.
constexpr DWORD kDocumentWaitMs = 5000;
constexpr unsigned kDocumentLookMs = 20;

// Attaches the page writer to the browser's document as soon as there is
// one, with the thread's messages flowing meanwhile; false when none came in
// time (the writer then holds no document) or the browser is gone.
bool AttachWhenTheDocumentIsThere(HWND browser) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (PageWriter->Attach(nullptr, browser)) return true;
    if (GetTickCount() - start >= kDocumentWaitMs || !IsWindow(browser)) return false;
    ui::PumpingWait(kDocumentLookMs);
  }
}

}  // namespace

// The form is 500 x 340 outside; the window is given that size when it is loaded.
const FormDef QvodPageWindowForm = FormDef("QvodPageWindow", "正在播放", {50, 50, 492, 306}, kControls)
                                       .Style(MinimizeBox | MaximizeBox | Sizable)
                                       .OnCreated(OnQvodWindowLoaded)
                                       .OnResized(LayoutQvodWindow);

void OnQvodWindowLoaded(Window& w, Event&) {
  const HWND hwnd = w.Hwnd();
  SetWindowPos(hwnd, nullptr, 0, 0, 500, 340, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const HWND browser = w.ControlHwnd(kQvodBrowser);
  const bool qvod = IsQvodLink(PlayUrl);
  if (qvod) w.SetCaption("正在播放 " + PlayTitle);
  // Every opening attaches anew; the window shows meanwhile, blank.
  ShowWindow(hwnd, SW_SHOW);
  g_shown = true;
  const bool attached = AttachWhenTheDocumentIsThere(browser);
  if (!IsWindow(hwnd) || !attached || !qvod) return;  // closed while waiting, or nothing to write into
  PageWriter->WritePage(QvodPageHtml(PlayUrl));
  RedrawWindow(browser, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void LayoutQvodWindow(Window& w, Event&) {
  RECT outer;
  GetWindowRect(w.Hwnd(), &outer);
  const int width = std::max(0, static_cast<int>(outer.right - outer.left) - 5);
  const int height = std::max(0, static_cast<int>(outer.bottom - outer.top) - 30);
  SetWindowPos(w.ControlHwnd(kQvodBrowser), nullptr, -1, -1, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ShowQvodPageWindow() {
  g_shown = false;
  Window::LoadModal(QvodPageWindowForm, nullptr);
  return g_shown;
}

}  // namespace player
