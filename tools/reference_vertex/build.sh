#!/bin/sh
# Build the Vertex reference generator against Debian's libswe and run it.
#   tools/reference_vertex/build.sh [OUT_DIR]     (default tests/data)
# Needs: apt-get install -y libswe-dev   (the house routine needs no ephemeris files)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
dir=${1:-$root/tests/data}

. "$here/../swe_env.sh"

bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
swe_compile "$here/gen_reference_vertex.cpp" "$bin/gen_reference_vertex"

printf 'libswe-dev %s\n' "$(dpkg-query -W -f='${Version}' libswe-dev)"
mkdir -p "$dir"
out=$dir/reference_vertex.csv
# Write beside the target and move only when every check passed.
"$bin/gen_reference_vertex" "$out.tmp" || { rm -f "$out.tmp"; exit 1; }
mv "$out.tmp" "$out"
echo "-> $out"
