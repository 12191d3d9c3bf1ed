#!/usr/bin/env bash
# The whole test suite: installs what is missing, builds, runs every test and
# exits non-zero on any failure.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/.." && pwd)
start=$(date +%s)
"$here/setup.sh" test
. "$here/compiler-cache.sh" "$top"
jobs=$(nproc)
stage() { echo "== $1 [at $(( $(date +%s) - start )) s]"; }

temporary=()
building=""  # the build made meanwhile: its process group
cleanup() {
  [ -z "$building" ] || { kill -- "-$building" 2>/dev/null || true; wait "$building" 2>/dev/null || true; }
  rm -rf "${temporary[@]}"
}
trap cleanup EXIT
build_log=$(mktemp)
temporary+=("$build_log")

# Builds meanwhile, at the lowest priority: the end-to-end tests mostly wait,
# on X and on the real clock (they pass with both cores kept busy at normal
# priority). A session of its own, so that the whole build ends with the
# script.
build_meanwhile() {  # COMMAND...
  setsid --wait nice -n 19 "$@" >"$build_log" 2>&1 &
  building=$!
}
wait_for_build() {  # WHAT
  wait "$building" || { cat "$build_log"; echo "FAIL: $1" >&2; exit 1; }
  building=""
}

stage "Includes point only downward: core/, then platform/, then qt/"
"$here/check-includes.sh"

# The sanitizer build.
build_meanwhile bash -c 'cmake -S "$1" -B "$1/build-sanitize" -DTINTWATCH_UI=ON -DTINTWATCH_BENCH=OFF \
                            -DTINTWATCH_SANITIZE=address,undefined -DCMAKE_BUILD_TYPE=Debug -DTINTWATCH_WERROR=ON >/dev/null &&
                          exec cmake --build "$1/build-sanitize" -j"$2"' - "$top" "$jobs"

stage "Unit, in-process and end-to-end tests"
# With the desktops' own (label "desktops"): GNOME's, KDE's and a wlroots
# compositor on Wayland, KDE and GNOME on X11.
ctest --test-dir "$top/build" --output-on-failure -j1

stage "The Debian package: contents, desktop entry, metainfo"
"$here/test-package.sh" "$top/build"

# The endurance run samples the screen as hours fly by: nothing else runs.
wait_for_build "the sanitizer build"

stage "A few simulated hours of ticking at a thousand times the speed, across a change to summer time"
bash "$top/bench/endurance.sh" --short "$top/build/tintwatch"

# The Windows programs (and, on a first run, Qt for Windows).
build_meanwhile bash "$here/test-windows.sh" --build-only

stage "The whole program under AddressSanitizer and UndefinedBehaviorSanitizer (unit, in-process, end-to-end)"
# The desktops once only, above: five compositors twice would take the
# command past its quarter of an hour.
LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0" \
  ctest --test-dir "$top/build-sanitize" --output-on-failure -j1 -LE desktops

stage "Fuzzing the settings reader and loading from files (30 s)"
cmake -S "$top" -B "$top/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DTINTWATCH_UI=OFF -DTINTWATCH_TESTS=OFF \
      -DTINTWATCH_BENCH=OFF -DTINTWATCH_FUZZ=ON -DTINTWATCH_SANITIZE=address,undefined -DTINTWATCH_WERROR=ON >/dev/null
cmake --build "$top/build-fuzz" -j"$jobs" --target fuzz_settings
corpus=$(mktemp -d)
# The files the target loads and saves, in memory where there is room.
files=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
temporary+=("$corpus" "$files")
(cd "$corpus" && TMPDIR=$files "$top/build-fuzz/fuzz/fuzz_settings" -max_total_time=30 -print_final_stats=0 \
   -dict="$top/fuzz/settings.dict" "$corpus" "$top/fuzz/corpus" 2>&1 | tail -n 2)

stage "Window-free layer and see-through calls as Windows programs under Wine"
wait_for_build "the Windows build"
grep '^-- Qt for Windows' "$build_log" || true
"$here/test-windows.sh"

stage "All test stages passed"
