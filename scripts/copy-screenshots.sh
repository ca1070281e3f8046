#!/usr/bin/env bash
# Copies the dialog screenshots the user guide shows from the last Windows test run into docs/images/.
# The 32-bit run (build/windows-i686) is what users get; the 64-bit run stands in when it is missing.
# Each picture is cut to the dialog: the host's window frame goes, then the even background around it.
# Usage: copy-screenshots.sh [build folder | screenshot folder]   (default: build)
set -euo pipefail
given="$(realpath -m "${1:-$(dirname "$0")/../build}")"
cd "$(dirname "$0")/.."

chosen=(
  transfer-selection transfer-progress transfer-change-list
  measure-progress measure-database-failure
  deleteObject-input area-balance-warning
  message-plain
)

source_dir=""
for candidate in "$given/windows-i686/screenshots" "$given/windows-x86_64/screenshots" "$given"; do
  if [ -f "$candidate/${chosen[0]}.png" ]; then
    source_dir="$candidate"
    break
  fi
done
if [ -z "$source_dir" ]; then
  echo "copy-screenshots: no screenshots; run the Windows tests first (bash scripts/check-windows.sh)" >&2
  exit 1
fi

mkdir -p docs/images
missing=0
for name in "${chosen[@]}"; do
  if [ -f "$source_dir/$name.png" ]; then
    convert "$source_dir/$name.png" -crop 1008x736+8+26 +repage -fuzz 3% -trim +repage \
      -strip "docs/images/$name.png"
  else
    echo "copy-screenshots: $source_dir/$name.png is missing" >&2
    missing=1
  fi
done
echo "copied from $source_dir into docs/images"
exit "$missing"
