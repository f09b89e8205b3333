# Sourced by ./run and ./test: a virtual X display when there is none, and one
# wineserver kept up for the whole run. Defines stop_display.
: "${WINEPREFIX:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wineprefix}"
export WINEPREFIX WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
own_xvfb=
if [ -z "${DISPLAY:-}" ]; then
  n=90
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
  own_xvfb=$!
  export DISPLAY=:$n
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
fi
# A wineserver left from another display would put the windows on that one.
wineserver -k >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1 </dev/null || true
stop_display() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$own_xvfb" ] && kill "$own_xvfb" 2>/dev/null || true
}
