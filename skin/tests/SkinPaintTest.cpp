// Pictures of the skinned kinds, painted into memory bitmaps and compared with
// the colours of the seven styles as RGB values.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skin/ButtonSkin.h"
#include "skin/CrystalProgressBar.h"
#include "skin/KindPainters.h"
#include "skin/ProgressSkin.h"
#include "skin/SkinEngine.h"
#include "skin/tests/SkinTestSupport.h"
#include "ui/base/tests/support/Pump.h"

namespace {

using skintest::Describe;
using skintest::Near;
using skintest::Picture;

struct Rgb {
  int r, g, b;
};
// Per style: light 1, 2, 3; deep 1, 2, 3; frame; text.
struct StyleRow {
  Rgb light1, light2, light3, deep1, deep2, deep3, frame, text;
};
// clang-format off
const StyleRow kRows[7] = {
    {{251, 250, 255}, {234, 248, 255}, {201, 228, 237}, {212, 242, 250}, {82, 214, 252}, {60, 109, 237}, {26, 138, 214}, {0, 0, 102}},
    {{247, 239, 239}, {235, 214, 214}, {226, 182, 182}, {249, 205, 205}, {240, 142, 142}, {203, 57, 57}, {204, 62, 62}, {251, 3, 4}},
    {{247, 239, 245}, {235, 214, 233}, {227, 185, 223}, {250, 214, 247}, {240, 142, 232}, {203, 57, 190}, {204, 62, 192}, {102, 0, 255}},
    {{236, 245, 237}, {214, 235, 216}, {182, 226, 186}, {214, 250, 217}, {142, 240, 150}, {57, 203, 70}, {62, 204, 74}, {0, 102, 0}},
    {{247, 244, 239}, {235, 229, 214}, {226, 215, 182}, {250, 241, 214}, {240, 216, 142}, {203, 166, 57}, {204, 168, 62}, {255, 102, 0}},
    {{244, 244, 244}, {226, 226, 226}, {208, 208, 208}, {223, 223, 223}, {200, 200, 200}, {143, 143, 143}, {145, 145, 145}, {0, 0, 0}},
    {{244, 244, 244}, {226, 226, 226}, {208, 208, 208}, {102, 102, 102}, {57, 57, 57}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
};
// clang-format on

#define EXPECT_NEAR_RGB(pic, x, y, rgb, tol)                                                                     \
  EXPECT_TRUE(Near((pic).At(x, y), (rgb).r, (rgb).g, (rgb).b, tol))                                              \
      << "at (" << (x) << ", " << (y) << ") got " << Describe((pic).At(x, y)) << ", expected " << (rgb).r << " " \
      << (rgb).g << " " << (rgb).b

class SkinPaintTest : public testing::Test {
 protected:
  void SetUp() override { host_ = skintest::MakeHost(); }
  void TearDown() override { DestroyWindow(host_); }

  // A skinned bar of range 0-1000 at `position` in colour style `style`.
  HWND Bar(int w, int h, int position, int style, DWORD extra = 0) {
    HWND bar = skintest::MakeChild(host_, PROGRESS_CLASSW, extra, 5, 5, w, h);
    skin::SkinWindow(bar, style);
    SendMessageW(bar, PBM_SETRANGE32, 0, 1000);
    SendMessageW(bar, PBM_SETPOS, position, 0);
    return bar;
  }
  static Picture PaintBar(HWND bar) { return skintest::PaintInto(bar, skin::PaintProgressBar); }

  HWND host_ = nullptr;
};

TEST_F(SkinPaintTest, BarBandsAndFrameInEachStyle) {
  for (int style = 1; style <= 7; ++style) {
    SCOPED_TRACE("style " + std::to_string(style));
    const StyleRow& c = kRows[style - 1];
    Picture p = PaintBar(Bar(200, 40, 500, style));
    // The lower bands start at h / 2 in colour 3; the fill ends at x = 100.
    EXPECT_NEAR_RGB(p, 50, 20, c.deep3, 1);
    EXPECT_NEAR_RGB(p, 99, 20, c.deep3, 1);
    EXPECT_NEAR_RGB(p, 100, 20, c.light3, 1);
    EXPECT_NEAR_RGB(p, 150, 20, c.light3, 1);
    // The upper bands run from colour 1 (top) to colour 2 (just above h / 2).
    EXPECT_NEAR_RGB(p, 50, 1, c.deep1, 8);
    EXPECT_NEAR_RGB(p, 50, 19, c.deep2, 8);
    EXPECT_NEAR_RGB(p, 150, 1, c.light1, 8);
    EXPECT_NEAR_RGB(p, 150, 19, c.light2, 8);
    for (auto [x, y] : {std::pair{100, 0}, {0, 20}, {199, 20}, {100, 39}, {1, 1}, {198, 38}})
      EXPECT_NEAR_RGB(p, x, y, c.frame, 0);
  }
}

TEST_F(SkinPaintTest, BarCornersTakeTheFaceColourOutsideAndTheFrameInside) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const Rgb frame = kRows[3].frame;
  Picture p = PaintBar(Bar(200, 40, 500, 4));
  for (auto [x, y] : {std::pair{0, 0},
                      {1, 0},
                      {0, 1},
                      {0, 39},
                      {1, 39},
                      {0, 38},
                      {199, 0},
                      {198, 0},
                      {199, 1},
                      {199, 39},
                      {198, 39},
                      {199, 38}})
    EXPECT_EQ(p.At(x, y), face) << x << "," << y;
  for (auto [x, y] : {std::pair{1, 1}, {1, 38}, {198, 1}, {198, 38}}) EXPECT_NEAR_RGB(p, x, y, frame, 0);
  // In a bar two pixels high the corners overlap: the later bottom-left pixels win.
  Picture thin = PaintBar(Bar(200, 2, 500, 4));
  EXPECT_NEAR_RGB(thin, 1, 0, frame, 0);
  EXPECT_EQ(thin.At(1, 1), face);
}

TEST_F(SkinPaintTest, PositionsOutsideTheRangeAreClamped) {
  const StyleRow& c = kRows[0];
  Picture below = PaintBar(Bar(200, 20, -50, 0));
  Picture above = PaintBar(Bar(200, 20, 1200, 9));
  for (int x : {2, 100, 197}) {
    EXPECT_NEAR_RGB(below, x, 10, c.light3, 1);
    EXPECT_NEAR_RGB(above, x, 10, c.deep3, 1);
  }
}

TEST_F(SkinPaintTest, VerticalBarFillsFromTheBottom) {
  const StyleRow& c = kRows[1];
  Picture p = PaintBar(Bar(40, 100, 300, 2, PBS_VERTICAL));
  // Left and right halves with gradients across; the fill covers rows 70-99.
  EXPECT_NEAR_RGB(p, 20, 69, c.light3, 1);
  EXPECT_NEAR_RGB(p, 20, 70, c.deep3, 1);
  EXPECT_NEAR_RGB(p, 20, 98, c.deep3, 1);
  EXPECT_NEAR_RGB(p, 1, 50, c.light1, 8);
  EXPECT_NEAR_RGB(p, 1, 80, c.deep1, 8);
  EXPECT_NEAR_RGB(p, 19, 80, c.deep2, 8);
}

// Pixels that differ between two pictures of one size.
int Differing(const Picture& a, const Picture& b) {
  int n = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] != b.pixels[i];
  return n;
}

