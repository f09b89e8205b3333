// Benchmark program: downloads one address with DownloadToFile and prints the size, time and rate.
#include <windows.h>

#include <cstdio>
#include <string>

#include "web/Download.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: BenchDownload <address> <local file>\n");
    return 2;
  }
  int64_t received = 0;
  LARGE_INTEGER frequency, start, stop;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const web::DownloadMessages messages([](const char* text) { std::fprintf(stderr, "download failed: %s\n", text); });
  const int result =
      web::DownloadToFile(argv[1], argv[2], messages, [&](int64_t, int64_t got, int64_t, int64_t) { received = got; });
  QueryPerformanceCounter(&stop);
  const double seconds = double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
  std::printf("result=%d bytes=%lld seconds=%.3f rate_mb_s=%.1f\n", result, static_cast<long long>(received), seconds,
              seconds > 0 ? received / seconds / 1e6 : 0.0);
  return result == 0 ? 0 : 1;
}
