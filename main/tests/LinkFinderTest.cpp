// The link finder against a test page window: a window of the Internet Explorer class whose fake document answers by name.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "main/Globals.h"
#include "main/LinkFinder.h"
#include "main/ParseWindow.h"
#include "main/Resource.h"
#include "ui/App.h"
#include "ui/DispatchCall.h"
#include "ui/GdiHandles.h"
#include "ui/PictureBox.h"
#include "ui/base/tests/support/Pump.h"

namespace {

const IID kIidHtmlDocument = {0x626FC520, 0xA41E, 0x11CF, {0xA7, 0x31, 0x00, 0xA0, 0xC9, 0x08, 0x26, 0x37}};

// An IDispatch object whose members are names; Invoke hands the member's
// index, the flags and the arguments (in written order) to a function.
class FakeObject : public IDispatch {
 public:
  using Member = std::function<HRESULT(DISPID, WORD, const std::vector<VARIANT>&, VARIANT*)>;
  FakeObject(std::vector<std::wstring> names, Member member) : names_(std::move(names)), member_(std::move(member)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kIidHtmlDocument) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives on the test's stack
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    for (size_t i = 0; i < names_.size(); ++i)
      if (count == 1 && names_[i] == names[0]) {
        *ids = static_cast<DISPID>(i + 1);
        return S_OK;
      }
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                   UINT*) override {
    std::vector<VARIANT> args(params->rgvarg, params->rgvarg + params->cArgs);
    std::reverse(args.begin(), args.end());
    return member_(id, flags, args, result);
  }
  ULONG refs() const { return refs_; }

 private:
  std::vector<std::wstring> names_;
  Member member_;
  ULONG refs_ = 1;
};

HRESULT Text(VARIANT* result, const wchar_t* text) {
  if (!result) return E_INVALIDARG;
  result->vt = VT_BSTR;
  result->bstrVal = SysAllocString(text);
  return S_OK;
}

// A page: its element HTML, the point asked for, and a window that hands the
// document out as a page of the engine does.
struct TestPage {
  std::wstring elementHtml;
  int askedX = -1, askedY = -1;
  std::function<void()> whileAskedForTheUrl;  // what else happens while the page answers
  FakeObject element{{L"outerHTML"}, [this](DISPID, WORD flags, const std::vector<VARIANT>&, VARIANT* r) {
                       return (flags & DISPATCH_PROPERTYGET) ? Text(r, elementHtml.c_str()) : DISP_E_MEMBERNOTFOUND;
                     }};
  FakeObject document{{L"url", L"title", L"elementFromPoint"},
                      [this](DISPID id, WORD flags, const std::vector<VARIANT>& args, VARIANT* r) -> HRESULT {
                        if (id == 1 && whileAskedForTheUrl) whileAskedForTheUrl();
                        if (id == 1) return Text(r, L"http://v.example.cn/show/42.html");
                        if (id == 2) return Text(r, L"第四十二集 预告");
                        if (!(flags & DISPATCH_METHOD) || args.size() != 2) return DISP_E_MEMBERNOTFOUND;
                        askedX = args[0].lVal;
                        askedY = args[1].lVal;
                        r->vt = VT_DISPATCH;
                        r->pdispVal = &element;
                        element.AddRef();
                        return S_OK;
                      }};
};

TestPage* CurrentPage = nullptr;

LRESULT CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  static const UINT getObject = RegisterWindowMessageW(L"WM_HTML_GETOBJECT");
  if (msg == getObject && CurrentPage) return LresultFromObject(IID_IDispatch, wp, &CurrentPage->document);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

class LinkFinderTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    OleInitialize(nullptr);
    WNDCLASSW page = {};
    page.lpfnWndProc = PageProc;
    page.hInstance = GetModuleHandleW(nullptr);
    page.lpszClassName = kIeServerClass;
    RegisterClassW(&page);
    WNDCLASSW plain = {};  // answers hit tests, unlike a static control
    plain.lpfnWndProc = DefWindowProcW;
    plain.hInstance = GetModuleHandleW(nullptr);
    plain.lpszClassName = L"TestPanel";
    RegisterClassW(&plain);
  }

  void SetUp() override {
    // A frame at (100, 100); inside it a page at (20, 30) of its client area,
    // under a larger panel that lies on top of it in the z-order.
    frame_ = CreateWindowExW(0, L"TestPanel", L"frame", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr,
                             nullptr, nullptr);
    page_ = CreateWindowExW(0, kIeServerClass, L"", WS_CHILD | WS_VISIBLE, 20, 30, 300, 200, frame_, nullptr, nullptr,
                            nullptr);
    panel_ =
        CreateWindowExW(0, L"TestPanel", L"", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, frame_, nullptr, nullptr, nullptr);
    SetWindowPos(panel_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CurrentPage = &page;
  }
  void TearDown() override {
    LinkDocument.Reset();  // the finder's hold on the page's document
    CurrentPage = nullptr;
    DestroyWindow(frame_);
  }

  TestPage page;
  HWND frame_ = nullptr, page_ = nullptr, panel_ = nullptr;
};

TEST_F(LinkFinderTest, SmallestSiblingUnderThePointIsThePage) {
  EXPECT_EQ(SmallestWindowAt(POINT{100 + 50, 100 + 60}), page_);
  EXPECT_EQ(SmallestWindowAt(POINT{100 + 380, 100 + 280}), panel_);  // outside the page
}

TEST_F(LinkFinderTest, LinkUnderThePointGivesItsAddressAndTitle) {
  page.elementHtml = L"<A title=\"第一集 高清\" href='http://v.example.cn/1.html' target=_blank>1</A>";
  ui::ComPtr<IDispatch> document;
  FinderHit hit = FindPageAt(POINT{100 + 20 + 7, 100 + 30 + 11}, document);
  ASSERT_TRUE(hit.overPage);
  ASSERT_TRUE(document);
  EXPECT_EQ(page.askedX, 7);  // relative to the page window's top-left corner, in written order
  EXPECT_EQ(page.askedY, 11);
  EXPECT_EQ(hit.pick.address, "http://v.example.cn/1.html");
  EXPECT_EQ(hit.pick.title, "第一集");
}

TEST_F(LinkFinderTest, PageWithoutLinkGivesTheDocumentsAddressAndTitle) {
  page.elementHtml = L"<DIV class=player>x</DIV>";
  ui::ComPtr<IDispatch> document;
  FinderHit hit = FindPageAt(POINT{100 + 60, 100 + 60}, document);
  ASSERT_TRUE(hit.overPage);
  EXPECT_EQ(hit.pick.address, "http://v.example.cn/show/42.html");
  EXPECT_EQ(hit.pick.title, "第四十二集 预告");
  document.Reset();
  EXPECT_EQ(page.element.refs(), 1u);  // every reference taken was given back
  EXPECT_EQ(page.document.refs(), 1u);
}

TEST_F(LinkFinderTest, OtherWindowsAndSilentPagesGiveNothing) {
  page.elementHtml = L"<DIV>x</DIV>";
  ui::ComPtr<IDispatch> document;
  FindPageAt(POINT{100 + 60, 100 + 60}, document);
  ASSERT_TRUE(document);
  EXPECT_FALSE(FindPageAt(POINT{100 + 380, 100 + 280}, document).overPage);
  EXPECT_TRUE(document);  // kept until the next page
  CurrentPage = nullptr;  // the page no longer answers
  FinderHit hit = FindPageAt(POINT{100 + 60, 100 + 60}, document);
  EXPECT_TRUE(hit.overPage);
  EXPECT_FALSE(document);
  EXPECT_EQ(hit.pick.address, "");
  EXPECT_EQ(hit.pick.title, "");
}

