#!/usr/bin/env bash
# Installs everything the build, the tests and the Windows checks need on a fresh Debian machine.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  libgeos-dev libsqlite3-dev sqlite3 libshp-dev mdbtools mdbtools-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  locales
  clang libclang-rt-14-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine64 xvfb xauth x11-apps imagemagick
  libcairo2-dev fonts-dejavu-core zip unzip python3
  libgdal-dev gdal-bin
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

if [ "${#missing[@]}" -gt 0 ]; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
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

# 32-bit Windows programs under Wine. The host is a 32-bit program and the 32-bit DLL is what
# users install, so its tests run too. These machines cannot start 32-bit Linux programs
# natively; qemu's user-mode emulation starts them, registered for i386 ELF files with the
# F flag (the interpreter is opened at registration, so it also serves in other mount spaces).
wine32_failed() {
  echo "setup: $1" >&2
  exit 1
}
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386 || wine32_failed "cannot add the i386 architecture to dpkg"
fi
wine32_missing=()
for p in qemu-user wine32:i386; do
  dpkg -s "$p" >/dev/null 2>&1 || wine32_missing+=("$p")
done
if [ "${#wine32_missing[@]}" -gt 0 ]; then
  $SUDO apt-get update || wine32_failed "apt-get update failed (i386 package lists)"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${wine32_missing[@]}" ||
    wine32_failed "cannot install ${wine32_missing[*]}"
fi
binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/register" ]; then
  $SUDO mount -t binfmt_misc binfmt_misc "$binfmt" ||
    wine32_failed "cannot mount binfmt_misc on $binfmt (a container needs it mounted or privileges to mount it)"
fi
if [ ! -e "$binfmt/qemu-i386" ]; then
  qemu=$(command -v qemu-i386 || true)
  [ -n "$qemu" ] || wine32_failed "qemu-i386 is missing although qemu-user is installed"
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf ':qemu-i386:M::%s:%s:%s:F\n' "$magic" "$mask" "$qemu" | $SUDO tee "$binfmt/register" >/dev/null ||
    wine32_failed "cannot register qemu-i386 with binfmt_misc"
fi
grep -qx enabled "$binfmt/status" || echo 1 | $SUDO tee "$binfmt/status" >/dev/null
grep -qx enabled "$binfmt/qemu-i386" || wine32_failed "the qemu-i386 binfmt entry is not enabled"
