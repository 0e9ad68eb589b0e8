#!/usr/bin/env bash
# Saves the main window's seven tabs at one frozen moment as PNG pictures.
# Usage: screenshots.sh PROGRAM OUTPUT_DIR [MOMENT]
set -euo pipefail
program="$1"
out="$2"
moment="${3:-2004-01-07T21:30}"
mkdir -p "$out"
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
for tab in 1 2 3 4 5 6 7; do
  QT_QPA_PLATFORM=offscreen "$program" --dir "$data" --at "$moment" --tab "$tab" --screenshot "$out/tab$tab.png" 2>/dev/null
done
echo "saved in $out"
