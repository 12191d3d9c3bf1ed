#!/usr/bin/env bash
# Clock Options and About from the popup menu of the real program: titles,
# client sizes and places, values changed with the keyboard in tab order,
# their effect on the face and on the file written by Exit.
. "$(dirname "$0")/lib.sh"
start_desktop
start_with_settings " 1500  1500  0  1  100  100  100  100  0  0  1 "

open_menu "$(clock_window)"
xdotool key Down Down Down Down Down Return  # Clock Options ...
wait_until 5 has_window_named "Clock Options" || fail "no Clock Options dialog"
d=$(window_named "Clock Options")
expect_placed "$d" "184 250 402 327" "Clock Options"
# OK has the focus: Tab to Cancel, to the Hue option; Down picks RGB; Tab to
# the tick rate, Tab to the saturation boxes.
xdotool key --delay 80 Tab Tab Down Tab Tab
xdotool key --delay 40 ctrl+a 6 0 Tab ctrl+a 3 0
xdotool key Escape Return  # bound to nothing: the dialog stays
sleep 0.3  # nothing is to happen: give it the chance to go wrong
has_window_named "Clock Options" || fail "Escape or Enter closed Clock Options"
xdotool mousemove --window "$d" 340 247 click 1  # OK
wait_until 5 bash -c "! xdotool search --onlyvisible --name '^Clock Options\$' | grep -q ." ||
  fail "OK did not close Clock Options"
# The RGB face at 15:47 with saturation 60..30: 52 at 15 o'clock, so the hour
# bar shows hue 90 at saturation 52.
expect_pixel 103 115 bdff7a "hour bar of the RGB face"
expect_pixel 120 153 00ff00 "green disc of the hour column"

screenshot
covered=$(pixel 200 190)  # part of the face the About box will cover
open_menu "$(clock_window)"
xdotool key Up Up Right Return  # Help > About
wait_until 5 has_window_named "About Tint Watch" || fail "no About box"
a=$(window_named "About Tint Watch")
expect_placed "$a" "156 129 267 484" "About"
expect_pixel 160 135 ffffc0 "light-yellow About box"
xdotool windowactivate --sync "$a" key Escape
wait_until 5 bash -c "! xdotool search --onlyvisible --name '^About Tint Watch\$' | grep -q ." ||
  fail "Escape did not close the About box"
expect_pixel 200 190 "$covered" "the face where the About box was"
# (Clicks go to the left part of the clock, which the About box does not cover.)
open_menu "$(clock_window)" 15 55
xdotool key Up Up Right Return
wait_until 5 has_window_named "About Tint Watch" || fail "no About box the second time"

# Exit closes the About box too and writes the new settings.
exit_and_expect_file " 1500  1500  1  1  60  30  100  100  0  0  1 " 15 55
echo "dialogs: passed"
