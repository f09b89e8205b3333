// The bootstrap's first question: whether the machine counts as online. A
// test that starts the program against the simulator waits for a yes first;
// under Wine the answer comes from its network driver and was seen to be no
// for a program's first start while the start window's other threads began.
#pragma once
#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include "ui/base/tests/support/Pump.h"

namespace testsupport {

inline bool MachineCountsAsOnline() {
  DWORD flags = 0;
  return InternetGetConnectedState(&flags, 0) != FALSE;
}

inline testing::AssertionResult WaitUntilOnline() {
  return PumpFor("the machine to count as online", MachineCountsAsOnline);
}

}  // namespace testsupport
