#!/usr/bin/env bash
# Draws the main program's icon (main/res/Tavrin.ico), toolbar strip (main/res/Toolbar.bmp) and finder cursor
# (main/res/Finder.cur), and the updater's icon (updater/res/Quenlo.ico).
# The build uses the committed files; run this only to change the pictures.
# Needs ImageMagick 6 (convert).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$here/main/res
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# --- Program icon: a blue rounded square, a white arrow pointing down onto a
# film strip. Each size is drawn four times larger and reduced, which smooths
# the edges; the 16-pixel one has a simpler strip so that it stays readable.

# icon_master <size> <file> <detailed: 1|0>
icon_master() {
  local s=$1 file=$2 detailed=$3
  local k=$((s / 48))   # drawing unit: the 48-pixel design scaled by k
  local draw=(
    -fill '#2b7de9' -stroke '#1552a6' -strokewidth $((2 * k))
    -draw "roundrectangle $((2 * k)),$((2 * k)) $((s - 2 * k - 1)),$((s - 2 * k - 1)) $((9 * k)),$((9 * k))"
    -stroke none -fill '#1f2a36'
    -draw "rectangle $((6 * k)),$((29 * k)) $((42 * k - 1)),$((42 * k - 1))"
  )
  if [ "$detailed" = 1 ]; then
    local x
    for x in 8 14 20 26 32 38; do
      draw+=(-fill white
        -draw "rectangle $((x * k)),$((30 * k)) $(((x + 3) * k - 1)),$((32 * k - 1))"
        -draw "rectangle $((x * k)),$((39 * k)) $(((x + 3) * k - 1)),$((41 * k - 1))")
    done
    draw+=(-fill '#7fb8ff'
      -draw "rectangle $((8 * k)),$((33 * k)) $((22 * k - 1)),$((38 * k - 1))"
      -draw "rectangle $((26 * k)),$((33 * k)) $((40 * k - 1)),$((38 * k - 1))")
  else
    draw+=(-fill '#7fb8ff'
      -draw "rectangle $((9 * k)),$((33 * k)) $((39 * k - 1)),$((38 * k - 1))")
  fi
  # The arrow: shaft and head, white with a thin dark rim so it reads on the strip.
  draw+=(-fill white -stroke '#0d3b7a' -strokewidth $((k > 2 ? k : 1))
    -draw "polygon $((19 * k)),$((7 * k)) $((29 * k)),$((7 * k)) $((29 * k)),$((19 * k)) $((36 * k)),$((19 * k)) $((24 * k)),$((32 * k)) $((12 * k)),$((19 * k)) $((19 * k)),$((19 * k))")
  convert -size "${s}x${s}" xc:none "${draw[@]}" "$file"
}

icon_master 192 "$work/master48.png" 1   # for 48 and 32
icon_master 64 "$work/master16.png" 0    # for 16
convert "$work/master48.png" -filter Triangle -resize 48x48 "$work/i48.png"
convert "$work/master48.png" -filter Triangle -resize 32x32 "$work/i32.png"
convert "$work/master16.png" -filter Triangle -resize 16x16 "$work/i16.png"
convert "$work/i16.png" "$work/i32.png" "$work/i48.png" -strip "$out/Tavrin.ico"

# --- Toolbar strip: five 24x24 buttons side by side, magenta (255,0,255) where
# the toolbar shows through. Each button is drawn at 96x96 and reduced; its
# edge is then cut hard (no blend with the key colour, which would leave a
# pink seam around every picture).

button() {
  local name=$1; shift
  convert -size 96x96 xc:none -strokewidth 6 "$@" \
    -filter Triangle -resize 24x24 \
    -channel A -threshold 50% +channel \
    -background '#ff00ff' -flatten "$work/$name.png"
}

# 新建任务: a green plus.
button new -fill '#3cb043' -stroke '#1d6b22' \
  -draw "polygon 38,10 58,10 58,38 86,38 86,58 58,58 58,86 38,86 38,58 10,58 10,38 38,38"

# 查看已下载: a yellow folder.
button folder -fill '#f2c744' -stroke '#9a6f0c' \
  -draw "polygon 8,22 36,22 44,30 88,30 88,82 8,82" \
  -fill '#ffd966' -draw "polygon 8,40 88,40 88,82 8,82"

