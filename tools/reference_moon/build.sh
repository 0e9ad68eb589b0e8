#!/bin/sh
# Build the generator of the Moon's rising and setting table against Debian's
# libswe and run it.
#   tools/reference_moon/build.sh [OUT_DIR]     (default tests/data)
# Needs: apt-get install -y libswe-dev   (pulls swe-basic-data)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
dir=${1:-$root/tests/data}

. "$here/../swe_env.sh"
ephe=$(swe_ephe_dir semo_18\.se1)

bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
swe_compile "$here/gen_reference_moon.cpp" "$bin/gen_reference_moon"

swe_versions
mkdir -p "$dir"
moon=$dir/reference_moon_rise_set.csv
# Write beside the target and move only when every check passed.
"$bin/gen_reference_moon" "$ephe" "$moon.tmp" || { rm -f "$moon.tmp"; exit 1; }
mv "$moon.tmp" "$moon"
echo "-> $moon"
