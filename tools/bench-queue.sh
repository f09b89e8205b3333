#!/usr/bin/env bash
# Benchmark: a 1 GiB file from the service simulator through the real download
# queue with the start window shown, and through a bare 10240-byte WinINet read
# loop, three alternating rounds each after an untimed 64 MiB one (BenchQueue.exe under Wine); prints both
# rates in MB/s (10^6 bytes a second), their ratio, the status-bar writes and
# the peak memory.
# Usage: tools/bench-queue.sh [build folder: build/win32, or build/win64 where 32-bit programs cannot run] [bytes] [rounds]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/bench-simulator.sh"
build=${1:-$(host_build)}
size=${2:-1073741824}
rounds=${3:-3}

start_bench bench-queue "$build" main/BenchQueue
url="http://127.0.0.1:$port/video/$size.flv"
echo "file: $url ($size bytes), $rounds rounds"
"$here/tools/wine-run" "$bench" "$url" "Z:${work//\//\\}\\" "$size" "$rounds" \
  "http://127.0.0.1:$port/video/67108864.flv" | tr -d '\r'
