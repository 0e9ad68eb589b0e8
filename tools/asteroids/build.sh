#!/bin/sh
# Build the asteroid-element generator against Debian's libswe, run it and,
# when every check passes, install data/ast1.kel .. ast5.kel.
#   tools/asteroids/build.sh [OUT_DIR]     (default data/)
# Needs: apt-get install -y libswe-dev swe-standard-data   (pulls swe-basic-data)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
dest=${1:-$root/data}

. "$here/../swe_env.sh"
ephe=$(swe_ephe_dir seas_18\.se1)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
swe_compile "$here/gen_kel.cpp" "$work/gen_kel"

swe_versions
mkdir -p "$work/out" "$dest"
"$work/gen_kel" "$ephe" "$work/out"
for i in 1 2 3 4 5; do
    cp "$work/out/ast$i.kel" "$dest/ast$i.kel"
done
echo "-> $dest/ast1.kel .. ast5.kel"
