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
            tintwatch-help.html tintwatch-help_{ar,de,es,fr,it,ja,pt_BR,ru,zh_CN}.html pictures/hue.png \
            licenses/README.txt licenses/LGPL-3.txt licenses/Qt.txt \
            licenses/GCC-runtime.txt licenses/MinGW-w64.txt Uninstall.exe; do
  [ -f "$program_dir/$file" ] || fail "not installed: $file"
done
"$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintwatch' /v UninstallString \
  >"$work/reg.log" 2>&1 || fail "no uninstaller registered: $(cat "$work/reg.log")"
grep -q 'Uninstall.exe' "$work/reg.log" || fail "uninstaller entry: $(cat "$work/reg.log")"
link=$(find "$c/ProgramData/Microsoft/Windows/Start Menu/Programs" -name 'Tintwatch.lnk' | head -n 1)
[ -n "$link" ] || fail "no Start menu entry"
grep -aq 'tintwatch-launch.exe' "$link" || fail "the Start menu entry does not run the launcher"

echo "-- the program's file: icon, version, command line"
resources=$(x86_64-w64-mingw32-windres -i "$program_dir/tintwatch.exe" -O rc 2>&1) || fail "no resources: $resources"
grep -q 'RT_ICON' <<<"$resources" || fail "tintwatch.exe carries no icon"
for value in '"FileDescription", "Tintwatch, a desktop clock that tells the time in colours"' \
             '"ProductName", "Tintwatch"' '"FileVersion", "1.1"' '"ProductVersion", "1.1"'; do
  grep -qF "VALUE $value" <<<"$resources" || fail "version information lacks $value"
done
version=$("$wine" "$program_dir/tintwatch.exe" --version 2>/dev/null | tr -d '\r')
[ "$version" = "Tintwatch 1.1" ] || fail "--version printed '$version'"
"$wine" "$program_dir/tintwatch.exe" --help 2>/dev/null | tr -d '\r' | grep -q -- '--version' || fail "--help printed no options"
skip "--help and --version in a console window: AttachConsole(ATTACH_PARENT_PROCESS) has no Windows console to find" \
     "under Wine, whose programs write to the Unix terminal; their output through a pipe is checked above"

# The program's windows under Wine: X windows of class tintwatch.exe; the
# clock is the one of the clock's size.
wine_windows() { xdotool search --onlyvisible --classname '^tintwatch\.exe$' 2>/dev/null || true; }
wine_clock() {
  local w
  for w in $(wine_windows); do
    [ "$(geometry "$w" | cut -d' ' -f3-)" = "$1" ] && echo "$w" && return
  done
}
has_wine_clock() { [ -n "$(wine_clock "${1:-110 110}")" ]; }
# The Windows program's process, from its window's _NET_WM_PID.
window_pid() { xprop -id "$1" _NET_WM_PID 2>/dev/null | awk '{print $3}'; }
gone() { ! kill -0 "$1" 2>/dev/null; }

# Starts the clock as the Start menu's entry does: its command (the launcher)
# with the entry's folder, under the fixed time.
start_from_menu() {
  (cd "$program_dir" && FAKETIME="$at" FAKETIME_DONT_FAKE_MONOTONIC=1 \
     LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
     "$wine" "$program_dir/tintwatch-launch.exe" >>"$work/launch.log" 2>&1) ||
    fail "the launcher failed: $(cat "$work/launch.log")"
}

# The popup menu: clicked, since keys sent from outside do not reach Wine's
# popup menus. Its items stand 22 pixels apart, 14 pixels into the first,
# with 9 more for each separator above.
menu_other_than() {
  local w
  for w in $(wine_windows); do
    [ "$w" != "$1" ] && [ "$w" != "${2:-}" ] && echo "$w" && return
  done
}
wine_open_menu() {  # CLOCK X Y (screen): sets `menu`
  xdotool mousemove "$2" "$3" click 3
  has_menu() { [ -n "$(menu_other_than "$1")" ]; }
  wait_until 5 has_menu "$1" || fail "no popup menu"
  menu=$(menu_other_than "$1")
}
click_item() {  # MENU OFFSET-FROM-TOP
  local x y width height
  read -r x y width height <<<"$(geometry "$1")"
  xdotool mousemove $((x + 40)) $((y + $2)) click 1
}
item_top=(14 36 58 80 102 133 164 195)   # Stay on Top ... Exit
on_colour() {  # a point that is colour on every face: the Hue rim, the RGB and Lab bars
  local x y width height
  read -r x y width height <<<"$(geometry "$1")"
  echo $((x + width * 7 / 110)) $((y + height / 2))
}
open_clock_menu() { wine_open_menu "$1" $(on_colour "$1"); }

