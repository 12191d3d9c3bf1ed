#!/usr/bin/env bash
# A monitor taken away, then the whole screen shrunk as when a laptop is
# undocked: the clock left where there is no screen comes onto the one that
# is left, wholly, at its edge nearest to where it was; Exit saves that place.
. "$(dirname "$0")/lib.sh"
two_monitors() {
  xrandr --setmonitor LEFT 1280/338x1024/270+0+0 DUMMY0 &&
    xrandr --setmonitor RIGHT 1280/338x1024/270+1280+0 none
}
start_resizable_desktop two_monitors
start_with_settings " 30000  3000  0  1  100  100  100  100  0  0  1 "
w=$(clock_window)
expect_placed "$w" "2000 200 110 110" "on the right-hand monitor:"

xrandr --delmonitor RIGHT
expect_placed "$w" "1170 200 110 110" "right-hand monitor gone:"
expect_pixel $((1170 + 55)) $((200 + 55)) 80ff00 "hour disc after the move"

# One monitor over the whole screen again, the clock beyond the half that
# stays, then the screen shrinks to that half.
xrandr --delmonitor LEFT
xdotool windowmove "$w" 2000 300
expect_placed "$w" "2000 300 110 110" "moved back to the right:"
xrandr --output DUMMY0 --mode 1280x1024 --fb 1280x1024
expect_placed "$w" "1170 300 110 110" "screen shrunk:"
expect_pixel $((1170 + 55)) $((300 + 55)) 80ff00 "hour disc after the shrink"

exit_and_expect_file " 17550  4500  0  1  100  100  100  100  0  0  1 "
echo "screens change: passed"
