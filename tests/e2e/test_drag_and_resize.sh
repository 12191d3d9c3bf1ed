#!/usr/bin/env bash
# A saved place is used; a left-button drag moves the clock and Exit saves the
# new place; minus and plus halve and double it, the keypad's keys do not;
# a storm of keys leaves the window no larger than its face.
. "$(dirname "$0")/lib.sh"
start_desktop
# A running clock, so that its ticking after the drag shows.
start_with_settings " 1500  1200  0  1  100  100  100  100  0  0  1 " "@2026-12-07 15:47:33"
w=$(clock_window)
at() { [ "$(geometry "$(clock_window)")" = "$1" ]; }
wait_until 5 at "100 80 110 110" || fail "not at the saved place: $(geometry "$w")"

# Drag: press on colour, move until the clock has followed, release. (The
# window manager's move may start late on a busy machine: a release sent
# before it would end the move before the clock went anywhere.)
xdotool mousemove --window "$w" 55 15 mousedown 1
moved() { read -r x y _ < <(geometry "$(clock_window)"); [ "$x" -gt 130 ] && [ "$y" -gt 100 ]; }
drag_on() { xdotool mousemove_relative --sync 6 4; moved; }
wait_until 10 drag_on || fail "drag did not move the clock: $(geometry "$(clock_window)")"
xdotool mouseup 1
read -r x y _ < <(geometry "$(clock_window)")

# The clock ticks again after the drag: the seconds ring follows the time.
second_ring() { screenshot; pixel $((x + 55)) $((y + 53 + 32)); }
ticked() { [ "$(second_ring)" != "$1" ]; }
ring=$(second_ring)
wait_until 10 ticked "$ring" || fail "the clock did not tick after the drag"
focus_clock "$w" 55 15
xdotool key minus
wait_until 5 at "$x $y 55 55" || fail "minus: $(geometry "$(clock_window)")"
xdotool key minus
wait_until 5 at "$x $y 28 28" || fail "second minus: $(geometry "$(clock_window)")"
xdotool key equal
wait_until 5 at "$x $y 56 56" || fail "plus: $(geometry "$(clock_window)")"
# No larger than the face needs (1650 twips), where doubling 56 would give 112.
xdotool key plus
wait_until 5 at "$x $y 110 110" || fail "second plus: $(geometry "$(clock_window)")"
# Keys come in order: once the main keyboard's key after a keypad key has
# taken effect, the keypad key has been handled, and it resized nothing.
xdotool key KP_Subtract equal
wait_until 5 at "$x $y 220 220" || fail "keypad minus resized the clock: $(geometry "$(clock_window)")"
xdotool key KP_Add minus
wait_until 5 at "$x $y 110 110" || fail "keypad plus resized the clock: $(geometry "$(clock_window)")"
# The face follows the size: the hour disc at the new centre.
expect_pixel $((x + 53)) $((y + 53)) 80ff00 "hour disc after resizing"

# A key held down: down to nothing and up again. The window grows back with
# its face and never beyond what the face needs; the largest face stops it.
sized() { [ "$(geometry "$(clock_window)" | cut -d' ' -f3-)" = "$1" ]; }
xdotool key --repeat 11 --delay 20 minus
wait_until 5 sized "1 1" || fail "eleven minus: $(geometry "$(clock_window)")"
xdotool key --repeat 16 --delay 20 equal
wait_until 10 sized "2252 2252" || fail "sixteen plus: $(geometry "$(clock_window)")"
xdotool key equal minus
wait_until 5 sized "1126 1126" || fail "plus at the largest face, then minus: $(geometry "$(clock_window)")"
read -r x y _ < <(geometry "$(clock_window)")

exit_and_expect_file " $((x * 15))  $((y * 15))  0  1  100  100  100  100  0  0  1 " 55 15
echo "drag and resize: passed"