// The new-task window's finder picture pressed, dragged over the page and
// released, with the messages a captured mouse gives.
TEST_F(LinkFinderTest, DragFromTheFinderPictureFillsAddressAndTitle) {
  ASSERT_TRUE(ui::InitWindowLayer());
  ui::Window* w = ui::Window::Load(ParseWindowForm);
  ASSERT_NE(w, nullptr);
  SetWindowPos(w->Hwnd(), nullptr, 560, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // beside the page's frame
  const ui::PictureBox picture = w->Get<ui::PictureBox>("图片框_拖动图标");
  const HWND box = picture.Hwnd();
  const HCURSOR finder = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_FINDER));
  auto moveTo = [&](POINT screen) {
    SetCursorPos(screen.x, screen.y);
    POINT client = screen;
    ScreenToClient(box, &client);
    SendMessageW(box, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
  };
  PageTitle.Set("");
  ASSERT_TRUE(picture.HasPicture());

  SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(16, 16));
  EXPECT_EQ(GetCapture(), box);
  EXPECT_EQ(GetCursor(), finder);
  EXPECT_FALSE(picture.HasPicture());

  page.elementHtml = L"<DIV class=player>x</DIV>";
  moveTo(POINT{100 + 60, 100 + 60});
  EXPECT_EQ(w->Get<ui::Control>("Url编辑框").Text(), "http://v.example.cn/show/42.html");
  EXPECT_EQ(PageTitle.Get(), "第四十二集 预告");

  page.elementHtml = L"<A title=\"第一集 高清\" href='http://v.example.cn/1.html' target=_blank>1</A>";
  moveTo(POINT{100 + 20 + 7, 100 + 30 + 11});
  EXPECT_EQ(GetCursor(), finder);
  SendMessageW(box, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(w->Get<ui::Control>("Url编辑框").Text(), "http://v.example.cn/1.html");
  EXPECT_EQ(w->Get<ui::Control>("Url标题").Text(), "第一集");
  EXPECT_EQ(PageTitle.Get(), "第一集");
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_NE(GetCursor(), finder);
  EXPECT_TRUE(picture.HasPicture());

  // A move after the release changes nothing.
  moveTo(POINT{100 + 60, 100 + 60});
  EXPECT_EQ(w->Get<ui::Control>("Url编辑框").Text(), "http://v.example.cn/1.html");
  DestroyWindow(w->Hwnd());
  testsupport::DropQuit();
}

// The page answers from another program while the window thread takes sent
// messages: a parse's result among them closes the new-task window. The move
// then writes to no window, the next one included, and takes no title.
TEST_F(LinkFinderTest, AWindowClosedWhileThePageAnswersIsLeftAlone) {
  ASSERT_TRUE(ui::InitWindowLayer());
  ui::Window* w = ui::Window::Load(ParseWindowForm);
  ASSERT_NE(w, nullptr);
  SetWindowPos(w->Hwnd(), nullptr, 560, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // beside the page's frame
  const HWND box = w->Get<ui::PictureBox>("图片框_拖动图标").Hwnd();
  SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(16, 16));
  ui::Window* next = nullptr;
  page.whileAskedForTheUrl = [&] {
    DestroyWindow(w->Hwnd());
    next = ui::Window::Load(ParseWindowForm);
  };
  PageTitle.Set("上一集");
  SetCursorPos(100 + 60, 100 + 60);
  SendMessageW(box, WM_MOUSEMOVE, MK_LBUTTON, 0);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->Get<ui::Control>("Url编辑框").Text(), "");
  EXPECT_EQ(next->Get<ui::Control>("Url标题").Text(), "");
  EXPECT_EQ(PageTitle.Get(), "上一集");
  DestroyWindow(next->Hwnd());
  testsupport::DropQuit();
}

TEST(FinderCursor, IsA32PixelCursorWithItsHotSpotAt15) {
  HCURSOR cursor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_FINDER));
  ASSERT_TRUE(cursor);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  const ui::OwnedBitmap colour(info.hbmColor), mask(info.hbmMask);  // the caller's to free
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 15u);
  EXPECT_EQ(info.yHotspot, 15u);
  BITMAP maskBits = {};
  GetObjectW(mask.Get(), sizeof maskBits, &maskBits);
  EXPECT_EQ(maskBits.bmWidth, 32);
}

}  // namespace
