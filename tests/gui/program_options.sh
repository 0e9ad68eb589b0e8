#!/usr/bin/env bash
# The desktop program's options: a bad one is one Czech line and status 2 before any window
# opens or the data directory is made; --help and --version need no display.
set -u
program="$1"
source "$(dirname "$0")/../cli/lib.sh"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"
d="$work/data"

while IFS='|' read -r args message; do
  # shellcheck disable=SC2086
  timeout 20 "$program" --dir "$d" $args >"$work/out" 2>"$work/err"
  check "status of: $args" "2" "$?"
  check "message of: $args" "sidora: $message" "$(cat "$work/err")"
done <<'TABLE'
--bogus|neznámá volba „--bogus“
--quit-after abc|--quit-after: neplatné číslo milisekund „abc“ (0 až 999999999)
--quit-after -5|--quit-after: neplatné číslo milisekund „-5“ (0 až 999999999)
--quit-after 100 --quit-after 200|--quit-after: zadáno vícekrát
--quit-after|--quit-after: chybí hodnota
--tab 0|--tab: neplatné číslo záložky „0“ (1 až 7)
--at 2004-02-30T12:00|--at: neplatný okamžik „2004-02-30T12:00“ (očekáváno RRRR-MM-DDTHH:MM[:SS])
--screenshot --tab 2|--screenshot: chybí hodnota (následuje „--tab“)
navíc|nečekaný argument „navíc“
TABLE
check "data directory not made" "no" "$([ -e "$d" ] && echo yes || echo no)"
timeout 20 "$program" --dir "" --quit-after 0 >/dev/null 2>"$work/err"
check "empty --dir" "2 sidora: --dir: hodnota nesmí být prázdná" "$? $(cat "$work/err")"

env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$program" --help >"$work/help" 2>&1
check "help without a display" "0" "$?"
for option in --dir --at --tab --screenshot --quit-after --version; do
  check "help names $option" "1" "$(grep -c -- "^  $option\\b" "$work/help")"
done
check "version" "sidora 0.1" "$(env -u QT_QPA_PLATFORM -u DISPLAY "$program" --version)"

finish
