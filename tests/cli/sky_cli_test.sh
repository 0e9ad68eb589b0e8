#!/usr/bin/env bash
# sidora-cli sky: one tick of the sky calendar, every text of the main window.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"

"$cli" --dir "$d" sky --at 2004-01-05T12:00 --zone 2 --summer no --json > "$work/prague.json"
check "status" "0" "$?"
"$cli" --dir "$d" sky --at 1799-12-21T10:00 --zone 1 --summer no --lat 70:00N --lon 020:00E --json > "$work/early.json"
summary=$(python3 - "$work/prague.json" "$work/early.json" <<'PY'
import json, sys
p, e = (json.load(open(f)) for f in sys.argv[1:3])
print(sorted(p.keys()))
print(p["Label1"], "|", p["Label25"], "|", p["Label3"], "|", repr(p["Label247"]))
print({k: (len(p[k]), len(p[k][0])) for k in ("Tab3", "Tab10", "Tab1")})
print(p["Tab3"][0][1], p["Tab10"][1][1], p["Tab10"][1][3], p["Tab10"][3][4], p["Tab1"][1][1])
print(p["world_clocks"][2], p["phase_caption"])
print(e["Label247"], e["Label3"], e["Tab3"][0][1], e["Tab11"][0][1:], e["tattva_message"])
PY
)
check "summary" "['Label1', 'Label247', 'Label25', 'Label3', 'Tab1', 'Tab10', 'Tab11', 'Tab12', 'Tab2', 'Tab3', 'Tab4', 'Tab5', 'Tab6', 'Tab8', 'Tab9', 'phase_caption', 'tab7', 'tattva_message', 'world_clocks']
5. ledna 2004, pondělí | Praha |  UTC+1 | ''
{'Tab3': (4, 5), 'Tab10': (13, 9), 'Tab1': (6, 13)}
2453009.95833 Slunce J m 8:07
16:30:0 Nejbližší fáze Měsíce (UTC+1):
Datum nastaveno mimo povolené rozmezí!!!  UTC0 2378850.50000 ['----------------', '/'] True" "$summary"

"$cli" --dir "$d" sky --at 2004-01-05T12:00 > "$work/text"
check "text shows the tabs" "7" "$(grep -cE '^\[(Čas|Slunce|Měsíc|Planety|Astrologie|Domy|Tattvy)\]' "$work/text")"
check "text draws the symbols" "1" "$(grep -c '☉  Slunce' "$work/text")"
"$cli" --dir "$d" sky --system 17 >/dev/null 2>&1
check "bad house system" "2" "$?"
"$cli" --dir "$d" sky --place Atlantida >/dev/null 2>&1
check "unknown place" "1" "$?"
"$cli" --dir "$d" sky --json > "$work/now.json"
check "running clock" "Dnes je" "$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["Label1"][:7])' "$work/now.json")"

finish
