// Which windows the skin takes and how it keeps them: kinds, the saved
// procedure, the list view's header, the bar's text block and the skin object.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "skin/CrystalButton.h"
#include "skin/CrystalProgressBar.h"
#include "skin/SkinEngine.h"
#include "skin/TextProperty.h"
#include "skin/tests/SkinTestSupport.h"

namespace {

using skin::ReadIntProperty;

WNDPROC ProcOf(HWND w) { return (WNDPROC)GetWindowLongPtrW(w, GWLP_WNDPROC); }
bool HasRegion(HWND w) {
  const ui::OwnedRegion r(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(w, r.Get()) != ERROR;
}

class SkinBehaviourTest : public testing::Test {
 protected:
  void SetUp() override { host_ = skintest::MakeHost(); }
  void TearDown() override { DestroyWindow(host_); }
  HWND Button(DWORD style) { return skintest::MakeChild(host_, L"Button", style, 10, 10, 80, 24, L"按钮"); }
  HWND host_ = nullptr;
};

TEST_F(SkinBehaviourTest, ButtonsAreSkinnedOrRefusedByStyle) {
  for (DWORD style :
       {BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_AUTOCHECKBOX | BS_PUSHLIKE, BS_AUTORADIOBUTTON | BS_PUSHLIKE}) {
    HWND b = Button(style);
    EXPECT_TRUE(skin::SkinWindow(b)) << style;
    EXPECT_EQ(ProcOf(b), ui::SubclassProc<skin::ButtonSkin>) << style;
    EXPECT_EQ(ReadIntProperty(b, skin::kPropType), 2) << style;
  }
  // Refused buttons keep their own procedure but have the rounded region.
  for (DWORD style : {BS_AUTOCHECKBOX, BS_GROUPBOX, BS_OWNERDRAW, BS_AUTORADIOBUTTON}) {
    HWND b = Button(style);
    const WNDPROC own = ProcOf(b);
    EXPECT_FALSE(skin::SkinWindow(b, 3)) << style;
    EXPECT_EQ(ProcOf(b), own) << style;
    EXPECT_TRUE(HasRegion(b)) << style;
    EXPECT_EQ(GetPropW(b, skin::kPropProc), nullptr) << style;
    EXPECT_EQ(ReadIntProperty(b, skin::kPropColourStyle), 0) << style;
  }
  HWND edit = skintest::MakeChild(host_, L"Edit", 0, 10, 40, 80, 20);
  EXPECT_FALSE(skin::SkinWindow(edit, 3));
  EXPECT_FALSE(HasRegion(edit));
  EXPECT_EQ(GetPropW(edit, skin::kPropType), nullptr);
}

// The rounded region follows the button's size: after a resize its corners
// are cut at the new edges and the whole new face lies inside it.
TEST_F(SkinBehaviourTest, ButtonIsRoundedAgainForItsNewSize) {
  HWND b = Button(BS_PUSHBUTTON);
  ASSERT_TRUE(skin::SkinWindow(b));
  SetWindowPos(b, nullptr, 0, 0, 120, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const ui::OwnedRegion owned(CreateRectRgn(0, 0, 0, 0));
  const HRGN region = owned.Get();
  ASSERT_NE(GetWindowRgn(b, region), ERROR);
  for (auto [x, y] : {std::pair{60, 20}, {118, 20}, {60, 38}, {2, 2}, {117, 37}})
    EXPECT_TRUE(PtInRegion(region, x, y)) << x << "," << y << " lies outside";
  for (auto [x, y] : {std::pair{0, 0}, {119, 0}, {0, 39}, {119, 39}})
    EXPECT_FALSE(PtInRegion(region, x, y)) << x << "," << y << " is a corner";
}

TEST_F(SkinBehaviourTest, ProgressBarGetsRoundCornersAndASecondCallKeepsTheSavedProcedure) {
  HWND bar = skintest::MakeChild(host_, PROGRESS_CLASSW, 0, 10, 10, 200, 20);
  const WNDPROC own = ProcOf(bar);
  ASSERT_TRUE(skin::SkinWindow(bar));
  EXPECT_EQ(ProcOf(bar), ui::SubclassProc<skin::ProgressSkin>);
  EXPECT_EQ((WNDPROC)GetPropW(bar, skin::kPropProc), own);
  EXPECT_EQ(ReadIntProperty(bar, skin::kPropType), 1);
  const ui::OwnedRegion owned(CreateRectRgn(0, 0, 0, 0));
  const HRGN region = owned.Get();
  ASSERT_NE(GetWindowRgn(bar, region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 199, 19));
  EXPECT_TRUE(PtInRegion(region, 2, 2));
  EXPECT_TRUE(PtInRegion(region, 100, 0));

  ASSERT_TRUE(skin::SkinWindow(bar, 3));
  EXPECT_EQ((WNDPROC)GetPropW(bar, skin::kPropProc), own);
  EXPECT_EQ(ProcOf(bar), ui::SubclassProc<skin::ProgressSkin>);
  EXPECT_EQ(ReadIntProperty(bar, skin::kPropColourStyle), 3);
  ASSERT_TRUE(skin::SkinWindow(bar, 0));
  EXPECT_EQ(ReadIntProperty(bar, skin::kPropColourStyle), 3);
  // The bar still works through its own procedure.
  SendMessageW(bar, PBM_SETPOS, 42, 0);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 42);
}

// The header is skinned in the report and list views (style bit 0 set), not
// in the icon views. Every list view here gets a column, so that each has a
// header window, whichever view it shows.
TEST_F(SkinBehaviourTest, HeaderIsSkinnedOnlyInReportAndListView) {
  const struct {
    DWORD view;
    bool skinned;
  } views[] = {{LVS_REPORT, true}, {LVS_LIST, true}, {LVS_ICON, false}, {LVS_SMALLICON, false}};
  int y = 10;
  for (const auto& v : views) {
    HWND list = skintest::MakeChild(host_, WC_LISTVIEWW, v.view, 10, y, 200, 50);
    y += 55;
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 60;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, (LPARAM)&column);
    HWND header = (HWND)SendMessageW(list, LVM_GETHEADER, 0, 0);
    ASSERT_TRUE(header) << "view " << v.view << " has no header to look at";
    const WNDPROC own = ProcOf(header);
    ASSERT_TRUE(skin::SkinWindow(list));
    EXPECT_EQ(ReadIntProperty(list, skin::kPropType), 5);
    if (v.skinned) {
      EXPECT_EQ(ProcOf(header), ui::SubclassProc<skin::HeaderSkin>) << v.view;
      EXPECT_EQ((WNDPROC)GetPropW(header, skin::kPropProc), own) << v.view;
      EXPECT_EQ(GetPropW(header, skin::kPropType), nullptr) << v.view;
    } else {
      EXPECT_EQ(ProcOf(header), own) << v.view;
      EXPECT_EQ(GetPropW(header, skin::kPropProc), nullptr) << v.view;
    }
  }
  HWND combo = skintest::MakeChild(host_, L"ComboBox", CBS_DROPDOWN, 250, 10, 100, 100);
  EXPECT_TRUE(skin::SkinWindow(combo));
  EXPECT_EQ(ReadIntProperty(combo, skin::kPropType), 3);
}

// Runs before the skin's procedure hands WM_DESTROY on: is the text block gone?
std::atomic<int> g_textAtDestroy{-1};
WNDPROC g_barProc = nullptr;
LRESULT CALLBACK WatchDestroy(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) g_textAtDestroy = GetPropW(w, skin::kPropTextContent) != nullptr;
  return CallWindowProcW(g_barProc, w, msg, wp, lp);
}

