#!/usr/bin/env bash
# Checks the release package: the names in it (the 32-bit DLL only), its version resource against the
# project version, the SHA-256 sums, the DLL's exports against the build, and that every picture the
# guide shows is in it.
# Usage: check-package.sh [dist/aggregate-<version>-windows.zip]
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^project(aggregate VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name="aggregate-$version-windows"
zipfile="${1:-dist/$name.zip}"
fail() { echo "check-package: $*" >&2; exit 1; }
[ -f "$zipfile" ] || fail "$zipfile is missing"

expected=$(
  {
    printf '%s\n' aggregate.dll Benutzerhandbuch.md LIESMICH.txt SHA256SUMS.txt
    for picture in docs/images/*.png; do echo "images/$(basename "$picture")"; done
  } | sed "s|^|$name/|" | LC_ALL=C sort
)
actual=$(unzip -Z1 "$zipfile" | grep -v '/$' | LC_ALL=C sort)
[ "$expected" = "$actual" ] || fail "unexpected contents:
$(diff <(echo "$expected") <(echo "$actual") || true)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zipfile" -d "$work"
root="$work/$name"

(cd "$root" && sha256sum --quiet -c SHA256SUMS.txt) || fail "SHA-256 sums do not match"
listed=$(cut -c67- "$root/SHA256SUMS.txt" | LC_ALL=C sort)
[ "$listed" = "$(cd "$root" && find . -type f ! -name SHA256SUMS.txt | sed 's|^\./||' | LC_ALL=C sort)" ] ||
  fail "SHA256SUMS.txt does not list every file"

[ "$(python3 scripts/pe-version.py "$root/aggregate.dll")" = "i386 $version $version" ] ||
  fail "aggregate.dll: $(python3 scripts/pe-version.py "$root/aggregate.dll"), expected i386 $version"
# The packaged DLL is the built one without debug information: same exports.
exports() { "$1"-w64-mingw32-objdump -p "$2" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p'; }
[ "$(exports i686 "$root/aggregate.dll")" = "$(exports i686 build/windows-i686/aggregate.dll)" ] &&
  [ -n "$(exports i686 "$root/aggregate.dll")" ] || fail "aggregate.dll does not export what the build does"

grep -q "Version $version" "$root/LIESMICH.txt" || fail "LIESMICH.txt does not name version $version"
grep -o '](images/[^)]*)' "$root/Benutzerhandbuch.md" | sed 's/^](//; s/)$//' | while read -r picture; do
  [ -f "$root/$picture" ] || fail "the guide shows $picture, which is not in the package"
done
echo "package ok: $zipfile"
