#!/usr/bin/env bash
# The whole test suite: installs what is missing, builds, runs every test and
# exits non-zero on any failure.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/.." && pwd)
"$here/setup.sh" test
jobs=$(nproc)

echo "== Unit, in-process and end-to-end tests"
ctest --test-dir "$top/build" --output-on-failure -j1

echo "== Window-free layer under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$top" -B "$top/build-sanitize" -DTINTWATCH_UI=OFF -DTINTWATCH_BENCH=OFF \
      -DTINTWATCH_SANITIZE=address,undefined -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$top/build-sanitize" -j"$jobs"
ctest --test-dir "$top/build-sanitize" --output-on-failure -j"$jobs"

echo "== Fuzzing the settings reader (30 s)"
cmake -S "$top" -B "$top/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DTINTWATCH_UI=OFF -DTINTWATCH_TESTS=OFF \
      -DTINTWATCH_BENCH=OFF -DTINTWATCH_FUZZ=ON -DTINTWATCH_SANITIZE=address,undefined >/dev/null
cmake --build "$top/build-fuzz" -j"$jobs" --target fuzz_settings
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
(cd "$corpus" && "$top/build-fuzz/fuzz/fuzz_settings" -max_total_time=30 -print_final_stats=0 \
   "$corpus" "$top/fuzz/corpus" 2>&1 | tail -n 2)

echo "== Window-free layer and see-through calls as Windows programs under Wine"
"$here/test-windows.sh"

echo "All test stages passed"
