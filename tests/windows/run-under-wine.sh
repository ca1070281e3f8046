#!/usr/bin/env bash
# Runs the 64-bit Windows test programs under Wine, headless: the face tests and the end-to-end
# tests through the test host. The Wine prefix lives in the build folder; screenshots of every
# kind of dialog and window end up in <build>/screenshots as PNG files.
# Usage: run-under-wine.sh <x86_64 build folder>
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(cd "$1" && pwd)
shots="$build/screenshots"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A German user: the plug-in must read and write numbers with a decimal comma.
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8

stop_wine() { timeout 30 "$wineserver" -k 2>/dev/null || true; }
trap stop_wine EXIT
stop_wine

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating the Wine prefix (once per build folder)"
  timeout 300 "$wine" wineboot --init >/dev/null 2>&1 || true
fi
# A virtual desktop: Wine then draws title bars itself, so captions show in the screenshots.
timeout 60 "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
timeout 60 "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1

# The setup above ran without a display; its wineserver must not serve the tests.
stop_wine

rm -rf "$shots"
mkdir -p "$shots"
status=0
# Both programs share one X display and one wineserver.
timeout 900 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine="$1" wineserver="$2" build="$3" shots="$4" exports="$5" status=0
  timeout 300 "$wine" "$build/aggregate_face_tests.exe" "$shots" || status=1
  timeout 300 "$wine" "$build/aggregate_host_tests.exe" "$shots" "$exports" || status=1
  timeout 30 "$wineserver" -k 2>/dev/null || true
  exit "$status"' run-tests "$wine" "$wineserver" "$build" "$shots" "$PWD/tests/windows/expected-exports.txt" \
  </dev/null || status=1

for picture in "$shots"/*.xwd; do
  [ -e "$picture" ] || continue
  convert "$picture" "${picture%.xwd}.png" && rm "$picture"
done
echo "screenshots: $shots"
exit "$status"
