#!/usr/bin/env bash
# Installs what the Linux build, the demo and the Linux tests need on a fresh Debian machine.
# Nothing of the Windows toolchain: scripts/test.sh adds that with scripts/setup-windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  libgeos-dev libsqlite3-dev sqlite3 libshp-dev mdbtools mdbtools-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  locales
  clang libclang-rt-14-dev
  libcairo2-dev fonts-dejavu-core python3
  libgdal-dev gdal-bin
)

if ! install_packages "${packages[@]}"; then
  say "nothing can be built without these packages; run this script again when apt can fetch them"
  exit 1
fi

# The tests run under a German and a point locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  if ! locale -a 2>/dev/null | grep -qi '^en_US\.utf-\?8$'; then
    $SUDO sed -i 's/^# *en_US.UTF-8 UTF-8/en_US.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^en_US.UTF-8 UTF-8' /etc/locale.gen || echo 'en_US.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen
fi