TEST_F(SkinBehaviourTest, TextBlockIsFreedWhenTheBarIsDestroyed) {
  HWND bar = skintest::MakeChild(host_, PROGRESS_CLASSW, 0, 10, 10, 200, 20);
  g_barProc = (WNDPROC)SetWindowLongPtrW(bar, GWLP_WNDPROC, (LONG_PTR)WatchDestroy);
  skin::CrystalProgressBar object;
  ASSERT_TRUE(object.Attach(bar));
  object.SetText(1, "本视频共有 3 个文件");
  ASSERT_NE(GetPropW(bar, skin::kPropTextContent), nullptr);
  EXPECT_EQ(skin::ReadTextProperty(bar, skin::kPropTextContent), "本视频共有 3 个文件");
  DestroyWindow(bar);
  EXPECT_EQ(g_textAtDestroy, 0);
  EXPECT_FALSE(object.Exists());
}

TEST_F(SkinBehaviourTest, TextStaysWhenTheNewOneCannotBeStored) {
  HWND bar = skintest::MakeChild(host_, PROGRESS_CLASSW, 0, 10, 10, 200, 20);
  ASSERT_TRUE(skin::StoreTextProperty(bar, skin::kPropTextContent, "正在下载 [a.flv]"));
  const HANDLE block = GetPropW(bar, skin::kPropTextContent);
  ASSERT_TRUE(skin::StoreTextProperty(bar, skin::kPropTextContent, "短"));
  EXPECT_EQ(GetPropW(bar, skin::kPropTextContent), block);
  EXPECT_FALSE(skin::StoreTextProperty(bar, skin::kPropTextContent, std::string(skin::kMaxTextPropertyBytes + 1, 'x')));
  EXPECT_EQ(skin::ReadTextProperty(bar, skin::kPropTextContent), "短");
  EXPECT_EQ(skin::ReadTextProperty(host_, skin::kPropTextContent), "");
}

