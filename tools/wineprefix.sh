#!/usr/bin/env bash
# Creates (once) the Wine prefix that the programs of 32 or 64 bits run in
# (build/wineprefix, build/wineprefix64): Chinese fonts, no crash dialog, a
# virtual desktop for title bars, caption-button font, a browser for the
# pages the programs open.
# Usage: tools/wineprefix.sh <32|64>
set -euo pipefail
source "$(dirname "$0")/wine-arch.sh"
wine_use "$1"
prefix=$WINEPREFIX
stamp=$prefix/.tavrin-prefix-v4
[ -f "$stamp" ] && exit 0
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
echo "setup: creating the $1-bit Wine prefix in $prefix"
# A first start that was cut short leaves a prefix without its system
# folder; it is made again once before setup gives up.
for attempt in 1 2; do
  "$wine_loader" wineboot --init >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  [ -d "$prefix/drive_c/windows/system32" ] && break
  if [ $attempt = 2 ]; then
    echo "setup: Wine could not make its prefix in $prefix" >&2
    exit 1
  fi
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$prefix"
  mkdir -p "$prefix"
done
fonts=$prefix/drive_c/windows/Fonts
mkdir -p "$fonts"
cp -f /usr/share/wine/fonts/marlett.ttf "$fonts/" 2>/dev/null || true
cp -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/" 2>/dev/null || true
reg=$(mktemp --suffix=.reg)
# Desktop browsers refuse to run as root (and would take the page from curl
# without fetching it); root, as in CI, gets curl alone.
browsers="xdg-open,firefox,chromium,curl"
[ "$(id -u)" = 0 ] && browsers=curl
python3 - "$reg" "$browsers" <<'PY'
import sys
text = r'''Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\WineBrowser]
; Web pages that the programs open go to the desktop's browser; on a
; machine without one, curl fetches them so that the request is still made.
"Browsers"="BROWSERS"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="WenQuanYi Micro Hei"
"宋体"="WenQuanYi Micro Hei"
"NSimSun"="WenQuanYi Micro Hei"
"新宋体"="WenQuanYi Micro Hei"
"MS Shell Dlg"="WenQuanYi Micro Hei"
"MS Shell Dlg 2"="WenQuanYi Micro Hei"
"Tahoma"="WenQuanYi Micro Hei"
"MS Sans Serif"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
"Tahoma"=hex(7):77,00,71,00,79,00,2d,00,6d,00,69,00,63,00,72,00,6f,00,68,00,65,00,69,00,2e,00,74,00,74,00,63,00,00,00,00,00
'''
text = text.replace('BROWSERS', sys.argv[2])
with open(sys.argv[1], 'wb') as f:
    f.write(b'\xff\xfe' + text.replace('\n', '\r\n').encode('utf-16-le'))
PY
"$wine_loader" regedit /S "$reg" >/dev/null 2>&1 || true
rm -f "$reg"

# The first program start of a new prefix pays for what Wine sets up on first
# use: above all the script host's first WMI query (the machine id), which
# takes 15-20 s once and well under a second afterwards. Done here once, so
# that no test pays for it. The COM surrogate it leaves is ended with the
# prefix's server.
echo "setup: first start of the Wine prefix (script host, WMI)"
warm=$(mktemp --suffix=.vbs)
printf '%s\r\n' 'Set wmi = GetObject("winmgmts:\\.\root\cimv2")' \
  'For Each p In wmi.ExecQuery("Select ProcessorId From Win32_Processor")' 'WScript.Echo p.ProcessorId' 'Next' >"$warm"
"$wine_loader" cscript //nologo "$("$wine_loader" winepath -w "$warm")" >/dev/null 2>&1 || true
"$wine_loader" cmd /c echo >/dev/null 2>&1 || true
wineserver -k >/dev/null 2>&1 || true
rm -f "$warm"
touch "$stamp"
