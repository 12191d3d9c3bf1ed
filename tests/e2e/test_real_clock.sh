#!/usr/bin/env bash
# The face against the real wall clock, with no fake time: the seconds ring,
# read from the X server 300 ms and 700 ms into each second, names the second
# that began last, at a tick every second and every second second. (A face
# that reads a coarser clock than the one its ticks are aimed with shows the
# second that has just ended for whole stretches.)
. "$(dirname "$0")/lib.sh"
probe=${SECOND_PROBE:?path of second_probe}
start_desktop
folder=$work/home
mkdir -p "$folder"
# Tick rate 2 in the file: it takes effect when Clock Options closes.
write_settings "$folder" " 1500  1500  0  2  100  100  100  100  0  0  1 "
(cd "$folder" && TZ=UTC QT_QPA_PLATFORM=xcb exec "$TINTWATCH" >"$work/clock.log" 2>&1) &
clock_pid=$!
pids+=($clock_pid)
wait_until 10 has_clock_window || fail "no clock"
w=$(clock_window)
# A point of the seconds ring, between the minute disc and the rim.
"$probe" "$w" 53 20 20 >"$work/every-second" 2>&1 || fail "a tick every second: $(cat "$work/every-second")"

open_menu "$w"
xdotool key Down Down Down Down Down Return  # Clock Options ...
wait_until 5 has_window_named "Clock Options" || fail "no Clock Options dialog"
d=$(window_named "Clock Options")
expect_placed "$d" "184 250 402 327" "Clock Options"
xdotool mousemove --window "$d" 340 247 click 1  # OK
wait_until 5 bash -c "! xdotool search --onlyvisible --name '^Clock Options\$' | grep -q ." ||
  fail "OK did not close Clock Options"
"$probe" "$w" 53 20 20 2 >"$work/every-2-seconds" 2>&1 || fail "a tick every 2 s: $(cat "$work/every-2-seconds")"
clock_running || fail "the program ended"
no_sanitizer_report
echo "real clock: every second: $(cat "$work/every-second"); every 2 s: $(cat "$work/every-2-seconds")"
echo "real clock: passed"
