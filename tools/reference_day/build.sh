#!/bin/sh
# Build the generator of the house, sunrise and event tables against
# Debian's libswe and run it.
#   tools/reference_day/build.sh [OUT_DIR]     (default tests/data)
# Needs: apt-get install -y libswe-dev swe-standard-data   (pulls swe-basic-data)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
dir=${1:-$root/tests/data}

# The 1800..2400 files come with swe-basic-data, the rest with swe-standard-data.
ephe=$(dpkg -L swe-basic-data swe-standard-data 2>/dev/null | grep '/sepl_18\.se1$' | head -n 1 || true)
if [ -z "$ephe" ]; then
    echo "ephemeris files not found; apt-get install -y libswe-dev swe-standard-data" >&2
    exit 1
fi
ephe=$(dirname "$ephe")

bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra -o "$bin/gen_reference_day" "$here/gen_reference_day.cpp" -lswe -lm

for p in libswe-dev swe-basic-data swe-standard-data; do
    printf '%s %s\n' "$p" "$(dpkg-query -W -f='${Version}' "$p")"
done
mkdir -p "$dir"
houses=$dir/reference_houses.csv
sun=$dir/reference_sun_rise_set.csv
events=$dir/reference_events.csv
# Write beside the targets and move only when every check passed.
"$bin/gen_reference_day" "$ephe" "$houses.tmp" "$sun.tmp" "$events.tmp" ||
    { rm -f "$houses.tmp" "$sun.tmp" "$events.tmp"; exit 1; }
mv "$houses.tmp" "$houses"
mv "$sun.tmp" "$sun"
mv "$events.tmp" "$events"
echo "-> $houses"
echo "-> $sun"
echo "-> $events"
