// Tests of the file download and the size query against the service simulator.
#include "web/Download.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/base/WideText.h"
#include "ui/base/tests/support/FileBytes.h"
#include "web/tests/support/Simulator.h"

namespace web {
namespace {

using testsupport::ReadAll;
using testsupport::VideoBytes;
using testsupport::WriteAll;

// Where the request asks for the bytes from `from` on (npos when it does not).
// WinINet sends the header it was given ("Range:bytes=N-") as "Range: bytes=N-".
size_t RangeLineFrom(const std::string& request, const std::string& from) {
  return request.find("\r\nRange: bytes=" + from + "-\r\n");
}

struct Progress {
  int64_t total, received, elapsedMs, receivedThisRun;
};

class DownloadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sim.Ready()) << "simulator port file not found (TAVRIN_SIM_PORT_FILE)";
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    dir = ui::ToGbk(temp) + "下载测试" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryW(ui::ToWide(dir).c_str(), nullptr);
  }
  void TearDown() override {
    for (const std::string& f : made) DeleteFileW(ui::ToWide(f).c_str());
    RemoveDirectoryW(ui::ToWide(dir).c_str());
  }
  std::string LocalFile(const std::string& name) {
    made.push_back(dir + name);
    return made.back();
  }
  // A query value unique to this run, so the simulator's log of earlier runs does not count.
  std::string Tag(const std::string& name) const {
    return "t=" + name + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
  }
  DownloadProgress Recorder() {
    return [this](int64_t t, int64_t r, int64_t e, int64_t run) { calls.push_back({t, r, e, run}); };
  }
  // The messages as the download hands them over, in order.
  DownloadMessages Told() {
    return DownloadMessages([this](const char* text) { told.push_back(text); });
  }

  testsupport::Simulator sim;
  std::string dir;
  std::vector<std::string> made;
  std::vector<Progress> calls;
  std::vector<std::string> told;
};

TEST_F(DownloadTest, TenMegabytesArriveIntactWithConsistentProgress) {
  const int64_t size = 10 * 1024 * 1024;
  const std::string path = LocalFile("十兆.flv");
  ASSERT_EQ(DownloadToFile(sim.Url("video/10485760.flv?t=dl10"), path, Told(), Recorder()), 0);
  EXPECT_TRUE(ReadAll(path) == VideoBytes(0, size));
  EXPECT_TRUE(told.empty()) << "a whole download shows nothing, but it showed: " << told.front();
  ASSERT_FALSE(calls.empty());
  int64_t before = 0;
  for (const Progress& p : calls) {
    ASSERT_EQ(p.total, size);
    ASSERT_GT(p.received, before);
    ASSERT_LE(p.received - before, 10240);
    ASSERT_EQ(p.receivedThisRun, p.received);
    ASSERT_GT(p.elapsedMs, 0);
    before = p.received;
  }
  EXPECT_EQ(calls.back().received, size);

  const std::string request = sim.Last("/video/10485760.flv?t=dl10");
  EXPECT_EQ(request.rfind("GET /video/10485760.flv?t=dl10 HTTP/1.1\r\n", 0), 0u) << request;
  EXPECT_NE(request.find("Accept: */*\r\n"), std::string::npos) << request;
  EXPECT_NE(request.find("Accept-Language: zh-cn\r\n"), std::string::npos) << request;
  EXPECT_EQ(request.find("Range"), std::string::npos) << request;
}

TEST_F(DownloadTest, WithoutLengthTotalIsZeroAndTheDownloadCompletes) {
  const std::string path = LocalFile("nolength.flv");
  ASSERT_EQ(DownloadToFile(sim.Url("video/100000.flv?nolength=1"), path, Told(), Recorder()), 0);
  EXPECT_TRUE(ReadAll(path) == VideoBytes(0, 100000));
  ASSERT_FALSE(calls.empty());
  for (const Progress& p : calls) EXPECT_EQ(p.total, 0);
  EXPECT_EQ(calls.back().received, 100000);
}

TEST_F(DownloadTest, CutConnectionIsReportedAndKeepsThePartialFile) {
  const std::string path = LocalFile("cut.flv");
  EXPECT_EQ(DownloadToFile(sim.Url("video/1000000.flv?cut=300000"), path, Told(), Recorder()), -1);
  EXPECT_EQ(told, std::vector<std::string>{"网络中断！"});
  // What arrived before the cut stays in the file (the platform may drop the
  // last bytes in flight when the connection is reset).
  ASSERT_FALSE(calls.empty());
  const int64_t received = calls.back().received;
  EXPECT_GT(received, 200000);
  EXPECT_LE(received, 300000);
  EXPECT_TRUE(ReadAll(path) == VideoBytes(0, received));

  // A server that closes quietly before the announced length is cut off as well.
  const std::string page = sim.Get("ad.html");
  const std::string shortPath = LocalFile("short.html");
  calls.clear();
  EXPECT_EQ(DownloadToFile(sim.Url("ad.html?announce=100000"), shortPath, Told(), Recorder()), -1);
  EXPECT_EQ(told, (std::vector<std::string>{"网络中断！", "网络中断！"}));
  EXPECT_EQ(ReadAll(shortPath), page);
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().total, 100000);
}

