#!/bin/sh
# Build the asteroid-element generator against Debian's libswe, run it and,
# when every check passes, install data/ast1.kel .. ast5.kel.
#   tools/asteroids/build.sh [OUT_DIR]     (default data/)
# Needs: apt-get install -y libswe-dev swe-standard-data   (pulls swe-basic-data)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
dest=${1:-$root/data}

# 1800..2400 comes with swe-basic-data, 1200..1800 with swe-standard-data.
ephe=$(dpkg -L swe-basic-data swe-standard-data 2>/dev/null | grep '/seas_18\.se1$' | head -n 1 || true)
if [ -z "$ephe" ]; then
    echo "ephemeris files not found; apt-get install -y libswe-dev swe-standard-data" >&2
    exit 1
fi
ephe=$(dirname "$ephe")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra -o "$work/gen_kel" "$here/gen_kel.cpp" -lswe -lm

for p in libswe-dev swe-basic-data swe-standard-data; do
    printf '%s %s\n' "$p" "$(dpkg-query -W -f='${Version}' "$p")"
done
mkdir -p "$work/out" "$dest"
"$work/gen_kel" "$ephe" "$work/out"
for i in 1 2 3 4 5; do
    cp "$work/out/ast$i.kel" "$dest/ast$i.kel"
done
echo "-> $dest/ast1.kel .. ast5.kel"
