// Test helper: keeps this thread's window messages flowing while a test waits,
// and the one limit that every wait of the tests shares.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/base/MessagePump.h"

namespace testsupport {

// How long a test waits for a state before it gives up. The first program
// starts in a new Wine prefix are 20 to 40 times slower than later ones, and
// a wait that holds ends at once, so the limit only costs time when something
// is wrong. The Python tests use the same figure (tools/wine_program.py).
constexpr int kLongWaitMs = 180000;

// "gave up after 180 s waiting for <what>"
inline std::string GaveUpWaitingFor(const std::string& what, int ms = kLongWaitMs) {
  return "gave up after " + std::to_string(ms / 1000) + " s waiting for " + what;
}

// Pumps messages until the condition holds or ms milliseconds have passed;
// true when it held.
template <typename Condition>
bool PumpUntil(Condition done, int ms = kLongWaitMs) {
  DWORD until = GetTickCount() + ms;
  for (;;) {
    ui::PumpPendingMessages();
    if (done()) return true;
    if ((int)(until - GetTickCount()) <= 0) return false;
    Sleep(5);
  }
}

// PumpUntil for an assertion: when it gives up it says what it waited for.
template <typename Condition>
testing::AssertionResult PumpFor(const std::string& what, Condition done, int ms = kLongWaitMs) {
  if (PumpUntil(done, ms)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << GaveUpWaitingFor(what, ms);
}

// Waits without pumping, on a thread that owns no windows (a driver's);
// true when the condition held.
template <typename Condition>
bool PollUntil(Condition done, int ms = kLongWaitMs) {
  DWORD until = GetTickCount() + ms;
  for (;;) {
    if (done()) return true;
    if ((int)(until - GetTickCount()) <= 0) return false;
    Sleep(10);
  }
}

// Takes away the quit message that closing a program's last form posts, so
// that the next test's message loops run.
inline void DropQuit() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

// Pumps for a fixed time: only for checks that something does NOT happen
// within a span, never to wait for something that should.
inline void Pump(int ms) {
  PumpUntil([] { return false; }, ms);
}

}  // namespace testsupport