TEST_F(DownloadTest, ResumeAsksForTheRestAndAppendsIt) {
  const std::string path = LocalFile("resume.flv");
  WriteAll(path, VideoBytes(0, 5000));
  ASSERT_EQ(DownloadToFile(sim.Url("video/20000.flv?t=resume"), path, Told(), Recorder(), 5000, true), 0);
  EXPECT_TRUE(ReadAll(path) == VideoBytes(0, 20000));
  const std::string request = sim.Last("/video/20000.flv?t=resume");
  const size_t range = RangeLineFrom(request, "5000");
  ASSERT_NE(range, std::string::npos) << request;
  EXPECT_LT(request.find("\r\nUser-Agent: "), range) << request;
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().total, 15000);
  EXPECT_EQ(calls.back().received, 20000);
  for (const Progress& p : calls) EXPECT_EQ(p.receivedThisRun, p.received - 5000);

  // The offset counts, not the file's length: the rest goes after what is there.
  const std::string shortFile = LocalFile("short.flv");
  WriteAll(shortFile, VideoBytes(0, 1000));
  calls.clear();
  ASSERT_EQ(DownloadToFile(sim.Url("video/20000.flv?t=resume2"), shortFile, Told(), Recorder(), 5000, true), 0);
  EXPECT_TRUE(ReadAll(shortFile) == VideoBytes(0, 1000) + VideoBytes(5000, 15000));
  EXPECT_EQ(calls.back().received, 20000);

  // No file yet: created, and received still starts at the offset.
  const std::string fresh = LocalFile("fresh.flv");
  calls.clear();
  ASSERT_EQ(DownloadToFile(sim.Url("video/20000.flv?t=resume3"), fresh, Told(), Recorder(), 5000, true), 0);
  EXPECT_TRUE(ReadAll(fresh) == VideoBytes(5000, 15000));
  EXPECT_EQ(calls.front().received - calls.front().receivedThisRun, 5000);
}

TEST_F(DownloadTest, UnopenableAddressIsReportedAndTheProgramGoesOn) {
  const std::string path = LocalFile("never.flv");
  EXPECT_EQ(DownloadToFile("http://127.0.0.1:" + std::to_string(testsupport::ClosedPort()) + "/x.flv", path, Told(),
                           Recorder()),
            -1);
  EXPECT_EQ(told, std::vector<std::string>{"不能打开该URL!"});
  EXPECT_EQ(ReadAll(path), "<missing>");
  EXPECT_TRUE(calls.empty());
}

TEST_F(DownloadTest, AnErrorAnswerIsNotSavedAsTheFile) {
  const std::string path = LocalFile("404.flv");
  EXPECT_EQ(DownloadToFile(sim.Url("video/3000.flv?status=404&t=e404"), path, Told(), Recorder()), -1);
  EXPECT_EQ(told, std::vector<std::string>{"不能打开该URL!"});
  EXPECT_EQ(ReadAll(path), "<missing>");
  EXPECT_TRUE(calls.empty());
  // Nor is an error page's length taken for the file's size.
  EXPECT_EQ(QueryContentLength(sim.Url("video/3000.flv?status=404&t=q404")), -1);
  EXPECT_EQ(sim.Count("/video/3000.flv?status=404&t=q404"), 1);
}

// The server compresses (fault gzip=1) what the request's Accept-Encoding allows.
TEST_F(DownloadTest, CompressedBodiesAreWrittenDecodedAndMustEndWhole) {
  const std::string path = LocalFile("压缩.flv");
  ASSERT_EQ(DownloadToFile(sim.Url("video/300000.flv?gzip=1"), path, Told(), Recorder()), 0);
  EXPECT_TRUE(ReadAll(path) == VideoBytes(0, 300000)) << ReadAll(path).size() << " bytes on disk";
  EXPECT_TRUE(told.empty()) << told.front();
  // Progress counts the bytes as sent, against the compressed length announced.
  ASSERT_FALSE(calls.empty());
  EXPECT_LT(calls.back().total, 300000);
  EXPECT_EQ(calls.back().received, calls.back().total);
  EXPECT_NE(sim.Last("/video/300000.flv?gzip=1").find("\r\nAccept-Encoding: gzip, deflate\r\n"), std::string::npos);

  // Without a length the stream's own end tells a whole body from one the
  // server closed early.
  const std::string unannounced = LocalFile("unannounced.flv");
  ASSERT_EQ(DownloadToFile(sim.Url("video/300000.flv?gzip=1&nolength=1"), unannounced, Told(), Recorder()), 0);
  EXPECT_TRUE(ReadAll(unannounced) == VideoBytes(0, 300000));
  EXPECT_EQ(DownloadToFile(sim.Url("video/300000.flv?gzip=1&nolength=1&announce=500"), LocalFile("early.flv"), Told(),
                           Recorder()),
            -1);
  EXPECT_EQ(told, std::vector<std::string>{"网络中断！"});
}

