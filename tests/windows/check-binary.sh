#!/usr/bin/env bash
# Checks the 32-bit aggregate.dll from the binary, as the host sees it: the export table
# (names and ordinals, nothing else), the import table (the host API from tlAPI32.dll and
# Windows' own DLLs only), the stdcall decoration of the exports and the 32-bit record layouts.
# Usage: check-binary.sh <i686 build folder>
set -euo pipefail
cd "$(dirname "$0")/../.."
build="$1"
dll="$build/aggregate.dll"
here=tests/windows
expected="$build/exports/exports.txt"
failures=0

fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}
pass() { echo "PASS $*"; }
# A list file without comments and blank lines.
entries() { grep -v '^\s*\(#\|$\)' "$1"; }

dump=$(i686-w64-mingw32-objdump -p "$dll")

# Export table: "[index] name" pairs; the ordinal is the index plus the ordinal base.
base=$(sed -n 's/^Export Address Table -- Ordinal Base \([0-9]*\).*/\1/p' <<<"$dump" | head -n1)
exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[\s*\([0-9]*\)\] \(\S*\)$/\1 \2/p' <<<"$dump" |
  awk -v base="${base:-0}" '{ print $1 + base, $2 }' | sort -n)
if [ "$exports" == "$(entries "$expected" | sort -n)" ]; then
  pass "exports: the thirteen names at their ordinals"
else
  fail "exports differ from $expected:"
  diff <(entries "$expected" | sort -n) <(echo "$exports") || true
fi
addresses=$(sed -n '/^Export Address Table -- Ordinal Base/,/^$/p' <<<"$dump" | grep -c '+base\[' || true)
if [ "$addresses" -eq "$(entries "$expected" | wc -l)" ]; then
  pass "exports: no entry without a name"
else
  fail "exports: $addresses entries in the export address table"
fi

# Import table: "DLL Name:" blocks with their member names.
imports=$(awk '/^[[:space:]]*DLL Name:/ { dll = $3; next } /^[[:space:]]*$/ { dll = "" }
              dll != "" && NF == 3 && $1 ~ /^[[:xdigit:]]+$/ { print dll, $3 }' <<<"$dump")
import_failures=$failures
dlls=$(sed -n 's/^\s*DLL Name: \(\S*\)/\1/p' <<<"$dump" | sort -u)
allowed=$(entries "$here/allowed-system-dlls.txt" | tr 'A-Z' 'a-z')
for dll_name in $dlls; do
  [ "$dll_name" == "tlAPI32.dll" ] && continue
  if ! grep -qx "$(tr 'A-Z' 'a-z' <<<"$dll_name")" <<<"$allowed"; then
    fail "imports: $dll_name is not one of Windows' own DLLs in $here/allowed-system-dlls.txt"
  fi
done
grep -qx "tlAPI32.dll" <<<"$dlls" || fail "imports: nothing from tlAPI32.dll"
host_api=$(entries src/contract/tlAPI32.def | sed -n 's/^\s*\(tl[A-Za-z]*\)@[0-9]*$/\1/p' | sort)
for name in $(awk '$1 == "tlAPI32.dll" { print $2 }' <<<"$imports"); do
  grep -qx "$name" <<<"$host_api" || fail "imports: $name from tlAPI32.dll is not a host API function"
done
[ "$failures" -eq "$import_failures" ] && pass "imports: tlAPI32.dll with host API names only, and Windows' own DLLs"

# The host API as the import library declares it is the one the header declares.
declared=$(sed -n 's/^TL_IMPORT .* TL_STDCALL \(tl[A-Za-z]*\)(.*/\1/p' src/contract/TolvarApi.h | sort)
if [ "$declared" == "$host_api" ] && [ "$(wc -l <<<"$declared")" -eq 34 ]; then
  pass "host API: tlAPI32.def names the 34 functions of the header"
else
  fail "host API: tlAPI32.def and TolvarApi.h differ:"
  diff <(echo "$declared") <(echo "$host_api") || true
fi

# Calling convention: stdcall with three 32-bit arguments gives the symbol _Name@12.
object=$(find "$build" -name 'aggregate.cpp.obj' -path '*aggregate.dir*' | head -n1)
symbols=$(i686-w64-mingw32-nm --defined-only "$object")
missing=""
for name in $(entries "$expected" | awk '{ print $2 }'); do
  grep -q " T _${name}@12$" <<<"$symbols" || missing="$missing $name"
done
if [ -z "$missing" ]; then
  pass "calling convention: every export is stdcall with 12 bytes of arguments"
else
  fail "calling convention: not _Name@12:$missing"
fi

# The records the host reads byte by byte keep their 32-bit layout.
if i686-w64-mingw32-g++ -std=c++20 -fsyntax-only -Werror -Isrc src/contract/RecordLayout.cpp; then
  pass "records: the 32-bit layouts hold"
else
  fail "records: a 32-bit layout changed"
fi

[ "$failures" -eq 0 ]