TEST_F(SkinPaintTest, BarTextForEachTextStyleInChinese) {
  skin::CrystalProgressBar bar;
  ASSERT_TRUE(bar.Create(host_, 5, 5, 300, 22));
  bar.SetColourStyle(4);
  bar.SetRange(0, 1000);
  bar.SetPos(370);
  bar.SetText(0, "正在下载");
  Picture none = PaintBar(bar.Handle());
  bar.SetText(1, "");
  EXPECT_EQ(PaintBar(bar.Handle()).pixels, none.pixels);
  for (int style = 1; style <= 5; ++style) {
    bar.SetText(style, "正在下载");
    EXPECT_GT(Differing(PaintBar(bar.Handle()), none), 40) << "text style " << style;
  }
  // The text is darker than the bands: its strokes are drawn in the text colour.
  bar.SetText(1, "正在下载");
  Picture chinese = PaintBar(bar.Handle());
  int darkest = 255;
  for (COLORREF c : chinese.pixels) darkest = std::min(darkest, int(GetGValue(c)));
  EXPECT_LT(darkest, 190);
  // Under any code page the Chinese reaches the font, not question marks.
  bar.SetText(1, "????");
  EXPECT_GT(Differing(chinese, PaintBar(bar.Handle())), 40) << "code page " << GetACP();
}

