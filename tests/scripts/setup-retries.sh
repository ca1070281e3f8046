#!/usr/bin/env bash
# The set-up scripts on a simulated fresh machine whose apt fails now and then: stand-ins for
# apt-get and dpkg record what would be installed. scripts/setup.sh installs nothing of the Windows
# toolchain and gets past one failed index update; scripts/setup-windows.sh, when the 32-bit Wine
# cannot be had, names the failed index and records why the 32-bit run cannot take place.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$repo/scripts" "$work/scripts"
fail() { echo "setup-retries: $*" >&2; exit 1; }

index=http://mirror.invalid/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz
cat >"$work/dpkg" <<STUB
#!/usr/bin/env bash
[ "\$1" = --print-foreign-architectures ] && exit 0
[ "\$1" = --add-architecture ] && exit 0
exit 1  # -s: nothing is installed
STUB
# Fails the index update the first UPDATE_FAILURES times, and every install of FAILING_PACKAGE.
cat >"$work/apt-get" <<STUB
#!/usr/bin/env bash
echo "\$*" >>"$work/apt.log"
if [ "\$1" = update ] && [ "\$(grep -c '^update' "$work/apt.log")" -le "\${UPDATE_FAILURES:-0}" ]; then
  echo "E: Failed to fetch $index  File has unexpected size (1 != 2). Mirror sync in progress? [IP: 1]" >&2
  exit 100
fi
if [ "\$1" = install ] && [ -n "\${FAILING_PACKAGE:-}" ] && [[ " \$* " == *" \$FAILING_PACKAGE "* ]]; then
  echo "E: Unable to locate package \$FAILING_PACKAGE" >&2
  exit 100
fi
exit 0
STUB
chmod +x "$work/dpkg" "$work/apt-get"
export APT_GET="$work/apt-get" DPKG="$work/dpkg" SETUP_PAUSE=0

UPDATE_FAILURES=1 bash "$work/scripts/setup.sh" 2>"$work/setup.err" || fail "setup.sh failed: $(cat "$work/setup.err")"
[ "$(grep -c '^update' "$work/apt.log")" = 2 ] || fail "setup.sh did not try the index update again"
installed=$(grep '^install' "$work/apt.log")
! grep -qiE 'wine|mingw|:i386|qemu' <<<"$installed" || fail "setup.sh installs Windows packages: $installed"
grep -q 'libcairo2-dev' <<<"$installed" || fail "setup.sh does not install the build's packages: $installed"

rm "$work/apt.log"
UPDATE_FAILURES=9 FAILING_PACKAGE=wine32:i386 bash "$work/scripts/setup-windows.sh" 2>"$work/windows.err" ||
  fail "setup-windows.sh failed although only the 32-bit Wine is missing: $(cat "$work/windows.err")"
grep -qF "$index" "$work/windows.err" || fail "the failed index is not named: $(cat "$work/windows.err")"
grep -q 'mirror was being synced' "$work/windows.err" || fail "no word on the mirror: $(cat "$work/windows.err")"
grep -q 'wine32:i386' "$work/build/wine32-unavailable.txt" || fail "no reason recorded for the missing 32-bit run"
echo "set-up retries: ok"
