// The updater's window under Wine against the simulator: an update whose first program cannot be started says so.
#include <windows.h>

#include <gtest/gtest.h>

#include "web/tests/support/Simulator.h"
#include "skin/SkinEngine.h"
#include "skin/TextProperty.h"
#include "ui/App.h"
#include "ui/Control.h"
#include "ui/base/WorkerThread.h"
#include "ui/base/WideText.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/base/tests/support/FileBytes.h"
#include "ui/base/tests/support/Pump.h"
#include "updater/UpdateProgressText.h"
#include "updater/UpdaterGlobals.h"
#include "updater/UpdaterWindow.h"

namespace {

// The window reads the list its argument names when it is created; the tests
// give it their own (CTest runs the test with --gtest_brief=1, which names
// no list), then the update runs as a click on 立即更新 starts it.
class UpdaterWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sim.Ready()) << "no simulator";
    ASSERT_TRUE(sim.Reset());
  }
  // The window, loaded, with the list to update from.
  ui::Window* Load(const updater::UpdateList& list) {
    ui::InitWindowLayer();
    InitUpdaterGlobals();
    ui::Window* w = ui::Window::Load(UpdaterWindowForm);
    UpdateBaseAddress = sim.Url("VelkDown/up/");
    UpdateFiles = list;
    return w;
  }
  void ClickStart(ui::Window& w) {
    ui::Event click{ui::EventType::Click};
    StartUpdate(w, click);
  }
  // Closes the window of a test whose worker has ended (or never ran): with
  // no worker, closing it asks no stop, which would hold for the next test too.
  void Close(ui::Window* w) {
    UpdaterThreadHandle = {};
    DestroyWindow(w->Hwnd());
    testsupport::DropQuit();
  }

  testsupport::Simulator sim;
};

TEST_F(UpdaterWindow, AFirstProgramThatCannotBeStartedIsToldAndTheWindowStaysWithItsExit) {
  // The served file is text, not a program.
  ASSERT_TRUE(sim.Set("名称", "坏程序.exe"));
  ASSERT_TRUE(sim.Set("后缀", ".upd"));
  const std::string program = ui::ProgramDir() + "\\坏程序.exe";
  DeleteFileW(ui::ToWide(program).c_str());

  testsupport::DialogWatcher watcher(IDOK);
  ui::Window* w = Load(updater::ParseUpdateList("名称=[坏程序.exe]\r\n后缀=[.upd]\r\n"));
  ASSERT_NE(w, nullptr);
  ClickStart(*w);

  ASSERT_TRUE(watcher.WaitFor(1));
  EXPECT_EQ(watcher.Seen()[0].title, "温馨提示：");
  EXPECT_EQ(watcher.Seen()[0].text, "文件已更新，但主程序无法启动，请手动启动！");
  EXPECT_TRUE(testsupport::PumpFor("退出 to be enabled again", [w] { return w->Get<ui::Control>("退出").Enabled(); }));
  EXPECT_TRUE(IsWindow(w->Hwnd()));
  EXPECT_EQ(testsupport::ReadAll(program), "FILE:坏程序.exe");
  DeleteFileW(ui::ToWide(program).c_str());
  EXPECT_TRUE(testsupport::PumpFor("the worker to end", [] { return ui::RunningWorkers() == 0; }));
  Close(w);
}

TEST_F(UpdaterWindow, AListPastItsBoundsIsToldAndLeavesTheButtonsAsTheyWere) {
  testsupport::DialogWatcher watcher(IDOK);
  updater::UpdateList list;
  list.names.assign(updater::kMaxUpdateNames + 1, "a.bin");
  ui::Window* w = Load(list);
  ASSERT_NE(w, nullptr);
  w->Get<ui::Control>("开始").SetEnabled(true);  // as after a list that names files
  ClickStart(*w);

  ASSERT_TRUE(watcher.WaitFor(1));
  EXPECT_EQ(watcher.Seen()[0].text, "无法开始更新，请稍后重试！");
  EXPECT_TRUE(w->Get<ui::Control>("开始").Enabled());
  EXPECT_TRUE(w->Get<ui::Control>("退出").Enabled());
  EXPECT_EQ(w->Get<ui::Control>("开始").Text(), "立即更新");
  EXPECT_TRUE(testsupport::PumpFor("no worker", [] { return ui::RunningWorkers() == 0; }));
  EXPECT_EQ(sim.Count("/VelkDown/up/"), 0);
  Close(w);
}

// Last in this file: closing the window asks the update to stop, and the
// stop holds for the rest of the process.
TEST_F(UpdaterWindow, ProgressIsWrittenOnTheWindowThreadAndEndsWithTheWindow) {
  // 200000 bytes, whose second half waits until the test lets it go.
  ASSERT_TRUE(sim.SetJson(testsupport::GbkToUtf8("{\"名称\":\"进度.bin\",\"后缀\":\".upd\",\"files\":{\"进度.bin\":\"" +
                                                 std::string(200000, 'x') +
                                                 "\"},\"faults\":{\"/VelkDown/up/\":\"hold=progress\"}}")));
  const std::string file = ui::ProgramDir() + "\\进度.bin";
  ui::Window* w = Load(updater::ParseUpdateList("名称=[进度.bin]\r\n后缀=[.upd]\r\n"));
  ASSERT_NE(w, nullptr);
  ClickStart(*w);

  const HWND bar = w->ControlHwnd("进度条1");
  const ui::Control label = w->Get<ui::Control>("标签2");
  // What arrived of the first half (WinINet hands it over in whole reads).
  const std::string size = updater::SizeLabelText(200000) + "已下载:";
  EXPECT_TRUE(testsupport::PumpFor("progress on the window", [&] { return label.Text().rfind(size, 0) == 0; }))
      << label.Text();
  EXPECT_EQ(skin::ReadTextProperty(bar, skin::kPropTextContent), updater::FileNumberText(1));
  const LRESULT position = SendMessageW(bar, PBM_GETPOS, 0, 0);
  EXPECT_TRUE(position > 0 && position <= 5000) << position;

  // Closed in the middle of the body: the rest arrives, and nothing of it is
  // written anywhere.
  const int writes = UpdateProgressWrites();
  DestroyWindow(w->Hwnd());
  testsupport::DropQuit();
  ASSERT_TRUE(sim.Release("progress"));
  EXPECT_TRUE(testsupport::PumpFor("the worker to end", [] { return ui::RunningWorkers() == 0; }));
  ui::PumpPendingMessages();
  EXPECT_EQ(UpdateProgressWrites(), writes);
  DeleteFileW(ui::ToWide(file).c_str());
  DeleteFileW(ui::ToWide(file + ".p2p").c_str());
}

}  // namespace
