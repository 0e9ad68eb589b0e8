#!/usr/bin/env bash
# sidora-cli houses: the sixteen systems of a moment and place.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"

"$cli" --dir "$d" houses --at 2000-01-01T13:00 --zone 2 --summer no --json > "$work/prague.json"
check "status" "0" "$?"
"$cli" --dir "$d" houses --at 2000-06-21T12:00 --lat 70:00N --lon 020:00E --json > "$work/north.json"
summary=$(python3 - "$work/prague.json" "$work/north.json" <<'PY'
import json, sys
p = json.load(open(sys.argv[1])); n = json.load(open(sys.argv[2]))
print(len(p["systems"]), [s["index"] for s in p["systems"]][:3], p["systems"][0]["name"], p["systems"][4]["name"])
# The sidereal time before the houses: Prague at 12:00 UT of J2000 is 19:39:31.
print(round(p["sidereal_degrees"], 4), round(p["obliquity"], 4))
print(all(s["asc"] == p["systems"][0]["asc"] and s["mc"] == p["systems"][0]["mc"] for s in p["systems"]))
print(round((p["systems"][0]["dsc"] - p["systems"][0]["asc"]) % 360, 6), round((p["systems"][0]["ic"] - p["systems"][0]["mc"]) % 360, 6))
print(p["systems"][0]["cusps"][0] == p["systems"][0]["asc"], p["systems"][0]["cusps"][9] == p["systems"][0]["mc"])
print([s["cusps"][1] for s in n["systems"][:4]], n["systems"][4]["cusps"][1] != 999)
print(len(p["body_houses"]), all(1 <= b["house"] <= 12 for b in p["body_houses"]), p["body_houses"][1]["name"])
PY
)
check "summary" "16 [1, 2, 3] Placidus Ekv. \"přirozený\"
294.8792 23.4393
True
180.0 180.0
True True
[999, 999, 999, 999] True
13 True Slunce" "$summary"

"$cli" --dir "$d" houses --at 2000-01-01T13:00 --system 7 > "$work/text"
check "text names the system" "Systém domů: Ekv. \"indický\"" "$(head -1 "$work/text")"
check "twelve cusps" "12" "$(grep -c '\. dům	' "$work/text" | head -1)"

# Placidus has no cusps at 70° N on midsummer day: no body has a house there.
"$cli" --dir "$d" houses --at 2024-06-21T12:00 --zone 2 --summer no --lat 70:00N --lon 019:00E --system 1 > "$work/text"
check "bodies without a house" "Slunce	------" "$(grep '^Slunce	' "$work/text")"

# Sidereal time 270°: the ASC lands on 0° Beran, written 0, never 360.
"$cli" --dir "$d" houses --at 1973-10-11T16:42 --zone 2 --summer no --lat 50:05N --lon 014:25E --json > "$work/asc0.json"
check "ASC at sidereal time 270" "0 True" "$(python3 -c 'import json,sys; s=json.load(open(sys.argv[1]))["systems"]; print(s[0]["asc"], all(0 <= v < 360 for x in s for v in x["cusps"] + [x["asc"], x["mc"], x["dsc"], x["ic"]]))' "$work/asc0.json")"

"$cli" --dir "$d" houses --place Nikde >/dev/null 2>"$work/err"
check "unknown place status" "1" "$?"
check "unknown place message" "Místo „Nikde“ v seznamu není!" "$(cat "$work/err")"
"$cli" --dir "$d" houses --system 17 >/dev/null 2>&1
check "bad system" "2" "$?"
"$cli" --dir "$d" houses --place Praha --lat 50:05N --lon 014:25E >/dev/null 2>&1
check "place and coordinates together" "2" "$?"

finish
