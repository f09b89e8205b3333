# Sourced by the benchmark scripts.
source "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"

# The build this host runs: the 32-bit one, or the 64-bit one where 32-bit
# programs cannot run.
host_build() {
  if host_runs_32bit && wine32_runs; then echo "$_tavrin_root/build/win32"; else echo "$_tavrin_root/build/win64"; fi
}

# start_bench NAME BUILD PROGRAM: ends the script unless the benchmark
# program (a path under the build folder, without .exe) was built, then
# starts the simulator as below; sets bench (the program), work and port.
start_bench() {
  bench="$2/$3.exe"
  [ -f "$bench" ] || { echo "$1: $bench not built (cmake --build $2 --target $(basename "$3"))" >&2; exit 1; }
  start_bench_simulator "$1"
}

# start_bench_simulator NAME starts the
# service simulator on a free port in a fresh folder and stops it and removes
# the folder when the script ends; sets work (the folder) and port.
start_bench_simulator() {
  work=$(mktemp -d "/tmp/$1.XXXXXX")
  trap 'stop_bench_simulator' EXIT
  python3 "$(dirname "${BASH_SOURCE[0]}")/simulator.py" --port 0 --port-file "$work/sim.port" --daemon \
    --pid-file "$work/sim.pid" --quiet >/dev/null
  for _ in $(seq 50); do [ -s "$work/sim.port" ] && break; sleep 0.1; done
  [ -s "$work/sim.port" ] || { echo "$1: the simulator did not start" >&2; exit 1; }
  port=$(cat "$work/sim.port")
}

stop_bench_simulator() {
  [ -f "$work/sim.pid" ] && kill "$(cat "$work/sim.pid")" 2>/dev/null || true
  rm -rf "$work"
}
