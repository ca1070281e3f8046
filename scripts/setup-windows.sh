#!/usr/bin/env bash
# Installs the Windows toolchain the Windows checks and the release package need: MinGW-w64, 64-bit
# Wine with Xvfb, and for the 32-bit run the 32-bit Wine, emulated through qemu-i386.
# When the 32-bit Wine cannot be had (a mirror being synced has kept the i386 index broken for
# hours), the reason goes into build/wine32-unavailable.txt and the script still succeeds:
# scripts/check-windows.sh then runs everything else and says plainly that the 32-bit run did not
# take place. A later run that installs it removes the file.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine64 fonts-wine xvfb xauth x11-apps imagemagick
  zip unzip python3
)
unavailable=build/wine32-unavailable.txt

if ! install_packages "${packages[@]}"; then
  say "the Windows checks and the release package need these packages; the Linux build, the demo and"
  say "the Linux tests do not (scripts/setup.sh)"
  exit 1
fi

# The host is a 32-bit program and the 32-bit DLL is what users install, so its tests run too.
# These machines cannot start 32-bit Linux programs natively; qemu's user-mode emulation starts
# them, registered for i386 ELF files with the F flag (the interpreter is opened at registration,
# so it also serves in other mount spaces).
wine32_unavailable() {
  mkdir -p "$(dirname "$unavailable")"
  echo "$1" >"$unavailable"
  say "$1"
  say "the 32-bit Windows run cannot take place on this machine now; scripts/check-windows.sh runs"
  say "everything else and says so at its end"
  exit 0
}
if ! $DPKG --print-foreign-architectures | grep -qx i386; then
  $SUDO $DPKG --add-architecture i386 || wine32_unavailable "cannot add the i386 architecture to dpkg"
fi
install_packages qemu-user wine32:i386 ||
  wine32_unavailable "the 32-bit Wine (wine32:i386) could not be installed; see the apt messages above"
binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/register" ]; then
  $SUDO mount -t binfmt_misc binfmt_misc "$binfmt" ||
    wine32_unavailable "cannot mount binfmt_misc on $binfmt (a container needs it mounted or the right to mount it)"
fi
if [ ! -e "$binfmt/qemu-i386" ]; then
  qemu=$(command -v qemu-i386 || true)
  [ -n "$qemu" ] || wine32_unavailable "qemu-i386 is missing although qemu-user is installed"
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf ':qemu-i386:M::%s:%s:%s:F\n' "$magic" "$mask" "$qemu" | $SUDO tee "$binfmt/register" >/dev/null ||
    wine32_unavailable "cannot register qemu-i386 with binfmt_misc"
fi
grep -qx enabled "$binfmt/status" || echo 1 | $SUDO tee "$binfmt/status" >/dev/null
grep -qx enabled "$binfmt/qemu-i386" || wine32_unavailable "the qemu-i386 binfmt entry is not enabled"
rm -f "$unavailable"