TEST_F(SkinPaintTest, BarRepaintsAtOnceWhenThePositionChanges) {
  HWND bar = Bar(200, 20, 0, 4);
  skintest::PumpMessages();
  ValidateRect(bar, nullptr);
  SendMessageW(bar, PBM_SETPOS, 1000, 0);
  Picture screen = skintest::ReadWindowDc(bar);
  EXPECT_NEAR_RGB(screen, 150, 10, kRows[3].deep3, 1);
}

// Pixels inside the bar's round region where the screen differs from the
// picture painted afresh into memory for what the bar holds now.
int DifferingOnScreen(HWND bar) {
  const Picture fresh = skintest::PaintInto(bar, skin::PaintProgressBar), screen = skintest::ReadWindowDc(bar);
  const ui::OwnedRegion region(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(bar, region.Get());
  int n = 0;
  for (int y = 0; y < fresh.h; ++y)
    for (int x = 0; x < fresh.w; ++x) n += PtInRegion(region.Get(), x, y) && fresh.At(x, y) != screen.At(x, y);
  return n;
}

// Covers the window on the screen with black, so that what repaints shows.
void Blacken(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  const ui::WindowDc dc(window);
  const RECT all = {0, 0, r.right - r.left, r.bottom - r.top};
  FillRect(dc.Get(), &all, (HBRUSH)GetStockObject(BLACK_BRUSH));
}

TEST_F(SkinPaintTest, ANewPositionRepaintsTheWholeBarAndTheSameOneNothing) {
  skin::CrystalProgressBar bar;
  ASSERT_TRUE(bar.Create(host_, 5, 5, 200, 20));
  bar.SetColourStyle(4);
  bar.SetRange(0, 1000);
  bar.SetText(5, "正在下载 [片.flv]， 已完成： ");
  // Sizes change between the paints; the percentage in the text moves too.
  for (auto [w, position] : {std::pair{200, 250}, {200, 999}, {300, 1000}, {120, 0}}) {
    SetWindowPos(bar.Handle(), nullptr, 0, 0, w, 20, SWP_NOMOVE | SWP_NOZORDER);
    skintest::PumpMessages();
    Blacken(bar.Handle());
    ValidateRect(bar.Handle(), nullptr);
    bar.SetPos(position);
    EXPECT_EQ(DifferingOnScreen(bar.Handle()), 0) << w << " pixels wide at " << position;
  }
  Blacken(bar.Handle());
  bar.SetPos(0);
  EXPECT_EQ(skintest::ReadWindowDc(bar.Handle()).At(60, 10), RGB(0, 0, 0));
}

class ButtonPaintTest : public SkinPaintTest {
 protected:
  void SetUp() override {
    SkinPaintTest::SetUp();
    button_ = skintest::MakeChild(host_, L"Button", BS_PUSHBUTTON, 20, 100, 100, 30, L"确定");
    ASSERT_TRUE(skin::SkinWindow(button_, 2));
  }
  Picture Paint() { return skintest::PaintInto(button_, skin::PaintButton); }
  // Bounding box of the caption's text-coloured pixels: left, top.
  std::pair<int, int> CaptionCorner(const Picture& p) {
    int left = p.w, top = p.h;
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x)
        if (Near(p.At(x, y), 251, 3, 4, 0)) left = std::min(left, x), top = std::min(top, y);
    return {left, top};
  }
  HWND button_ = nullptr;
};

