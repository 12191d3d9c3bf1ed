#!/usr/bin/env bash
# The Windows program as a Windows user meets it, under Wine on a fresh
# prefix, with Xvfb and openbox: the installer run silently, the clock
# started from the Start menu's entry (in %APPDATA%\Tintwatch), its place,
# size and face against the Linux build's at the same time, see-through,
# the menu, Bigger and Smaller, a drag, Clock Options, Exit's file and the
# next start, a second start, and the uninstaller. What Wine cannot show is
# said, with the call, and skipped; it never passes unseen.
#   wine_clock.sh INSTALLER    (TINTWATCH: the Linux program, for the faces)
. "$(dirname "$0")/../e2e/lib.sh"
setup=$(readlink -f "${1:?the installer}")
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" TZ=UTC
# The prefix's server ends with the test, before its folder goes.
trap '"$wineserver" -k >/dev/null 2>&1 || true; cleanup' EXIT
skipped=()
skip() { echo "SKIPPED under Wine: $*"; skipped+=("$1"); }
at="2026-12-07 15:47:33"

start_desktop
"$wine" wineboot -i >"$work/wineboot.log" 2>&1 || fail "no Wine prefix: $(tail -n 5 "$work/wineboot.log")"
c=$WINEPREFIX/drive_c
program_dir="$c/Program Files/Tintwatch"
user=$(id -un)
appdata="$c/users/$user/AppData/Roaming"
settings="$appdata/Tintwatch"

echo "-- installer, silently"
"$wine" "$setup" /S >"$work/setup.log" 2>&1 || fail "the installer failed: $(cat "$work/setup.log")"
for file in tintwatch.exe tintwatch-launch.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
            styles/qwindowsvistastyle.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
            tintwatch-help.html pictures/hue.png Uninstall.exe; do
  [ -f "$program_dir/$file" ] || fail "not installed: $file"
done
"$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintwatch' /v UninstallString \
  >"$work/reg.log" 2>&1 || fail "no uninstaller registered: $(cat "$work/reg.log")"
grep -q 'Uninstall.exe' "$work/reg.log" || fail "uninstaller entry: $(cat "$work/reg.log")"
link=$(find "$c/ProgramData/Microsoft/Windows/Start Menu/Programs" -name 'Tintwatch.lnk' | head -n 1)
[ -n "$link" ] || fail "no Start menu entry"
grep -aq 'tintwatch-launch.exe' "$link" || fail "the Start menu entry does not run the launcher"

echo "-- the program's file: icon, version, command line"
objdump=x86_64-w64-mingw32-objdump
if command -v "$objdump" >/dev/null; then
  resources=$("$objdump" -p "$program_dir/tintwatch.exe")
  for type in "Type: ICON" "Type: GROUP_ICON" "Type: VERSION"; do
    grep -q "$type" <<<"$resources" || fail "tintwatch.exe has no $type resource"
  done
fi
for text in "Tintwatch" "A desktop clock\|Tintwatch, a desktop clock" "1.1"; do
  strings -el "$program_dir/tintwatch.exe" | grep -q "$text" || fail "version information lacks $text"
done
version=$("$wine" "$program_dir/tintwatch.exe" --version 2>/dev/null | tr -d '\r')
[ "$version" = "Tintwatch 1.1" ] || fail "--version printed '$version'"
"$wine" "$program_dir/tintwatch.exe" --help 2>/dev/null | tr -d '\r' | grep -q -- '--version' || fail "--help printed no options"

# The clock and its windows under Wine: X windows of class tintwatch.exe.
wine_windows() { xdotool search --onlyvisible --classname '^tintwatch.exe$' 2>/dev/null || true; }
wine_clock() {
  local w
  for w in $(wine_windows); do
    [ "$(geometry "$w" | cut -d' ' -f3-)" = "$1" ] && echo "$w" && return
  done
}
has_wine_clock() { [ -n "$(wine_clock "${1:-110 110}")" ]; }
# The Windows program's process, from its window's _NET_WM_PID.
window_pid() { xprop -id "$1" _NET_WM_PID 2>/dev/null | awk '{print $3}'; }
ended() { ! kill -0 "$1" 2>/dev/null; }

# Starts the clock as the Start menu's entry does: its command (the launcher)
# with the entry's folder, under the fixed time.
start_from_menu() {
  (cd "$program_dir" && FAKETIME="$at" FAKETIME_DONT_FAKE_MONOTONIC=1 \
     LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
     "$wine" "$program_dir/tintwatch-launch.exe" >>"$work/launch.log" 2>&1) ||
    fail "the launcher failed: $(cat "$work/launch.log")"
}

echo "-- the clock from the Start menu, at its saved place"
mkdir -p "$settings"
write_settings "$settings" " 1500  1500  0  1  100  100  100  100  0  0  1 "
start_from_menu
wait_until 20 has_wine_clock || fail "no clock window from the Start menu entry"
w=$(wine_clock "110 110")
pid=$(window_pid "$w")
expect_placed "$w" "100 100 110 110" "the clock"

echo "-- its face against the Linux build's, at the same time"
linux=$work/linux
mkdir -p "$linux"
write_settings "$linux" " 6000  1500  0  1  100  100  100  100  0  0  1 "
start_clock "$linux" "$at" linux.log
linux_pid=$clock_pid
wait_until 10 has_clock_window || fail "no Linux clock"
expect_placed "$(clock_window)" "400 100 110 110" "the Linux clock"
faces_equal() {
  screenshot
  convert "$work/screen.png" -crop 110x110+100+100 +repage "$work/wine-face.png"
  convert "$work/screen.png" -crop 110x110+400+100 +repage "$work/linux-face.png"
  [ "$(compare -metric AE "$work/wine-face.png" "$work/linux-face.png" null: 2>&1)" = 0 ]
}
wait_until 5 faces_equal ||
  fail "the face differs from the Linux build's in $(compare -metric AE "$work/wine-face.png" "$work/linux-face.png" null: 2>&1) pixels"
kill "$linux_pid"
wait "$linux_pid" 2>/dev/null || true

echo "cleared the first checks"
