// What the download progress shows (size texts and bar position) and when it is worth writing to the window.
#include "main/DownloadProgress.h"

#include <cmath>
#include <cstdio>
#include <utility>

std::string FormatMegabytes(int64_t bytes) {
  const double megabytes = static_cast<double>(bytes) / 1048576.0;
  // Two decimals, halves away from zero; the nudge keeps a half that the
  // division left a hair below .5 on the upper side.
  double rounded = std::floor(std::fabs(megabytes) * 100.0 + 0.5 + 1e-12) / 100.0;
  if (megabytes < 0 && rounded != 0) rounded = -rounded;  // no "-0" for a tiny negative count
  char text[64];
  std::snprintf(text, sizeof text, "%.13gMB  ", rounded);
  return text;
}

std::string ProgressStatusText(int64_t total, int64_t received) {
  return "视频大小:" + FormatMegabytes(total) + "已下载:" + FormatMegabytes(received);
}

int BarPosition(int64_t total, int64_t received) {
  if (total <= 0 || received <= 0) return 0;
  const double position = std::trunc(static_cast<double>(received) * 1024.0 / static_cast<double>(total));
  return position >= 1000.0 ? 1000 : static_cast<int>(position);
}

ProgressView ProgressViewOf(int64_t total, int64_t received) {
  return ProgressView{ProgressStatusText(total, received), BarPosition(total, received)};
}

bool ProgressThrottle::Offer(int64_t total, int64_t received, int64_t nowMs) {
  total_ = total;
  received_ = received;
  const bool complete = total > 0 && received >= total;
  if (anyWritten_ && !complete && nowMs - lastWriteMs_ < intervalMs_) {
    pending_ = true;
    return false;
  }
  return WriteIfChanged(nowMs);
}

bool ProgressThrottle::Flush(int64_t nowMs) { return pending_ && WriteIfChanged(nowMs); }

void ProgressThrottle::NextFile() {
  fileWritten_ = false;
  pending_ = false;
}

bool ProgressThrottle::WriteIfChanged(int64_t nowMs) {
  pending_ = false;
  ProgressView view = ProgressViewOf(total_, received_);
  if (fileWritten_ && view == written_) return false;
  written_ = std::move(view);
  fileWritten_ = anyWritten_ = true;
  lastWriteMs_ = nowMs;
  ++writes_;
  return true;
}
