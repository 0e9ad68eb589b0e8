#!/usr/bin/env bash
# sidora-cli places: the file effects and messages of the places window and dialog.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"

names() { "$cli" --dir "$d" places list | cut -f1 | tr '\n' ',' | sed 's/,$//'; }
refused() {  # expected message, status, args...
  local msg="$1"
  shift
  local before after
  before=$(sha256sum "$d/mista.dat")
  "$cli" --dir "$d" places "$@" >/dev/null 2>"$work/err" </dev/null
  check "status of $*" "1" "$?"
  check "message of $*" "$msg" "$(cat "$work/err")"
  after=$(sha256sum "$d/mista.dat")
  check "file kept by $*" "$before" "$after"
}

"$cli" --dir "$d" places add Brno --lat 49:12N --lon 016:37E
"$cli" --dir "$d" places add Ostrava --lat 49:50N --lon 18:17E
"$cli" --dir "$d" places add Cheb --lat 50:05N --lon 12:22E
"$cli" --dir "$d" places add "Sever" --lat 89:30N --lon 179:59W
check "file order after adding" "Praha,Brno,Ostrava,Cheb,Sever" "$(names)"
check "json of one place" \
  '{"name": "Sever", "lat_deg": 89, "lat_min": 30, "north": true, "lon_deg": 179, "lon_min": 59, "east": false, "latitude_text": "89° 30´ severně", "longitude_text": "179° 59´ západně"}' \
  "$("$cli" --dir "$d" places list --json | python3 -c 'import json, sys; print(json.dumps(json.load(sys.stdin)[-1], ensure_ascii=False))')"
check "size is whole records" "340" "$(stat -c %s "$d/mista.dat")"

refused "Praha nelze smazat! Je nastaven jako domov." delete Praha --yes
refused "Brno byl již dříve uložen!" add Brno --lat 1:00N --lon 1:00E
refused "Zeměpisná šířka může nabývat hodnot od 0 do 90°!" add X --lat 91:00N --lon 1:00E
refused "Minuty je možno zadat v rozmezí od 0 do 59!" add X --lat 10:60N --lon 1:99E
refused "V okénku zeměpisná šířka je hloupost!" add X --lat :10N --lon 1:00E
refused "V okénku zeměpisná délka je hloupost!" add X --lat 10:10N --lon 1:E
refused "Minuty je možno zadat v rozmezí od 0 do 59!" add X --lat 10:10N --lon 1:60E
refused "Zeměpisná délka může nabývat hodnot od 0 do 180°!" add X --lat 10:10N --lon 181:00E
refused "Název místa může mít nejvýše 30 znaků!" add "Jméno delší než třicet znaků, opravdu" --lat 1:00N --lon 1:00E
# No minutes beyond the pole or the date line; names a list or a terminal would show wrongly.
refused "Zeměpisná šířka může nabývat hodnot od 0 do 90°!" add Bod --lat 90:59N --lon 1:00E
refused "Zeměpisná délka může nabývat hodnot od 0 do 180°!" add Bod --lat 1:00N --lon 180:01W
refused "Zeměpisná šířka může nabývat hodnot od 0 do 90°!" edit Brno --lat 90:01S
refused "Není zadáno místo!" add "   " --lat 1:00N --lon 1:00E
refused "Název místa nesmí začínat ani končit mezerou!" add " Bod" --lat 1:00N --lon 1:00E
refused "Název místa nesmí začínat ani končit mezerou!" edit Brno --name "Brno "
for name in $'Bo\nd' $'Bod\r' $'Bo\x7fd' $'Bo\xc2\x81d' $'\e[31mBod'; do
  refused "Název místa nesmí obsahovat řídicí znaky!" add "$name" --lat 1:00N --lon 1:00E
done

# A bad command line is refused before the places file is read or written.
usage() {  # args...
  local before
  before=$(sha256sum "$d/mista.dat")
  "$cli" --dir "$d" places "$@" >/dev/null 2>"$work/err" </dev/null
  check "status of $*" "2" "$?"
  check "one Czech line for $*" "1 sidora-cli:" "$(wc -l < "$work/err") $(cut -d' ' -f1 "$work/err")"
  check "file kept by $*" "$before" "$(sha256sum "$d/mista.dat")"
}
usage add --lat 49:00N --lon 15:00E
usage add --lat --lat 49:00N --lon 15:00E
usage add Bod --lat 49:00N --lon 15:00E --lat 50:00N
usage add Bod --lat 49:00N
usage add Bod --lat 49-00N --lon 15:00E
usage add Bod --lat 49:00N --lon 15:00E --bogus
usage edit Brno --name
usage edit Brno --name --lat 1:00N
usage delete
usage delete Brno --yes --yes
usage rename Brno
check "name missing says so" "sidora-cli: chybí název místa" \
  "$("$cli" --dir "$d" places add --lat 49:00N --lon 15:00E 2>&1)"
refused "Smazání je třeba potvrdit volbou --yes." delete Brno
refused "Místo „Plzeň“ v seznamu není!" delete Plzeň --yes
refused "Místo „Plzeň“ v seznamu není!" edit Plzeň --name Plzen

