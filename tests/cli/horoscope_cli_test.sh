#!/usr/bin/env bash
# sidora-cli horoscope: the natal window's chart and tables as JSON.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"

"$cli" --dir "$d" horoscope --at 1970-03-05T08:05 --zone 2 --summer no --place Praha --json > "$work/praha.json"
check "status" "0" "$?"
summary=$(python3 - "$work/praha.json" <<'PY'
import json, sys
j = json.load(open(sys.argv[1]))
keys = ["name", "date_line", "place_line", "house_system", "house_system_name", "weekday", "jd", "zone_offset",
        "sidereal_degrees", "obliquity", "is_day", "asteroid_quality", "warnings", "bodies", "houses", "house_rulers",
        "aspects", "latitude_parallels", "declination_parallels", "point_aspects", "star_conjunctions",
        "sensitive_points", "fixed_stars", "evaluation", "tabs"]
print([k for k in keys if k not in j])
print(j["name"], "|", j["place_line"], "|", j["weekday"], j["zone_offset"], j["is_day"])
print(j["date_line"].startswith("5.března 1970, 8:5 hod. UTC+1 (den), JD="), round(j["jd"], 4))
b = j["bodies"]
print(len(b), sorted(b[0].keys()))
# The Sun of 5 March 1970 stands at 14° Ryby, in the twelfth sign.
sun = b[0]
print(sun["name"], int(sun["longitude"]), sun["sign"], 1 <= sun["house"] <= 12, sun["dispositor"])
print(all(0 <= x["longitude"] < 360 for x in b), all(x["sign"] == int(x["longitude"] // 30) + 1 for x in b))
h = j["houses"]
print(len(h["cusps"]), len(h["systems"]), h["cusps"][0] == h["asc"], round((h["dsc"] - h["asc"]) % 360, 6))
print(len(j["house_rulers"]), sorted(j["house_rulers"][0].keys()))
a = j["aspects"]
print(len(a) > 10, sorted(a[0].keys()), all(0 < x["code"] <= 14 for x in a))
print(all(x["code"] in (15, 16) for x in j["latitude_parallels"]), all(x["code"] in (17, 18) for x in j["declination_parallels"]))
print(len(j["sensitive_points"]), len(j["fixed_stars"]), sorted(j["point_aspects"][0].keys()) if j["point_aspects"] else [])
e = j["evaluation"]
print(sorted(e.keys()))
print(sum(e["kvalita_znameni"]), sum(e["kvalita_domy"]), sum(e["polarita_domy"]), sum(e["vychod_zapad"]))
print(len(e["dignities"]), sorted(e["dignities"][0].keys()))
print(e["total_points"] == sum(d["points"] for d in e["dignities"]), e["chart_ruler"]["body"] in range(1, 8))
t = j["tabs"]
print(sorted(t.keys()))
print(len(t["planets"]), t["planets"][1][1], t["planets"][1][0], len(t["points"]), t["aspects"][0][1])
PY
)
check "praha" "[]
Horoskop okamžiku | Praha (50°5\` S, 14°25\` V) | čtvrtek 1 True
True 2440650.7951
24 ['declination', 'dispositor', 'house', 'latitude', 'longitude', 'name', 'number', 'retrograde', 'sign', 'speed']
Slunce 344 12 True 6
True True
12 16 True 180.0
16 ['name', 'ruler', 'ruler2', 'ruler2_house', 'ruler_house']
True ['a', 'abbrev', 'b', 'code', 'deviation'] True
True True
37 65 ['abbrev', 'body', 'code', 'deviation', 'point']
['chart_ruler', 'dignities', 'dominant_traits', 'kvalita_domy', 'kvalita_znameni', 'polarita_domy', 'polarita_znameni', 'total_points', 'vychod_zapad', 'zivel_domy', 'zivel_znameni']
15 13 13 13
10 ['body', 'dekan', 'dom', 'exil', 'hranice', 'marks', 'pad', 'peregrin', 'points', 'povyseni', 'recepce', 'recepce_s', 'tvar', 'zivel']
True True
['angles', 'aspects', 'asteroids', 'houses', 'kvalita', 'planets', 'points', 'polarita', 'summary', 'vychod_zapad', 'zivel']
14 Slunce ☉ 20 Slunce" "$summary"

# A stored person, by the chooser's checks: Koch at Osoba z Tromsa has no cusps.
"$cli" --dir "$d" places add Tromso --lat 69:39N --lon 018:57E >/dev/null
"$cli" --dir "$d" persons add "Osoba z Tromsa" --date 1985-02-14 --time 10:30 --zone 2 --summer no --place Tromso --system 4 >/dev/null
"$cli" --dir "$d" horoscope --person "Osoba z Tromsa" --json > "$work/tromso.json"
check "person status" "0" "$?"
tromso=$(python3 - "$work/tromso.json" <<'PY'
import json, sys
j = json.load(open(sys.argv[1]))
print(j["name"], j["house_system"], j["house_system_name"])
print(j["houses"]["cusps"] == [999] * 12, [r["name"] for r in j["house_rulers"][:12]] == [""] * 12)
print([b["house"] for b in j["bodies"][:11]] == [0] * 11)
rows = j["tabs"]["houses"]
print(rows[1], rows[12][0])
print(j["tabs"]["planets"][1][8], [p["longitude"] for p in j["sensitive_points"] if p["number"] == 2])
PY
)
check "tromso" "Osoba z Tromsa 4 Koch
True True
True
['1. dům', '------', '/', '------', '------'] 12. dům
------ [999]" "$tromso"

"$cli" --dir "$d" horoscope --person "Osoba z Tromsa" > "$work/text"
check "text names the person" "Osoba z Tromsa" "$(head -1 "$work/text")"
check "text shows the tables" "2" "$(grep -c '^\[Planety\]$\|^\[Aspekty\]$' "$work/text")"

# Refusals.
"$cli" --dir "$d" horoscope --person Nikdo >/dev/null 2>"$work/err"
check "unknown person status" "1" "$?"
check "unknown person message" "Osoba „Nikdo“ v seznamu není!" "$(cat "$work/err")"
"$cli" --dir "$d" horoscope --at 1970-03-05T08:05 --place Praha >/dev/null 2>"$work/err"
check "no zone" "2" "$?"
check "no zone message" "sidora-cli: --at: zadává se spolu s --zone" "$(cat "$work/err")"
"$cli" --dir "$d" horoscope --at 1970-03-05T08:05 --zone 2 >/dev/null 2>&1
check "no place" "2" "$?"
"$cli" --dir "$d" horoscope >/dev/null 2>&1
check "nothing to compute" "2" "$?"
"$cli" --dir "$d" horoscope --person "Osoba z Tromsa" --at 1970-03-05T08:05 >/dev/null 2>&1
check "person and moment together" "2" "$?"
"$cli" --dir "$d" horoscope --at 1799-12-31T12:00 --zone 2 --place Praha >/dev/null 2>&1
check "year out of range" "2" "$?"
"$cli" --dir "$d" horoscope --person "Osoba z Tromsa" --system 17 >/dev/null 2>&1
check "bad system" "2" "$?"

finish
