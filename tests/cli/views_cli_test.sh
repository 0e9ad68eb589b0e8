#!/usr/bin/env bash
# sidora-cli view helio|sphere and animate: the views' drawings and the animation's moments.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"

"$cli" --dir "$d" view helio --at 2004-01-05T12:00 --zone 2 --summer no --json > "$work/helio.json"
check "helio status" "0" "$?"
summary=$(python3 - "$work/helio.json" <<'PY'
import json, sys
h = json.load(open(sys.argv[1]))
print(h["caption"], h["view_size"], h["scale"], h["horoscope_enabled"])
print([p["radius"] for p in h["planets"]])
items = h["drawing"]["items"]
print(sum(i["kind"] == "ellipse" for i in items), sum(i["kind"] == "line" and i["dashed"] for i in items))
earth = next(i for i in items if i.get("name") == "Izeme")
print(earth["text"], earth["hint"][:5], earth["w"])
PY
)
check "helio summary" "Heliocentrická poloha planet: 5.1.2004, 12:0 400 0 False
[17, 34, 51, 68, 85, 102, 119, 136, 153]
90 6
♁ Země: 15" "$summary"

"$cli" --dir "$d" view helio --at 2004-01-05T12:00 --distances skutecne --inner --horoscope --size 600 --json > "$work/real.json"
summary=$(python3 - "$work/real.json" <<'PY'
import json, sys
h = json.load(open(sys.argv[1]))
print(h["view_size"], h["scale"], h["horoscope_drawn"], [p["visible"] for p in h["planets"]].count(True))
print(sum(i["kind"] == "line" and i["color"] == "#00ffff" for i in h["drawing"]["items"]))
PY
)
check "real distances" "600 150 True 4
6" "$summary"
png_size() {  # width x height of a PNG file
  python3 -c 'import struct, sys
b = open(sys.argv[1], "rb").read(24)
print("%dx%d" % struct.unpack(">II", b[16:24]) if b[:8] == b"\x89PNG\r\n\x1a\n" else "not a PNG")' "$1"
}
"$cli" --dir "$d" view helio --at 2004-01-05T12:00 --size 500 --png "$work/helio.png" >/dev/null
check "helio picture" "0 500x500" "$? $(png_size "$work/helio.png")"
"$cli" --dir "$d" view sphere --at 2004-01-05T12:00 --png "$work/sphere.png" --json >/dev/null
check "sphere picture" "0 620x318" "$? $(png_size "$work/sphere.png")"
"$cli" --dir "$d" view sphere --png "$work/no/such/dir/x.png" >/dev/null 2>&1
check "picture not written" "1" "$?"

"$cli" --dir "$d" view helio --horoscope >/dev/null 2>"$work/err"
check "wheel needs true distances" "1 Horoskop lze ukázat jen se skutečnými vzdálenostmi planet." "$? $(cat "$work/err")"
"$cli" --dir "$d" view helio --size 399 >/dev/null 2>&1
check "too small" "2" "$?"

"$cli" --dir "$d" view sphere --at 2004-01-05T12:00 --zone 2 --summer no --json > "$work/sphere.json"
summary=$(python3 - "$work/sphere.json" <<'PY'
import json, sys
s = json.load(open(sys.argv[1]))
print(s["caption"], s["sky_state"], len(s["bodies"]), s["legend"][0])
sun = s["bodies"][1]
print(sun["name"], sun["hint"][:15], sun["left"] == round(sun["azimuth"] * 600 / 360) + 3)
print([[i["x1"], i["x2"]] for i in s["drawing"]["items"] if i["kind"] == "line" and i["y1"] == i["y2"] == 150])
PY
)
check "sphere summary" "5.1.2004, 12:0:0 UTC+1, Praha 1 10 {'text': 'Den', 'color': '#00ffff'}
Image25 Slunce: Azimut: True
[[10, 610]]" "$summary"
"$cli" --dir "$d" view sphere --at 2004-01-05T12:00 --place Atlantida >/dev/null 2>&1
check "unknown place" "1" "$?"

"$cli" --dir "$d" animate --at 2004-02-29T10:00 --step rok --ticks 4 > "$work/years"
check "years" "2005-02-28T10:00:00 2006-02-28T10:00:00 2007-02-28T10:00:00 2008-02-28T10:00:00 Proběhlo 4 kroků." "$(tr '\n' ' ' < "$work/years" | sed 's/ $//')"
"$cli" --dir "$d" animate --at 1800-01-01T00:01 --step minuta --back --ticks 5 --json > "$work/back.json"
check "back to the first year" '"stopped": "limit", "moments": [{"at": "1800-01-01T00:00:00", "zone_offset": 1}, {"at": "1800-01-01T00:00:00", "zone_offset": 1}]' \
  "$(json_fields stopped moments < "$work/back.json")"
"$cli" --dir "$d" animate --at 2004-01-01T00:00 --step tyden --ticks 2 >/dev/null 2>&1
check "bad step" "2" "$?"
"$cli" --dir "$d" animate --step den --ticks 2 >/dev/null 2>&1
check "moment required" "2" "$?"

finish
