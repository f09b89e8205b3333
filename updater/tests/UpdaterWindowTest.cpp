// The updater's window under Wine against the simulator: an update whose first program cannot be started says so.
#include <windows.h>

#include <gtest/gtest.h>

#include "web/tests/support/Simulator.h"
#include "ui/App.h"
#include "ui/Control.h"
#include "ui/base/WideText.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/base/tests/support/FileBytes.h"
#include "ui/base/tests/support/Pump.h"
#include "updater/UpdaterGlobals.h"
#include "updater/UpdaterWindow.h"

namespace {

// The window reads the list its argument names when it is created; the test
// gives it its own (CTest runs the test with --gtest_brief=1, which names
// no list), then the update runs as a click on 立即更新 starts it.
TEST(UpdaterWindow, AFirstProgramThatCannotBeStartedIsToldAndTheWindowStaysWithItsExit) {
  testsupport::Simulator sim;
  ASSERT_TRUE(sim.Ready()) << "no simulator";
  ASSERT_TRUE(sim.Reset());
  // The served file is text, not a program.
  ASSERT_TRUE(sim.Set("名称", "坏程序.exe"));
  ASSERT_TRUE(sim.Set("后缀", ".upd"));
  const std::string program = ui::ProgramDir() + "\\坏程序.exe";
  DeleteFileW(ui::ToWide(program).c_str());

  ui::InitWindowLayer();
  InitUpdaterGlobals();
  testsupport::DialogWatcher watcher(IDOK);
  ui::Window* w = ui::Window::Load(UpdaterWindowForm);
  ASSERT_NE(w, nullptr);
  UpdateBaseAddress = sim.Url("VelkDown/up/");
  UpdateFiles = updater::ParseUpdateList("名称=[坏程序.exe]\r\n后缀=[.upd]\r\n");
  ui::Event click{ui::EventType::Click};
  StartUpdate(*w, click);

  ASSERT_TRUE(watcher.WaitFor(1));
  EXPECT_EQ(watcher.Seen()[0].title, "温馨提示：");
  EXPECT_EQ(watcher.Seen()[0].text, "文件已更新，但主程序无法启动，请手动启动！");
  EXPECT_TRUE(testsupport::PumpFor("退出 to be enabled again", [w] { return w->Get<ui::Control>("退出").Enabled(); }));
  EXPECT_TRUE(IsWindow(w->Hwnd()));
  EXPECT_EQ(testsupport::ReadAll(program), "FILE:坏程序.exe");
  DeleteFileW(ui::ToWide(program).c_str());
}

}  // namespace
