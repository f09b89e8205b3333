// Tests of the updater's command line and of the line the main program starts it with.
#include "updater/CommandLine.h"

#include <gtest/gtest.h>

namespace updater {
namespace {

using Pieces = std::vector<std::string>;

TEST(CommandLineTest, QuotesGroupBlanksAndAreDropped) {
  EXPECT_EQ(SplitCommandLine("Quenlo.exe http://h/VelkDown/up/"), (Pieces{"Quenlo.exe", "http://h/VelkDown/up/"}));
  EXPECT_EQ(SplitCommandLine("  \"C:\\新 文件夹\\Quenlo.exe\"\t a\"b c\"d  \"\" "),
            (Pieces{"C:\\新 文件夹\\Quenlo.exe", "ab cd", ""}));
  EXPECT_EQ(SplitCommandLine(""), Pieces{});
}

TEST(CommandLineTest, TheMainProgramsLineGivesTheUpdateFolderAsFirstArgument) {
  const std::string line = UpdaterCommandLine("C:/Program Files/影 音/Quenlo.exe", "http://127.0.0.1:81/VelkDown/");
  EXPECT_EQ(line, "\"C:/Program Files/影 音/Quenlo.exe\" http://127.0.0.1:81/VelkDown/up/");
  EXPECT_EQ(FirstArgument(line), "http://127.0.0.1:81/VelkDown/up/");
  EXPECT_EQ(FirstArgument("Quenlo.exe"), "");
}

TEST(CommandLineTest, ArgumentNeedsSixBytes) {
  EXPECT_FALSE(IsUsableArgument(""));
  EXPECT_FALSE(IsUsableArgument("12345"));
  EXPECT_TRUE(IsUsableArgument("123456"));
  EXPECT_TRUE(IsUsableArgument("新版本"));  // three two-byte characters
}

}  // namespace
}  // namespace updater
