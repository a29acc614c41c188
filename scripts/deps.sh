#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only the missing ones.
set -euo pipefail
PACKAGES=(
  build-essential cmake make pkg-config
  googletest libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  fonts-dejavu-core poppler-utils
  clang libclang-rt-14-dev
  dpkg-dev fakeroot file lintian appstream desktop-file-utils groff-base
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
