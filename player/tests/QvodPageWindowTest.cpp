// The QVOD page window: its browser box is sent to "about:blank", the page is
// written once the browser's document is there, every opening attaches anew,
// and W1 follows the window's size. Wine's browser makes no document, so a
// stand-in watches the real browser's navigation and, some time after it was
// asked for "about:blank", puts a document window below it.
#include "player/QvodPageWindow.h"

#include <windows.h>
#include <exdisp.h>
#include <exdispid.h>
#include <ole2.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include "player/PlayerGlobals.h"
#include "player/QvodPage.h"
#include "player/tests/support/FakeIeServer.h"
#include "ui/ActiveXHost.h"
#include "ui/DispatchEventSink.h"
#include "ui/base/WideText.h"

namespace {

using playertest::FakeDispatch;

using playertest::kIidHtmlDocument;

FakeDispatch* g_document = nullptr;
HHOOK g_hook = nullptr;
std::vector<std::string> g_log;  // navigations and document calls, in order
bool g_documentComes = true;     // whether the stand-in makes a document after a navigation
HWND g_browserHost = nullptr;    // the "AtlAxWin" window of the latest browser box
ui::ComPtr<IConnectionPoint> g_events;
DWORD g_cookie = 0;

LRESULT CALLBACK ServerProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  static const UINT getObject = RegisterWindowMessageW(L"WM_HTML_GETOBJECT");
  if (message == getObject && g_document) return LresultFromObject(kIidHtmlDocument, wp, g_document);
  return DefWindowProcW(window, message, wp, lp);
}

// The document window appears a timer tick after the navigation: only a wait
// that lets messages flow sees it.
void CALLBACK MakeDocumentWindow(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (IsWindow(g_browserHost))
    CreateWindowExW(0, L"Internet Explorer_Server", L"", WS_CHILD, 0, 0, 10, 10, g_browserHost, nullptr, nullptr,
                    nullptr);
}

void OnBrowserEvent(DISPID id, const std::vector<VARIANT>& args) {
  if (id != DISPID_BEFORENAVIGATE2 || args.size() < 2) return;
  const VARIANT* url = (args[1].vt & VT_BYREF) ? args[1].pvarVal : &args[1];
  g_log.push_back("navigate " + (url->vt == VT_BSTR ? ui::ToGbk(url->bstrVal) : std::string("?")));
  if (g_documentComes) SetTimer(nullptr, 0, 50, MakeDocumentWindow);
}

// Listens to the navigation events of every browser box made on this thread.
LRESULT CALLBACK AfterCreate(int code, WPARAM wp, LPARAM lp) {
  const auto* msg = reinterpret_cast<const CWPRETSTRUCT*>(lp);
  wchar_t cls[32] = {};
  if (code == HC_ACTION && msg->message == WM_CREATE && GetClassNameW(msg->hwnd, cls, 32) &&
      wcscmp(cls, L"AtlAxWin") == 0) {
    g_browserHost = msg->hwnd;
    ui::ComPtr<IUnknown> browser = ui::HostedControl(msg->hwnd);
    ui::ComPtr<IConnectionPointContainer> points;
    if (browser) browser->QueryInterface(IID_IConnectionPointContainer, points.OutVoid());
    if (points && SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, g_events.Out()))) {
      ui::ComPtr<IDispatch> sink(ui::NewDispatchEventSink(DIID_DWebBrowserEvents2, OnBrowserEvent));
      g_events->Advise(sink.Get(), &g_cookie);
    }
  }
  return CallNextHookEx(g_hook, code, wp, lp);
}

class QvodPageWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document = playertest::SetUpFakeIeServer(ServerProc);
    document->answer = [](const playertest::FakeCall& call, VARIANT*) {
      g_log.push_back(call.member);
      return S_OK;
    };
    g_document = document;
    g_log.clear();
    g_documentComes = true;
    g_hook = SetWindowsHookExW(WH_CALLWNDPROCRET, AfterCreate, nullptr, GetCurrentThreadId());
    player::InitPlayerGlobals();
  }
  void TearDown() override {
    UnhookWindowsHookEx(g_hook);
    if (g_events) g_events->Unadvise(g_cookie);
    g_events.Reset();
    player::FreePlayerGlobals();
    g_document = nullptr;
    document->Release();
  }
  FakeDispatch* document = nullptr;
};

TEST_F(QvodPageWindowTest, AsksForABlankPageAndWritesOnceItsDocumentIsThere) {
  player::PlayTitle = "片名";
  player::PlayUrl = "qvod://1|A|x\" onerror=\"alert(1)|";
  ui::Window* w = ui::Window::Load(player::QvodPageWindowForm);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Caption(), "正在播放 片名");
  const std::vector<std::string> expected = {"navigate about:blank", "open", "write", "Close"};
  EXPECT_EQ(g_log, expected);
  const std::vector<playertest::FakeCall> writes = document->CallsTo("write");
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(writes[0].args, std::vector<std::string>{player::QvodPageHtml(player::PlayUrl)});
  EXPECT_NE(writes[0].args[0].find("x&quot; onerror=&quot;alert(1)|"), std::string::npos);
  EXPECT_EQ(player::PageWriter->Document(), static_cast<IDispatch*>(document));

  const HWND browser = w->ControlHwnd("W1");
  RECT r;
  GetWindowRect(w->Hwnd(), &r);
  EXPECT_EQ(r.right - r.left, 500);
  EXPECT_EQ(r.bottom - r.top, 340);
  SetWindowPos(w->Hwnd(), nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRect(browser, &r);
  EXPECT_EQ(r.right - r.left, 295);
  EXPECT_EQ(r.bottom - r.top, 120);
  POINT corner = {r.left, r.top};
  ScreenToClient(w->Hwnd(), &corner);
  EXPECT_EQ(corner.x, -1);
  EXPECT_EQ(corner.y, -1);
  DestroyWindow(w->Hwnd());
}

TEST_F(QvodPageWindowTest, ASecondOpeningWithoutADocumentWritesNothingAndHoldsNone) {
  player::PlayUrl = "qvod://1|A|first.rmvb|";
  ui::Window* first = ui::Window::Load(player::QvodPageWindowForm);
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(document->CallsTo("write").size(), 1u);
  DestroyWindow(first->Hwnd());

  // The old document's window is gone, and the new browser never makes one.
  g_log.clear();
  g_documentComes = false;
  player::PlayUrl = "qvod://1|B|second.rmvb|";
  ui::Window* second = ui::Window::Load(player::QvodPageWindowForm);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(g_log, std::vector<std::string>{"navigate about:blank"}) << "nothing written into the old document";
  EXPECT_EQ(player::PageWriter->Document(), nullptr);
  DestroyWindow(second->Hwnd());
}

}  // namespace
