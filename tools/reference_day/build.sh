#!/bin/sh
# Build the generator of the house, sunrise and event tables against
# Debian's libswe and run it.
#   tools/reference_day/build.sh [OUT_DIR]     (default tests/data)
# Needs: apt-get install -y libswe-dev swe-standard-data   (pulls swe-basic-data)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
dir=${1:-$root/tests/data}

. "$here/../swe_env.sh"
ephe=$(swe_ephe_dir sepl_18\.se1)

bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
swe_compile "$here/gen_reference_day.cpp" "$bin/gen_reference_day"

swe_versions
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
