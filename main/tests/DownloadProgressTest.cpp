// The download queue's pure parts: megabyte texts, bar positions, the write throttle, row order and end message.
#include <gtest/gtest.h>

#include "main/DownloadProgress.h"
#include "main/DownloadQueuePlan.h"

namespace {

constexpr int64_t MB = 1048576;

TEST(FormatMegabytes, TwoDecimalsHalvesAwayFromZeroNoTrailingZeros) {
  EXPECT_EQ(FormatMegabytes(0), "0MB  ");
  EXPECT_EQ(FormatMegabytes(3 * MB / 2), "1.5MB  ");
  EXPECT_EQ(FormatMegabytes(12 * MB + MB * 35 / 100 + 1), "12.35MB  ");
  // 0.005 MB exactly is a half: it goes up, and down for a negative count.
  EXPECT_EQ(FormatMegabytes(5242880 / 1000 + 1), "0.01MB  ");  // 5243 bytes = 0.005000 MB
  EXPECT_EQ(FormatMegabytes(-5243), "-0.01MB  ");
  EXPECT_EQ(FormatMegabytes(5242), "0MB  ");
  EXPECT_EQ(FormatMegabytes(-1), "0MB  ");  // no "-0" for a failed probe
  EXPECT_EQ(FormatMegabytes(5 * 1024 * MB), "5120MB  ");
  EXPECT_EQ(FormatMegabytes(INT64_MAX), "8796093022208MB  ");
}

TEST(DownloadProgress, StatusAndBarFollowTheCountsPast2GiB) {
  EXPECT_EQ(ProgressStatusText(3 * MB, 3 * MB / 2), "视频大小:3MB  已下载:1.5MB  ");
  EXPECT_EQ(BarPosition(0, 500), 0);
  EXPECT_EQ(BarPosition(-1, 500), 0);
  EXPECT_EQ(BarPosition(1000, 999), 1000);  // 1022.976: held at the maximum
  EXPECT_EQ(BarPosition(1024, 1), 1);
  EXPECT_EQ(BarPosition(1025, 1), 0);  // truncated
  const int64_t five = 5 * 1024 * MB;
  EXPECT_EQ(BarPosition(five, five / 2), 512);
  EXPECT_EQ(ProgressStatusText(five, five / 2), "视频大小:5120MB  已下载:2560MB  ");
}

TEST(ProgressThrottle, WritesOnlyChangesAtMostTenTimesASecond) {
  ProgressThrottle t;
  EXPECT_TRUE(t.Offer(100 * MB, 0, 0));  // the first report
  EXPECT_EQ(t.View().status, "视频大小:100MB  已下载:0MB  ");
  EXPECT_FALSE(t.Offer(100 * MB, 10240, 33));  // too soon
  EXPECT_FALSE(t.Offer(100 * MB, 20480, 99));
  EXPECT_TRUE(t.Offer(100 * MB, 30720, 100));     // interval passed, shows 0.03MB
  EXPECT_FALSE(t.Offer(100 * MB, 30721, 250));    // same texts and position: nothing to write
  EXPECT_FALSE(t.Flush(251));                     // and nothing pending
  EXPECT_TRUE(t.Offer(100 * MB, 100 * MB, 251));  // complete: at once
  EXPECT_EQ(t.View().position, 1000);
  EXPECT_EQ(t.Writes(), 3);
}

TEST(ProgressThrottle, FlushWritesTheLastHeldBackReport) {
  ProgressThrottle t;
  t.Offer(0, 0, 0);
  EXPECT_FALSE(t.Offer(0, 5 * MB, 5));  // a cut download with no announced size
  ASSERT_TRUE(t.Flush(6));
  EXPECT_EQ(t.View().status, "视频大小:0MB  已下载:5MB  ");
  EXPECT_EQ(t.View().position, 0);
  EXPECT_FALSE(t.Flush(7));
}

TEST(ProgressThrottle, TheIntervalRunsOverTheFilesOfARun) {
  ProgressThrottle t;
  EXPECT_TRUE(t.Offer(MB, MB, 0));  // a small file, complete
  t.NextFile();
  // The next file's first report waits for the interval like any other.
  EXPECT_FALSE(t.Offer(MB, 0, 40));
  EXPECT_FALSE(t.Offer(MB, MB / 4, 99));
  ASSERT_TRUE(t.Flush(120));  // the file's end
  EXPECT_EQ(t.View().status, "视频大小:1MB  已下载:0.25MB  ");
  t.NextFile();
  // Once the interval has passed since the flush, a new file's report is
  // written even when it shows what the last write showed.
  EXPECT_FALSE(t.Offer(MB, MB / 4, 219));
  EXPECT_TRUE(t.Offer(MB, MB / 4, 220));
  EXPECT_EQ(t.Writes(), 3);
}

TEST(DownloadQueuePlan, LastRowFirstSkippingUncheckedAndDone) {
  std::vector<QueueRow> rows = {{10, false, "等待中"},
                                {11, true, "等待中"},
                                {12, false, "等待中"},
                                {13, true, "下载失败"},
                                {14, true, "下载完成"}};
  EXPECT_EQ(QueueOrder(rows), (std::vector<intptr_t>{13, 11}));
  EXPECT_TRUE(IsQvodAddress("x qvod://1|2|"));
  EXPECT_FALSE(IsQvodAddress("QVOD://1|2|"));
  EXPECT_EQ(DownloadEndMessage(2, 0), "恭喜，下载已完成！");
  EXPECT_EQ(DownloadEndMessage(3, 1), "下载结束：3 个文件中有 1 个下载失败！");
}

}  // namespace
