#!/usr/bin/env bash
# Benchmark: one parse reply of thousands of files (3000 by default) filled
# into the shown start window's list, whose size probes go to the service
# simulator (BenchFlood.exe under Wine): the fill's time, the slowest answer of
# the start window to a message from another thread, the most threads at once,
# the time until every size is shown and that of 全选 then; once with sizes
# the server announces, once with none (every probe fails and is asked again)
# and once with a server that cannot be reached.
# Usage: tools/bench-flood.sh [build folder: build/win32, or build/win64 where 32-bit programs cannot run] [files]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/bench-simulator.sh"
build=${1:-$(host_build)}

start_bench bench-flood "$build" main/BenchFlood
unreachable="http://127.0.0.1:$(python3 "$here/tools/free-port.py")/"
for run in "http://127.0.0.1:$port/|" "http://127.0.0.1:$port/|&nolength=1" "$unreachable|"; do
  "$here/tools/wine-run" "$bench" "${run%%|*}" "${2:-3000}" "${run#*|}" | tr -d '\r'
done