# Deleting a middle record moves the last one into its slot; deleting the last cuts it off.
"$cli" --dir "$d" places delete Brno --yes
check "middle record deleted" "Praha,Sever,Ostrava,Cheb" "$(names)"
"$cli" --dir "$d" places delete Cheb --yes
check "last record deleted" "Praha,Sever,Ostrava" "$(names)"
check "size after deleting" "204" "$(stat -c %s "$d/mista.dat")"

# A rename onto another place's name would leave two records of one name: refused.
refused "Ostrava byl již dříve uložen!" edit Sever --name Ostrava --lat 10:10S
# Editing keeps the slot.
"$cli" --dir "$d" places edit Sever --name Jih --lat 10:10S
check "edit in place" "Praha,Jih,Ostrava" "$(names)"
check "edited coordinates" "10° 10´ jižně	179° 59´ západně" "$("$cli" --dir "$d" places list | sed -n 2p | cut -f2,3)"

# Another letter case is another place.
"$cli" --dir "$d" places add praha --lat 50:05N --lon 14:25E
check "lower-case praha added" "Praha,Jih,Ostrava,praha" "$(names)"

# A question on a terminal, answered there.
printf 'a\n' | script -qec "$cli --dir $d places delete praha" /dev/null >/dev/null
check "deleted after the answer on a terminal" "Praha,Jih,Ostrava" "$(names)"

# A 40-character name written by another program is shown whole.
long="Nejdelší název místa, jaký se sem vejde!"
printf '\x28' > "$work/rec"
printf '%s' "$long" | iconv -f UTF-8 -t CP1250 >> "$work/rec"
printf '\0\0\0\x01\0\0\0\x02\0\0\0\x01\0\0\0\x03\0\0\0\x04\0\0\0\x01\0\0\0' >> "$work/rec"
cat "$work/rec" >> "$d/mista.dat"
check "40-character name listed whole" "$long" "$("$cli" --dir "$d" places list | tail -1 | cut -f1)"

# Names another program wrote with control characters are printed escaped, and as JSON text.
printf '\x09\x1b[2Jx\ny\x81z' > "$work/rec"
printf '\0%.0s' $(seq 31) >> "$work/rec"
printf '\0\0\0\x01\0\0\0\x02\0\0\0\x01\0\0\0\x03\0\0\0\x04\0\0\0\x01\0\0\0' >> "$work/rec"
cat "$work/rec" >> "$d/mista.dat"
check "control characters escaped" '\x1b[2Jx\ny\u0081z' "$("$cli" --dir "$d" places list | tail -1 | cut -f1)"
check "no control character reaches the terminal" "0" "$("$cli" --dir "$d" places list | tr -d '\n\t' | LC_ALL=C grep -c $'[\x01-\x1f\x7f]')"
check "the same name as JSON" "['\\x1b[2Jx\\ny\\x81z', 3]" \
  "$("$cli" --dir "$d" places list --json | python3 -c 'import json, sys; p = json.load(sys.stdin)[-1]; print([p["name"], p["lat_deg"]])')"
raw=$'\e[2Jx\ny\xc2\x81z'
check "sky shows the place as JSON" "True" \
  "$("$cli" --dir "$d" sky --at 2004-01-05T12:00 --place "$raw" --json | python3 -c 'import json, sys; print(json.load(sys.stdin)["Label25"] == sys.argv[1])' "$raw")"
check "sky shows the place escaped" 'Místo: \x1b[2Jx\ny\u0081z' \
  "$("$cli" --dir "$d" sky --at 2004-01-05T12:00 --place "$raw" | grep '^Místo: ')"
"$cli" --dir "$d" houses --place $'Nikde\e[2J' 2>"$work/err"
check "a missing name is escaped in the refusal" 'Místo „Nikde\x1b[2J“ v seznamu není!' "$(cat "$work/err")"

# A private file stays private; a read-only one is refused by name and left as it is.
chmod 600 "$d/mista.dat"
"$cli" --dir "$d" places add Tábor --lat 49:25N --lon 14:40E
check "mode 0600 kept" "600" "$(stat -c %a "$d/mista.dat")"
chmod 444 "$d/mista.dat"
refused "Soubor „$d/mista.dat“ je jen pro čtení; změna nebyla uložena." add Písek --lat 49:18N --lon 14:09E
check "mode 0444 kept" "444" "$(stat -c %a "$d/mista.dat")"
chmod 644 "$d/mista.dat"

# A file that is not a whole number of records is reported and left alone.
printf 'xyz' >> "$d/mista.dat"
size=$(stat -c %s "$d/mista.dat")
"$cli" --dir "$d" places list >/dev/null 2>"$work/err"
check "garbled file status" "3" "$?"
check "garbled file message" "1" "$(grep -c 'mista.dat.*není násobkem' "$work/err")"
"$cli" --dir "$d" places add Nové --lat 1:00N --lon 1:00E 2>/dev/null
check "garbled file kept" "$size" "$(stat -c %s "$d/mista.dat")"

finish
