// The columns of the start window's file list L1, named once for every part of the program that reads or writes a row.
#pragma once

enum FileListColumn : int {
  kNumberColumn = 0,   // 序号: the entry's number within its parse
  kNameColumn = 1,     // 名称: the file name in the save folder
  kAddressColumn = 2,  // 视频地址: the video file's address
  kSizeColumn = 3,     // 大小: the size the probe found
  kStatusColumn = 4,   // 状态: waiting, downloading, done or failed
  kPageColumn = 5,     // Url: the page address the parse was asked for (not shown)
};
inline constexpr int kFileListColumnCount = 6;