TEST_F(SkinBehaviourTest, WorkerSetsTheTextWhileTheWindowThreadPaints) {
  skin::CrystalProgressBar bar;
  ASSERT_TRUE(bar.Create(host_, 10, 10, 300, 20));
  bar.SetColourStyle(4);
  std::atomic<bool> done{false};
  std::thread worker([&] {
    for (int i = 0; i < 300; ++i) bar.SetText(5, i % 2 ? "正在下载 [一个很长很长的文件名称.flv]， 已完成： " : "短");
    done = true;
  });
  // The worker's paints ask this thread for the range and position.
  while (!done) {
    InvalidateRect(bar.Handle(), nullptr, FALSE);
    skintest::PumpMessages(1);
  }
  worker.join();
  EXPECT_EQ(skin::ReadTextProperty(bar.Handle(), skin::kPropTextContent),
            "正在下载 [一个很长很长的文件名称.flv]， 已完成： ");
}

TEST_F(SkinBehaviourTest, ProgressBarObjectAttachCreateAndWindowOperations) {
  HWND edged = skintest::MakeChild(host_, PROGRESS_CLASSW, 0, 10, 10, 200, 20, L"", WS_EX_CLIENTEDGE);
  skin::CrystalProgressBar bar;
  EXPECT_FALSE(bar.Attach(Button(BS_PUSHBUTTON)));
  EXPECT_EQ(bar.Handle(), nullptr);
  ASSERT_TRUE(bar.Attach(edged));
  EXPECT_EQ(GetWindowLongW(edged, GWL_EXSTYLE), 0);
  EXPECT_EQ(ReadIntProperty(edged, skin::kPropType), 1);
  EXPECT_EQ(bar.GetColourStyle(), 1);
  EXPECT_FALSE(bar.Attach(skintest::MakeChild(host_, PROGRESS_CLASSW, 0, 10, 40, 200, 20)));
  EXPECT_EQ(bar.Create(host_, 0, 0, 50, 10), edged);
  bar.SetColourStyle(9);
  EXPECT_EQ(ReadIntProperty(edged, skin::kPropColourStyle), 9);
  EXPECT_EQ(bar.GetColourStyle(), 1);

  bar.SetRange(0, 70000);
  EXPECT_EQ(bar.RangeLow(), 0);
  EXPECT_EQ(bar.RangeHigh(), 70000 & 0xFFFF);
  bar.SetRange(0, 1000);
  EXPECT_EQ(bar.SetPos(300), 0);
  EXPECT_EQ(bar.GetPos(), 300);

  bar.Move({}, {}, 300);
  RECT r;
  GetWindowRect(edged, &r);
  MapWindowPoints(nullptr, host_, (POINT*)&r, 2);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 10);
  EXPECT_EQ(bar.Width(), 300);
  EXPECT_EQ(bar.Height(), 20);
  bar.Move(40, {}, {}, 30);
  GetWindowRect(edged, &r);
  MapWindowPoints(nullptr, host_, (POINT*)&r, 2);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 10);
  int w = 0, h = 0;
  bar.GetSize(w, h);
  EXPECT_EQ(w, 300);
  EXPECT_EQ(h, 30);

  auto copy = bar.Copy();
  EXPECT_EQ(copy->Handle(), edged);
  copy.reset();
  EXPECT_TRUE(bar.Exists());

  DestroyWindow(edged);
  EXPECT_FALSE(bar.Exists());
  EXPECT_EQ(bar.GetColourStyle(), 1);
  skin::CrystalProgressBar orphan;
  EXPECT_EQ(orphan.Create((HWND)0x1234, 0, 0, 10, 10), nullptr);
  HWND made = bar.Create(host_, 5, 5, 100, 20);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(ProcOf(made), ui::SubclassProc<skin::ProgressSkin>);
  wchar_t text[32] = {};
  GetWindowTextW(made, text, 32);
  EXPECT_STREQ(text, L"水晶进度条");
}

