#!/usr/bin/env bash
# sidora-cli table and search: refusals, JSON keys, the saved lines and the saved bytes.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"
zone=(--zone 2 --summer no --at 2024-01-01T00:00)

"$cli" --dir "$d" table simple --from 2024-02 --to 2024-01 "${zone[@]}" >/dev/null 2>"$work/err"
check "span refused" "1 Počáteční datum musí být menší než koncové!" "$? $(cat "$work/err")"

"$cli" --dir "$d" table simple --from 2024-02 --to 2024-02 --bodies Slunce,Měsíc "${zone[@]}" --csv >"$work/out.csv"
check "csv status" "0" "$?"
check "csv first line" "Datum;Slunce;Měsíc" "$(head -1 "$work/out.csv" | tr -d '\r')"
check "csv lines" "30" "$(wc -l < "$work/out.csv")"

"$cli" --dir "$d" table simple --from 2024-02 --to 2024-02 --bodies slunce,mesic "${zone[@]}" --out "$work/t.csv" >"$work/msg"
check "out message" "Tabulka byla uložena do souboru $work/t.csv" "$(cat "$work/msg")"
check "out bytes are the saved lines in Windows-1250" "ok" \
  "$(iconv -f UTF-8 -t WINDOWS-1250 "$work/out.csv" | cmp -s - "$work/t.csv" && echo ok)"
check "out has CR LF" "30" "$(grep -c $'\r$' "$work/t.csv")"

"$cli" --dir "$d" table detailed --from 1997-01 --to 1997-01 --body Merkur "${zone[@]}" --json >"$work/d.json"
check "detailed json" "caption,label1,label2,columns,rows,last_row_index,zone_offset,days Efemeridy Merkura 31 7 21:38 Zastávka True" "$(python3 - "$work/d.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))
day = r["days"][11]
b = day["bodies"][0]
print(",".join(r.keys()), r["caption"], r["last_row_index"], len(r["columns"]), day["note"],
      all(k in b for k in ("longitude", "retrograde", "latitude", "declination", "speed")))
PY
)"

"$cli" --dir "$d" table phases --from 2024-01 --to 2024-01 "${zone[@]}" --json >"$work/p.json"
check "phases json" "1249 2024-01-11T13:00 2" "$(python3 -c 'import json,sys; r=json.load(open(sys.argv[1])); l=r["lunations"][1]; print(l["number"], l["new_moon"], r["last_row_index"])' "$work/p.json")"

"$cli" --dir "$d" search range --from 2024-01 --to 2024-12 --range 10..350 "${zone[@]}" >/dev/null 2>"$work/err"
check "range refused" "1 Úhel musí být menší než 180°!" "$? $(cat "$work/err")"
"$cli" --dir "$d" search range --from 2024-01 --to 2024-12 --sign 1 "${zone[@]}" --json >"$work/s.json"
check "range json" "title,zone_offset,lines,events Slunce v Beranu vstup 2024-03-20T04:15 title KONEC." "$(python3 -c '
import json,sys; r=json.load(open(sys.argv[1])); e=r["events"][0]
print(",".join(r.keys()), r["title"], e["kind"], e["at"], r["lines"][0]["style"], r["lines"][-1]["text"])' "$work/s.json")"
"$cli" --dir "$d" search aspect --from 2015-03 --to 2015-03 --body Slunce --aspect 1 --with Slunce "${zone[@]}" >/dev/null 2>"$work/err"
check "same bodies refused" "1 Pro výpočet aspektu musí být vybrány různé planety!" "$? $(cat "$work/err")"
"$cli" --dir "$d" search aspect --from 2015-03 --to 2015-03 --aspect konjunkce --with Měsíc "${zone[@]}" >"$work/a.txt"
check "conjunction text" "Slunce konjunkce Měsíc|20.3.2015" "$(head -1 "$work/a.txt")|$(sed -n 5p "$work/a.txt" | cut -d' ' -f1)"

"$cli" --dir "$d" search transit --from 2024-01 --to 2024-01 --person "Nikdo" --sign 1 "${zone[@]}" >/dev/null 2>&1
check "unknown person refused" "1" "$?"

finish
