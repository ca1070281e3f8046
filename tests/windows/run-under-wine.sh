#!/usr/bin/env bash
# Runs the Windows test programs of one build under Wine, headless: the face tests and the
# end-to-end tests through the test host. ADO in the Wine prefix (build/wineprefix) is the
# stand-in AdoStandIn.dll of the same build. Screenshots of every kind of dialog and
# window end up in <build>/screenshots as PNG files.
# A 32-bit build runs through the 32-bit Wine loader, which qemu-i386 emulates (setup-windows.sh).
# Usage: run-under-wine.sh <windows-i686 or windows-x86_64 build folder>
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(cd "$1" && pwd)
shots="$build/screenshots"
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

if i686-w64-mingw32-objdump -f "$build/aggregate.dll" 2>/dev/null | grep -q 'file format pei-i386'; then
  bits=32
  wine=/usr/lib/wine/wine
  [ -x "$wine" ] || { echo "no 32-bit Wine: run scripts/setup-windows.sh" >&2; exit 1; }
  # Each 32-bit program needs about 45 s to start under emulation.
  limit=900
else
  bits=64
  wine=$wine64
  limit=300
fi

# One prefix for both builds: making one takes minutes, as its 32-bit half runs emulated. The
# stand-ins of the two builds sit in different registry views, so they do not meet.
export WINEPREFIX="$PWD/build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# qemu's own choice of the address space it reserves for a 32-bit program (the prefix's 32-bit
# half included) can leave no room for Wine's shared user data at 0x7ffe0000 ("failed to map the
# shared user data: c0000018"); the whole 4 GiB reserved up front always has it.
export QEMU_RESERVED_VA=0xffff0000
# A German user: the plug-in must read and write numbers with a decimal comma.
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8

stop_wine() { timeout 30 "$wineserver" -k 2>/dev/null || true; }
trap stop_wine EXIT
stop_wine

if [ ! -f "$WINEPREFIX/.complete" ]; then
  echo "creating the Wine prefix $WINEPREFIX (once; several minutes)"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  timeout 1500 "$wine64" wineboot --init >/dev/null 2>&1 || true
  timeout 1500 "$wineserver" -w || { echo "making the Wine prefix took too long" >&2; exit 1; }
  touch "$WINEPREFIX/.complete"
fi

# Wine draws title-bar buttons with its symbol font Marlett (Debian's fonts-wine); without it in the
# prefix's font folder they show as letters ("0 1 r") in the screenshots.
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" ||
  { echo "no Marlett font: run scripts/setup-windows.sh" >&2; exit 1; }

# The prefix's registry: a virtual desktop (Wine then draws title bars itself, so captions
# show in the screenshots), and the ADO stand-in under the ProgIDs the plug-in creates. A
# 32-bit program sees the classes under Wow6432Node.
classes='HKEY_LOCAL_MACHINE\Software\Classes'
[ "$bits" = 32 ] && classes="$classes\\Wow6432Node"
server="Z:${build//\//\\}\\AdoStandIn.dll"
registry="$build/wine-registry.reg"
{
  echo 'REGEDIT4'
  echo
  echo '[HKEY_CURRENT_USER\Software\Wine\Explorer]'
  echo '"Desktop"="Default"'
  echo '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]'
  echo '"Default"="1024x768"'
  for entry in Connection:feed0f2f-5b17-4bef-a676-4bc01f0b4f9d Recordset:0b2657c5-5397-4eec-8820-0f9df8a148da \
    Command:d05e84c7-7e07-48f5-ad93-28ff6154baaa; do
    name=${entry%%:*} clsid="{${entry#*:}}"
    for root in 'HKEY_LOCAL_MACHINE\Software\Classes' "$classes"; do
      echo "[$root\\ADODB.$name\\CLSID]"
      echo "@=\"$clsid\""
    done
    echo "[$classes\\CLSID\\$clsid]"
    echo "@=\"ADO stand-in $name\""
    echo "[$classes\\CLSID\\$clsid\\InprocServer32]"
    echo "@=\"${server//\\/\\\\}\""
    echo '"ThreadingModel"="Both"'
  done
} >"$registry"
timeout 120 "$wine64" reg import "Z:${registry//\//\\}" >/dev/null 2>&1 ||
  { echo "cannot register the ADO stand-in in $WINEPREFIX" >&2; exit 1; }

# The setup above ran without a display; its wineserver must not serve the tests.
stop_wine

# Drive Q: is a folder of this build, for a project at a drive's root.
rm -rf "$build/drive-q"
mkdir -p "$build/drive-q"
ln -sfn "$build/drive-q" "$WINEPREFIX/dosdevices/q:"

# A Polish user (code page 1250) for the code-page cases: a locale made here, not installed.
locales="$build/locale"
if [ ! -d "$locales/pl_PL.UTF-8" ]; then
  mkdir -p "$locales"
  localedef -i pl_PL -f UTF-8 "$locales/pl_PL.UTF-8" >/dev/null 2>&1 || true
  [ -d "$locales/pl_PL.UTF-8" ] || { echo "localedef could not make pl_PL.UTF-8" >&2; exit 1; }
fi

rm -rf "$shots"
mkdir -p "$shots"
status=0
# The programs share one X display and one wineserver.
timeout $((3 * limit + 60)) xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine="$1" wineserver="$2" build="$3" shots="$4" exports="$5" limit="$6" status=0
  timeout "$limit" "$wine" "$build/aggregate_face_tests.exe" "$shots" || status=1
  timeout "$limit" "$wine" "$build/aggregate_host_tests.exe" "$shots" "$exports" || status=1
  LOCPATH="$7" LANG=pl_PL.UTF-8 LC_ALL=pl_PL.UTF-8 \
    timeout "$limit" "$wine" "$build/aggregate_host_tests.exe" "$shots" "$exports" code-page || status=1
  timeout 30 "$wineserver" -k 2>/dev/null || true
  exit "$status"' run-tests "$wine" "$wineserver" "$build" "$shots" "$PWD/tests/windows/expected-exports.txt" \
  "$limit" "$locales" </dev/null || status=1

for picture in "$shots"/*.xwd; do
  [ -e "$picture" ] || continue
  convert "$picture" "${picture%.xwd}.png" && rm "$picture"
done
echo "screenshots: $shots"
exit "$status"
