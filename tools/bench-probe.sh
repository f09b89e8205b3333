#!/usr/bin/env bash
# Benchmark: a parse reply of 12 rows filled into the start window's file list,
# whose size probes run in parallel against the service simulator, timed from
# the fill to the last size shown, beside one probe alone (BenchProbe.exe under
# Wine); once with the simulator answering at once and once with every answer
# held back by a delay, so that parallel probes show against one.
# Usage: tools/bench-probe.sh [build folder: build/win32, or build/win64 where 32-bit programs cannot run] [rounds] [delay seconds]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/bench-simulator.sh"
build=${1:-$(host_build)}
rounds=${2:-5}
delay=${3:-0.25}

start_bench bench-probe "$build" main/BenchProbe
for stall in 0 "$delay"; do
  echo "server delay ${stall} s, $rounds rounds:"
  "$here/tools/wine-run" "$bench" "http://127.0.0.1:$port/" "$rounds" "$stall" | tr -d '\r'
done
