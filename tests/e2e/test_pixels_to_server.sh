#!/usr/bin/env bash
# Ticks go straight to the window: through shared memory when the X server is
# on this machine and offers it, else through the connection, both for a
# local server without the extension and for a server reached over the
# network (here the same machine's, over TCP). Either way the ticking clock
# shows the right pixels. Which way they went shows in the bytes the program
# writes for a tick: a few dozen, or the tick's whole changed part.
. "$(dirname "$0")/lib.sh"

written() { awk '/^wchar/ {print $2}' "/proc/$clock_pid/io"; }
ring() { screenshot && pixel 187 155; }  # the seconds ring
ring_changed_from() { [ "$(ring)" != "$1" ]; }
has_icon() { xprop -id "$(clock_window)" _NET_WM_ICON | grep -q 'Icon ('; }

# check_ticks WHAT SHARED: a running clock whose ticks are seen on the
# screen; SHARED 1 when they must come through shared memory.
check_ticks() {
  local what=$1 shared=$2 rim minute first before bytes
  folder=$work/home
  mkdir -p "$folder"
  write_settings "$folder" " 1500  1500  0  1  100  100  100  100  0  0  1 "
  start_clock "$folder" "@2026-12-07 15:47:33"
  wait_until 10 has_clock_window || fail "no clock ($what)"
  expect_pixel 155 155 80ff00 "hour disc ($what)"
  # The window icon goes out once, after the first frame: not a tick's bytes.
  wait_until 5 has_icon || fail "no window icon ($what)"
  rim=$(pixel 151 112)
  minute=$(pixel 175 155)
  first=$(ring)
  wait_until 5 ring_changed_from "$first" || fail "no tick shown ($what)"
  # From one tick seen to the next: the bytes of (about) one tick.
  first=$(ring)
  before=$(written)
  wait_until 5 ring_changed_from "$first" || fail "no second tick shown ($what)"
  bytes=$(($(written) - before))
  if [ "$shared" = 1 ]; then
    [ "$bytes" -lt 4096 ] || fail "$bytes bytes written for a tick through shared memory ($what)"
  else
    [ "$bytes" -ge 16384 ] || fail "only $bytes bytes written for a tick without shared memory ($what)"
  fi
  # The pixels a tick put there are the picture's, in their places.
  [ "$(pixel 155 155)" = 80ff00 ] || fail "hour disc after ticks is $(pixel 155 155) ($what)"
  [ "$(pixel 175 155)" = "$minute" ] || fail "minute ring after ticks is $(pixel 175 155), was $minute ($what)"
  [ "$(pixel 151 112)" = "$rim" ] || fail "rim after ticks is $(pixel 151 112), was $rim ($what)"
  [ "$(pixel 102 102)" = ffffff ] || fail "corner after ticks is $(pixel 102 102) ($what)"
  kill "$clock_pid"
  wait "$clock_pid" 2>/dev/null || true
  no_sanitizer_report
}

start_desktop -nolisten tcp +extension MIT-SHM
check_ticks "local server with shared memory" 1
kill "$xvfb_pid"

start_desktop -nolisten tcp -extension MIT-SHM
check_ticks "local server without shared memory" 0
kill "$xvfb_pid"

# The clock alone reaches the server over the network.
start_desktop -listen tcp -ac +extension MIT-SHM
DISPLAY=localhost$DISPLAY check_ticks "server over the network" 0
echo "pixels to the server: passed"
