#!/usr/bin/env bash
# sidora-cli biorhythm and numerology: their tables, JSON and refusals.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"

"$cli" --dir "$d" persons add "Jana Nováková" --date 1975-06-15 --time 14:30 --place Praha --summer yes
"$cli" --dir "$d" persons add "Jan Novák" --date 1975-06-01 --time 8:05 --place Praha --summer no

bio=$("$cli" --dir "$d" biorhythm --person "Jana Nováková" --from 1975-06-15 --json --compact)
check "birth day: all critical" '"!!!"' "$(echo "$bio" | field 'r["rows"][0]["marks"]')"
check "thirty rows" "30" "$(echo "$bio" | field 'len(r["rows"])')"
check "row fields" '["date", "age", "f", "e", "i", "marks", "child"]' "$(echo "$bio" | field 'list(r["rows"][1])')"
check "ages count on" '[0, 1, 29]' "$(echo "$bio" | field '[r["rows"][k]["age"] for k in (0, 1, 29)]')"
check "dates carry over the month" '"1975-07-01"' "$(echo "$bio" | field 'r["rows"][16]["date"]')"
check "no comparison without a partner" "false" "$(echo "$bio" | field '"comparison" in r')"

cmp=$("$cli" --dir "$d" biorhythm --person "Jana Nováková" --partner "Jan Novák" --from 2020-01-01 --json --compact)
check "14 days apart" "14" "$(echo "$cmp" | field 'r["comparison"]["days"]')"
check "emotional opposition" '"0%    Totální disharmonie!"' "$(echo "$cmp" | field 'r["comparison"]["rows"][1]["text"]')"
check "cycles named" '["Fyzický", "Emocionální", "Intelektuální", "Průměr"]' \
  "$(echo "$cmp" | field '[x["cycle"] for x in r["comparison"]["rows"]]')"

man=$("$cli" --dir "$d" biorhythm --birth 2000-01-01 --sex m --name Petr --from 2000-02-27 --partner-birth 2000-01-01 --json --compact)
check "inline man: no child" '["---------"]' "$(echo "$man" | field 'sorted(set(x["child"] for x in r["rows"]))')"
check "leap day row" '"2000-02-29"' "$(echo "$man" | field 'r["rows"][2]["date"]')"
check "same birth: full harmony" '[100, 100, 100, 100]' "$(echo "$man" | field '[x["percent"] for x in r["comparison"]["rows"]]')"
text=$("$cli" --dir "$d" biorhythm --birth 2000-01-01 --from 2000-01-12)
check "text table: F critical on day 11" "12.1.2000      11  ! + +  ---------" "$(echo "$text" | sed -n 5p)"

refused_plain "Nelze spočítat biorytmy pro dobu před narozením!" biorhythm --person "Jan Novák" --from 1975-05-31
refused_plain "Osoba „Nikdo“ v seznamu není!" biorhythm --person Nikdo
refused_plain "Zadejte osobu volbou --person nebo datum narození volbou --birth." biorhythm

num=$("$cli" --dir "$d" numerology --birth 1970-03-05 --json --compact)
check "digits" '[5, 3, 1, 9, 7, 0]' "$(echo "$num" | field 'r["digits"]')"
check "counts" '[1, 1, 1, 0, 2, 0, 2, 0, 1]' "$(echo "$num" | field '[r["counts"][str(k)] for k in range(1, 10)]')"
check "subtotal and vibration" '[25, 7]' "$(echo "$num" | field '[r["subtotal"], r["vibration"]]')"
check "eight lines" '[6, 1, 5, 3, 3, 6, 9, 2]' "$(echo "$num" | field 'list(r["lines"].values())')"
check "weekday" '{"name": "čtvrtek", "digit": 5, "ruler": "Jupiter"}' "$(echo "$num" | field 'r["weekday"]')"
check "no place: no hour" '{"text": "?", "ruler": "????"}' "$(echo "$num" | field 'r["planetary_hour"]')"
check "files" '["V7.txt", "C1x1.txt", "C2x1.txt", "C3x1.txt", "C4x0.txt"]' "$(echo "$num" | field 'r["files"][:5]')"

hour=$("$cli" --dir "$d" numerology --birth 2025-01-06T02:00 --zone 2 --summer no --lat 50:05N --lon 14:25E --json --compact)
check "before sunrise: the night of Sunday" '{"text": "8. noční", "ruler": "Jupiter"}' "$(echo "$hour" | field 'r["planetary_hour"]')"
check "one-digit S counted twice" "2" "$("$cli" --dir "$d" numerology --birth 2000-01-01 --json | field 'r["counts"]["4"]')"

# A fresh directory installs the delivered texts before the reading.
reading=$("$cli" --dir "$work/fresh" numerology --birth 1970-03-05 --reading)
check "reading starts with its title" "Numerologický výklad" "$(echo "$reading" | head -1)"
check "reading ends" "KONEC." "$(echo "$reading" | tail -1)"
check "reading holds the vibration text" "1" "$(echo "$reading" | grep -c '^Vibrační číslo: 7$')"
check "texts installed" "63" "$(ls "$work/fresh/numera" | grep -c '\.txt$')"
check "sum file consumed" "no" "$([ -e "$work/fresh/numera/Nsuma.dat" ] && echo yes || echo no)"
styles=$("$cli" --dir "$work/fresh" numerology --birth 1970-03-05 --reading --json --compact)
check "reading styles" '["title", "body", "header", "header"]' "$(echo "$styles" | field '[l["style"] for l in r["lines"][:4]]')"

refused_plain "Datum narození mimo povolené rozmezí let 1800 až 2100!" numerology --birth 1799-12-31
finish
