#!/usr/bin/env bash
# A 12-change hue check test of the real program with no key pressed: the
# result lists all twelve changes, can be selected and copied from the result
# box, and the face shows the painted sectors; Cancel brings the clock back.
. "$(dirname "$0")/lib.sh"
start_desktop
start_with_settings " 1500  1500  0  1  100  100  100  100  0  0  1 "

open_menu "$(clock_window)"
xdotool key Up Up Up Return  # A Hue Check Test
wait_until 5 has_window_named "Hue Check Test" || fail "no Hue Check Test dialog"
t=$(window_named "Hue Check Test")
expect_placed "$t" "184 250 664 376" "Hue Check Test"
xdotool mousemove --window "$t" 555 253 click 1  # OK - start test
wait_until 5 bash -c "! xdotool search --onlyvisible --name '^Hue Check Test\$' | grep -q ." ||
  fail "OK did not close the set-up dialog"

# The first colour is red over the whole face; the run then takes about 21 s.
expect_pixel 120 153 ff0000 "the first test colour"
wait_until 60 has_window_named "Hue Check Test" || fail "no result dialog"
r=$(window_named "Hue Check Test")
expect_placed "$r" "184 250 664 376" "result dialog"
expected="These are the 12 changes of colour you missed, when it changed to  30  60  90  120  150  180  210  240  270  300  330  360 "
xdotool mousemove --window "$r" 100 265 click 1
xdotool key ctrl+a ctrl+c
copied() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$expected" ]; }
wait_until 5 copied || fail "copied result: [$(xclip -o -selection clipboard 2>/dev/null)]"

# Every step was missed: each sector shows its hue, 360 over 0 at 12 o'clock,
# with black spokes between.
expect_pixel 193 149 80ff00 "sector of hue 90"
expect_pixel 147 115 ff0004 "sector of hue 360"
expect_pixel 149 193 00ffff "sector of hue 180"
expect_pixel 102 102 ffffff "outside the face"

xdotool mousemove --window "$r" 555 285 click 1  # Cancel
wait_until 5 bash -c "! xdotool search --onlyvisible --name '^Hue Check Test\$' | grep -q ." ||
  fail "Cancel did not close the result dialog"
expect_pixel 151 112 ff0004 "rim after the test"
expect_pixel 153 153 80ff00 "hour disc after the test"

# Exit while the set-up dialog is open: the clock goes and saves, the program
# lives on until that dialog is closed too, then ends.
open_menu "$(clock_window)"
xdotool key Up Up Up Return  # A Hue Check Test
wait_until 5 has_window_named "Hue Check Test" || fail "no Hue Check Test dialog the second time"
open_menu "$(clock_window)"
xdotool key Up Return  # Exit
gone() { ! has_clock_window; }
wait_until 10 gone || fail "Exit left the clock"
file_is "$folder/Tintwatch.txt" " 1500  1500  0  1  100  100  100  100  0  0  1 "$'\r\n' || fail "Exit did not save"
clock_running || fail "the program ended with the set-up dialog still open"
t=$(window_named "Hue Check Test")
[ -n "$t" ] || fail "the set-up dialog went with the clock"
expect_placed "$t" "184 250 664 376" "Hue Check Test after Exit"
xdotool mousemove --window "$t" 555 285 click 1  # Cancel
wait_until 10 bash -c "! kill -0 $clock_pid" || fail "the program did not end when its last dialog closed"
no_sanitizer_report
echo "hue check run: passed"
