# Sourced by ./run and ./test: a virtual X display when there is none. Defines
# keep_wineserver <32|64>, which keeps one wineserver up for that prefix for
# the whole run, and stop_display, which ends them and the display.
#
# Xvfb picks its own display number (-displayfd): it skips every number whose
# lock file or socket is taken, the abstract sockets of other file-system
# roots included (a chroot and its machine share them), so the programs never
# draw on somebody else's server.
source "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"
export WINEDEBUG=${WINEDEBUG:--all}
own_xvfb=
if [ -z "${DISPLAY:-}" ]; then
  _xvfb_number=$(mktemp)
  _xvfb_log=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$_xvfb_number" >"$_xvfb_log" 2>&1 </dev/null &
  own_xvfb=$!
  for _ in $(seq 300); do
    [ -s "$_xvfb_number" ] && break
    kill -0 "$own_xvfb" 2>/dev/null || break
    sleep 0.1
  done
  _n=$(tr -dc '0-9' <"$_xvfb_number")
  if [ -z "$_n" ] || ! xdpyinfo -display ":$_n" >/dev/null 2>&1; then
    echo "display.sh: the virtual display (Xvfb) did not start; it said:" >&2
    sed 's/^/  /' "$_xvfb_log" >&2
    kill "$own_xvfb" 2>/dev/null
    rm -f "$_xvfb_number" "$_xvfb_log"
    return 1 2>/dev/null || exit 1
  fi
  rm -f "$_xvfb_number" "$_xvfb_log"
  export DISPLAY=:$_n
  echo "display.sh: virtual display $DISPLAY"
fi
_kept_servers=()
keep_wineserver() {
  (
    wine_use "$1"
    # A wineserver left from another display would put the windows on that one.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1 </dev/null || true
  )
  _kept_servers+=("$1")
}
stop_display() {
  local bits
  for bits in "${_kept_servers[@]}"; do
    (wine_use "$bits"; wineserver -k >/dev/null 2>&1 || true)
  done
  if [ -n "$own_xvfb" ]; then kill "$own_xvfb" 2>/dev/null || true; fi
}