echo "-- the clock from the Start menu, at its saved place"
mkdir -p "$settings"
write_settings "$settings" " 1500  1500  0  1  100  100  100  100  0  0  1 "
start_from_menu
wait_until 20 has_wine_clock || fail "no clock window from the Start menu entry"
w=$(wine_clock "110 110")
pid=$(window_pid "$w")
[ -n "$pid" ] || fail "the clock's window names no process"
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

echo "-- the menu's check marks"
open_clock_menu "$w"
read -r mx my _ <<<"$(geometry "$menu")"
# A check mark is drawn in the item's left margin: dark pixels there, on the
# menu's light grey once the menu is painted.
marked() {  # ITEM: 1 or 0, from the last screenshot
  local y=$((my + item_top[$1] - 8))
  convert "$work/screen.png" -crop "16x16+$((mx + 6))+$y" +repage -colorspace gray -threshold 40% -negate \
    -format '%[fx:mean>0.02]' info:
}
painted() { [ "$(pixel $((mx + 100)) $((my + item_top[2])))" != 000000 ]; }
marks() { screenshot && painted && echo "$(marked 0)$(marked 1)$(marked 2)"; }
marks_are() { [ "$(marks)" = "$1" ]; }
# Stay on Top and White background checked, Expert Mode not.
wait_until 5 marks_are 110 || fail "the check marks (Stay on Top, White background, Expert Mode): $(marks)"

