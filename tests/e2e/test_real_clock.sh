#!/usr/bin/env bash
# The face against the real wall clock, with no fake time: the seconds ring,
# read from the X server 300 ms and 700 ms into each second, names the second
# that began last, at a tick every second and every second second. (A face
# that reads a coarser clock than the one its ticks are aimed with shows the
# second that has just ended for whole stretches.) Behind the server's own
# screen saver (xset s activate) the clock does not wake at all, as its
# threads' context switches in /proc show; when the screen saver ends (xset s
# reset) the face shows the present second, and ticks on as before. The same
# behind a desktop's screen locker that says so on the session bus (Debian's
# mate-screensaver, which runs here without a desktop), and when the locker
# ends without a word the clock wakes as well.
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


# Every wake-up of every thread of the clock.
wakeups() { cat /proc/"$clock_pid"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n + 0}'; }
# Not one wake-up over the last 1.1 s: a clock still ticking never gets there.
quiet_second() {
  local from
  from=$(wakeups)
  sleep 1.1
  [ "$(wakeups)" = "$from" ]
}
# A span of the wall clock holding three whole seconds, each a tick due.
three_seconds() {
  local until=$(($(date +%s) + 4))
  while [ "$(date +%s)" -lt $until ]; do sleep 0.2; done
}
xset s activate
wait_until 10 quiet_second || fail "the clock still wakes behind the screen saver"
from=$(wakeups)
three_seconds
asleep=$(($(wakeups) - from))
# One stray event at most (the server's, the bus's); three ticks were due.
[ "$asleep" -le 1 ] || fail "$asleep wake-ups behind the screen saver over 3 s"
xset s reset
wait_until 5 "$probe" "$w" 53 20 now || fail "back from the screen saver, the face does not show the present second"
"$probe" "$w" 53 20 5 >"$work/after-saver" 2>&1 || fail "ticks after the screen saver: $(cat "$work/after-saver")"

# A real screen locker on the test's session bus.
mate-screensaver --no-daemon >"$work/locker.log" 2>&1 &
locker_pid=$!
pids+=($locker_pid)
wait_until 10 mate-screensaver-command --query || fail "mate-screensaver does not answer: $(cat "$work/locker.log")"
mate-screensaver-command --activate >/dev/null
wait_until 10 quiet_second || fail "the clock still wakes behind the active screen locker"
mate-screensaver-command --deactivate >/dev/null
wait_until 5 "$probe" "$w" 53 20 now || fail "back from the screen locker, the face does not show the present second"
wait_until 10 bash -c "! mate-screensaver-command --query | grep -q ' active'" || fail "the locker did not end"
# Active again, then gone without saying it is done: the clock wakes.
mate-screensaver-command --activate >/dev/null
wait_until 10 quiet_second || fail "the clock still wakes behind the screen locker, again"
kill "$locker_pid"
wait "$locker_pid" 2>/dev/null || true
wait_until 5 "$probe" "$w" 53 20 now || fail "with the locker gone, the face does not show the present second"
"$probe" "$w" 53 20 3 >"$work/after-locker" 2>&1 || fail "ticks after the locker: $(cat "$work/after-locker")"

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
echo "real clock: wake-ups over 3 s behind the screen saver: $asleep; after it: $(cat "$work/after-saver")"
echo "real clock: after the screen locker: $(cat "$work/after-locker")"
echo "real clock: passed"
