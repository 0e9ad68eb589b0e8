#!/usr/bin/env bash
# sidora-cli report and texts: the natal report, its stored choice, and the text library.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/fresh"

"$cli" --dir "$d" persons add "Jana Nováková" --date 1975-06-15 --time 14:30 --place Praha --summer yes

# A fresh directory: both packages install before the report.
r=$("$cli" --dir "$d" report --person "Jana Nováková" --json --compact)
check "natal sum file consumed" "no" "$([ -e "$d/texty/Tsuma.dat" ] && echo yes || echo no)"
check "partner sum file consumed" "no" "$([ -e "$d/Partner/Psuma.dat" ] && echo yes || echo no)"
check "marker gone" "no" "$([ -e "$d/prvni.dat" ] && echo yes || echo no)"
check "partner texts installed" "yes" "$([ -e "$d/Partner/RP4Z0D0A2P5Z0D0.txt" ] && echo yes || echo no)"
check "no warnings" "[]" "$(echo "$r" | field 'r["warnings"]')"
check "starts with the title" '{"text": "HOROSKOP", "style": "title", "colour": [0, 0, 255], "size": 20, "bold": true, "underline": true}' \
  "$(echo "$r" | field 'r["lines"][0]')"
check "ends with the end mark" '"KONEC."' "$(echo "$r" | field 'r["lines"][-1]["text"]')"
found() { echo "$r" | field "[l['file'] for l in r['lookups'] if l['found'] and $1]"; }
check "sign text found" '["P1Z3D0A0P0Z0D0.txt"]' "$(found "l['file'].startswith('P1Z') and 'D0A0' in l['file']")"
kinds=$(echo "$r" | python3 -c 'import json, re, sys
r = json.load(sys.stdin)
kinds = set()
for l in r["lookups"]:
    if not l["found"]:
        continue
    p, z, d, a = map(int, re.match(r"P(\d+)Z(\d+)D(\d+)A(\d+)", l["file"]).groups())
    kinds.add("aspect" if a else "cusp" if p == 0 else "angle" if 13 <= p <= 16 else "house" if d else "sign")
print(" ".join(sorted(kinds)))')
check "one of each kind found" "angle aspect cusp house sign" "$kinds"
# The shipped library answers every lookup of the kinds it covers: Slunce … uzel in signs and
# houses, the angles and the cusps in signs, the major aspects of Slunce … Pluto.
missing=$(echo "$r" | python3 -c 'import json, re, sys
r = json.load(sys.stdin)
for l in r["lookups"]:
    p, z, d, a, q, y, e = map(int, re.match(r"P(\d+)Z(\d+)D(\d+)A(\d+)P(\d+)Z(\d+)D(\d+)", l["file"]).groups())
    single = a == q == y == e == 0 and (
        (1 <= p <= 11 and (z == 0) != (d == 0)) or (13 <= p <= 16 and z and not d) or (p == 0 and z and d in (2, 3, 5, 6, 8, 9, 11, 12)))
    aspect = 1 <= a <= 5 and z == d == y == e == 0 and 1 <= p < q <= 10
    if (single or aspect) and not l["found"]:
        print(l["file"])')
check "the library covers the chart" "" "$missing"

# --flags are stored as the dialog stores them; all off is the header and the end mark.
off=$("$cli" --dir "$d" report --person "Jana Nováková" --flags 0000000000 --json --compact)
check "all off" '["HOROSKOP", "", "Jméno: Jana Nováková"]' "$(echo "$off" | field '[l["text"] for l in r["lines"][:3]]')"
check "all off: eight lines" "8" "$(echo "$off" | field 'len(r["lines"])')"
check "stav.mem" "00000000000000000000" "$(od -An -tx1 "$d/stav.mem" | tr -d ' \n')"
check "stored choice used" "8" "$("$cli" --dir "$d" report --person "Jana Nováková" --json | field 'len(r["lines"])')"
printf 'abcdefghijk' >"$d/stav.mem"
check "eleven bytes: defaults" "no" "$("$cli" --dir "$d" report --person "Jana Nováková" --json | field 'len(r["lines"]) == 8' | sed 's/false/no/')"
"$cli" --dir "$d" report --person "Jana Nováková" --rtf "$work/r.rtf"
check "rtf written" '{\rtf1\ansi\ansicpg1250' "$(head -c 23 "$work/r.rtf")"

# --pdf: the texts window's print path, painted headless on A4 pages.
env -u QT_QPA_PLATFORM "$cli" --dir "$d" report --person "Jana Nováková" --pdf "$work/r.pdf"
check "pdf written" "%PDF" "$(head -c 4 "$work/r.pdf")"
pdftotext -layout "$work/r.pdf" "$work/r.txt"
check "pdf: title, then the Czech header" "HOROSKOP|Jméno: Jana Nováková" \
  "$(grep -v '^\s*$' "$work/r.txt" | head -2 | sed 's/^ *//' | paste -sd'|')"
check "pdf: the end mark last" "KONEC." "$(grep -v '^\s*$' "$work/r.txt" | tail -1 | tr -d ' \f')"
check "pdf: A4" "yes" "$(pdfinfo "$work/r.pdf" | grep -q '595.* x 84[12].* pts (A4)' && echo yes || echo no)"
check "pdf: the texts run over several pages" "yes" "$([ "$(pdfinfo "$work/r.pdf" | awk '/^Pages:/ {print $2}')" -gt 1 ] && echo yes || echo no)"
refused_plain "Výklad nelze uložit do $work/none/r.pdf." report --person "Jana Nováková" --pdf "$work/none/r.pdf"

# texts: the editor's names and refusals.
check "name natal" "P1Z0D0A3P7Z0D0.txt" "$("$cli" --dir "$d" texts name natal 7 0 0 3 1 0 0)"
check "name house entry" "P0Z6D5A0P0Z0D0.txt" "$("$cli" --dir "$d" texts name natal 27 6 0 0 1 0 0)"
check "name partner" "RP5Z0D0A2P4Z0D0.txt" "$("$cli" --dir "$d" texts name partner 5 0 0 2 4 0 0)"
refused_plain "Planeta nemůže být v aspektu sama se sebou!" texts name natal 3 0 0 1 3 0 0
refused_plain "Není vybrána žádná konstelace!" texts name natal 1 0 0 0 1 0 0
refused_plain "Bohužel, s touto konstelací neumím pracovat." texts name partner 1 0 0 0 2 3 0

# get, put, delete, install.
printf 'Můj výklad\nřádek dvě\n' | "$cli" --dir "$d" texts put natal P1Z3D0A0P0Z0D0.txt
check "put then get" "Můj výklad
řádek dvě" "$("$cli" --dir "$d" texts get natal P1Z3D0A0P0Z0D0.txt)"
check "stored in cp1250 with CR LF" "M\xf9j v\xfdklad" "$(head -c 10 "$d/texty/P1Z3D0A0P0Z0D0.txt" | python3 -c 'import sys; print(repr(sys.stdin.buffer.read())[2:-1])')"
printf 'šipka →\n' | "$cli" --dir "$d" texts put natal P1Z3D0A0P0Z0D0.txt 2>"$work/err"
check "refused character" "1" "$?"
check "names it" "1" "$(grep -c '„→“' "$work/err")"
"$cli" --dir "$d" texts install
check "install keeps an edited text" "Můj výklad" "$("$cli" --dir "$d" texts get natal P1Z3D0A0P0Z0D0.txt | head -1)"
"$cli" --dir "$d" texts delete natal P1Z3D0A0P0Z0D0.txt --yes
refused_plain "Výklad nenalezen" texts get natal P1Z3D0A0P0Z0D0.txt
refused_plain "Neplatný název výkladu „../x“." texts get natal ../x
"$cli" --dir "$d" texts install
check "install brings a deleted text back" "1" "$("$cli" --dir "$d" texts get natal P1Z3D0A0P0Z0D0.txt | grep -c Blížencích)"
finish
