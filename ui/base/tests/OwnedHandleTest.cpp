// Tests of the owned-handle template with handles of a test's own: closed once, by their one owner.
#include "ui/base/OwnedHandle.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

namespace ui {
namespace {

// Handles are addresses of these slots; -1 stands for an invalid value such as INVALID_HANDLE_VALUE.
int g_slots[4];
int* const kInvalid = reinterpret_cast<int*>(-1);
std::vector<int*> g_closed;

struct TestTraits {
  using Handle = int*;
  static bool IsValid(int* h) { return h != nullptr && h != kInvalid; }
  static void Close(int* h) { g_closed.push_back(h); }
};
using Owned = OwnedHandle<TestTraits>;
using Borrowed = BorrowedHandle<TestTraits>;

// A borrowed handle cannot become owned, an owner cannot be copied, and a bare
// handle is never taken over without saying so.
static_assert(!std::is_constructible_v<Owned, Borrowed>);
static_assert(!std::is_copy_constructible_v<Owned> && !std::is_copy_assignable_v<Owned>);
static_assert(!std::is_convertible_v<int*, Owned>);
static_assert(!std::is_convertible_v<Owned, int*>);
// Nor is a handle borrowed from an owner that goes at the end of the statement.
static_assert(!std::is_constructible_v<Borrowed, Owned&&>);
static_assert(std::is_convertible_v<const Owned&, Borrowed> && std::is_convertible_v<Borrowed, int*>);

class OwnedHandleTest : public testing::Test {
 protected:
  void SetUp() override { g_closed.clear(); }
};

TEST_F(OwnedHandleTest, EachHandleIsClosedOnceByItsLastOwner) {
  {
    Owned a(&g_slots[0]);
    Owned b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), &g_slots[0]);
    Owned c(&g_slots[1]);
    c = std::move(b);  // c's own handle goes now
    EXPECT_EQ(g_closed, std::vector<int*>{&g_slots[1]});
    EXPECT_EQ(c.Get(), &g_slots[0]);
  }
  EXPECT_EQ(g_closed, (std::vector<int*>{&g_slots[1], &g_slots[0]}));
}

TEST_F(OwnedHandleTest, ResetClosesTheOldHandleAndTakesTheNew) {
  Owned a(&g_slots[0]);
  a.Reset(&g_slots[1]);
  EXPECT_EQ(g_closed, std::vector<int*>{&g_slots[0]});
  EXPECT_EQ(a.Get(), &g_slots[1]);
  a.Reset();
  EXPECT_FALSE(a);
  a.Reset();
  EXPECT_EQ(g_closed, (std::vector<int*>{&g_slots[0], &g_slots[1]}));
}

TEST_F(OwnedHandleTest, InvalidValuesAreHeldAsNoneAndNeverClosed) {
  {
    Owned failed(kInvalid);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.Get(), nullptr);
    Owned later(&g_slots[0]);
    later.Reset(kInvalid);
    EXPECT_FALSE(later);
    EXPECT_EQ(Borrowed(kInvalid).Get(), nullptr);
  }
  EXPECT_EQ(g_closed, std::vector<int*>{&g_slots[0]});
}

TEST_F(OwnedHandleTest, BorrowedHandlesNeverClose) {
  Owned owner(&g_slots[2]);
  {
    const Borrowed lent = owner;
    const Borrowed copy = lent;
    int* const bare = copy;
    EXPECT_EQ(bare, &g_slots[2]);
    EXPECT_EQ(Borrowed(&g_slots[3]).Get(), &g_slots[3]);
  }
  EXPECT_TRUE(g_closed.empty());
  EXPECT_EQ(owner.Get(), &g_slots[2]);
}

}  // namespace
}  // namespace ui
