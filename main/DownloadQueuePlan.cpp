// The download queue's decisions and texts: which rows it takes and in what order, the QVOD stop, the end message.
#include "main/DownloadQueuePlan.h"

#include "web/TextHelpers.h"

std::vector<intptr_t> QueueOrder(const std::vector<QueueRow>& rows) {
  std::vector<intptr_t> order;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row)
    if (row->checked && row->status != kDownloadedText) order.push_back(row->id);
  return order;
}

bool IsQvodAddress(const std::string& address) { return web::GbkFind(address, "qvod://") != std::string::npos; }

std::string DownloadBarText(const std::string& fileName) { return "正在下载 [" + fileName + "]， 已完成： "; }

std::string DownloadEndMessage(int taken, int failed) {
  if (failed <= 0) return "恭喜，下载已完成！";
  return "下载结束：" + std::to_string(taken) + " 个文件中有 " + std::to_string(failed) + " 个下载失败！";
}
