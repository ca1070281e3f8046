#!/usr/bin/env bash
# Prints the project version, as CMakeLists.txt gives it: the one place the scripts read it from.
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(aggregate VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "no project version in CMakeLists.txt" >&2; exit 1; }
echo "$version"
