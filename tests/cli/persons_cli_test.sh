#!/usr/bin/env bash
# sidora-cli persons: the file effects and messages of the person chooser and editor.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"

names() { "$cli" --dir "$d" persons list | cut -f1 | tr '\n' ',' | sed 's/,$//'; }
person() {  # index, keys...: those members of one person of the JSON list
  local i="$1"
  shift
  "$cli" --dir "$d" persons list --json | python3 -c 'import json, sys
r = json.load(sys.stdin)[int(sys.argv[1])]
print(json.dumps({k: r[k] for k in sys.argv[2:]}, ensure_ascii=False)[1:-1])' "$i" "$@"
}
refused() {  # expected message, args...
  local msg="$1"
  shift
  local before
  before=$(sha256sum "$d/osoby.dat")
  "$cli" --dir "$d" persons "$@" >/dev/null 2>"$work/err" </dev/null
  check "status of $*" "1" "$?"
  check "message of $*" "$msg" "$(cat "$work/err")"
  check "file kept by $*" "$before" "$(sha256sum "$d/osoby.dat")"
}
usage() {  # args...
  local before
  before=$(sha256sum "$d/osoby.dat")
  "$cli" --dir "$d" persons "$@" >/dev/null 2>"$work/err" </dev/null
  check "status of $*" "2" "$?"
  check "file kept by $*" "$before" "$(sha256sum "$d/osoby.dat")"
}

"$cli" --dir "$d" persons list >/dev/null
check "a new file holds the version record alone" "104" "$(stat -c %s "$d/osoby.dat")"
check "no persons listed" "[]" "$("$cli" --dir "$d" persons list --json --compact)"
"$cli" --dir "$d" places add Brno --lat 49:12N --lon 16:37E

"$cli" --dir "$d" persons add "Jana Nováková" --date 1975-06-15 --time 14:30 --place Brno --summer yes --system 4
"$cli" --dir "$d" persons add "Jan Novák" --date 1970-03-05 --time 8:05 --place Praha
"$cli" --dir "$d" persons add "Ed" --date 2000-01-01 --time 0:00 --place Praha --zone 1 --sex f
check "file order" "Jana Nováková,Jan Novák,Ed" "$(names)"
check "size after adding" "416" "$(stat -c %s "$d/osoby.dat")"
check "json of a person" \
  '"name": "Jana Nováková", "male": false, "year": 1975, "month": 6, "day": 15, "hour": 14, "minute": 30, "summer": true, "zone": 2, "zone_name": "+1 hod: středoevropské", "place": "Brno", "lat_deg": 49, "lat_min": 12, "north": true, "lon_deg": 16, "lon_min": 37, "east": true, "house_system": 4, "house_system_name": "Koch", "date_text": "15.června 1975", "time_text": "14:30 hodin", "place_text": "Brno (49°12` S, 16°37` V)", "summer_text": "Ano"' \
  "$(person 0 name male year month day hour minute summer zone zone_name place lat_deg lat_min north lon_deg lon_min east house_system house_system_name date_text time_text place_text summer_text)"
check "defaults: sex by the name, the current system, summer by the rule" \
  '"male": true, "house_system": 1, "summer_text": "NE", "time_text": "8:5 hodin", "place_text": "Praha (50°5` S, 14°25` V)"' \
  "$(person 1 male house_system summer_text time_text place_text)"
check "a given sex and zone" '"male": false, "zone": 1' "$(person 2 male zone)"

refused "Osoba pod jménem Jan Novák byla již uložena!" add "Jan Novák" --date 1970-03-05 --time 8:05 --place Praha
refused "Datum narození mimo povolené rozmezí let 1800 až 2100!" add X --date 1799-12-31 --time 0:00 --place Praha
refused "Datum nebo čas narození neexistuje!" add X --date 2001-02-29 --time 0:00 --place Praha
refused "Datum nebo čas narození neexistuje!" add X --date 2001-02-28 --time 24:00 --place Praha
refused "Místo „Plzeň“ v seznamu není!" add X --date 2001-02-28 --time 0:00 --place Plzeň
refused "Jméno může mít nejvýše 30 znaků!" add "Jméno delší než třicet znaků, ano" --date 2001-01-01 --time 0:00 --place Praha
refused "Jméno obsahuje znaky, které nelze uložit!" add "Jan ☺" --date 2001-01-01 --time 0:00 --place Praha
refused "Osoba „Nikdo“ v seznamu není!" edit Nikdo --time 1:00
refused "Osoba „Nikdo“ v seznamu není!" delete Nikdo --yes
refused "Smazání je třeba potvrdit volbou --yes." delete Ed
usage add X --date 1.1.2000 --time 0:00 --place Praha
usage add X --date 2000-01-01 --time 0:00 --place Praha --zone 25
usage add X --date 2000-01-01 --time 0:00 --place Praha --sex x
usage add X --time 0:00 --place Praha

# Editing keeps the slot, skips the duplicate check and guesses the sex of a new name.
"$cli" --dir "$d" persons edit "Jan Novák" --name "Jana Nováková" --time 9:15
check "edited in place" "Jana Nováková,Jana Nováková,Ed" "$(names)"
check "edited fields" '"male": false, "time_text": "9:15 hodin", "date_text": "5.března 1970"' "$(person 1 male time_text date_text)"

# Deleting moves the last record into the gap.
"$cli" --dir "$d" persons delete "Jana Nováková" --yes
check "the last record took the first one's place" "Ed,Jana Nováková" "$(names)"
check "size after deleting" "312" "$(stat -c %s "$d/osoby.dat")"

# A record that a window cannot compute is still listed.
printf '\x00' | dd of="$d/osoby.dat" bs=1 seek=$((104 + 45)) conv=notrunc status=none
check "zone 0 listed with no zone name" '"zone": 0, "zone_name": ""' "$(person 0 zone zone_name)"

# A damaged file is reported and left as it is.
head -c 150 "$d/osoby.dat" > "$work/short" && cp "$work/short" "$d/osoby.dat"
refused "Běhová chyba 26 (osoby.dat): délka souboru (150 bajtů) není násobkem délky záznamu 104 bajtů; soubor je poškozený." list
refused "Běhová chyba 26 (osoby.dat): délka souboru (150 bajtů) není násobkem délky záznamu 104 bajtů; soubor je poškozený." \
  add Y --date 2000-01-01 --time 0:00 --place Praha

finish
