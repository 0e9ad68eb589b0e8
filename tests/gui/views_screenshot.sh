#!/usr/bin/env bash
# sidora --at … --view helio|sphere|side|anim --screenshot FILE: the view's picture after its first refresh.
set -u
program="$1"
source "$(dirname "$0")/../cli/lib.sh"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"
d="$work/data"

png_size() {  # width x height of a PNG file
  python3 -c 'import struct, sys
b = open(sys.argv[1], "rb").read(24)
print("%dx%d" % struct.unpack(">II", b[16:24]) if b[:8] == b"\x89PNG\r\n\x1a\n" else "not a PNG")' "$1"
}

for view in helio sphere side anim; do
  timeout 30 "$program" --dir "$d" --at 2004-01-05T12:00 --view "$view" --screenshot "$work/$view.png" >/dev/null 2>&1
  check "$view status" "0" "$?"
done
check "helio picture" "400x475" "$(png_size "$work/helio.png")"
check "sphere picture is wider than its map" "yes" "$(png_size "$work/sphere.png" | awk -Fx '{print ($1 > 620 && $2 > 318) ? "yes" : "no"}')"
check "side picture" "yes" "$(png_size "$work/side.png" | awk -Fx '{print ($1 >= 630 && $2 >= 400) ? "yes" : "no"}')"
check "animation picture" "yes" "$([ -s "$work/anim.png" ] && echo yes || echo no)"
# The same moment gives the same heliocentric picture: its stars are fixed for screenshots.
timeout 30 "$program" --dir "$d" --at 2004-01-05T12:00 --view helio --screenshot "$work/again.png" >/dev/null 2>&1
check "helio picture repeats" "yes" "$(cmp -s "$work/helio.png" "$work/again.png" && echo yes || echo no)"
timeout 20 "$program" --dir "$d" --view bok --quit-after 0 >/dev/null 2>"$work/err"
check "unknown view" "2 sidora: --view: neplatný pohled „bok“ (helio, sphere, side nebo anim)" "$? $(cat "$work/err")"

finish
