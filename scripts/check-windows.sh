#!/usr/bin/env bash
# Compiles the Windows-only sources with Debian's MinGW-w64 cross compiler, so
# that the home platform's code stays buildable from here.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
shopt -s nullglob
files=("$top"/app/*_win.cpp "$top"/colour/*.cpp "$top"/clock/*.cpp "$top"/huetest/HueTestRun.cpp "$top"/app/SettingsFile.cpp "$top"/app/ClockWindow.cpp "$top"/app/Random.cpp "$top"/dialogs/DialogValues.cpp)
compiled=0
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  compiled=$((compiled + 1))
  x86_64-w64-mingw32-g++ -std=c++20 -Wall -Wextra -Werror -I"$top" -c "$f" -o "$out/$(basename "$f").o"
done
echo "MinGW-w64 compiled $compiled source files"