TEST_F(ButtonPaintTest, NormalHotPressedFocusedAndDisabledLooks) {
  const StyleRow& c = kRows[1];
  Picture normal = Paint();
  EXPECT_NEAR_RGB(normal, 3, 15, c.deep3, 1);
  EXPECT_NEAR_RGB(normal, 3, 1, c.deep1, 12);
  EXPECT_NEAR_RGB(normal, 50, 0, c.frame, 0);
  EXPECT_EQ(normal.At(0, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_NEAR_RGB(normal, 98, 28, c.frame, 0);
  const auto rest = CaptionCorner(normal);
  ASSERT_LT(rest.first, normal.w) << "no caption drawn";

  SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(skin::GetDrawState(button_), 1);
  Picture hot = Paint();
  EXPECT_NEAR_RGB(hot, 3, 15, c.light3, 1);
  EXPECT_EQ(CaptionCorner(hot), rest);

  SendMessageW(button_, BM_SETSTATE, 1, 0);
  EXPECT_EQ(skin::GetDrawState(button_), 2);
  Picture pressed = Paint();
  EXPECT_NEAR_RGB(pressed, 3, 15, c.light3, 1);
  EXPECT_EQ(CaptionCorner(pressed), std::make_pair(rest.first + 1, rest.second + 1));

  // Focus turns only a pressed button hot; a normal one keeps its look.
  SetFocus(button_);
  EXPECT_EQ(skin::ReadIntProperty(button_, skin::kPropHasFocus), 1);
  EXPECT_EQ(skin::GetDrawState(button_), 1);
  SetFocus(host_);
  EXPECT_EQ(skin::ReadIntProperty(button_, skin::kPropHasFocus), 0);
  EXPECT_EQ(skin::GetDrawState(button_), 0);
  SetFocus(button_);
  EXPECT_EQ(skin::GetDrawState(button_), 0);
  EXPECT_EQ(Paint().pixels, normal.pixels);

  EnableWindow(button_, FALSE);
  EXPECT_EQ(skin::GetDrawState(button_), 0);
  EXPECT_EQ(Paint().pixels, normal.pixels);
  EnableWindow(button_, TRUE);
  EXPECT_EQ(skin::GetDrawState(button_), 3);
  EXPECT_EQ(Paint().pixels, normal.pixels);
}

TEST_F(ButtonPaintTest, SetStatePaintsAtOnce) {
  skintest::PumpMessages();
  ValidateRect(button_, nullptr);
  SendMessageW(button_, BM_SETSTATE, 1, 0);
  Picture screen = skintest::ReadWindowDc(button_);
  EXPECT_NEAR_RGB(screen, 3, 15, kRows[1].light3, 1);
}

// What the screen shows of a window once `looks` holds, messages flowing
// meanwhile; the last picture when it never did.
template <typename Looks>
Picture ScreenWhen(HWND window, Looks looks, int ms = testsupport::kLongWaitMs) {
  const DWORD until = GetTickCount() + ms;
  for (;;) {
    skintest::PumpMessages();
    Picture p = skintest::ReadWindowDc(window);
    if (looks(p) || (int)(until - GetTickCount()) <= 0) return p;
    Sleep(5);
  }
}

// Real mouse messages over a button under the cursor: pressed looks light
// with the caption one pixel down and right; released and left look deep.
TEST_F(ButtonPaintTest, MouseDownUpAndLeaveShowOnTheScreen) {
  const StyleRow& c = kRows[1];
  RECT r;
  GetWindowRect(button_, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);  // the leave tracking sees the mouse over it
  const std::pair<int, int> rest = CaptionCorner(Paint());
  const LPARAM at = MAKELPARAM(10, 10);
  auto light = [&](const Picture& p) { return Near(p.At(3, 15), c.light3.r, c.light3.g, c.light3.b, 1); };
  auto deep = [&](const Picture& p) { return Near(p.At(3, 15), c.deep3.r, c.deep3.g, c.deep3.b, 1); };

  SendMessageW(button_, WM_MOUSEMOVE, 0, at);
  EXPECT_TRUE(light(ScreenWhen(button_, light))) << "hot after a move";
  SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, at);
  Picture down = ScreenWhen(button_, [&](const Picture& p) { return light(p) && CaptionCorner(p) != rest; });
  EXPECT_NEAR_RGB(down, 3, 15, c.light3, 1);
  EXPECT_EQ(CaptionCorner(down), std::make_pair(rest.first + 1, rest.second + 1)) << "pressed";
  EXPECT_EQ(skin::GetDrawState(button_), 2);

  // The button's own procedure has set its state back before the skin looks:
  // not pressed any more, so the release leaves it normal.
  SendMessageW(button_, WM_LBUTTONUP, 0, at);
  Picture up = ScreenWhen(button_, deep);
  EXPECT_NEAR_RGB(up, 3, 15, c.deep3, 1);
  EXPECT_EQ(CaptionCorner(up), rest) << "released";
  EXPECT_EQ(skin::GetDrawState(button_), 0);

  SendMessageW(button_, WM_MOUSEMOVE, 0, at);
  ASSERT_TRUE(light(ScreenWhen(button_, light))) << "hot again";
  SendMessageW(button_, WM_MOUSELEAVE, 0, 0);
  EXPECT_NEAR_RGB(ScreenWhen(button_, deep), 3, 15, c.deep3, 1) << "after the mouse left";
  EXPECT_EQ(skin::GetDrawState(button_), 0);
  SetCursorPos(0, 0);
}

// The list view's own edge is painted first; 10 ms after each non-client
// paint the skin draws its two rings over it.
TEST_F(SkinPaintTest, ListViewFrameComesAfterItsTimer) {
  HWND list = skintest::MakeChild(host_, WC_LISTVIEWW, LVS_REPORT, 10, 200, 200, 100, L"", WS_EX_CLIENTEDGE);
  ASSERT_TRUE(skin::SkinWindow(list, 3));
  const StyleRow& c = kRows[2];
  auto framed = [&](const Picture& p) {
    return Near(p.At(0, 50), c.frame.r, c.frame.g, c.frame.b, 0) &&
           Near(p.At(1, 50), c.light1.r, c.light1.g, c.light1.b, 0);
  };
  RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_TRUE(framed(ScreenWhen(list, framed))) << "after a non-client paint";
  // The list view's own non-client paint puts its edge back; the timer frames it again.
  SendMessageW(list, WM_NCPAINT, 1, 0);
  KillTimer(list, (UINT_PTR)list + 133);  // the one the paint just set: its tick is sent by hand
  Picture own = skintest::ReadWindowDc(list);
  EXPECT_FALSE(framed(own)) << "the edge as the list view paints it: " << Describe(own.At(0, 50));
  SendMessageW(list, WM_TIMER, (UINT_PTR)list + 134, 0);
  EXPECT_FALSE(framed(skintest::ReadWindowDc(list))) << "another timer's tick only goes on to the list view";
  SendMessageW(list, WM_TIMER, (UINT_PTR)list + 133, 0);
  Picture p = skintest::ReadWindowDc(list);
  for (auto [x, y] : {std::pair{0, 50}, {100, 0}, {199, 50}, {100, 99}}) EXPECT_NEAR_RGB(p, x, y, c.frame, 0);
  for (auto [x, y] : {std::pair{1, 50}, {100, 1}, {198, 50}, {100, 98}}) EXPECT_NEAR_RGB(p, x, y, c.light1, 0);
}

// A tooltip shows the light gradient, the frame and its text over its whole
// window, border included, once the repaint 10 ms after its paint has run.
TEST_F(SkinPaintTest, TooltipIsPaintedOverItsWholeWindow) {
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0,
                             0, host_, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(tip);
  TTTOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = host_;
  tool.lpszText = (LPWSTR)L"提示文字 tip";
  ASSERT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, (LPARAM)&tool));
  ASSERT_TRUE(skin::SkinWindow(tip, 5));
  SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(100, 300));
  SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, (LPARAM)&tool);
  const StyleRow& c = kRows[4];
  auto painted = [&](const Picture& p) {
    return p.w > 4 && Near(p.At(0, p.h / 2), c.frame.r, c.frame.g, c.frame.b, 0) &&
           Near(p.At(1, p.h / 2), c.light3.r, c.light3.g, c.light3.b, 6);
  };
  Picture p = ScreenWhen(tip, painted);
  ASSERT_GT(p.w, 4);
  EXPECT_NEAR_RGB(p, 0, p.h / 2, c.frame, 0);
  EXPECT_NEAR_RGB(p, p.w - 1, p.h / 2, c.frame, 0);
  EXPECT_NEAR_RGB(p, p.w / 2, 0, c.frame, 0);
  EXPECT_NEAR_RGB(p, p.w / 2, p.h - 1, c.frame, 0);
  EXPECT_NEAR_RGB(p, 1, p.h / 2, c.light3, 6) << "the border is covered by the gradient";
  EXPECT_NEAR_RGB(p, 1, 1, c.light1, 8);
  // Inside the frame, the caption's pixels are the only ones far from the
  // gradient's blue (182 and more): the text colour has none.
  int text = 0;
  for (int y = 1; y < p.h - 1; ++y)
    for (int x = 1; x < p.w - 1; ++x) text += GetBValue(p.At(x, y)) < 150;
  EXPECT_GT(text, 20) << "the caption in the text colour";
  DestroyWindow(tip);
}

