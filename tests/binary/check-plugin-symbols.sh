#!/usr/bin/env bash
# The plug-in defines exactly its exports ("ordinal name" lines of the list the build made) and
# leaves the host API to the loading process.
set -euo pipefail
plugin="$1"
expected="$2"

defined=$(nm -D --defined-only "$plugin" | awk '{print $3}' | sort)
want=$(cut -d' ' -f2 "$expected" | sort)
if [ "$defined" != "$want" ]; then
  echo "dynamic symbols defined by $plugin differ from $expected:"
  diff <(echo "$want") <(echo "$defined") || true
  exit 1
fi

undefined_tl=$(nm -D --undefined-only "$plugin" | awk '{print $2}' | grep '^tl' || true)
if [ -z "$undefined_tl" ]; then
  echo "no host API function is left undefined in $plugin"
  exit 1
fi
echo "exports: $(echo "$defined" | wc -l), undefined host functions: $(echo "$undefined_tl" | wc -l)"
