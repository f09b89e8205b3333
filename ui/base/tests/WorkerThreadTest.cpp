// Worker threads through the one helper: what the work throws ends in its failure handler, never the process.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "ui/base/WorkerThread.h"
#include "ui/base/tests/support/Pump.h"

namespace {

TEST(WorkerThread, WhatTheWorkThrowsEndsInItsFailureHandlerOnItsThread) {
  std::atomic<DWORD> failedOn{0};
  std::atomic<int> failures{0};
  const ui::WorkerThread standard = ui::WorkerThread::Start([] { throw std::runtime_error("out of luck"); },
                                                            [&] { failedOn = GetCurrentThreadId(), ++failures; });
  // Anything at all, and a failure handler that throws in its turn.
  const ui::WorkerThread other = ui::WorkerThread::Start([] { throw 42; },
                                                         [&] {
                                                           ++failures;
                                                           throw std::bad_alloc();
                                                         });
  const ui::WorkerThread silent = ui::WorkerThread::Start([] { throw "no handler"; });
  ASSERT_TRUE(standard && other && silent);
  // A worker stops counting as running just before its thread returns: the
  // threads themselves say when they have ended.
  const HANDLE threads[] = {standard.Handle(), other.Handle(), silent.Handle()};
  ASSERT_EQ(WaitForMultipleObjects(3, threads, TRUE, testsupport::kLongWaitMs), WAIT_OBJECT_0)
      << testsupport::GaveUpWaitingFor("the three workers to end");
  EXPECT_TRUE(standard.Ended() && other.Ended() && silent.Ended());
  EXPECT_EQ(ui::RunningWorkers(), 0);
  EXPECT_EQ(failures.load(), 2);
  EXPECT_EQ(failedOn.load(), standard.Id());

  // A work that returns does not run its failure handler.
  bool failed = false, ran = false;
  const ui::WorkerThread fine = ui::WorkerThread::Start([&] { ran = true; }, [&] { failed = true; });
  ASSERT_EQ(WaitForSingleObject(fine.Handle(), testsupport::kLongWaitMs), WAIT_OBJECT_0);
  EXPECT_TRUE(ran);
  EXPECT_FALSE(failed);
}

}  // namespace
