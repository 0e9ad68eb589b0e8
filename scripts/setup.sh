#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when missing.
set -euo pipefail

# --fuzz: what `make fuzz` needs besides (clang with libFuzzer); not part of the normal set-up.
if [ "${1:-}" = "--fuzz" ]; then
  fuzz_packages=(clang)
fi

packages=(
  cmake ninja-build g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-svg-dev
  qt6-translations-l10n
  xvfb xauth
  fonts-dejavu-core
  python3
  poppler-utils
  desktop-file-utils
  ${fuzz_packages[@]+"${fuzz_packages[@]}"}
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
