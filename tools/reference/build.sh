#!/bin/sh
# Build the reference-position generator against Debian's libswe and run it.
#   tools/reference/build.sh [OUT.csv]     (default tests/data/reference_positions.csv)
# Needs: apt-get install -y libswe-dev swe-standard-data   (pulls swe-basic-data)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/tests/data/reference_positions.csv}

. "$here/../swe_env.sh"
ephe=$(swe_ephe_dir sepl_18\.se1)

bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
swe_compile "$here/gen_reference.cpp" "$bin/gen_reference"

swe_versions
mkdir -p "$(dirname "$out")"
# Write beside the target and move only when every check passed.
"$bin/gen_reference" "$ephe" "$out.tmp" || { rm -f "$out.tmp"; exit 1; }
mv "$out.tmp" "$out"
echo "-> $out"