# 置顶: a red push pin, head up, needle down to the left.
button pin -stroke '#4a4a4a' -strokewidth 8 -draw "line 40,56 14,86" \
  -fill '#e53935' -stroke '#8e1b18' -strokewidth 6 \
  -draw "polygon 50,10 86,46 76,54 62,48 46,64 50,74 42,80 16,54 22,46 32,50 48,34 42,20" \
  -fill '#ff8a80' -stroke none -draw "circle 62,28 66,24"

# 使用帮助: a blue disc with a white question mark.
button help -fill '#1e88e5' -stroke '#0d47a1' -draw "circle 48,48 48,6" \
  -fill none -stroke white -strokewidth 11 \
  -draw "stroke-linecap round ellipse 48,35 17,15 190,400" \
  -draw "stroke-linecap round stroke-linejoin round polyline 61,45 49,54 49,60" \
  -fill white -stroke none -draw "circle 49,77 49,70"

# 退出: a red power sign.
button exit -fill none -stroke '#c62828' -strokewidth 12 \
  -draw "stroke-linecap round ellipse 48,52 32,32 -55,235" \
  -draw "stroke-linecap round line 48,10 48,46"

convert "$work/new.png" "$work/folder.png" "$work/pin.png" "$work/help.png" "$work/exit.png" \
  +append -alpha off -type TrueColor -strip "BMP3:$out/Toolbar.bmp"

# --- Finder cursor (main/res/Finder.cur): a cross-hair, two crossing lines
# with a circle round the centre and a small ring at the hot spot (15, 15),
# black with a white rim so it shows on dark and light pages. Drawn at 32x32
# without smoothing, written as an icon and turned into a cursor by setting
# the file type and the hot spot in the directory entry.
convert -size 32x32 xc:none +antialias -fill none \
  -stroke white -strokewidth 3 \
  -draw "line 15,1 15,29" -draw "line 1,15 29,15" -draw "circle 15,15 15,5" \
  -stroke black -strokewidth 1 \
  -draw "line 15,2 15,12" -draw "line 15,18 15,28" -draw "line 2,15 12,15" -draw "line 18,15 28,15" \
  -draw "circle 15,15 15,5" -draw "circle 15,15 15,13" \
  -type TrueColorAlpha "$work/finder.png"
convert "$work/finder.png" -strip "$work/finder.ico"
python3 - "$work/finder.ico" "$out/Finder.cur" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
reserved, kind, count = struct.unpack_from("<HHH", data, 0)
assert kind == 1 and count == 1, "one icon image expected"
struct.pack_into("<H", data, 2, 2)            # type 2: cursor
struct.pack_into("<HH", data, 6 + 4, 15, 15)  # planes, bit count -> hot spot x, y
open(sys.argv[2], "wb").write(data)
PY

# --- Updater icon (updater/res/Quenlo.ico): a green rounded square with a
# white circling arrow, drawn at four times the size and reduced.
updater_icon() {
  local s=$1 file=$2
  local k=$((s / 48))
  convert -size "${s}x${s}" xc:none \
    -fill '#2e9e4f' -stroke '#1b6b33' -strokewidth $((2 * k)) \
    -draw "roundrectangle $((2 * k)),$((2 * k)) $((s - 2 * k - 1)),$((s - 2 * k - 1)) $((9 * k)),$((9 * k))" \
    -fill none -stroke white -strokewidth $((5 * k)) \
    -draw "stroke-linecap round ellipse $((24 * k)),$((25 * k)) $((13 * k)),$((13 * k)) 300,590" \
    -fill white -stroke none \
    -draw "polygon $((30 * k)),$((5 * k)) $((42 * k)),$((13 * k)) $((29 * k)),$((20 * k))" \
    "$file"
}
mkdir -p "$here/updater/res"
updater_icon 192 "$work/q48.png"
for s in 16 32 48; do convert "$work/q48.png" -filter Triangle -resize "${s}x${s}" "$work/q$s.png"; done
convert "$work/q16.png" "$work/q32.png" "$work/q48.png" -strip "$here/updater/res/Quenlo.ico"

echo "wrote $out/Tavrin.ico, $out/Toolbar.bmp, $out/Finder.cur and updater/res/Quenlo.ico"
