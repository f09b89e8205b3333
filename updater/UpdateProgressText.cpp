// The texts and the bar position that the updater shows while it works.
#include "updater/UpdateProgressText.h"

#include <cmath>
#include <cstdio>

namespace updater {

std::string KB(int64_t bytes) {
  const double kb = static_cast<double>(bytes) / 1024.0;
  const double hundredths = std::fabs(kb) * 100.0;
  double whole = std::floor(hundredths);
  if (hundredths - whole + 1e-12 >= 0.5) whole += 1.0;
  const double rounded = std::copysign(whole / 100.0, kb);
  char text[64];
  std::snprintf(text, sizeof text, "%.13g", rounded == 0.0 ? 0.0 : rounded);
  return text;
}

std::string SizeLabelText(int64_t total) { return "  文件大小:" + KB(total) + "KB  "; }

std::string ReceivedLabelText(const std::string& current, int64_t received) {
  return current + "已下载:" + KB(received) + "KB  ";
}

int BarPosition(int64_t total, int64_t received) {
  if (total == 0) return 0;
  const double position = static_cast<double>(received) * 10000.0 / static_cast<double>(total);
  // The bar shows 0 to 10000; outside that the conversion would not even be defined.
  if (!(position > 0.0)) return 0;
  return position >= 10000.0 ? 10000 : static_cast<int>(position);
}

std::string FileCountText(int count) { return "系统检测到有 " + std::to_string(count) + " 个文件需更新！ "; }

std::string FileNumberText(int number) { return "正在更新第 " + std::to_string(number) + " 个文件， 当前已完成： "; }

}  // namespace updater
