#!/usr/bin/env bash
# sidora-cli partner: the partner horoscope of two stored persons and its report.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/fresh"

"$cli" --dir "$d" persons add "Jan" --date 1970-03-05 --time 08:05 --place Praha
"$cli" --dir "$d" persons add "Dvojče" --date 1970-03-05 --time 08:05 --place Praha
"$cli" --dir "$d" persons add "Jana" --date 1975-06-15 --time 14:30 --place Praha --summer yes --system 4

twins=$("$cli" --dir "$d" partner --person Jan --partner Dvojče --json --compact)
check "keys" '["counts", "grids", "bodies", "cusps", "both_houses_ok", "aspects"]' "$(echo "$twins" | field 'list(r)')"
check "twins agree fully" '"100 %"' "$(echo "$twins" | field 'r["grids"]["celkova_shoda"]')"
check "twins: cusp n in house n" "$(seq -s, 1 12 | sed 's/,/, /g' | sed 's/^/[/; s/$/]/')" \
  "$(echo "$twins" | field '[c["house_in_first"] for c in r["cusps"][:12]]')"
check "twins: MC in the 10th" "10" "$(echo "$twins" | field 'r["cusps"][13]["house_in_first"]')"
check "twins: planets conjunct their namesakes exactly" "true" \
  "$(echo "$twins" | field 'all({"a": a, "b": a, "kod": 1, "odchylka": 0} in r["aspects"] for a in range(1, 11))')"
"$cli" --dir "$d" places add Tromso --lat 69:39N --lon 018:57E >/dev/null
"$cli" --dir "$d" persons add "Osoba z Tromsa" --date 1985-02-14 --time 10:30 --zone 2 --summer no --place Tromso --system 1 >/dev/null
north=$("$cli" --dir "$d" partner --person Jan --partner "Osoba z Tromsa" --json --compact)
check "70° N: no cusp houses" "0 [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]" \
  "$(echo "$north" | field 'r["both_houses_ok"]') $(echo "$north" | field '[c["house_in_first"] for c in r["cusps"]]')"
check "70° N: their bodies still in houses" "true" "$(echo "$north" | field 'all(b["house_in_first"] > 0 for b in r["bodies"][:10])')"
check "counts are the seven tables" "7" "$(echo "$twins" | field 'len(r["counts"]["second"])')"

# A report with all four sections, the partner texts installed first.
r=$("$cli" --dir "$d" partner --person Jan --partner Jana --report 1111 --json --compact)
check "partner sum file consumed" "no" "$([ -e "$d/Partner/Psuma.dat" ] && echo yes || echo no)"
check "title" '"PARTNERSKÝ HOROSKOP"' "$(echo "$r" | field 'r["lines"][0]["text"]')"
check "end mark" '"KONEC."' "$(echo "$r" | field 'r["lines"][-1]["text"]')"
check "some partner text found" "true" "$(echo "$r" | field 'any(l["found"] for l in r["lookups"])')"
# Every house and aspect lookup the partner library covers is answered.
missing=$(echo "$r" | python3 -c 'import json, re, sys
r = json.load(sys.stdin)
for l in r["lookups"]:
    p, z, d, a, q, y, e = map(int, re.match(r"RP(\d+)Z(\d+)D(\d+)A(\d+)P(\d+)Z(\d+)D(\d+)", l["file"]).groups())
    body = 1 <= p <= 10 and z == d == a == q == y == 0 and 1 <= e <= 12
    house = p == z == a == q == y == 0 and 1 <= d <= 12 and 1 <= e <= 12
    aspect = 1 <= a <= 5 and 1 <= p <= 5 and 1 <= q <= 5 and z == d == y == e == 0
    if (body or house or aspect) and not l["found"]:
        print(l["file"])')
check "the partner library covers the pair" "" "$missing"
check "stavpar.mem" "01010101" "$(od -An -tx1 "$d/stavpar.mem" | tr -d ' \n')"
off=$("$cli" --dir "$d" partner --person Jan --partner Jana --report 0000 --json --compact)
check "all off: no lookups" "0" "$(echo "$off" | field 'len(r["lookups"])')"
"$cli" --dir "$d" partner --person Jan --partner Jana --report 1000 --rtf "$work/p.rtf"
check "rtf written" "yes" "$(grep -q 'PARTNERSK' "$work/p.rtf" && echo yes || echo no)"

if "$cli" partner --help | grep -q -- --pdf; then
  "$cli" --dir "$d" partner --person Jan --partner Jana --report 1100 --pdf "$work/p.pdf"
  check "pdf status" "0" "$?"
  if command -v pdftotext >/dev/null; then
    check "pdf readable" "yes" "$(pdftotext "$work/p.pdf" - | grep -q 'PARTNERSKÝ HOROSKOP' && echo yes || echo no)"
  fi
fi

refused_plain "Osoba „Nikdo“ v seznamu není!" partner --person Jan --partner Nikdo
"$cli" --dir "$d" partner --person Jan --partner Jana --report 11 >/dev/null 2>&1
check "bad choice refused" "2" "$?"

finish
