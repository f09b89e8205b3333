#!/usr/bin/env bash
# Benchmark: downloads a 1 GiB file from the service simulator with
# DownloadToFile (BenchDownload.exe under Wine) and with curl, and prints both
# rates in MB/s (10^6 bytes a second) and their ratio.
# Usage: tools/bench-download.sh [build folder: build/win32, or build/win64 where 32-bit programs cannot run] [bytes]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/bench-simulator.sh"
build=${1:-$(host_build)}
size=${2:-1073741824}

start_bench bench-download "$build" web/BenchDownload
url="http://127.0.0.1:$port/video/$size.flv"

echo "file: $url ($size bytes)"
line=$("$here/tools/wine-run" "$bench" "$url" "Z:${work//\//\\}\\wininet.flv" | tr -d '\r')
echo "DownloadToFile: $line"
ours=$(sed -n 's/.*rate_mb_s=\([0-9.]*\).*/\1/p' <<<"$line")
got=$(stat -c %s "$work/wininet.flv")
[ "$got" = "$size" ] || { echo "bench-download: DownloadToFile wrote $got bytes, expected $size" >&2; exit 1; }
rm -f "$work/wininet.flv"

read -r curlBytes curlSeconds < <(curl -s -o "$work/curl.flv" -w '%{size_download} %{time_total}\n' "$url")
[ "$curlBytes" = "$size" ] || { echo "bench-download: curl got $curlBytes bytes, expected $size" >&2; exit 1; }
theirs=$(python3 -c "print(f'{$curlBytes / $curlSeconds / 1e6:.1f}')")
echo "curl: bytes=$curlBytes seconds=$curlSeconds rate_mb_s=$theirs"

python3 -c "print(f'DownloadToFile {$ours} MB/s, curl {$theirs} MB/s, ratio DownloadToFile/curl = {$ours / $theirs:.2f}')"
