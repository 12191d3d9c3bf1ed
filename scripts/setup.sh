#!/usr/bin/env bash
# Installs what is missing (Debian packages) and builds the program into build/.
# Sourced by run.sh and test.sh; "test" as the first argument adds the test tools.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libxcb1-dev libxcb-shape0-dev libxcb-shm0-dev libgtest-dev libbenchmark-dev
          fonts-liberation qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk fonts-noto-core)
if [ "${1:-}" = test ]; then
  packages+=(clang libclang-rt-14-dev xvfb openbox xdotool imagemagick faketime libfaketime x11-utils xclip
             g++-mingw-w64-x86-64-posix googletest wine64 dpkg-dev desktop-file-utils appstream
             tzdata util-linux xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils lintian file
             groff-base man-db bsdextrautils dbus-daemon dbus-bin at-spi2-core python3-dbus x11-session-utils)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTWATCH_WERROR=ON >/dev/null
cmake --build "$top/build" -j"$(nproc)"
