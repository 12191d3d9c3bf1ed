#!/usr/bin/env bash
# The whole test suite: installs what is missing, builds, runs every test and
# exits non-zero on any failure.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/.." && pwd)
"$here/setup.sh" test
jobs=$(nproc)

echo "== Includes point only downward: core/, then platform/, then qt/"
"$here/check-includes.sh"

echo "== Unit, in-process and end-to-end tests"
ctest --test-dir "$top/build" --output-on-failure -j1

echo "== The Debian package: contents, desktop entry, metainfo"
"$here/test-package.sh" "$top/build"

echo "== A few simulated hours of ticking at a thousand times the speed, across a change to summer time"
bash "$top/bench/endurance.sh" --short "$top/build/tintwatch"

echo "== The whole program under AddressSanitizer and UndefinedBehaviorSanitizer (unit, in-process, end-to-end)"
cmake -S "$top" -B "$top/build-sanitize" -DTINTWATCH_UI=ON -DTINTWATCH_BENCH=OFF -DTINTWATCH_SANITIZE=address,undefined \
      -DCMAKE_BUILD_TYPE=Debug -DTINTWATCH_WERROR=ON >/dev/null
cmake --build "$top/build-sanitize" -j"$jobs"
LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0" \
  ctest --test-dir "$top/build-sanitize" --output-on-failure -j1

echo "== Fuzzing the settings reader and loading from files (30 s)"
cmake -S "$top" -B "$top/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DTINTWATCH_UI=OFF -DTINTWATCH_TESTS=OFF \
      -DTINTWATCH_BENCH=OFF -DTINTWATCH_FUZZ=ON -DTINTWATCH_SANITIZE=address,undefined -DTINTWATCH_WERROR=ON >/dev/null
cmake --build "$top/build-fuzz" -j"$jobs" --target fuzz_settings
corpus=$(mktemp -d)
# The files the target loads and saves, in memory where there is room.
files=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$corpus" "$files"' EXIT
(cd "$corpus" && TMPDIR=$files "$top/build-fuzz/fuzz/fuzz_settings" -max_total_time=30 -print_final_stats=0 \
   -dict="$top/fuzz/settings.dict" "$corpus" "$top/fuzz/corpus" 2>&1 | tail -n 2)

echo "== Window-free layer and see-through calls as Windows programs under Wine"
"$here/test-windows.sh"

echo "All test stages passed"
