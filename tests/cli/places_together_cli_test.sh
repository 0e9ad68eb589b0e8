#!/usr/bin/env bash
# Twenty sidora-cli processes changing one mista.dat at once: every reported success is in
# the file, the places there before stay, no name twice, no temporary file left.
set -u
cli="$1"
source "$(dirname "$0")/lib.sh"
d="$work/data"
"$cli" --dir "$d" places add Brno --lat 49:12N --lon 016:37E
"$cli" --dir "$d" places add Ostrava --lat 49:50N --lon 18:17E

for round in 1 2 3 4 5; do
  pids=()
  for w in $(seq 1 20); do
    (
      name="Místo $round-$w"
      "$cli" --dir "$d" places add "$name" --lat 49:$((w + 10))N --lon 15:$round"0"E 2>>"$work/err.$w" || exit 0
      echo "$name" >> "$work/added.$w"
      # Every other writer renames its place, every fourth deletes it again.
      if [ $((w % 4)) -eq 0 ]; then
        "$cli" --dir "$d" places delete "$name" --yes 2>>"$work/err.$w" && echo "$name" >> "$work/deleted.$w"
      elif [ $((w % 2)) -eq 0 ]; then
        "$cli" --dir "$d" places edit "$name" --name "$name b" 2>>"$work/err.$w" && echo "$name b" >> "$work/added.$w" &&
          echo "$name" >> "$work/deleted.$w"
      fi
    ) &
    pids+=($!)
  done
  wait "${pids[@]}"
done

cat "$work"/added.* 2>/dev/null | sort > "$work/added"
cat "$work"/deleted.* 2>/dev/null | sort > "$work/deleted"
comm -23 "$work/added" "$work/deleted" > "$work/want"
(printf 'Brno\nOstrava\nPraha\n'; cat "$work/want") | sort > "$work/expected"
"$cli" --dir "$d" places list | cut -f1 | sort > "$work/listed"
check "every success in the file, nothing else" "" "$(diff "$work/expected" "$work/listed")"
check "no name twice" "" "$(uniq -d "$work/listed")"
check "all 100 adds succeeded" "100" "$(cat "$work"/added.* | grep -vc ' b$')"
check "no failure messages" "" "$(cat "$work"/err.* 2>/dev/null)"
check "no temporary files" "" "$(ls -A "$d" | grep -E '\.tmp')"
finish
