#!/usr/bin/env bash
# The command line against expected output, in throw-away data directories.
set -u
cli="$1"
src="$2"
source "$(dirname "$0")/lib.sh"

# A fresh directory gets every file, the shipped rules among them; a second run changes nothing.
d="$work/fresh"
"$cli" --dir "$d" time --at 2000-01-01T12:00 --json >/dev/null 2>"$work/err"
check "fresh run is quiet" "" "$(cat "$work/err")"
check "fresh files" "LC.dat Partner aster.mem astro.mem mista.dat num.set numera orbit1.mem orbit2.mem orbit3.mem osoby.dat prvni.dat start.mem tattvy.set texty" \
  "$(cd "$d" && ls | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
check "shipped LC.dat installed" "$(sha256sum < "$src/data/LC.dat")" "$(sha256sum < "$d/LC.dat")"
before=$(cd "$d" && find . -type f -printf '%p %s %T@\n' | sort; sha256sum ./*.* | sort)
sleep 0.05
"$cli" --dir "$d" time --json >/dev/null
after=$(cd "$d" && find . -type f -printf '%p %s %T@\n' | sort; sha256sum ./*.* | sort)
check "second run changes nothing" "$before" "$after"

# The data directory comes from --dir, else SIDORA_DIR, else XDG_DATA_HOME.
SIDORA_DIR="$work/env" "$cli" time --json >/dev/null
check "SIDORA_DIR used" "yes" "$([ -f "$work/env/start.mem" ] && echo yes)"
env -u SIDORA_DIR XDG_DATA_HOME="$work/xdg" "$cli" time --json >/dev/null
check "XDG_DATA_HOME used" "yes" "$([ -f "$work/xdg/sidora/start.mem" ] && echo yes)"

check "J2000 in zone 1" \
  '{"jd": 2451545, "zone_offset": 0, "summer": false, "summer_text": "LČ zaveden od  26.3. 2 hod. SEĆ do 29.10. 3 hod. SELČ.", "weekday": "sobota", "sidereal_degrees": 294.87916666666666, "sidereal_text": "19:39:31"}' \
  "$("$cli" --dir "$d" time --at 2000-01-01T12:00:00 --zone 1 --summer no --json)"
check "Greenwich sidereal time" \
  '{"jd": 2451545, "zone_offset": 0, "summer": false, "summer_text": "LČ zaveden od  26.3. 2 hod. SEĆ do 29.10. 3 hod. SELČ.", "weekday": "sobota", "sidereal_degrees": 280.4625, "sidereal_text": "18:41:51"}' \
  "$("$cli" --dir "$d" time --at 2000-01-01T12:00:00 --zone 1 --summer no --lat 51:29N --lon 000:00E --json)"
check "Prague summer 1985" \
  '{"jd": 2446247.9166666665, "zone_offset": 2, "summer": true, "summer_text": "LČ zaveden od  31.3. 2 hod. SEĆ do 29.9. 3 hod. SELČ.", "weekday": "pondělí", "sidereal_degrees": 83.82083333333334, "sidereal_text": "5:35:17"}' \
  "$("$cli" --dir "$d" time --at 1985-07-01T12:00 --json)"
check "no summer time in 1960" '"zone_offset": 1, "summer": false, "summer_text": "V roce 1960 nebyl LČ zaveden."' \
  "$("$cli" --dir "$d" time --at 1960-07-01T12:00 --json | json_fields zone_offset summer summer_text)"
check "forced summer time" '"zone_offset": 2, "summer": true' \
  "$("$cli" --dir "$d" time --at 1960-07-01T12:00 --summer yes --json | json_fields zone_offset summer)"
check "readable lines" "Letní čas: ano|Juliánské datum: 2446247.916667|Místní hvězdný čas: 5:35:17 (83.8208°)" \
  "$("$cli" --dir "$d" time --at 1985-07-01T12:00 | grep -E '^(Letní|Juliánské|Místní)' | tr '\n' '|' | sed 's/|$//')"

# Bad arguments: one line on stderr, status 2.
for args in "time --at 2001-02-29T10:00" "time --at 2000-01-01T24:00" "time --zone 25" "time --zone x" \
            "time --summer maybe" "time --lat 91:00N --lon 014:25E" "time --lat 50:05N" "time --lon 014:25X --lat 50:05N" \
            "time --bogus" "nosuchcommand" "--dir"; do
  # shellcheck disable=SC2086
  "$cli" --dir "$d" $args >"$work/out" 2>"$work/err"
  check "status of: $args" "2" "$?"
  check "one error line for: $args" "1" "$(wc -l < "$work/err")"
done

# Refused before the data directory is made or read: one Czech line (its text checked where
# the wording matters), status 2.
untouched="$work/untouched"
while IFS='|' read -r args message; do
  # shellcheck disable=SC2086
  "$cli" --dir "$untouched" $args >"$work/out" 2>"$work/err"
  check "status of: $args" "2" "$?"
  check "message of: $args" "sidora-cli: $message" "$(cat "$work/err")"
done <<'TABLE'
time --bogus|neznámá volba „--bogus“
positions --lat 50:00N|neznámá volba „--lat“
time --at|--at: chybí hodnota
day --place --lat 50:00N|--place: chybí hodnota (následuje „--lat“)
time --lat 91:00N --lon 014:25E|--lat: neplatná zeměpisná šířka „91:00N“ (očekáváno DD:MM a N nebo S, nejvýše 90:00)
houses --lat 90:01N --lon 014:25E|--lat: neplatná zeměpisná šířka „90:01N“ (očekáváno DD:MM a N nebo S, nejvýše 90:00)
day --lat 50:00N --lon 180:30W|--lon: neplatná zeměpisná délka „180:30W“ (očekáváno DDD:MM a E nebo W, nejvýše 180:00)
time --at 2101-01-01T00:00|--at: okamžik „2101-01-01T00:00“ leží mimo roky 1800 až 2100
positions --at 0001-01-01T00:00|--at: okamžik „0001-01-01T00:00“ leží mimo roky 1800 až 2100
time --zone 25|--zone: neplatné časové pásmo „25“ (1 až 24)
time --at 2004-01-01T00:00 --at 2005-01-01T00:00|--at: zadáno vícekrát
positions --json --json|--json: zadáno vícekrát
houses --lat 50:05N|--lat: zadává se spolu s --lon
sky --place Praha --lon 014:25E|--place: nelze zadat spolu s --lon
time extra|nečekaný argument „extra“
nosuchcommand|neznámý příkaz „nosuchcommand“
places add --lat 49:00N --lon 15:00E|chybí název místa
|chybí příkaz
TABLE
check "data directory not made" "no" "$([ -e "$untouched" ] && echo yes || echo no)"
"$cli" --dir "" time >/dev/null 2>"$work/err"
check "empty --dir refused" "2 sidora-cli: --dir: adresář dat nesmí být prázdný" "$? $(cat "$work/err")"

# The help lists every command and option; --version names the program.
"$cli" --help > "$work/help"
check "help status" "0" "$?"
for word in time positions day houses sky places persons --dir --version; do
  check "help names $word" "1" "$(grep -c -- "^  $word\b" "$work/help")"
done
check "command help lists the groups" "Okamžik:|Místo:|Výstup:" "$("$cli" day --help | grep -E '^(Okamžik|Místo|Výstup):' | tr '\n' '|' | sed 's/|$//')"
check "version" "sidora-cli 0.1" "$("$cli" --version)"

# JSON indented on a terminal, on one line otherwise and with --compact; the same value.
script -qec "$cli --dir $d time --at 2000-01-01T12:00 --zone 1 --summer no --json" /dev/null | tr -d '\r' > "$work/tty.json"
script -qec "$cli --dir $d time --at 2000-01-01T12:00 --zone 1 --summer no --json --compact" /dev/null | tr -d '\r' > "$work/compact.json"
"$cli" --dir "$d" time --at 2000-01-01T12:00 --zone 1 --summer no --json > "$work/pipe.json"
check "lines: terminal, --compact, pipe" "9 1 1" "$(wc -l < "$work/tty.json") $(wc -l < "$work/compact.json") $(wc -l < "$work/pipe.json")"
check "same value" "True" "$(python3 -c 'import json, sys; a, b, c = (json.load(open(f)) for f in sys.argv[1:]); print(a == b == c)' "$work/tty.json" "$work/compact.json" "$work/pipe.json")"

# Output that cannot be written is a failure, not a success.
"$cli" --dir "$d" positions --at 2000-01-01T12:00 --json >/dev/full 2>"$work/err"
check "full disk" "1 sidora-cli: výstup se nepodařilo zapsat" "$? $(cat "$work/err")"

# A truncated settings file stops the program with its code and is left alone: only the
# window may set it aside, after asking.
b="$work/broken"
mkdir -p "$b"
head -c 100 /dev/zero > "$b/start.mem"
"$cli" --dir "$b" time >/dev/null 2>"$work/err"
check "broken start.mem status" "1" "$?"
check "broken start.mem message" "1" "$(grep -c 'Běhová chyba 4 (start.mem)' "$work/err")"
check "broken start.mem kept" "100" "$(stat -c %s "$b/start.mem")"
check "nothing set aside" "" "$(ls "$b" | grep poskozeny)"

finish
