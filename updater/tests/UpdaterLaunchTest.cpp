// Tests that the updater and the updated program are started with their paths quoted, from a folder with blanks.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/base/WideText.h"
#include "ui/tests/support/ShellRecorder.h"
#include "updater/CommandLine.h"
#include "updater/Processes.h"
#include "updater/UpdaterLaunch.h"
#include "ui/base/tests/support/Pump.h"

namespace updater {
namespace {

// The command line the test program saw, once it has written it (GBK); else
// what the wait gave up on.
std::string EchoedCommandLine(const std::string& program) {
  const std::wstring file = ui::ToWide(program + ".args");
  std::wstring line;
  const bool written = testsupport::PollUntil([&] {
    HANDLE f = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    line.assign(4096, L'\0');
    DWORD got = 0;
    ReadFile(f, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &got, nullptr);
    CloseHandle(f);
    line.resize(got / sizeof(wchar_t));
    return got > 0;
  });
  return written ? ui::ToGbk(line) : "<" + testsupport::GaveUpWaitingFor(program + ".args") + ">";
}

class UpdaterLaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder = ui::ToGbk(temp) + "启动 测试 " + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(ui::ToWide(folder).c_str(), nullptr);
  }
  // A started program holds its file until it has ended: the next test must
  // not find it there.
  void TearDown() override {
    EXPECT_TRUE(testsupport::PollUntil([&] {
      bool gone = true;
      for (const std::string& f : made)
        gone = (DeleteFileW(ui::ToWide(f).c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) && gone;
      return gone;
    })) << testsupport::GaveUpWaitingFor("the started programs to end and their files to go");
    RemoveDirectoryW(ui::ToWide(folder).c_str());
  }
  std::string Place(const std::string& name) {
    const std::string path = folder + "/" + name;
    EXPECT_TRUE(CopyFileW(ui::ToWide(ARG_ECHO_EXE).c_str(), ui::ToWide(path).c_str(), FALSE));
    made.push_back(path);
    made.push_back(path + ".args");
    return path;
  }
  std::string folder;
  std::vector<std::string> made;
};

TEST_F(UpdaterLaunchTest, MainProgramStartsTheUpdaterWithTheUpdateFolder) {
  const std::string updater = Place("Quenlo.exe");
  ASSERT_EQ(LaunchUpdaterOrOpenPage(folder, "http://127.0.0.1:1/VelkDown/", "http://unused/"), UpdaterLaunch::Started);
  const std::string line = EchoedCommandLine(updater);
  const std::vector<std::string> pieces = SplitCommandLine(line);
  ASSERT_EQ(pieces.size(), 2u) << line;
  EXPECT_EQ(pieces[0], updater);
  EXPECT_EQ(pieces[1], "http://127.0.0.1:1/VelkDown/up/");
}

// Without Quenlo.exe the download page of the update list goes to the shell,
// but only as a web address: a program or a file there is never started.
TEST_F(UpdaterLaunchTest, WithoutTheUpdaterOnlyAWebDownloadPageIsOpened) {
  const std::string program = Place("下载页.exe");
  const std::string refused[] = {program, "file:///" + program, "javascript:alert(1)", "\\\\127.0.0.1\\c$\\x.exe", ""};
  for (const std::string& page : refused) {
    testsupport::ClearShellTargets();
    EXPECT_EQ(LaunchUpdaterOrOpenPage(folder, "http://127.0.0.1:1/VelkDown/", page), UpdaterLaunch::Failed) << page;
    EXPECT_TRUE(testsupport::ShellTargets().empty()) << page;
  }
  testsupport::ClearShellTargets();
  EXPECT_EQ(LaunchUpdaterOrOpenPage(folder, "http://127.0.0.1:1/VelkDown/", "www.example.com/down.html"),
            UpdaterLaunch::PageOpened);
  EXPECT_EQ(testsupport::ShellTargets(), std::vector<std::string>{"http://www.example.com/down.html"});
}

TEST_F(UpdaterLaunchTest, UpdatedProgramIsStartedWithItsPathQuoted) {
  const std::string program = Place("新 程序.exe");
  ASSERT_TRUE(StartUpdatedProgram(program));
  EXPECT_EQ(EchoedCommandLine(program), "\"" + program + "\"");
  EXPECT_FALSE(StartUpdatedProgram(folder + "/missing.exe"));
}

}  // namespace
}  // namespace updater
