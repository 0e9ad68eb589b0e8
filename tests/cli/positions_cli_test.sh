#!/usr/bin/env bash
# sidora-cli positions: the body table of a moment as JSON and as text.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"

"$cli" --dir "$d" positions --at 2000-01-01T12:00 --zone 1 --summer no --json > "$work/out.json"
check "status" "0" "$?"
summary=$(python3 - "$work/out.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))
names = ",".join(b["name"] for b in r["bodies"])
numbers = ",".join(str(b["number"]) for b in r["bodies"])
sun = next(b for b in r["bodies"] if b["number"] == 0)
nodes = [b for b in r["bodies"] if b["number"] in (9, 10)]
print(r["jd"], r["zone_offset"], len(r["helio"]), r["asteroid_quality"])
print(names)
print(numbers)
print(round(sun["longitude"], 1), sun["retrograde"], r["sun_distance_text"][:2], len(r["sun_distance_text"]))
print(nodes[0]["retrograde"], nodes[1]["retrograde"], round((nodes[1]["longitude"] - nodes[0]["longitude"]) % 360, 6))
print(sorted(r["moon"].keys()), r["moon"]["waxing"], r["moon"]["age_text"].endswith(" dní"))
print(r["helio"][5]["geo_distance_text"].count("."), all(0 <= h["longitude"] < 360 for h in r["helio"]))
PY
)
check "summary" "2451545 0 9 AAAAA
Měsíc,Slunce,Merkur,Venuše,Mars,Jupiter,Saturn,Uran,Neptun,Pluto,Vzestupný uzel,Sestupný uzel,Černá Luna,Ceres,Pallas,Juno,Vesta,Chiron
-1,0,1,2,3,4,5,6,7,8,9,10,13,16,17,18,19,20
280.4 False 0. 7
True True 180.0
['age_text', 'distance_km', 'elongation', 'phase_text', 'waxing'] False True
1 True" "$summary"

"$cli" --dir "$d" positions --at 1985-07-01T12:00 > "$work/out.txt"
check "text lists every body" "18" "$(grep -cE '^(Měsíc|Slunce|Merkur|Venuše|Mars|Jupiter|Saturn|Uran|Neptun|Pluto|Vzestupný|Sestupný|Černá|Ceres|Pallas|Juno|Vesta|Chiron) ' "$work/out.txt")"
check "zone of summer 1985" "1" "$(grep -c 'posun od světového času: 2 h' "$work/out.txt")"

"$cli" --dir "$d" positions --lat 50:00N >/dev/null 2>&1
check "no place options" "2" "$?"

# A newer element file of the user's that is broken is reported, not used.
head -c 200 /dev/zero > "$d/ast1.kel"
"$cli" --dir "$d" positions --at 2000-01-01T12:00 >/dev/null 2>"$work/err"
check "broken element file status" "1" "$?"
check "broken element file message" "1" "$(grep -c 'ast1.kel je poškozený' "$work/err")"
check "broken element file kept" "200" "$(stat -c %s "$d/ast1.kel")"

finish
