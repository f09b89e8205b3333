// The Flash control wrapper against an in-process test double: calls by name
// with each accessor kind's fallback order, value conversions, copies.
#include "player/FlashControl.h"

#include <gtest/gtest.h>
#include <ole2.h>

#include "player/tests/support/FakeDispatch.h"

namespace {

using playertest::FakeCall;
using playertest::FakeDispatch;

constexpr WORD kGet = DISPATCH_PROPERTYGET, kPut = DISPATCH_PROPERTYPUT, kPutRef = DISPATCH_PROPERTYPUTREF,
               kMethod = DISPATCH_METHOD;

class FlashControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    fake = FakeDispatch::Create({
        {L"ReadyState", kGet, 0},
        {L"TGetPropertyNum", kMethod, 2},
        {L"Movie", kGet | kPut | kPutRef, 0},
        {L"Menu", kGet | kMethod, 0},
        {L"IsPlaying", kGet | kMethod, 0},
        {L"Playing", kGet | kPutRef, 0},
        {L"Loop", kMethod, 0},       // a reader falls back to a method
        {L"Base", kMethod, 1},       // a writer falls back to a method
        {L"CallFunction", kGet, 1},  // a method falls back to a property get
        {L"setVariable", kMethod, 2},
    });
    fake->answer = [this](const FakeCall& call, VARIANT* result) {
      if (call.member == "ReadyState" || call.member == "TGetPropertyNum") {
        V_VT(result) = VT_R8;
        V_R8(result) = number;
      } else if (call.kind == kGet || call.kind == kMethod) {
        playertest::SetTextResult(result, text);
      }
      return failure;
    };
    control.AttachObject(fake);
  }
  void TearDown() override { fake->Release(); }

  FakeDispatch* fake = nullptr;
  player::FlashControl control;
  double number = 0;
  std::string text;
  HRESULT failure = S_OK;
};

TEST_F(FlashControlTest, NumbersTruncateTowardZeroDoublesStay) {
  number = 2.9;
  EXPECT_EQ(control.GetReadyState(), 2);
  EXPECT_DOUBLE_EQ(control.TGetPropertyNum("/", 3), 2.9);
  number = -2.9;
  EXPECT_EQ(control.GetReadyState(), -2);
  number = 1e12;
  EXPECT_EQ(control.GetReadyState(), INT32_MAX);
  const auto calls = fake->CallsTo("TGetPropertyNum");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].kind, kMethod);
  EXPECT_EQ(calls[0].args, (std::vector<std::string>{"/", "3"}));
}

TEST_F(FlashControlTest, TextsCrossAsCodePage936) {
  control.SetMovie("c:\\影片\\ZentiPlay.Swf");
  text = "路径";
  EXPECT_EQ(control.GetMovie(), "路径");
  const auto calls = fake->CallsTo("Movie");
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].kind, kPut);
  EXPECT_EQ(calls[0].args, std::vector<std::string>{"c:\\影片\\ZentiPlay.Swf"});
  EXPECT_EQ(calls[1].kind, kGet);
}

TEST_F(FlashControlTest, EachKindFallsBackInItsOrder) {
  control.SetPlaying(true);
  control.GetLoop();
  control.SetBase("b");
  text = "<string>x</string>";
  EXPECT_EQ(control.CallFunction("<invoke/>"), "<string>x</string>");
  control.SetVariable("flvurl", "http://a/影.flv");
  control.GetMenu();
  control.IsPlaying();
  EXPECT_EQ(fake->CallsTo("Menu").at(0).kind, kGet);
  EXPECT_EQ(fake->CallsTo("IsPlaying").at(0).kind, kMethod);
  EXPECT_EQ(fake->CallsTo("Playing").at(0).kind, kPutRef);
  EXPECT_EQ(fake->CallsTo("Loop").at(0).kind, kMethod);
  EXPECT_EQ(fake->CallsTo("Base").at(0).kind, kMethod);
  EXPECT_EQ(fake->CallsTo("CallFunction").at(0).kind, kGet);
  const FakeCall set = fake->CallsTo("setVariable").at(0);
  EXPECT_EQ(set.kind, kMethod);
  EXPECT_EQ(set.args, (std::vector<std::string>{"flvurl", "http://a/影.flv"}));
}

TEST_F(FlashControlTest, FailuresGiveZeroFalseOrEmpty) {
  EXPECT_EQ(control.GetQuality(), 0);  // no such member: nothing is called
  EXPECT_EQ(control.GetWMode(), "");
  EXPECT_TRUE(fake->calls.empty());
  text = "kept";
  failure = E_FAIL;
  EXPECT_EQ(control.GetMovie(), "");
  EXPECT_FALSE(control.GetLoop());
  player::FlashControl empty;
  EXPECT_EQ(empty.CallFunction("<invoke/>"), "");
  EXPECT_EQ(empty.GetReadyState(), 0);
}

TEST_F(FlashControlTest, CopySharesTheControlAndOutlivesTheOriginal) {
  auto original = std::make_unique<player::FlashControl>();
  original->AttachObject(fake);
  original->Move(1, 2, 3, 4);
  player::FlashControl copy(*original);
  const LONG withCopy = fake->References();
  original.reset();
  EXPECT_EQ(fake->References(), withCopy - 1);
  number = 5;
  EXPECT_EQ(copy.GetReadyState(), 5);
  EXPECT_EQ(copy.Width(), 3);
  copy.ReleaseControl();
  EXPECT_EQ(copy.GetReadyState(), 0);
}

TEST_F(FlashControlTest, CreateNeedsAParentAndMoveKeepsTheRectangle) {
  player::FlashControl fresh;
  EXPECT_FALSE(fresh.Create(nullptr, 0, 0, 10, 10));
  EXPECT_EQ(fresh.HostWindow(), nullptr);

  HWND parent =
      CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  // No Flash control is installed here: the host window is made, the control stays empty.
  EXPECT_FALSE(fresh.Create(parent, 5, 6, 70, 80));
  ASSERT_NE(fresh.HostWindow(), nullptr);
  EXPECT_EQ(GetParent(fresh.HostWindow()), parent);
  EXPECT_EQ(GetDlgCtrlID(fresh.HostWindow()), 1);
  EXPECT_EQ(fresh.Left(), 0);
  EXPECT_EQ(fresh.Width(), 0);
  fresh.Move(10, 20, 30, 40);
  RECT r{};
  GetWindowRect(fresh.HostWindow(), &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.bottom - r.top, 40);
  EXPECT_EQ(fresh.Top(), 20);
  // A later Create without a parent uses the stored one.
  EXPECT_FALSE(fresh.Create(nullptr, 0, 0, 10, 10));
  EXPECT_EQ(fresh.ParentWindow(), parent);
  DestroyWindow(parent);
}

}  // namespace
