// The texts and the bar position that the updater shows while it works.
#pragma once
#include <cstdint>
#include <string>

namespace updater {

// Bytes as kilobytes: n / 1024 rounded to two decimals, halves away from
// zero, written with at most 13 significant digits and no trailing zeros.
std::string KB(int64_t bytes);

// First step of the size label: "  文件大小:" + KB(total) + "KB  ".
std::string SizeLabelText(int64_t total);
// Second step: the label's current text + "已下载:" + KB(received) + "KB  ".
std::string ReceivedLabelText(const std::string& current, int64_t received);

// Position on the 0-10000 bar: received × 10000 / total truncated toward
// zero; 0 when total is 0.
int BarPosition(int64_t total, int64_t received);

// The bar's text while waiting: "系统检测到有 N 个文件需更新！ ".
std::string FileCountText(int count);
// The bar's text while file number (1-based) is updated.
std::string FileNumberText(int number);

}  // namespace updater
