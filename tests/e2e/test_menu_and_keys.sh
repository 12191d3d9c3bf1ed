#!/usr/bin/env bash
# The popup opens on a right-button release only, and closes with Escape;
# S stops and restarts the ticking; Expert Mode takes the rim away; Online
# Help opens the manual in the language the program speaks.
. "$(dirname "$0")/lib.sh"
start_desktop
# A running clock from 15:47:33 on.
start_with_settings " 1500  1500  0  1  100  100  100  100  0  0  1 " "@2026-12-07 15:47:33"
w=$(clock_window)

xdotool mousemove --window "$w" 55 20 click 2
sleep 0.5  # nothing is to happen: give it the chance to go wrong
menu_shown && fail "a middle click opened the menu"
open_menu "$w"
xdotool key Escape
wait_until 5 menu_closed || fail "Escape left the menu open"

# Rim at 12 o'clock shows position 359; expert mode leaves it white.
expect_pixel 151 112 ff0004 "rim"
open_menu "$(clock_window)"
xdotool key Down Down Down Return
expect_pixel 151 112 ffffff "rim in expert mode"

# S stops the clock: the second ring keeps its colour for well over a second.
focus_clock "$(clock_window)" 55 20
xdotool key s
# The key may still be on its way when xdotool returns: the clock counts as
# stopped once the second ring keeps its colour for longer than a tick.
still() {
  screenshot
  before=$(pixel 155 185)
  sleep 1.3
  screenshot
  [ "$(pixel 155 185)" = "$before" ]
}
wait_until 20 still || fail "the clock kept ticking after S"
sleep 2  # and it stays so
screenshot
[ "$(pixel 155 185)" = "$before" ] || fail "the clock ticked after S"
xdotool key s
changed() { screenshot; [ "$(pixel 155 185)" != "$before" ]; }
wait_until 20 changed || fail "the clock did not tick again after the second S"

# Online Help opens the manual in the program's language, here German, from
# beside the program (as in the build tree), through the desktop's opener: a
# stand-in that notes what it is given.
stop_clock
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
start_clock_with "$folder" LANGUAGE=de LANG=de_DE.UTF-8 PATH="$work/bin:$PATH"
wait_until 10 has_clock_window || fail "no clock in German"
open_menu "$(clock_window)"
# Help is the seventh item, Online Help the second in it.
xdotool key Down Down Down Down Down Down Down Right Down Return
opened() { [ -s "$work/opened" ]; }
wait_until 10 opened || fail "Online Help opened nothing"
page="file://$(dirname "$(readlink -f "$TINTWATCH")")/tintwatch-help_de.html"
[ "$(cat "$work/opened")" = "$page" ] || fail "Online Help opened $(cat "$work/opened"), not $page"
echo "menu and keys: passed"
