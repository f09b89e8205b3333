// New file-list rows: splitting the reply, the part-count rewrite, extensions and safe, unique file names.
#include <gtest/gtest.h>

#include <set>

#include "main/FileListFill.h"
#include "main/FileName.h"

namespace {

using Entries = std::vector<std::string>;

TEST(FileListFill, SplitKeepsEmptyEntriesButNoTrailingOne) {
  EXPECT_EQ(SplitReplyEntries(""), Entries{});
  EXPECT_EQ(SplitReplyEntries("a$$b$$"), (Entries{"a", "b"}));
  EXPECT_EQ(SplitReplyEntries("$$a$$$$b"), (Entries{"", "a", "", "b"}));
  EXPECT_EQ(SplitReplyEntries("$$"), Entries{""});
  // "\xB0$" is one character: its second byte is no separator.
  EXPECT_EQ(SplitReplyEntries("a\xB0$$$b"), (Entries{"a\xB0$", "b"}));
}

TEST(FileListFill, PartCountReplacesEveryPlaceholder) {
  EXPECT_EQ(RewritePartCount("http://a/00_00/v00_00.flv", 12), "http://a/00_12/v00_12.flv");
  EXPECT_EQ(RewritePartCount("x000_000", 3), "x000_30");  // leftmost match first
  EXPECT_EQ(RewritePartCount("00_0", 3), "00_0");
}

TEST(FileListFill, ExtensionIsTheFirstOfTheListFoundAnywhere) {
  EXPECT_EQ(GuessExtension("http://a/b.rmvb"), "rmvb");
  EXPECT_EQ(GuessExtension("http://a/flvs/b.mp4"), "flv");
  EXPECT_EQ(GuessExtension("http://a/B.FLV"), "flv");
  EXPECT_EQ(GuessExtension("http://a/b.MP4"), "flv");
  EXPECT_EQ(GuessExtension("http://a/b.rm"), "rm");
  EXPECT_EQ(GuessExtension("http://a/b.rmvb.rm"), "rmvb");
  EXPECT_EQ(FileCountText(3, 3), "本视频共有 3 个文件，请选择要下载的文件！ ");
  EXPECT_EQ(FileCountText(5001, 5000), "本视频共有 5001 个文件，只列出了前 5000 个，请选择要下载的文件！ ");
}

TEST(FileListFill, OnlyHttpAndHttpsAddressesAreProbed) {
  EXPECT_TRUE(CanProbeSize("http://a/b.flv"));
  EXPECT_TRUE(CanProbeSize("HTTPS://a/b.flv"));
  EXPECT_FALSE(CanProbeSize("qvod://123|AB|b.rmvb|"));
  EXPECT_FALSE(CanProbeSize(""));
  EXPECT_FALSE(CanProbeSize("http:/a"));
  EXPECT_FALSE(CanProbeSize(" http://a/b.flv"));
}

TEST(FileName, TitleCutNeverSplitsACharacter) {
  const std::string fifty(50, 'x');
  EXPECT_EQ(CutTitle(fifty), std::string(40, 'x'));
  EXPECT_EQ(CutTitle("short"), "short");
  // Byte 40 (index 39) starts a double-byte character: it is left out whole.
  const std::string straddling = std::string(39, 'x') + "\xC4\xE3" + "yy";
  EXPECT_EQ(CutTitle(straddling), std::string(39, 'x'));
  EXPECT_EQ(CutTitle(std::string(38, 'x') + "\xC4\xE3" + "y"), std::string(38, 'x') + "\xC4\xE3");
  EXPECT_EQ(CutTitle("ab\xC4"), "ab");  // a dangling first byte is dropped
}

TEST(FileName, NamesAreSafeWindowsNamesInsideTheFolder) {
  EXPECT_EQ(RowFileName("..\\..\\x", 1, "u.flv"), ".._.._x[1].flv");
  EXPECT_EQ(RowFileName("a:b*c?", 2, "u.mp4"), "a_b_c_[2].mp4");
  EXPECT_EQ(RowFileName("<\"|/>\t", 1, ""), "______[1].flv");
  EXPECT_EQ(RowFileName("", 3, "u.avi"), "[3].avi");
  // A second byte 0x5C ("\") or 0x7C ("|") belongs to its character and stays.
  EXPECT_EQ(RowFileName("\x81\x5C\x81\x7C", 1, ""), "\x81\x5C\x81\x7C[1].flv");
  // A first byte followed by a byte that cannot be a second byte: the pair breaks.
  EXPECT_EQ(SafeFileName("\x81/x\x80\\\xFF"), "__x___");
  EXPECT_EQ(SafeFileName("CON"), "_CON");
  EXPECT_EQ(SafeFileName("con.x[1].flv"), "_con.x[1].flv");
  EXPECT_EQ(SafeFileName("LPT9 .flv"), "_LPT9 .flv");
  EXPECT_EQ(SafeFileName("COM0.flv"), "COM0.flv");
  EXPECT_EQ(SafeFileName("CONSOLE.flv"), "CONSOLE.flv");
  EXPECT_EQ(SafeFileName("name. . "), "name");
  EXPECT_EQ(SafeFileName(".."), "_");
  EXPECT_EQ(SafeFileName(""), "_");
}

TEST(FileName, TakenNamesGetANumberBeforeTheExtension) {
  std::set<std::string> taken = {"[1].flv", "[1] (2).flv", "a"};
  auto isTaken = [&](const std::string& n) {
    for (const auto& t : taken)
      if (SameFileName(t, n)) return true;
    return false;
  };
  EXPECT_EQ(UniqueFileName("[2].flv", isTaken), "[2].flv");
  EXPECT_EQ(UniqueFileName("[1].FLV", isTaken), "[1] (3).FLV");
  EXPECT_EQ(UniqueFileName("a", isTaken), "a (2)");
  EXPECT_EQ(UniqueFileName("x.y.flv", [](const std::string& n) { return n == "x.y.flv"; }), "x.y (2).flv");
  // The extension dot is found character by character ("\xB0." is one character).
  EXPECT_EQ(UniqueFileName("a\xB0.b", [](const std::string& n) { return n == "a\xB0.b"; }), "a\xB0.b (2)");
  EXPECT_FALSE(SameFileName("\xB0\x41", "\xB0\x61"));  // second bytes are not letters
}

TEST(FileName, PathInFolderAddsOneSeparator) {
  EXPECT_EQ(PathInFolder("C:\\Down\\", "a.flv"), "C:\\Down\\a.flv");
  EXPECT_EQ(PathInFolder("C:\\Down", "a.flv"), "C:\\Down\\a.flv");
  EXPECT_EQ(PathInFolder("C:/Down/", "a.flv"), "C:/Down/a.flv");
  // The folder ends in a character whose second byte is 0x5C: no separator yet.
  EXPECT_EQ(PathInFolder("C:\\\x81\x5C", "a.flv"), "C:\\\x81\x5C\\a.flv");
}

TEST(FileName, OnlyAFolderOnALocalDriveIsASaveFolder) {
  EXPECT_TRUE(IsLocalFolderPath("d:\\\xCA\xD3\xC6\xB5\\\xD5\x5C"));
  for (const char* path : {"C:", "C:/x", "\\\\server\\share", "x\\y", "http://a.cn/", "C:\\x:y", "C:\\x\r\ny"})
    EXPECT_FALSE(IsLocalFolderPath(path)) << path;
}

}  // namespace
