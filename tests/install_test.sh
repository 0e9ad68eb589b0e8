#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed programs from there: they
# find their shipped data beside themselves, and the desktop entry is valid.
set -u
build="$1"
source "$(dirname "$0")/cli/lib.sh"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
check "install status" "0" "$?"
for f in bin/sidora bin/sidora-cli share/sidora/LC.dat share/sidora/ast1.kel share/sidora/help/1.html \
         share/applications/sidora.desktop share/icons/hicolor/scalable/apps/sidora.svg; do
  check "installed $f" "yes" "$([ -s "$prefix/$f" ] && echo yes)"
done

# Run from a copy of the prefix elsewhere, so nothing can come from the build tree.
mv "$prefix" "$work/moved"
prefix="$work/moved"
d="$work/data"
"$prefix/bin/sidora-cli" --dir "$d" time --at 1985-07-01T12:00 --json > "$work/time.json" 2>"$work/err"
check "installed sidora-cli time" "0 " "$? $(cat "$work/err")"
# The summer-time rule of 1985 comes from the shipped LC.dat.
check "shipped rules found" "2 LČ zaveden od  31.3. 2 hod. SEĆ do 29.9. 3 hod. SELČ." \
  "$(python3 -c 'import json, sys; r = json.load(open(sys.argv[1])); print(r["zone_offset"], r["summer_text"])' "$work/time.json")"
check "shipped LC.dat copied" "$(sha256sum < "$prefix/share/sidora/LC.dat")" "$(sha256sum < "$d/LC.dat")"

mkdir -m 700 "$work/run"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run" timeout 60 "$prefix/bin/sidora" --dir "$d" \
  --at 2004-01-05T12:00 --screenshot "$work/shot.png" 2>"$work/err"
check "installed sidora screenshot" "0" "$?"
check "a PNG written" "PNG" "$(head -c 4 "$work/shot.png" | tail -c 3)"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/sidora.desktop" >"$work/validate" 2>&1
  check "desktop entry valid" "0" "$?"
  check "no errors in the entry" "0" "$(grep -c 'error' "$work/validate")"
else
  check "desktop-file-validate installed (scripts/setup.sh)" "yes" "no"
fi
grep -q '^Exec=sidora$' "$prefix/share/applications/sidora.desktop"
check "entry starts sidora" "0" "$?"
check "icon is SVG" "1" "$(grep -c '<svg ' "$prefix/share/icons/hicolor/scalable/apps/sidora.svg")"

finish
