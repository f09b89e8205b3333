# Sourced by the scripts that start Wine: which Wine, prefix and loader a
# program of 32 or 64 bits runs under, and whether this host runs 32-bit code.
#
# Debian's `wine` (and wineboot, regedit through it) picks the 32-bit loader
# whenever it is installed, even where the kernel cannot run it; 64-bit
# programs are therefore started with the 64-bit loader by name.
_tavrin_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# wine_use <32|64>: exports WINEPREFIX, WINEARCH and WINELOADER for programs
# of that many bits, and sets wine_loader to the command that starts them.
wine_use() {
  if [ "$1" = 64 ]; then
    export WINEPREFIX=$_tavrin_root/build/wineprefix64 WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
    wine_loader=/usr/lib/wine/wine64
  else
    export WINEPREFIX=$_tavrin_root/build/wineprefix WINEARCH=win32
    unset WINELOADER
    wine_loader=wine
  fi
  export TAVRIN_WINE_ARCH=$1
}

# host_runs_32bit: true when the kernel runs a 32-bit program (a tiny one,
# written here, that exits with 42). Some hosts run no 32-bit code at all.
host_runs_32bit() {
  local probe rc
  probe=$(mktemp)
  python3 - "$probe" <<'PY'
import struct, sys
code = bytes([0xB8, 1, 0, 0, 0, 0xBB, 42, 0, 0, 0, 0xCD, 0x80])  # exit(42)
base, ehsize, phsize = 0x08048000, 52, 32
size = ehsize + phsize + len(code)
header = b"\x7fELF\x01\x01\x01" + bytes(9) + struct.pack(
    "<HHIIIIIHHHHHH", 2, 3, 1, base + ehsize + phsize, ehsize, 0, 0, ehsize, phsize, 1, 0, 0, 0)
segment = struct.pack("<IIIIIIII", 1, 0, base, base, size, size, 5, 0x1000)
open(sys.argv[1], "wb").write(header + segment + code)
PY
  chmod +x "$probe"
  "$probe" 2>/dev/null
  rc=$?
  rm -f "$probe"
  [ $rc = 42 ]
}

# wine32_runs: the 32-bit Wine loader is installed and starts on this host.
wine32_runs() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}
