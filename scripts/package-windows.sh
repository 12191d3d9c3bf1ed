#!/usr/bin/env bash
# Makes what a Windows user downloads, in dist/:
#   tintwatch-VERSION-windows-x64.zip        the portable program: unzip and
#                                            start tintwatch.exe (its settings
#                                            stay in that folder);
#   tintwatch-VERSION-windows-x64-setup.exe  the installer (Program Files, a
#                                            Start menu entry, an uninstaller;
#                                            /S installs silently).
# Builds Qt for Windows first when its cache is missing or stale (about half
# an hour on 2 cores), then the program in build-windows-qt/.
# --build-only: build Qt and the program, and make no package.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/.." && pwd)
build=${TINTWATCH_WINDOWS_BUILD:-$top/build-windows-qt}
dist=$top/dist

# (Qt is built once and kept whole: not through the test command's compiler
# cache.)
qt=$(env -u CMAKE_C_COMPILER_LAUNCHER -u CMAKE_CXX_COMPILER_LAUNCHER bash "$here/build-qt-windows.sh" | tail -n 1)
cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" -DTINTWATCH_QT_PREFIX="$qt" \
      -DCMAKE_BUILD_TYPE=Release -DTINTWATCH_TESTS=OFF -DTINTWATCH_BENCH=OFF -DTINTWATCH_WERROR=ON >/dev/null
jobs=$(nproc); [ "$jobs" -gt 2 ] && jobs=2
cmake --build "$build" -j"$jobs"
[ "${1:-}" != --build-only ] || exit 0

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
mkdir -p "$dist"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# The zip: what the installer installs, less the Start menu's launcher (a
# portable clock keeps its settings in its own folder).
cmake --install "$build" --prefix "$stage/Tintwatch" --strip >/dev/null
rm -f "$stage/Tintwatch/tintwatch-launch.exe"
zip=$dist/tintwatch-$version-windows-x64.zip
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip Tintwatch)

(cd "$build" && cpack -G NSIS -B "$stage/cpack" >/dev/null)
cp "$stage/cpack/tintwatch-$version-windows-x64-setup.exe" "$dist/"
ls -l "$zip" "$dist/tintwatch-$version-windows-x64-setup.exe"