TEST_F(DownloadTest, ResumeFromAServerWithoutRangesStartsTheFileOver) {
  const std::string path = LocalFile("norange.flv");
  WriteAll(path, std::string(5000, 'x'));
  ASSERT_EQ(DownloadToFile(sim.Url("video/20000.flv?norange=1&t=norange"), path, Told(), Recorder(), 5000, true), 0);
  EXPECT_TRUE(ReadAll(path) == VideoBytes(0, 20000));
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().total, 20000);
  EXPECT_EQ(calls.back().received, 20000);
  EXPECT_EQ(calls.back().receivedThisRun, 20000);
}

TEST_F(DownloadTest, LocalFileProblemsAreReported) {
  EXPECT_EQ(DownloadToFile(sim.Url("video/100.flv?t=nodir"), dir + "no\\such\\dir\\x.flv", Told()), -1);
  EXPECT_EQ(told, std::vector<std::string>{"不能打开本地的文件!"});

  // A full disk (Linux's /dev/full under Wine) takes no bytes: a failure,
  // not a completed download.
  EXPECT_EQ(DownloadToFile(sim.Url("video/50000.flv?t=full"), "Z:\\dev\\full", Told(), Recorder()), -1);
  EXPECT_EQ(told, (std::vector<std::string>{"不能打开本地的文件!", "不能写入本地的文件!"}));
  EXPECT_TRUE(calls.empty());
}

TEST_F(DownloadTest, LengthsBeyond4GiBAreReportedWhole) {
  const std::string path = LocalFile("big.flv");
  DownloadToFile(sim.Url("video/5368709120.flv?announce=5368709120&cut=50000"), path, Told(), Recorder());
  ASSERT_FALSE(calls.empty());
  for (const Progress& p : calls) EXPECT_EQ(p.total, 5368709120LL);
  EXPECT_LE(calls.back().received, 50000);

  // Resuming beyond 4 GiB: the offset goes out whole and received counts from it.
  calls.clear();
  const std::string resumed = LocalFile("big2.flv");
  EXPECT_EQ(
      DownloadToFile(sim.Url("video/5368719360.flv?t=bigresume"), resumed, Told(), Recorder(), 5368709120LL, true), 0);
  EXPECT_NE(RangeLineFrom(sim.Last("/video/5368719360.flv?t=bigresume"), "5368709120"), std::string::npos);
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().total, 10240);
  EXPECT_EQ(calls.back().received, 5368719360LL);
  EXPECT_EQ(calls.back().receivedThisRun, 10240);
  EXPECT_TRUE(ReadAll(resumed) == VideoBytes(5368709120LL, 10240));
}

TEST_F(DownloadTest, SizeQueryReadsTheAnnouncedLength) {
  const std::string path = "video/12345.flv?" + Tag("q1");
  EXPECT_EQ(QueryContentLength(sim.Url(path)), 12345);
  EXPECT_EQ(sim.Count("/" + path), 1);
  EXPECT_EQ(QueryContentLength(sim.Url("video/100.flv?t=q5g&announce=5368709120")), 5368709120LL);
}

TEST_F(DownloadTest, SizeQueryTriesAgainOnlyWhileNoLengthComes) {
  for (int tries : {5, 0, -3, 2}) {
    const std::string path = "video/100.flv?nolength=1&" + Tag("qn" + std::to_string(tries));
    EXPECT_EQ(QueryContentLength(sim.Url(path), tries), -1);
    EXPECT_EQ(sim.Count("/" + path), tries == 2 ? 2 : 5) << "tries " << tries;
  }
  // An address that cannot be opened ends the query at once.
  const DWORD start = GetTickCount();
  EXPECT_EQ(QueryContentLength("http://127.0.0.1:" + std::to_string(testsupport::ClosedPort()) + "/x.flv", 5), -1);
  EXPECT_LT(GetTickCount() - start, 10000u);
}

}  // namespace
}  // namespace web
