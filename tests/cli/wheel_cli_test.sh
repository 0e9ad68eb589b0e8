#!/usr/bin/env bash
# sidora-cli wheel and transits: the chart wheel's list, its files, and the transits.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"
moment=(--at 2004-04-10T12:00 --zone 2 --summer no)

"$cli" --dir "$d" persons add "Jana" --date 1975-06-15 --time 14:30 --place Praha --summer yes > /dev/null
"$cli" --dir "$d" persons add "Petr" --date 1980-01-02 --time 06:10 --place Praha --summer no > /dev/null

# Every option ticked: lines of each kind; the placement re-run on the printed longitudes
# by the collision rule must give the printed corners.
"$cli" --dir "$d" wheel --person Jana --options 111111111111111 "${moment[@]}" --overlay tranzity --json --compact \
  > "$work/wheel.json"
check "wheel status" "0" "$?"
got=$(python3 - "$work/wheel.json" <<'PY'
import json, math, sys
j = json.load(open(sys.argv[1]))
def point(lon, r):
    t = math.radians(lon)
    return 148 - round(r * math.cos(t)), 148 + round(r * math.sin(t))
placed, same = [], True
for g in [g for g in j["glyphs"] if g["shown"]]:
    r = 98 if g["slot"] == 12 else 95
    while True:
        x, y = point(g["longitude"], r)
        used = r
        hits = sum(1 for (cx, cy) in placed
                   if (cx <= x - 5 <= cx + 16 or cx <= x + 11 <= cx + 16)
                   and (cy <= y - 5 <= cy + 16 or cy <= y + 11 <= cy + 16))
        r -= hits
        if hits == 0 or r < 17:
            break
    placed.append((x - 5, y - 5))
    same = same and [x - 5, y - 5] == g["corner"] and used == g["radius"]
print(same, len(placed), j["size"], j["glyphs"][-1]["slot"])
print(len(j["house_lines"]), len(j["house_numbers"]), j["house_lines"][0]["rgb"], j["house_lines"][0]["width"])
centre = {g["slot"]: [g["corner"][0] + 7, g["corner"][1] + 7] for g in j["glyphs"]}
a = j["aspect_lines"]
print(len(a) > 0, all(l["from"] == centre[l["i"]] and l["to"] == centre[l["j"]] for l in a),
      all(l["code"] != 1 for l in a))
o = j["overlay"]
print(o["mode"], o["label"], len(o["glyphs"]), sorted(o["glyphs"][0].keys()))
PY
)
check "wheel json" "True 19 297 12
6 12 [255, 0, 0] 2
True True True
tranzity 10.4.2004,12:0 10 ['body', 'corner', 'hint', 'house', 'longitude', 'retrograde']" "$got"

# Unticking "Trigon" leaves no green line.
green=$("$cli" --dir "$d" wheel --person Jana --options 110111111111111 --json --compact \
  | field 'sum(1 for l in r["aspect_lines"] if l["rgb"] == [0, 128, 0])')
check "no trigon" "0" "$green"

# The transits are the bodies of positions at the same moment.
"$cli" --dir "$d" transits --person Jana "${moment[@]}" --json --compact > "$work/transits.json"
"$cli" --dir "$d" positions "${moment[@]}" --json --compact > "$work/positions.json"
same=$(python3 - "$work/transits.json" "$work/positions.json" <<'PY'
import json, sys
t = json.load(open(sys.argv[1]))
p = {b["number"]: b for b in json.load(open(sys.argv[2]))["bodies"]}
rows = [0, -1, 1, 2, 3, 4, 5, 6, 7, 8]
print(all(g["longitude"] == p[n]["longitude"] and g["retrograde"] == p[n]["retrograde"]
          for g, n in zip(t["glyphs"], rows)), t["glyphs"][0]["hint"].startswith("Slunce: "),
      all(1 <= g["house"] <= 12 for g in t["glyphs"]))
PY
)
check "transits equal positions" "True True True" "$same"

# The partner's planets, named in the label.
label=$("$cli" --dir "$d" wheel --person Jana --partner Petr --json --compact | field 'r["overlay"]["label"]')
check "partner label" '"Petr"' "$label"
"$cli" --dir "$d" wheel --person Jana --overlay partneri > /dev/null 2>&1
check "partneri needs a partner" "2" "$?"
"$cli" --dir "$d" wheel --person Jana --options 1011 > /dev/null 2>&1
check "short options refused" "2" "$?"
"$cli" --dir "$d" wheel --person Nikdo > /dev/null 2> "$work/err"
check "unknown person" "1" "$?"

# One chart in the three files, each readable.
if "$cli" --dir "$d" wheel --person Jana --png "$work/w.png" --svg "$work/w.svg" --pdf "$work/w.pdf" --size 400 \
    > /dev/null 2>&1; then
  check "png" "PNG image data, 400 x 400" "$(file -b "$work/w.png" | cut -d, -f1-2)"
  svg=$(python3 -c 'import sys, xml.etree.ElementTree as E
r = E.parse(sys.argv[1]).getroot()
print(r.tag.endswith("svg"), sum(1 for _ in r.iter()) > 50)' "$work/w.svg")
  check "svg parses" "True True" "$svg"
  if command -v pdftotext > /dev/null; then
    check "pdf has the house numbers" "yes" "$(pdftotext "$work/w.pdf" - | grep -qx '10' && echo yes || echo no)"
  else
    check "pdf header" "%PDF" "$(head -c 4 "$work/w.pdf")"
  fi
else
  check "files written" "0" "1"
fi
finish