TEST_F(SkinPaintTest, DropDownComboBoxHasItsArrowArea) {
  HWND combo = skintest::MakeChild(host_, L"ComboBox", CBS_DROPDOWNLIST, 10, 200, 100, 200);
  SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)L"第一项");
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  ASSERT_TRUE(skin::SkinWindow(combo, 5));
  Picture p = skintest::PaintInto(combo, skin::PaintComboBox);
  ASSERT_EQ(p.w, 100);
  const StyleRow& c = kRows[4];
  const int mid = p.h / 2;
  EXPECT_NEAR_RGB(p, 81, mid, c.light3, 1);
  EXPECT_NEAR_RGB(p, 82, mid, c.deep3, 1);
  EXPECT_NEAR_RGB(p, 83, mid, c.deep3, 1);
  EXPECT_NEAR_RGB(p, 50, 0, c.frame, 0);
  EXPECT_NEAR_RGB(p, 99, mid, c.frame, 0);
  SendMessageW(combo, CB_SETCURSEL, (WPARAM)-1, 0);
  EXPECT_GT(Differing(p, skintest::PaintInto(combo, skin::PaintComboBox)), 20) << "the selected item's text";
}

TEST_F(SkinPaintTest, HeaderDividersInTheListViewsStyle) {
  HWND list = skintest::MakeChild(host_, WC_LISTVIEWW, LVS_REPORT, 10, 240, 300, 120);
  LVCOLUMNW col = {};
  col.mask = LVCF_TEXT | LVCF_WIDTH;
  col.cx = 60;
  col.pszText = (LPWSTR)L"名称";
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, (LPARAM)&col);
  col.cx = 80;
  col.pszText = (LPWSTR)L"大小";
  SendMessageW(list, LVM_INSERTCOLUMNW, 1, (LPARAM)&col);
  ASSERT_TRUE(skin::SkinWindow(list, 3));
  HWND header = (HWND)SendMessageW(list, LVM_GETHEADER, 0, 0);
  Picture p = skintest::PaintInto(header, skin::PaintHeader);
  ASSERT_GT(p.h, 4);
  const StyleRow& c = kRows[2];
  const int mid = p.h / 2;
  EXPECT_NEAR_RGB(p, 59, mid, c.frame, 0);
  EXPECT_NEAR_RGB(p, 60, mid, c.deep1, 0);
  EXPECT_NEAR_RGB(p, 139, mid, c.frame, 0);
  EXPECT_NEAR_RGB(p, 140, mid, c.deep1, 0);
  EXPECT_NEAR_RGB(p, 200, p.h - 1, c.frame, 0);
  EXPECT_NEAR_RGB(p, 200, mid, c.deep3, 1);
}

}  // namespace
