#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (Core, Gui, Widgets, the Windows platform
# plugin and the Windows styles) from Debian's own qt6-base source, with
# MinGW-w64 (posix threads), and installs it into a cache outside the tree.
# The host tools (moc, uic, rcc) are Debian's, of the same version, so the
# source version is the one of the installed qt6-base-dev-tools.
#
# The cache is keyed by that version and this script's own hash: a change to
# either builds afresh, anything else reuses it. Prints the install prefix as
# the last line of its output; progress goes to stderr.
set -euo pipefail

script=$(readlink -f "${BASH_SOURCE[0]}")
cache=${TINTWATCH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tintwatch}
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null) || {
  echo "qt6-base-dev-tools is not installed (scripts/setup.sh test installs it)" >&2; exit 1; }
hash=$(sha256sum "$script" | cut -c1-12)
key="qt-${version//[^A-Za-z0-9.+-]/_}-mingw64-$hash"
prefix=$cache/$key
upstream=${version%%-*}          # 6.4.2+dfsg
upstream=${upstream#*:}

mkdir -p "$cache"
exec 9>"$cache/.qt-windows.lock"
flock 9                          # two test runs at once build it once

if [ -f "$prefix/.complete" ]; then
  echo "Qt for Windows: cached in $prefix" >&2
  echo "$prefix"
  exit 0
fi

log() { echo "-- Qt for Windows: $*" >&2; }
start=$(date +%s)

# The source, fetched once per version.
src=$cache/src/qt6-base-$upstream
if [ ! -f "$src/.unpacked-$version" ]; then
  if ! apt-cache showsrc qt6-base 2>/dev/null | grep -qx "Version: $version"; then
    echo "apt knows no source of qt6-base $version: add a deb-src line for the system's suite" \
         "(scripts/setup.sh test does)" >&2
    exit 1
  fi
  log "fetching the source of qt6-base $version"
  rm -rf "$cache/src" && mkdir -p "$cache/src"
  (cd "$cache/src" && apt-get source -qq "qt6-base=$version" >&2)
  touch "$src/.unpacked-$version"
fi

build=$cache/build-$key
rm -rf "$build" "$prefix"
mkdir -p "$build"
cat >"$build/toolchain.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

# Only what the clock uses. The bundled third-party code is used throughout,
# so that no DLL beyond Qt's own and MinGW's runtime is needed.
# INPUT_opengl=no: FEATURE_opengl=OFF alone leaves dynamicgl on, which the
# Windows platform plugin then fails to build with.
# tabletevent off: Debian's source leaves out the non-free wintab.h.
log "configuring"
cmake -S "$src" -B "$build/qt" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$build/toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DQT_BUILD_MANUAL_TESTS=OFF -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_sql_sqlite=OFF \
  >"$build/configure.log" 2>&1 || { tail -40 "$build/configure.log" >&2; exit 1; }

jobs=$(nproc); [ "$jobs" -gt 2 ] && jobs=2   # the machine is shared
log "building with -j$jobs (about 30 minutes on 2 cores)"
cmake --build "$build/qt" -j"$jobs" >"$build/build.log" 2>&1 || { tail -40 "$build/build.log" >&2; exit 1; }
cmake --install "$build/qt" --strip >"$build/install.log" 2>&1 || { tail -20 "$build/install.log" >&2; exit 1; }

secs=$(( $(date +%s) - start ))
size=$(du -sm "$prefix" | cut -f1)
printf 'built in %d min %d s with -j%d, %d MB installed\n' $((secs / 60)) $((secs % 60)) "$jobs" "$size" \
  >"$prefix/.build-stats"
log "$(cat "$prefix/.build-stats")"
rm -rf "$build"
# Older keys are stale now: they only take room.
find "$cache" -maxdepth 1 -name 'qt-*-mingw64-*' ! -name "$key" -exec rm -rf {} +
touch "$prefix/.complete"
echo "$prefix"
