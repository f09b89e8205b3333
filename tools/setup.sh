#!/usr/bin/env bash
# Installs what the build and the tests need (Debian packages only) and
# prepares the 32-bit Wine prefix. Idempotent: a few seconds when all is there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
prefix=${WINEPREFIX:-$here/build/wineprefix}

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
pkgs=(g++-mingw-w64-i686 wine wine32:i386 wine64 xvfb xauth imagemagick fonts-wqy-microhei
      fonts-wine locales googletest cmake clang libclang-rt-14-dev libboost1.81-dev python3 curl x11-utils xdotool
      zlib1g-dev)
for p in "${pkgs[@]}"; do have "$p" || need+=("$p"); done
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  sudo=; [ "$(id -u)" = 0 ] || sudo=sudo
  $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# The Wine tests also run under the Chinese locale (code page 936).
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  sudo=; [ "$(id -u)" = 0 ] || sudo=sudo
  $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

"$here/tools/wineprefix.sh" "$prefix"
