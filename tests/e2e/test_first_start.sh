#!/usr/bin/env bash
# First start without a settings file: the welcome box before the clock, then
# the 110 x 110 borderless clock on top with no taskbar entry, its colours at
# a fixed time, and Exit writing the file.
. "$(dirname "$0")/lib.sh"
start_desktop
folder=$work/home
mkdir -p "$folder"
start_clock "$folder"

wait_until 10 has_window_named "The Tint Watch with a Hue tester" || fail "no welcome box"
has_clock_window && fail "the clock showed before the welcome box was closed"
xdotool windowactivate --sync "$(window_named "The Tint Watch with a Hue tester")" key Return
wait_until 10 has_clock_window || fail "no clock after the welcome box"
w=$(clock_window)
read -r x y width height < <(geometry "$w")
[ "$width $height" = "110 110" ] || fail "clock is ${width}x${height}"
state=$(xprop -id "$w" _NET_WM_STATE)
[[ $state == *_NET_WM_STATE_ABOVE* ]] || fail "not on top: $state"
[[ $state == *_NET_WM_STATE_SKIP_TASKBAR* ]] || fail "has a taskbar entry: $state"
xprop -id "$w" _MOTIF_WM_HINTS | grep -q '= 0x2, 0x[0-9a-f]*, 0x0' || fail "has a border: $(xprop -id "$w" _MOTIF_WM_HINTS)"
# The icon, drawn once the clock is up: 16 x 16 to 64 x 64.
has_icon() { xprop -id "$w" _NET_WM_ICON | grep -q 'Icon (64 x 64)'; }
wait_until 5 has_icon || fail "no window icon: $(xprop -id "$w" _NET_WM_ICON | head -c 200)"

# 15:47:33: hour 90 in the centre, minute 282 and second 198 in their rings,
# and at 12 o'clock in the minute ring the colour of position 359.
expect_pixel $((x + 55)) $((y + 55)) 80ff00 "hour disc"
expect_pixel $((x + 55)) $((y + 53 - 23)) b200ff "minute ring"
expect_pixel $((x + 55)) $((y + 53 + 32)) 00b3ff "second ring"
expect_pixel $((x + 53 - 2)) $((y + 53 - 41)) ff0004 "minute rim at 12 o'clock"
expect_pixel $((x + 2)) $((y + 2)) ffffff "white corner"
expect_pixel $((x + 108)) $((y + 108)) ffffff "white corner"

# Exit from the menu: the last item, reached with Up.
exit_and_expect_file " $((x * 15))  $((y * 15))  0  1  100  100  100  100  0  0  1 "
# A session bus that takes the connection and never answers, and none at all
# (where libdbus would start one for the display): the clock still comes up
# drawn and ticks, and starts no bus of its own.
python3 -c 'import socket, sys, time
s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(8)
while True: time.sleep(60)' "$work/silent-bus" &
pids+=($!)
wait_until 10 test -S "$work/silent-bus" || fail "no silent bus"
second_ring_changes() {
  local before
  screenshot
  before=$(pixel $((x + 55)) $((y + 53 + 32)))
  wait_until 5 bash -c "import -window root '$work/screen.png' && [ \"\$(convert '$work/screen.png' -crop 1x1+$((x + 55))+$((y + 85)) -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')\" != '#${before^^}' ]"
}
# A bus started for this display by libdbus (dbus-launch), none of the test's.
bus_for_display() {
  local pid
  for pid in $(pgrep -x dbus-launch || true); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" && return 0
  done
  return 1
}
own_bus=$DBUS_SESSION_BUS_ADDRESS
for bus in "unix:path=$work/silent-bus" none; do
  printf '%s\r\n' " 1500  1500  0  1  100  100  100  100  0  0  1 " >"$folder/Tintwatch.txt"
  if [ "$bus" = none ]; then
    unset DBUS_SESSION_BUS_ADDRESS
  else
    export DBUS_SESSION_BUS_ADDRESS=$bus
  fi
  XDG_RUNTIME_DIR= start_clock "$folder" "@2026-12-07 15:47:33"
  export DBUS_SESSION_BUS_ADDRESS=$own_bus
  wait_until 10 has_clock_window || fail "bus $bus: no clock"
  w=$(clock_window)
  read -r x y _ < <(geometry "$w")
  expect_pixel $((x + 55)) $((y + 55)) 80ff00 "bus $bus: hour disc"
  second_ring_changes || fail "bus $bus: the clock does not tick"
  ! bus_for_display || fail "bus $bus: a bus was started for the display"
  kill "$clock_pid"
  wait_until 10 bash -c "! kill -0 $clock_pid" || fail "bus $bus: the clock did not end"
done
echo "first start: passed"
