#!/usr/bin/env bash
# One clock per settings file: a start in a folder whose clock is running
# (reached by another path to the same folder) brings that clock to the
# front and back onto the screen, and ends; a start in another folder starts
# a clock of its own.
. "$(dirname "$0")/lib.sh"
start_desktop
home=$work/home
other=$work/other
mkdir -p "$home" "$other"
ln -s home "$work/same-folder"
write_settings "$home" " 1500  1500  0  1  100  100  100  100  0  0  1 "
write_settings "$other" " 6000  1500  0  1  100  100  100  100  0  0  1 "

start_clock "$home" "2026-12-07 15:47:33" clock.log
first_pid=$clock_pid
first_clock() { [ -n "$(clock_window_of "$first_pid")" ]; }
wait_until 10 first_clock || fail "no clock"
first=$(clock_window_of "$first_pid")
start_clock "$other" "2026-12-07 15:47:33" other.log
other_pid=$clock_pid
other_clock() { [ -n "$(clock_window_of "$other_pid")" ]; }
wait_until 10 other_clock || fail "a start in another folder gave no clock of its own"
second=$(clock_window_of "$other_pid")
expect_placed "$second" "400 100 110 110" "the other folder's clock"

# The first clock pushed mostly off the screen, the other one active.
xdotool windowmove "$first" -90 -80
expect_placed "$first" "-90 -80 110 110" "pushed off:"
xdotool windowactivate --sync "$second"

start_clock "$work/same-folder" "2026-12-07 15:47:33" again.log
again_pid=$clock_pid
ended() { ! kill -0 "$again_pid" 2>/dev/null; }
wait_until 10 ended || fail "a second start on the same settings did not end"
status=0
wait "$again_pid" || status=$?
[ "$status" = 0 ] || fail "the second start ended with status $status: $(cat "$work/again.log")"
expect_placed "$first" "0 0 110 110" "brought back onto the screen:"
active() { [ "$(xdotool getactivewindow)" = "$first" ]; }
wait_until 5 active || fail "the running clock was not brought to the front: $(xdotool getactivewindow)"
clocks=0
for w in $(program_windows); do
  xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q UTILITY && clocks=$((clocks + 1))
done
[ "$clocks" = 2 ] || fail "$clocks clocks, expected 2"
kill -0 "$first_pid" && kill -0 "$other_pid" || fail "a clock ended"
expect_pixel 55 55 80ff00 "the first clock's hour disc"
echo "one clock per folder: passed"
