#!/usr/bin/env bash
# sidora-cli day: the day refresh, horizon and tattvas of a moment and place.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"

"$cli" --dir "$d" day --at 2000-06-21T12:00 --zone 2 --summer no --json > "$work/prague.json"
check "status" "0" "$?"
"$cli" --dir "$d" day --at 2000-06-21T12:00 --lat 78:00N --lon 015:00E --json > "$work/polar.json"
"$cli" --dir "$d" day --at 2000-06-21T12:00 --lat 60:00N --lon 010:00E --tattva-system 1 --json > "$work/north.json"
summary=$(python3 - "$work/prague.json" "$work/polar.json" "$work/north.json" <<'PY'
import json, sys
p, polar, north = (json.load(open(f)) for f in sys.argv[1:4])
print(sorted(p.keys()))
print(p["sun"]["rise"], p["sun"]["set"], p["sun"]["day_length"], sorted(p["twilight"].keys()))
print([x["type"] for x in p["phases"]], [x["name"] for x in p["phases"]][:1])
print(len(p["planets"]), sorted(p["planets"][0].keys()))
print([s["date"][5:] for s in p["seasons"]], p["perihelion"]["date"][:7], p["aphelion"]["date"][:7])
print(len(p["horizon"]), p["horizon"][1]["name"], len(p["tattva"]["times"]), 0 <= p["tattva"]["current"] <= 59, repr(p["tattva"]["message"]))
print(polar["sun"]["rise"], polar["tattva"]["message"], polar["tattva"]["times"][0] == "")
print(north["twilight"]["astronomical"]["dawn"], north["tattva"]["message"] == "")
PY
)
check "summary" "['aphelion', 'apogee', 'horizon', 'moon', 'perigee', 'perihelion', 'phases', 'planets', 'seasons', 'sun', 'tattva', 'twilight']
3:53 20:15 16:21 ['astronomical', 'civil', 'nautical']
[3, 1, 2, 4] ['3. čtvrť:']
8 ['name', 'rise', 'rise_previous_day', 'set', 'set_next_day', 'transit']
['03-20', '06-21', '09-22', '12-21'] 2000-01 2000-07
10 Slunce 60 True ''
Polární den Tattvy nelze spočítat! True
Není True" "$summary"

"$cli" --dir "$d" day --at 2000-06-21T12:00 > "$work/text"
check "text has the phases" "4" "$(grep -cE '^(Nov|1\. čtvrť|3\. čtvrť|Úplněk):' "$work/text")"
"$cli" --dir "$d" day --tattva-system 2 >/dev/null 2>&1
check "bad tattva system" "2" "$?"

finish
