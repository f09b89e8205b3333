#!/usr/bin/env bash
# Installs what the build and the tests need (Debian packages only) and
# prepares the Wine prefixes. Idempotent: a few seconds when all is there.
#
# The 64-bit Wine and its prefix are set up on every host. The 32-bit Wine is
# installed only where the kernel runs 32-bit code; when its packages cannot
# be installed (the i386 archive out of step with the host's packages, say),
# setup says so and goes on: the tests then run as 64-bit programs.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/wine-arch.sh"
sudo=; [ "$(id -u)" = 0 ] || sudo=sudo

have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
missing() {
  local p
  for p in "$@"; do have "$p" || echo "$p"; done
}
install() {
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}
updated=
update() {
  [ -n "$updated" ] && return 0
  # An index that fails to download is reported and left out; what the
  # install then cannot find fails there, with apt's own message.
  $sudo apt-get update -qq || true
  updated=1
}

pkgs=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xauth imagemagick fonts-wqy-microhei
      fonts-wine locales googletest cmake clang clang-format libclang-rt-14-dev libboost1.81-dev python3 curl x11-utils xdotool
      zlib1g-dev libz-mingw-w64-dev)
need=($(missing "${pkgs[@]}"))
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  update
  install "${need[@]}"
fi

runs32=
if host_runs_32bit; then
  runs32=1
  if ! have wine32:i386; then
    echo "setup: installing the 32-bit Wine (wine32:i386)"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      $sudo dpkg --add-architecture i386
      updated=
    fi
    update
    if ! log=$(DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends wine32:i386 2>&1); then
      echo "setup: the 32-bit Wine could not be installed; the Wine tests will run as 64-bit programs. apt said:"
      printf '%s\n' "$log" | grep -E '^E:|^ [^ ]' | head -n 8 | sed 's/^/  /'
      runs32=
    fi
  fi
fi

# The Wine tests also run under the Chinese locale (code page 936).
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

"$here/tools/wineprefix.sh" 64
if [ -n "$runs32" ] && wine32_runs; then
  "$here/tools/wineprefix.sh" 32
fi
