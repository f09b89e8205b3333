// A GoogleTest program with two tests for the runner's own test: it ends the
// way TAVRIN_END names (after=the process ends, exit code 0, inside its first
// test; before=it ends with code 0 before its tests run; unset=it runs both).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

bool EndsWhen(const char* when) {
  const char* end = std::getenv("TAVRIN_END");
  return end && std::strcmp(end, when) == 0;
}

TEST(TwoTests, First) {
  if (EndsWhen("after")) TerminateProcess(GetCurrentProcess(), 0);
  SUCCEED();
}

TEST(TwoTests, Second) { SUCCEED(); }

}  // namespace

int main(int argc, char** argv) {
  if (EndsWhen("before")) return 0;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
