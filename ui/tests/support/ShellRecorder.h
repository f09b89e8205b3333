// Test support: a shell that records what it is asked to open and opens
// nothing. A test program that lists ShellRecorder.cpp among its sources gets
// it in place of ui::ShellOpen.
#pragma once
#include <string>
#include <vector>

namespace testsupport {

// The targets given to ui::ShellOpen since the last clear, in order.
std::vector<std::string> ShellTargets();
void ClearShellTargets();

}  // namespace testsupport
