#!/usr/bin/env bash
# Builds the release package dist/aggregate-<version>-windows.zip: the 32-bit aggregate.dll the host
# loads, the German user guide with its pictures, LIESMICH.txt and SHA-256 sums. The 64-bit build is
# for the tests under Wine only: on 64-bit Windows it finds no Jet provider for its databases.
# Builds only the DLL, and only what is not built yet.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${JOBS:-$(nproc)}"

version=$(sed -n 's/^project(aggregate VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package: no project version in CMakeLists.txt" >&2; exit 1; }
name="aggregate-$version-windows"

[ -f build/windows-i686/CMakeCache.txt ] || cmake --preset windows-i686 >/dev/null
cmake --build --preset windows-i686 --target aggregate -j "$jobs" >/dev/null

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
root="$stage/$name"
mkdir -p "$root/images"
# Without the debug information the build keeps for the tests.
i686-w64-mingw32-strip --strip-debug -o "$root/aggregate.dll" build/windows-i686/aggregate.dll
cp docs/Benutzerhandbuch.md "$root/Benutzerhandbuch.md"
cp docs/images/*.png "$root/images/"
# Windows line ends, so that Notepad shows the lines.
sed "s/@VERSION@/$version/g; s/\$/\r/" docs/LIESMICH.txt >"$root/LIESMICH.txt"
(cd "$root" && find . -type f ! -name SHA256SUMS.txt | sed 's|^\./||' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS.txt)

# The time of the last commit on every file: the same sources give the same zip.
stamp=$(git log -1 --format=%ct 2>/dev/null || date +%s)
mkdir -p dist
rm -f "dist/$name.zip"
find "$stage/$name" -exec touch -d "@$stamp" {} +
(cd "$stage" && LC_ALL=C find "$name" -type f | LC_ALL=C sort | zip -X -q "$OLDPWD/dist/$name.zip" -@)
echo "dist/$name.zip"
