#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/, clang with ASan and UBSan) and runs each for the given
# number of seconds (default 15, about a minute for all). New inputs go to build/fuzz/corpus;
# a finding is written to build/fuzz/findings and fails the script. The seeds in fuzz/corpus
# are replayed first, so every earlier finding kept there is checked again.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-15}"
build=build/fuzz
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
else
  launcher=()
fi
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$build" -j2

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for target in ChangeListFuzzer ProjectDatabaseFuzzer NumberTextFuzzer ProjectLoaderFuzzer; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  log="$build/$target.log"
  if "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    echo "$target: $(grep -o 'number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') executions in ${seconds} s, no finding"
  else
    echo "$target: FINDING, see $log and $findings" >&2
    status=1
  fi
done
exit "$status"