// The host's clicks, counted by a procedure put in front of the host's own.
std::atomic<int> g_clicks{0};
WNDPROC g_hostProc = nullptr;
LRESULT CALLBACK CountClicks(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) ++g_clicks;
  return CallWindowProcW(g_hostProc, w, msg, wp, lp);
}

TEST_F(SkinBehaviourTest, ButtonObjectAdoptsOnlyButtonsSkinsThemFirstAndKeepsTheRawStyle) {
  skin::CrystalButton button;
  EXPECT_FALSE(button.Attach(skintest::MakeChild(host_, L"Static", 0, 10, 10, 80, 20)));
  EXPECT_FALSE(button.Attach(skintest::MakeChild(host_, L"Edit", 0, 10, 40, 80, 20)));
  EXPECT_EQ(button.Handle(), nullptr);

  HWND b = Button(BS_DEFPUSHBUTTON);
  ASSERT_TRUE(button.Attach(b));
  // Skinned while it was a push button, owner-drawn afterwards: 1 OR 11.
  EXPECT_EQ(ProcOf(b), ui::SubclassProc<skin::ButtonSkin>);
  EXPECT_EQ(GetWindowLongW(b, GWL_STYLE) & 31, BS_OWNERDRAW);
  EXPECT_EQ(button.GetColourStyle(), 0);
  EXPECT_FALSE(button.Attach(Button(BS_PUSHBUTTON)));
  EXPECT_EQ(button.Handle(), b);

  // A new style is painted at once, without waiting for WM_PAINT.
  button.SetColourStyle(1);
  const COLORREF before = skintest::ReadWindowDc(b).At(40, 6);
  button.SetColourStyle(2);
  EXPECT_EQ(button.GetColourStyle(), 2);
  const COLORREF after = skintest::ReadWindowDc(b).At(40, 6);
  EXPECT_NE(before, after) << skintest::Describe(before);
  button.SetColourStyle(9);
  EXPECT_EQ(button.GetColourStyle(), 9);

  // Still a button to its parent.
  g_hostProc = (WNDPROC)SetWindowLongPtrW(host_, GWLP_WNDPROC, (LONG_PTR)CountClicks);
  g_clicks = 0;
  SendMessageW(b, BM_CLICK, 0, 0);
  EXPECT_EQ(g_clicks, 1);
}

TEST_F(SkinBehaviourTest, ButtonObjectCreatesASkinnedOwnerDrawnButtonOnce) {
  skin::CrystalButton orphan;
  EXPECT_EQ(orphan.Create((HWND)0x1234, "按钮", 0, 0, 10, 10), nullptr);
  skin::CrystalButton button;
  HWND made = button.Create(host_, "立即更新", 10, 10, 64, 20);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(ProcOf(made), ui::SubclassProc<skin::ButtonSkin>);
  EXPECT_EQ(GetWindowLongW(made, GWL_STYLE) & 31, BS_OWNERDRAW);
  wchar_t text[32] = {};
  GetWindowTextW(made, text, 32);
  EXPECT_STREQ(text, L"立即更新");
  EXPECT_EQ(button.Create(host_, "另一个", 0, 40, 64, 20), made);
  auto copy = button.Copy();
  EXPECT_EQ(copy->Handle(), made);
  copy.reset();
  DestroyWindow(made);
  EXPECT_FALSE(button.Exists());
  EXPECT_NE(button.Create(host_, "又一个", 0, 40, 64, 20), nullptr);
}

}  // namespace
