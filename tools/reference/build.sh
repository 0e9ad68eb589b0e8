#!/bin/sh
# Build the reference-position generator against Debian's libswe and run it.
#   tools/reference/build.sh [OUT.csv]     (default tests/data/reference_positions.csv)
# Needs: apt-get install -y libswe-dev swe-standard-data   (pulls swe-basic-data)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/tests/data/reference_positions.csv}

# The 1800..2400 files come with swe-basic-data, the rest with swe-standard-data.
ephe=$(dpkg -L swe-basic-data swe-standard-data 2>/dev/null | grep '/sepl_18\.se1$' | head -n 1 || true)
if [ -z "$ephe" ]; then
    echo "ephemeris files not found; apt-get install -y libswe-dev swe-standard-data" >&2
    exit 1
fi
ephe=$(dirname "$ephe")

bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra -o "$bin/gen_reference" "$here/gen_reference.cpp" -lswe -lm

for p in libswe-dev swe-basic-data swe-standard-data; do
    printf '%s %s\n' "$p" "$(dpkg-query -W -f='${Version}' "$p")"
done
mkdir -p "$(dirname "$out")"
# Write beside the target and move only when every check passed.
"$bin/gen_reference" "$ephe" "$out.tmp" || { rm -f "$out.tmp"; exit 1; }
mv "$out.tmp" "$out"
echo "-> $out"
