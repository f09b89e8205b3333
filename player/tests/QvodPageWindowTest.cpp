// The QVOD page window: finds the browser's "Internet Explorer_Server" window
// below W1, writes the page for the link into its document, and keeps W1
// sized to the window.
#include "player/QvodPageWindow.h"

#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include "player/PlayerGlobals.h"
#include "player/QvodPage.h"
#include "player/tests/support/FakeDispatch.h"

namespace {

using playertest::FakeDispatch;

constexpr IID kIidHtmlDocument = {0x626FC520, 0xA41E, 0x11CF, {0xA7, 0x31, 0x00, 0xA0, 0xC9, 0x08, 0x26, 0x37}};

FakeDispatch* g_document = nullptr;
HHOOK g_hook = nullptr;

LRESULT CALLBACK ServerProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  static const UINT getObject = RegisterWindowMessageW(L"WM_HTML_GETOBJECT");
  if (message == getObject && g_document) return LresultFromObject(kIidHtmlDocument, wp, g_document);
  return DefWindowProcW(window, message, wp, lp);
}

// Gives every browser host window made on this thread a document window two levels down.
LRESULT CALLBACK AfterCreate(int code, WPARAM wp, LPARAM lp) {
  const auto* msg = reinterpret_cast<const CWPRETSTRUCT*>(lp);
  wchar_t cls[32] = {};
  if (code == HC_ACTION && msg->message == WM_CREATE && GetClassNameW(msg->hwnd, cls, 32) &&
      wcscmp(cls, L"AtlAxWin") == 0) {
    HWND view = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, msg->hwnd, nullptr, nullptr, nullptr);
    CreateWindowExW(0, L"Internet Explorer_Server", L"", WS_CHILD, 0, 0, 10, 10, view, nullptr, nullptr, nullptr);
  }
  return CallNextHookEx(g_hook, code, wp, lp);
}

class QvodPageWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = ServerProc;
    wc.lpszClassName = L"Internet Explorer_Server";
    RegisterClassW(&wc);
    document = FakeDispatch::Create(
        {{L"open", DISPATCH_METHOD, 0}, {L"write", DISPATCH_METHOD, 1}, {L"Close", DISPATCH_METHOD, 0}});
    document->extraInterface = kIidHtmlDocument;
    g_document = document;
    g_hook = SetWindowsHookExW(WH_CALLWNDPROCRET, AfterCreate, nullptr, GetCurrentThreadId());
    player::InitPlayerGlobals();
  }
  void TearDown() override {
    UnhookWindowsHookEx(g_hook);
    player::FreePlayerGlobals();
    g_document = nullptr;
    document->Release();
  }
  FakeDispatch* document = nullptr;
};

TEST_F(QvodPageWindowTest, WritesTheEscapedPageIntoTheBrowsersDocumentAndFollowsTheWindowSize) {
  player::PlayTitle = "片名";
  player::PlayUrl = "qvod://1|A|x\" onerror=\"alert(1)|";
  ui::Window* w = ui::Window::Load(player::QvodPageWindowForm);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Caption(), "正在播放 片名");
  ASSERT_EQ(document->calls.size(), 3u);
  EXPECT_EQ(document->calls[0].member, "open");
  EXPECT_EQ(document->calls[1].member, "write");
  EXPECT_EQ(document->calls[1].args, std::vector<std::string>{player::QvodPageHtml(player::PlayUrl)});
  EXPECT_NE(document->calls[1].args[0].find("x&quot; onerror=&quot;alert(1)|"), std::string::npos);
  EXPECT_EQ(document->calls[2].member, "Close");

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

}  // namespace
