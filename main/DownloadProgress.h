// What the download progress shows (size texts and bar position) and when it is worth writing to the window.
#pragma once
#include <cstdint>
#include <string>

// Bytes as megabytes: rounded to two decimals, halves away from zero, with
// at most 13 significant digits and no trailing zeros, then "MB  ".
std::string FormatMegabytes(int64_t bytes);

// The status-bar text of a download: "视频大小:" total "已下载:" received.
std::string ProgressStatusText(int64_t total, int64_t received);

// The position of the 0-1000 bar: received × 1024 / total, truncated, held
// at 1000 (so the bar is full from about 97.7 %); 0 when the total is not
// known (0 or less).
int BarPosition(int64_t total, int64_t received);

// What the window shows for one progress report.
struct ProgressView {
  std::string status;
  int position = 0;
  bool operator==(const ProgressView& o) const { return position == o.position && status == o.status; }
  bool operator!=(const ProgressView& o) const { return !(*this == o); }
};
ProgressView ProgressViewOf(int64_t total, int64_t received);

// The least time between two progress writes of a run: nobody reads a status
// bar faster than ten times a second, and every write repaints.
inline constexpr int64_t kProgressIntervalMs = 100;

// Decides which progress reports of a run's files reach the window, so that
// writing them does not slow the download. A report is written when what it
// shows differs from what was last written for its file and the last write
// of the run is at least the interval ago; a complete one (received >= total
// > 0) does not wait. A report held back is pending until a later write or
// Flush, so the last report of a file is always written. The texts are built
// only for reports that may be written.
class ProgressThrottle {
 public:
  explicit ProgressThrottle(int64_t intervalMs = kProgressIntervalMs) : intervalMs_(intervalMs) {}

  // True when View() should be written to the window now.
  bool Offer(int64_t total, int64_t received, int64_t nowMs);
  // After a file's download: true when its last report was held back and
  // shows something new; View() then holds it, to be written.
  bool Flush(int64_t nowMs);
  // The next file: its first report is new, but waits like any other for the
  // interval since the run's last write.
  void NextFile();
  // What the window should show after the last write decided here.
  const ProgressView& View() const { return written_; }
  int Writes() const { return writes_; }

 private:
  bool WriteIfChanged(int64_t nowMs);

  int64_t intervalMs_;
  int64_t total_ = 0, received_ = 0;
  bool fileWritten_ = false;  // a view of the present file was written
  bool pending_ = false;
  bool anyWritten_ = false;  // of the run, for the interval
  int64_t lastWriteMs_ = 0;
  int writes_ = 0;
  ProgressView written_;
};
