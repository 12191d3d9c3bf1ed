#!/usr/bin/env bash
# The Windows side, in three steps:
# 1. the window-free layer's whole unit-test suite and the Win32 calls of the
#    platform seams on a real Win32 window, built as Windows programs with
#    MinGW-w64 and run under Wine on a throw-away prefix (with a private Xvfb
#    for Wine's windows);
# 2. the whole Windows program with Qt for Windows (built from Debian's source
#    into a cache outside the tree when that is missing or stale), and what a
#    user downloads: the portable zip and the installer, in dist/;
# 3. the installer and the program tried under Wine as a user would
#    (tests/windows/wine_clock.sh), against the Linux build's faces
#    (build/tintwatch, which the test command builds first).
# --build-only: build what steps 1 and 2 need, and stop (the test command
# builds it in the background while other tests run).
# Exits non-zero on any failure.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/.." && pwd)
build=$top/build-windows

cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
      -DTINTWATCH_UI=OFF -DTINTWATCH_BENCH=OFF -DTINTWATCH_GTEST_SOURCE=/usr/src/googletest -DTINTWATCH_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target core_tests win32_tests
if [ "${1:-}" = --build-only ]; then
  exec bash "$here/package-windows.sh" --build-only
fi

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  [ -d "$work/prefix" ] && WINEPREFIX=$work/prefix "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "X server did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
# Debian's wine64 package keeps its loader out of PATH.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export DISPLAY=":$(tr -d '\n' <"$work/display")"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Each program runs in a folder of its own, so that relative paths are seen
# against Windows' idea of the current folder.
run() {  # NAME FOLDER (under the build's tests/)
  local rc=0
  mkdir -p "$work/$1"
  (cd "$work/$1" && "$wine" "$build/tests/$2/$1.exe") >"$work/$1.log" 2>&1 || rc=$?
  # GoogleTest's failures and summary, without a line for each test passed.
  tr -d '\r' <"$work/$1.log" | grep -vE '^\[ +(RUN|OK) +\]|^\[-+\]|^$|^wine: ' || true
  return $rc
}
status=0
echo "-- core_tests.exe under Wine"
run core_tests core || status=1
echo "-- win32_tests.exe under Wine"
run win32_tests windows || status=1

echo "-- the Windows program and its packages"
bash "$here/package-windows.sh" || status=1

echo "-- the Windows program under Wine, installed and used as a Windows user would"
setup=$(ls "$top"/dist/tintwatch-*-windows-x64-setup.exe 2>/dev/null | head -n 1)
if [ "$status" = 0 ] && [ -n "$setup" ]; then
  TINTWATCH=${TINTWATCH:-$top/build/tintwatch} bash "$top/tests/windows/wine_clock.sh" "$setup" || status=1
else
  echo "FAIL: no installer to try"
  status=1
fi

exit $status
