#!/usr/bin/env bash
# with-simulator.sh PORT PORTFILE COMMAND...: runs COMMAND while the service
# simulator listens on PORT (the port the program's build constants name),
# then stops it. Used by the tests that drive the whole program.
set -u
port=$1 portfile=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
rm -f "$portfile"
python3 "$here/simulator.py" --port "$port" --port-file "$portfile" --quiet &
sim=$!
# As long as the tests wait for a state (180 s), unless the simulator ended.
for _ in $(seq 3600); do [ -s "$portfile" ] && break; kill -0 $sim 2>/dev/null || break; sleep 0.05; done
if [ ! -s "$portfile" ]; then
  echo "with-simulator: the simulator did not start on port $port (is the port taken?)" >&2
  kill $sim 2>/dev/null
  exit 1
fi
"$@"
rc=$?
kill $sim 2>/dev/null
wait $sim 2>/dev/null
exit $rc
