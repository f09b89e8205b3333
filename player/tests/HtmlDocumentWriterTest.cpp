// The page writer against test "Internet Explorer_Server" windows that hand
// out a fake document through "WM_HTML_GETOBJECT".
#include "player/HtmlDocumentWriter.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <oleacc.h>

#include "player/QvodPage.h"
#include "player/tests/support/FakeIeServer.h"
#include "ui/tests/support/ShellRecorder.h"

namespace {

using playertest::FakeDispatch;

using playertest::kIidHtmlDocument;

FakeDispatch* g_document = nullptr;  // what the answering windows hand out

LRESULT CALLBACK ServerProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  static const UINT getObject = RegisterWindowMessageW(L"WM_HTML_GETOBJECT");
  if (message == getObject && g_document && GetWindowLongPtrW(window, GWLP_USERDATA) == 0) {
    return LresultFromObject(kIidHtmlDocument, wp, g_document);
  }
  return DefWindowProcW(window, message, wp, lp);
}

class PageWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document = playertest::SetUpFakeIeServer(ServerProc);
    g_document = document;
    top = Make(L"STATIC", nullptr, WS_OVERLAPPEDWINDOW);
  }
  void TearDown() override {
    DestroyWindow(top);
    g_document = nullptr;
    document->Release();
  }
  HWND Make(const wchar_t* cls, HWND parent, DWORD style = WS_CHILD) {
    return CreateWindowExW(0, cls, L"", style, 0, 0, 100, 100, parent, nullptr, nullptr, nullptr);
  }

  FakeDispatch* document = nullptr;
  HWND top = nullptr;
};

TEST_F(PageWriterTest, FindsTheServerDepthFirst) {
  EXPECT_EQ(player::HtmlDocumentWriter::FindIeServer(top), nullptr);  // no children at all
  HWND branch = Make(L"STATIC", top);
  HWND deep = Make(L"Internet Explorer_Server", Make(L"STATIC", branch));
  HWND shallow = Make(L"Internet Explorer_Server", top);
  SetWindowPos(branch, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ASSERT_EQ(FindWindowExW(top, nullptr, nullptr, nullptr), branch);
  EXPECT_EQ(player::HtmlDocumentWriter::FindIeServer(top), deep);
  SetWindowPos(shallow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(player::HtmlDocumentWriter::FindIeServer(top), shallow);
}

TEST_F(PageWriterTest, WritesThePageThroughOpenWriteClose) {
  Make(L"Internet Explorer_Server", Make(L"STATIC", top));
  player::HtmlDocumentWriter writer;
  ASSERT_TRUE(writer.Attach(nullptr, top));
  const std::string page = player::QvodPageHtml("qvod://1|AB|电影.rmvb|");
  writer.WritePage(page);
  ASSERT_EQ(document->calls.size(), 3u);
  EXPECT_EQ(document->calls[0].member, "open");
  EXPECT_EQ(document->calls[1].member, "write");
  EXPECT_EQ(document->calls[1].args, std::vector<std::string>{page});
  EXPECT_EQ(document->calls[2].member, "Close");

  // Neither a document nor a window: false, and the document stays.
  EXPECT_FALSE(writer.Attach(nullptr, nullptr));
  writer.WritePage("x");
  EXPECT_EQ(document->calls.size(), 6u);
}

TEST_F(PageWriterTest, NoAnsweringServerMeansNothingIsWritten) {
  HWND silent = Make(L"Internet Explorer_Server", top);
  SetWindowLongPtrW(silent, GWLP_USERDATA, 1);
  player::HtmlDocumentWriter writer;
  EXPECT_FALSE(writer.Attach(nullptr, top));
  writer.WritePage("x");
  EXPECT_FALSE(writer.Attach(nullptr, Make(L"STATIC", top)));  // no server below
  EXPECT_TRUE(document->calls.empty());
}

TEST_F(PageWriterTest, AFailedAttachToAWindowDropsTheHeldDocument) {
  HWND browser = Make(L"STATIC", top);
  Make(L"Internet Explorer_Server", browser);
  player::HtmlDocumentWriter writer;
  ASSERT_TRUE(writer.Attach(nullptr, browser));
  const LONG held = document->References();
  HWND silent = Make(L"Internet Explorer_Server", top);
  SetWindowLongPtrW(silent, GWLP_USERDATA, 1);
  for (HWND without : {silent, Make(L"STATIC", top)}) {  // one that does not answer, one with no server at all
    ASSERT_TRUE(writer.Attach(nullptr, browser));
    EXPECT_FALSE(writer.Attach(nullptr, without));
    EXPECT_EQ(writer.Document(), nullptr);
    EXPECT_EQ(document->References(), held - 1);
  }
  writer.WritePage("x");
  EXPECT_TRUE(document->CallsTo("write").empty());
}

TEST_F(PageWriterTest, OpenUrlHandsOnlyWebAddressesToTheShell) {
  testsupport::ClearShellTargets();
  for (const char* refused : {"file:///C:/windows/win.ini", "javascript:alert(1)", "C:\\windows\\win.ini"})
    player::HtmlDocumentWriter::OpenUrl(refused);
  player::HtmlDocumentWriter::OpenUrl("www.qvod.example/down.html");
  EXPECT_EQ(testsupport::ShellTargets(), std::vector<std::string>{"http://www.qvod.example/down.html"});
}

}  // namespace
