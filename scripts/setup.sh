#!/usr/bin/env bash
# Installs what is missing (Debian packages) and builds the program into build/.
# Sourced by run.sh and test.sh; "test" as the first argument adds the test tools.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libxcb1-dev libxcb-shape0-dev libxcb-shm0-dev
          libxcb-screensaver0-dev libxcb-dpms0-dev libgtest-dev libbenchmark-dev
          fonts-liberation qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk fonts-noto-core qt6-wayland)
if [ "${1:-}" = test ]; then
  packages+=(ccache clang libclang-rt-14-dev xvfb openbox xdotool imagemagick faketime libfaketime x11-utils xclip
             g++-mingw-w64-x86-64-posix googletest wine64 dpkg-dev desktop-file-utils appstream
             tzdata util-linux xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils lintian file
             groff-base man-db bsdextrautils dbus-daemon dbus-bin at-spi2-core python3-dbus x11-session-utils
             # The Arabic texts laid out as a first letter's direction lays them out.
             libfribidi-bin
             # A real screen locker on the session bus, for the real-clock test.
             mate-screensaver
             # The Windows program: Qt for Windows built from Debian's source
             # (scripts/build-qt-windows.sh), its installer, and what tries it.
             ninja-build perl xz-utils qt6-base-dev-tools nsis binutils-mingw-w64-x86-64
             # The desktops test: GNOME's, KDE's and a wlroots compositor with their
             # XWayland, their pictures and pointers, and Xfce's window manager.
             sway grim wtype mutter kwin-wayland kwin-x11 xwayland libwayland-dev libwayland-bin
             plasma-wayland-protocols passwd xfwm4)
fi

# The Windows stage builds Qt from Debian's own source of qt6-base: apt needs
# the source lines of the suites the system installs from.
add_source_lines() {
  apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Version:' && return 0
  local sudo="" lines
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  # The system's own binary entries, as source entries: deb822 stanzas whose
  # Types are deb, and one-line "deb" entries.
  lines=$(
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -f "$f" ] || continue
      awk 'BEGIN { RS = ""; ORS = "\n\n" } /(^|\n)Types:[^\n]*deb([ \t]|\n|$)/ && !/(^|\n)Enabled: *no/ {
             sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$f"
    done
  )
  if [ -n "$lines" ]; then
    printf '%s\n' "$lines" | $sudo tee /etc/apt/sources.list.d/tintwatch-src.sources >/dev/null
  fi
  # (A fresh system may have no *.list file at all: cat's complaint is no
  # failure here.)
  lines=$({ cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
          sed -n 's/^deb \(.*\)/deb-src \1/p')
  if [ -n "$lines" ]; then
    printf '%s\n' "$lines" | $sudo tee /etc/apt/sources.list.d/tintwatch-src.list >/dev/null
  fi
  $sudo apt-get update -qq
}

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
if [ "${1:-}" = test ]; then
  add_source_lines
  . "$top/scripts/compiler-cache.sh" "$top"
fi

cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTWATCH_WERROR=ON >/dev/null
cmake --build "$top/build" -j"$(nproc)"
