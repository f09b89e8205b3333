// Tests of the updater's file work under Wine against the simulator: failed downloads, unsafe names, replacing a file in use.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "web/tests/support/Simulator.h"
#include "ui/base/WideText.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/base/tests/support/Pump.h"
#include "ui/base/tests/support/FileBytes.h"
#include "updater/FileReplace.h"
#include "updater/UpdateWorker.h"
#include "updater/UpdaterDownload.h"

namespace updater {
namespace {

using testsupport::ReadAll;

void WriteAll(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(testsupport::WriteAll(path, bytes)) << path;
}

bool Exists(const std::string& path) { return GetFileAttributesW(ui::ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// 30000 bytes with zero bytes and GBK text in them, as JSON (UTF-8) and as the GBK bytes served.
struct Body {
  std::string json, gbk;
};
Body NewBody() {
  Body b;
  for (int i = 0; i < 3000; ++i) {
    b.json += "\\u0000新版本" + std::to_string(i % 10);
    b.gbk += std::string(1, '\0') + "新版本" + std::to_string(i % 10);
  }
  return b;
}

class UpdaterFilesTest : public ::testing::Test {
 protected:
  // JSON written here in GBK, sent as UTF-8.
  bool SetJson(const std::string& gbkJson) { return sim.SetJson(testsupport::GbkToUtf8(gbkJson)); }
  void SetUp() override {
    ASSERT_TRUE(sim.Ready()) << "simulator port file not found (TAVRIN_SIM_PORT_FILE)";
    ASSERT_TRUE(sim.Reset());
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    parent = ui::ToGbk(temp) + "升级 测试" + std::to_string(GetCurrentProcessId());
    folder = parent + "\\程序";
    CreateDirectoryW(ui::ToWide(parent).c_str(), nullptr);
    CreateDirectoryW(ui::ToWide(folder).c_str(), nullptr);
  }
  void TearDown() override {
    for (const char* name : {"Play.dll", "Play.dll.p2p", "Tavrin.exe", "Tavrin.exe.p2p", "a.bin", "a.bin.p2p"})
      DeleteFileW(ui::ToWide(folder + "\\" + name).c_str());
    RemoveDirectoryW(ui::ToWide(folder).c_str());
    RemoveDirectoryW(ui::ToWide(parent).c_str());
  }
  UpdateOutcome Update(const std::string& names, const std::string& base) {
    const UpdateList list = ParseUpdateList("名称=[" + names + "]后缀=[.upd]");
    StopSignal stop;
    return UpdateWorker(PlanUpdate(list, base, folder), stop, {}, {});
  }

  testsupport::Simulator sim;
  std::string parent, folder;
};

TEST_F(UpdaterFilesTest, FailedDownloadsLeaveTheOldFileAndTheWorkerGoesOn) {
  const Body body = NewBody();
  ASSERT_TRUE(SetJson("{\"名称\":\"Play.dll\",\"后缀\":\".upd\",\"files\":{\"Play.dll\":\"" + body.json +
                      "\"},\"faults\":{\"/VelkDown/up/Play.dll.upd\":\"announce=60000\"}}"));
  const std::string base = sim.Url("VelkDown/up/");
  const std::string unopenable = "http://127.0.0.1:" + std::to_string(testsupport::ClosedPort()) + "/VelkDown/up/";
  struct Case {
    const char* what;
    std::string names, base, message;
  } cases[] = {{"404", "Tavrin.exe", base, "不能打开该URL!"},
               {"cut body", "Play.dll", base, kUpdaterInterrupted},
               {"unopenable address", "Play.dll", unopenable, "不能打开该URL!"}};
  for (const Case& c : cases) {
    testsupport::DialogWatcher watcher(IDOK);
    WriteAll(folder + "\\" + c.names, "old");
    const UpdateOutcome out = Update(c.names + "|a.bin", c.base);
    EXPECT_EQ(out.failed, 2) << c.what;  // a.bin is not listed: 404
    EXPECT_EQ(out.replaced, 0) << c.what;
    EXPECT_EQ(ReadAll(folder + "\\" + c.names), "old") << c.what;
    ASSERT_TRUE(watcher.WaitFor(2)) << c.what;
    EXPECT_EQ(watcher.Seen()[0].text, c.message) << c.what;
    EXPECT_EQ(watcher.Seen()[0].title, "信息：") << c.what;
  }
}

TEST_F(UpdaterFilesTest, NamesOutsideTheFolderWriteNothingAndListedFilesArriveIntact) {
  const Body body = NewBody();
  ASSERT_TRUE(
      SetJson("{\"名称\":\"..\\\\evil.exe|C:\\\\x.exe|Play.dll\",\"后缀\":\".upd\",\"files\":{"
              "\"Play.dll\":\"" +
              body.json + "\",\"..\\\\evil.exe\":\"evil\",\"C:\\\\x.exe\":\"x\"}}"));
  ASSERT_FALSE(Exists("C:\\x.exe"));
  WriteAll(folder + "\\Play.dll", "old");
  testsupport::DialogWatcher watcher(IDOK);
  int64_t lastTotal = -1, lastReceived = -1;
  const UpdateList list = ParseUpdateList(sim.Get("VelkDown/up/sj.txt"));
  ASSERT_EQ(list.names.size(), 3u);
  StopSignal stop;
  const UpdateOutcome out = UpdateWorker(PlanUpdate(list, sim.Url("VelkDown/up/"), folder), stop,
                                         [&](int64_t total, int64_t received, int64_t, int64_t) {
                                           lastTotal = total;
                                           lastReceived = received;
                                         },
                                         {});
  EXPECT_EQ(out.skipped, 2);
  EXPECT_EQ(out.replaced, 1);
  EXPECT_FALSE(out.programFound);
  EXPECT_TRUE(ReadAll(folder + "\\Play.dll") == body.gbk) << "Play.dll differs from what was served";
  EXPECT_FALSE(Exists(folder + "\\Play.dll.p2p"));
  EXPECT_EQ(lastTotal, static_cast<int64_t>(body.gbk.size()));
  EXPECT_EQ(lastReceived, lastTotal);
  for (const char* outside : {"\\evil.exe", "\\evil.exe.p2p"}) EXPECT_FALSE(Exists(parent + outside)) << outside;
  EXPECT_FALSE(Exists("C:\\x.exe"));
  EXPECT_FALSE(Exists("C:\\x.exe.p2p"));
  EXPECT_EQ(sim.Count("/VelkDown/up/Play.dll.upd"), 1);
  EXPECT_EQ(sim.Count("/VelkDown/evil"), 0);
  EXPECT_TRUE(watcher.Seen().empty());
}

// A body whose end cannot be told from a cut connection is not installed; a
// compressed one is installed as the bytes it stands for.
TEST_F(UpdaterFilesTest, OnlyBodiesOfAnAnnouncedLengthAreInstalledAndCompressedOnesDecoded) {
  const Body body = NewBody();
  ASSERT_TRUE(SetJson("{\"名称\":\"Play.dll|Tavrin.exe\",\"后缀\":\".upd\",\"files\":{\"Play.dll\":\"" + body.json +
                      "\",\"Tavrin.exe\":\"" + body.json +
                      "\"},\"faults\":{\"/VelkDown/up/Play.dll.upd\":\"nolength=1\","
                      "\"/VelkDown/up/Tavrin.exe.upd\":\"gzip=1\"}}"));
  WriteAll(folder + "\\Play.dll", "old");
  WriteAll(folder + "\\Tavrin.exe", "old");
  testsupport::DialogWatcher watcher(IDOK);
  const UpdateOutcome out = Update("Play.dll|Tavrin.exe", sim.Url("VelkDown/up/"));
  EXPECT_EQ(out.failed, 1);
  EXPECT_EQ(out.replaced, 1);
  EXPECT_EQ(ReadAll(folder + "\\Play.dll"), "old");
  EXPECT_TRUE(ReadAll(folder + "\\Tavrin.exe") == body.gbk) << ReadAll(folder + "\\Tavrin.exe").size() << " bytes";
  ASSERT_TRUE(watcher.WaitFor(1));
  EXPECT_EQ(watcher.Seen()[0].text, kUpdaterInterrupted);
  EXPECT_EQ(sim.Count("/VelkDown/up/Play.dll.upd"), 1);
}

TEST_F(UpdaterFilesTest, TargetInUseIsReplacedOnceReleasedWithinTheRetryTime) {
  const std::string target = folder + "\\Tavrin.exe", temporary = target + ".p2p";
  WriteAll(target, "old");
  WriteAll(temporary, "new");
  HANDLE held = CreateFileW(ui::ToWide(target).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);

  StopSignal stop;
  EXPECT_FALSE(PutFileInPlace(temporary, target, stop, 300));  // still held when the time is up
  EXPECT_TRUE(Exists(temporary));

  // Released a while after the retries began; the new file was not in place before.
  bool waitedForRelease = false;
  std::thread release([&] {
    Sleep(800);
    waitedForRelease = Exists(temporary);
    CloseHandle(held);
  });
  EXPECT_TRUE(PutFileInPlace(temporary, target, stop, testsupport::kLongWaitMs));
  release.join();
  EXPECT_TRUE(waitedForRelease);
  EXPECT_EQ(ReadAll(target), "new");
  EXPECT_FALSE(Exists(temporary));
}

}  // namespace
}  // namespace updater
