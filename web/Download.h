// HTTP file download to a local file with progress, and the size query.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace web {

// Called on the downloading thread after every piece written: the length the
// server announced for this request (0 when it gave none; after a ranged
// request, the length of the remaining part), the bytes received counting the
// start offset, milliseconds since the start (10 when still 0), and the bytes
// received in this run. A compressed body counts the bytes as sent, which is
// what the announced length counts too.
using DownloadProgress =
    std::function<void(int64_t total, int64_t received, int64_t elapsedMs, int64_t receivedThisRun)>;

// The messages the download shows when it fails, and the way they reach the
// user: `show` runs on the downloading thread, once per failure, before
// DownloadToFile returns. The programs show them in a message box (title
// "信息：", OK, no icon); the texts are the main program's unless changed
// (the updater has its own for a broken transfer).
struct DownloadMessages {
  explicit DownloadMessages(std::function<void(const char* text)> show) : show(std::move(show)) {}

  std::function<void(const char* text)> show;
  const char* noInternet = "Internet连接错误!";
  const char* cannotOpenAddress = "不能打开该URL!";  // also for an error answer (status 400 and above)
  const char* cannotOpenFile = "不能打开本地的文件!";
  // a failed read, fewer bytes than announced, or a compressed body that does
  // not decode or ends before its stream does
  const char* interrupted = "网络中断！";
  const char* cannotWrite = "不能写入本地的文件!";
};

// Downloads the address into the file at localPath (GBK) in 10240-byte reads.
// With resume set, asks for the bytes from startOffset on and appends them to
// the existing file (created when missing). A body sent gzip or deflate
// compressed is decoded before it is written; one in another coding, or a
// compressed piece of a ranged request, cannot be taken ("cannotOpenAddress").
// With lengthRequired set, an answer that announces no length fails as
// interrupted before anything is written: without it, a connection cut short
// cannot be told from the end of the data. Returns 0 when the end of the data
// was reached and everything received is in the file, -1 after a failure,
// which it has already shown through `messages`.
int DownloadToFile(const std::string& address, const std::string& localPath, const DownloadMessages& messages,
                   const DownloadProgress& progress = {}, int64_t startOffset = 0, bool resume = false,
                   bool lengthRequired = false);

// The length the server announces for the address (Content-Length), or -1.
// Opens the address up to `tries` times (below 1: 5) while no length comes;
// stops at the first address that cannot be opened.
int64_t QueryContentLength(const std::string& address, int tries = 5);

}  // namespace web