echo "-- White background off: the desktop shows through the white, and clicks go through"
click_item "$menu" "${item_top[1]}"
expect_pixel 102 102 000000 "the see-through corner"
expect_pixel 155 155 80ff00 "the hour disc while see-through"
xdotool mousemove 102 102
under() { xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p'; }
root=$(xwininfo -root | awk '/Window id/ {print $4}')
[ "$(printf '%d' "$(under)")" = "$(printf '%d' "$root")" ] || fail "the see-through corner takes the pointer"
xdotool mousemove 155 155
[ "$(printf '%d' "$(under)")" != "$(printf '%d' "$root")" ] || fail "the hour disc lets the pointer through"

echo "-- Bigger, Smaller, a drag"
open_clock_menu "$w"
click_item "$menu" "${item_top[3]}"   # Window Size
has_submenu() { [ -n "$(menu_other_than "$w" "$menu")" ]; }
wait_until 5 has_submenu || fail "no Window Size submenu"
click_item "$(menu_other_than "$w" "$menu")" 14   # + Bigger
expect_placed "$w" "100 100 220 220" "after Bigger"
open_clock_menu "$w"
click_item "$menu" "${item_top[3]}"
wait_until 5 has_submenu || fail "no Window Size submenu"
click_item "$(menu_other_than "$w" "$menu")" 36   # - Smaller
expect_placed "$w" "100 100 110 110" "after Smaller"
read -r cx cy <<<"$(on_colour "$w")"
xdotool mousemove "$cx" "$cy" mousedown 1
moved() { [ "$(geometry "$w" | cut -d' ' -f1-2)" != "100 100" ]; }
# Wine's move loop starts on a move with the button held: the pointer goes on
# moving until the window follows.
for ((step = 1; step <= 60; step++)); do
  xdotool mousemove $((cx + step)) $((cy + step))
  moved && break
  sleep 0.05
done
xdotool mousemove $((cx + 70)) $((cy + 70))
xdotool mouseup 1
wait_until 5 moved || fail "the drag did not move the clock"
read -r dx dy _ <<<"$(geometry "$w")"
[ "$dx" -gt 100 ] && [ "$dy" -gt 100 ] || fail "the drag moved the clock to $dx,$dy"
expect_pixel $((dx + 55)) $((dy + 55)) 80ff00 "the hour disc after the drag"

echo "-- Clock Options opens where it should and applies its values"
open_clock_menu "$w"
click_item "$menu" "${item_top[4]}"
wait_until 10 has_window_named "Clock Options" || fail "no Clock Options dialog"
d=$(window_named "Clock Options")
read -r _ _ ow oh <<<"$(geometry "$d")"
[ "$ow $oh" = "402 327" ] || fail "Clock Options is $ow x $oh, on Linux 402 x 327"
xdotool mousemove --window "$d" 79 81 click 1    # RGB
xdotool mousemove --window "$d" 339 247 click 1  # OK
closed() { [ -z "$(window_named "Clock Options")" ]; }
wait_until 5 closed || fail "OK did not close Clock Options"

echo "-- Exit writes the Linux build's line, and the next start reads it"
open_clock_menu "$w"
click_item "$menu" "${item_top[7]}"
wait_until 10 gone "$pid" || fail "the clock did not end after Exit"
line=" $((dx * 15))  $((dy * 15))  1  1  100  100  100  100  0  0  0 "
file_is "$settings/Tintwatch.txt" "$line"$'\r\n' || fail "the settings file: $(od -c "$settings/Tintwatch.txt")"
start_from_menu
wait_until 20 has_wine_clock || fail "no clock on the second start"
w=$(wine_clock "110 110")
pid=$(window_pid "$w")
expect_placed "$w" "$dx $dy 110 110" "the clock started again"
expect_pixel $((dx + 25)) $((dy + 3)) 000000 "see-through from the start"

echo "-- a second start in the same folder ends, and the first clock stays"
# What the launcher starts, started here directly so that its end is seen.
# (The clock is already on top; a window moved with xdotool is not moved as
# Windows sees it, so coming back onto the screen is not tried here.)
(cd "$settings" && FAKETIME="$at" FAKETIME_DONT_FAKE_MONOTONIC=1 \
   LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
   exec "$wine" "$program_dir/tintwatch.exe" >"$work/second.log" 2>&1) &
second=$!
pids+=($second)
wait_until 10 gone "$second" || fail "a second start in the same folder did not end"
wait "$second" || fail "the second start ended with status $?: $(cat "$work/second.log")"
[ "$(wine_windows | wc -l)" -le 3 ] && [ -n "$(wine_clock "110 110")" ] || fail "windows after a second start: $(wine_windows)"
kill -0 "$pid" 2>/dev/null || fail "the first clock ended"

echo "-- the end of the session saves the settings"
# Gone first, so that only a save at the session's end can bring it back.
rm "$settings/Tintwatch.txt"
"$wine" wineboot --end-session >"$work/end-session.log" 2>&1 || true
if wait_until 10 gone "$pid"; then
  file_is "$settings/Tintwatch.txt" "$line"$'\r\n' ||
    fail "the settings file after the session's end: $(od -c "$settings/Tintwatch.txt")"
else
  skip "WM_ENDSESSION: wineboot --end-session did not end the clock"
  kill "$pid" 2>/dev/null || true
fi

echo "-- the uninstaller removes the program and keeps the settings"
"$wine" "$program_dir/Uninstall.exe" /S >"$work/uninstall.log" 2>&1 || fail "the uninstaller failed"
# The uninstaller runs on from a copy of itself: its end is not waited on.
registered() { "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintwatch' >/dev/null 2>&1; }
uninstalled() {
  [ ! -e "$program_dir/tintwatch.exe" ] && [ ! -e "$program_dir/Qt6Core.dll" ] && [ ! -e "$link" ] && ! registered
}
wait_until 20 uninstalled ||
  fail "still installed: $(ls "$program_dir" 2>&1); link: $(ls "$link" 2>&1); registered: $(registered && echo yes)"
[ -f "$settings/Tintwatch.txt" ] || fail "the settings went with the program"

echo "Windows program under Wine: passed${skipped:+ (${#skipped[@]} skipped, said above)}"
