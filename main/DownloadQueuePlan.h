// The download queue's decisions and texts: which rows it takes and in what order, the QVOD stop, the end message.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Status texts of a row and of the status bar.
inline constexpr const char* kDownloadingText = "正在下载...";
inline constexpr const char* kDownloadedText = "下载完成";
inline constexpr const char* kDownloadFailedText = "下载失败";
inline constexpr const char* kNothingCheckedText = "温馨提示：您还没有选择要下载的文件呢！";
inline constexpr const char* kQvodStopText = "快播文件无法直接下载，请点击直接播放即同时下载！";
// The question before a run and the end message box's title.
inline constexpr const char* kStartQuestion = "您是否开始下载当前选中视频！";
inline constexpr const char* kStartQuestionTitle = "提示：";
inline constexpr const char* kEndTitle = "温馨提示：";

// A row of the file list as the queue sees it when a run starts.
struct QueueRow {
  intptr_t id;  // the row's identity (kept with the list item)
  bool checked;
  std::string status;  // column 4
};

// The identities of the rows a run takes, in the order it takes them: the
// checked rows whose status is not "下载完成", from the last row to the first.
std::vector<intptr_t> QueueOrder(const std::vector<QueueRow>& rows);

// True when the address holds "qvod://" (case-sensitive): the run stops there.
bool IsQvodAddress(const std::string& address);

// The overlay text of the bar while a file downloads.
std::string DownloadBarText(const std::string& fileName);

// The end message of a run that took `taken` rows, `failed` of which failed:
// the congratulation only when none failed, otherwise how many failed.
std::string DownloadEndMessage(int taken, int failed);
