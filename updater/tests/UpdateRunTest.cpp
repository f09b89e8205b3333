// Tests of the worker's course over the files and of stopping it between steps, with recorded operations.
#include "updater/UpdateRun.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace updater {
namespace {

// Records every operation as one line; downloads of the names in `failing` fail.
struct Recorder {
  std::vector<std::string> calls;
  std::vector<std::string> failing;
  std::vector<std::string> existing;
  StopSignal* stopAfterFirstReplace = nullptr;

  UpdateSteps Steps() {
    UpdateSteps steps;
    steps.showFileNumber = [this](int n) { calls.push_back("show " + std::to_string(n)); };
    steps.download = [this](const UpdateItem& item) {
      calls.push_back("download " + item.address + " > " + TemporaryPath(item.path));
      for (const std::string& name : failing)
        if (name == item.name) return -1;
      return 0;
    };
    steps.replace = [this](const std::string& from, const std::string& to) {
      calls.push_back("replace " + from + " > " + to);
      if (stopAfterFirstReplace) std::thread([s = stopAfterFirstReplace] { s->RequestStop(); }).join();
      return true;
    };
    steps.exists = [this](const std::string& path) {
      for (const std::string& p : existing)
        if (p == path) return true;
      return false;
    };
    steps.start = [this](const std::string& path) {
      calls.push_back("start " + path);
      return true;
    };
    return steps;
  }
};

std::vector<UpdateItem> Plan(const std::string& names) {
  return PlanUpdate(ParseUpdateList("名称=[" + names + "]后缀=[.upd]"), "http://h/up/", "D:/u");
}

TEST(UpdateRunTest, FailedAndUnsafeFilesAreNotPutInPlaceButCounted) {
  Recorder r;
  r.failing = {"Play.dll"};
  r.existing = {"D:/u/Tavrin.exe"};
  StopSignal stop;
  const UpdateOutcome out = RunUpdate(Plan("Tavrin.exe|..\\evil.exe|Play.dll|help/help.html"), r.Steps(), stop);
  EXPECT_EQ(r.calls, (std::vector<std::string>{"show 1", "download http://h/up/Tavrin.exe.upd > D:/u/Tavrin.exe.p2p",
                                               "replace D:/u/Tavrin.exe.p2p > D:/u/Tavrin.exe", "show 2", "show 3",
                                               "download http://h/up/Play.dll.upd > D:/u/Play.dll.p2p", "show 4",
                                               "download http://h/up/help/help.html.upd > D:/u/help/help.html.p2p",
                                               "replace D:/u/help/help.html.p2p > D:/u/help/help.html",
                                               "start D:/u/Tavrin.exe"}));
  EXPECT_EQ(out.replaced, 2);
  EXPECT_EQ(out.failed, 1);
  EXPECT_EQ(out.skipped, 1);
  EXPECT_TRUE(out.programStarted);
}

TEST(UpdateRunTest, FirstProgramStartedOnlyWhenSafeAndPresent) {
  Recorder r;
  r.existing = {"D:/u/../Tavrin.exe", "D:/u/Play.dll"};
  StopSignal stop;
  UpdateOutcome out = RunUpdate(Plan("../Tavrin.exe|Play.dll"), r.Steps(), stop);
  EXPECT_FALSE(out.programFound);
  EXPECT_EQ(r.calls.back(), "replace D:/u/Play.dll.p2p > D:/u/Play.dll");

  Recorder missing;
  out = RunUpdate(Plan("Tavrin.exe"), missing.Steps(), stop);
  EXPECT_FALSE(out.programFound || out.programStarted);
}

TEST(UpdateRunTest, StopEndsTheRunBeforeTheNextFileAndStartsNothing) {
  Recorder r;
  r.existing = {"D:/u/a"};
  StopSignal stop;
  r.stopAfterFirstReplace = &stop;
  const UpdateOutcome out = RunUpdate(Plan("a|b"), r.Steps(), stop);
  EXPECT_TRUE(out.stopped);
  EXPECT_FALSE(out.programStarted);
  EXPECT_EQ(r.calls.back(), "replace D:/u/a.p2p > D:/u/a");
}

TEST(UpdateRunTest, RequestStopWaitsForTheStepInProgress) {
  StopSignal stop;
  std::atomic<bool> stepEnded{false};
  ASSERT_TRUE(stop.BeginStep());
  std::thread worker([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    stepEnded = true;
    stop.EndStep();
  });
  stop.RequestStop();
  EXPECT_TRUE(stepEnded);  // did not return while the copy was running
  EXPECT_FALSE(stop.BeginStep());
  worker.join();
}

}  // namespace
}  // namespace updater
