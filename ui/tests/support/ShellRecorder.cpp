// Test support: ui::ShellOpen that records its targets and opens nothing.
#include "ui/tests/support/ShellRecorder.h"

#include <mutex>

#include "ui/ShellOpen.h"

namespace testsupport {

namespace {
std::mutex g_lock;
std::vector<std::string> g_targets;
}  // namespace

std::vector<std::string> ShellTargets() {
  std::lock_guard<std::mutex> hold(g_lock);
  return g_targets;
}

void ClearShellTargets() {
  std::lock_guard<std::mutex> hold(g_lock);
  g_targets.clear();
}

}  // namespace testsupport

namespace ui {

// Taken by the shell as every target is.
bool ShellOpen(const std::string& target) {
  std::lock_guard<std::mutex> hold(testsupport::g_lock);
  testsupport::g_targets.push_back(target);
  return true;
}

}  // namespace ui
