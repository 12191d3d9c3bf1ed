#!/usr/bin/env bash
# White background off: the desktop shows through the white pixels and the
# colours stay; on again: white, and the clock gains a taskbar entry. A file
# with the white background off starts see-through.
. "$(dirname "$0")/lib.sh"
start_desktop
start_with_settings " 1500  1500  0  1  100  100  100  100  0  0  1 "
w=$(clock_window)
expect_pixel 102 102 ffffff "opaque corner"

open_menu "$w"
xdotool key Down Down Return  # White background
expect_pixel 102 102 000000 "see-through corner"
expect_pixel 155 155 80ff00 "hour disc while see-through"
xwininfo -id "$(clock_window)" -shape | grep -q 'Window shape extents' ||
  fail "no window shape: $(xwininfo -id "$(clock_window)" -shape | grep -i shape)"
[[ $(xprop -id "$(clock_window)" _NET_WM_STATE) == *SKIP_TASKBAR* ]] || fail "taskbar entry too early"

open_menu "$(clock_window)"
xdotool key Down Down Return
expect_pixel 102 102 ffffff "opaque again"
xwininfo -id "$(clock_window)" -shape | grep -q 'No window shape defined' || fail "a shape is left over"
taskbar_entry() { ! xprop -id "$(clock_window)" _NET_WM_STATE | grep -q SKIP_TASKBAR; }
wait_until 5 taskbar_entry || fail "no taskbar entry after the white background came back"

# Off once more: see-through again, and the taskbar entry stays.
open_menu "$(clock_window)"
xdotool key Down Down Return
expect_pixel 102 102 000000 "see-through again"
taskbar_entry || fail "the taskbar entry went with the white background"

# Stay on Top off and on again gives the window new flags: it stays
# see-through, where it was, with its taskbar entry.
on_top() { xprop -id "$(clock_window)" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
place() { xwininfo -id "$(clock_window)" | grep 'Absolute upper-left'; }
before=$(place)
for want in off on; do
  open_menu "$(clock_window)"
  xdotool key Down Return  # Stay on Top
  if [ $want = off ]; then wait_until 5 eval '! on_top' || fail "still on top"; else wait_until 5 on_top || fail "not on top again"; fi
  expect_pixel 102 102 000000 "see-through with Stay on Top $want"
  expect_pixel 155 155 80ff00 "hour disc with Stay on Top $want"
  taskbar_entry || fail "the taskbar entry went with Stay on Top $want"
  [ "$(place)" = "$before" ] || fail "moved with Stay on Top $want: $(place)"
done
stop_clock

write_settings "$folder" " 1500  1500  0  1  100  100  100  100  0  0  0 "
start_clock "$folder"
wait_until 10 has_clock_window || fail "no clock with the white background off"
expect_pixel 102 102 000000 "see-through from the start"
expect_pixel 155 155 80ff00 "hour disc from the start"
[[ $(xprop -id "$(clock_window)" _NET_WM_STATE) == *SKIP_TASKBAR* ]] || fail "see-through start has a taskbar entry"
stop_clock

# At twice the scale the holes are exactly the pure-white device pixels: the
# see-through clock shows, pixel for pixel, the opaque clock with its white
# turned into the (black) desktop.
write_settings "$folder" " 1500  1500  0  1  100  100  100  100  0  0  1 "
QT_SCALE_FACTOR=2 start_clock "$folder"
wait_until 10 has_clock_window || fail "no clock at scale 2"
expect_pixel 204 204 ffffff "opaque corner at scale 2"
expect_pixel 310 310 80ff00 "hour disc at scale 2"
crop() { import -window root -crop 220x220+200+200 +repage "$work/$1.png"; }
crop opaque
open_menu "$(clock_window)"
xdotool key Down Down Return  # White background
expect_pixel 204 204 000000 "see-through corner at scale 2"
convert "$work/opaque.png" -fill black -opaque white "$work/expected.png"
differing() { crop shaped && compare -metric AE "$work/expected.png" "$work/shaped.png" null: 2>&1; }
same_pixels() { [ "$(differing)" = 0 ]; }
wait_until 5 same_pixels || fail "at scale 2, $(differing) device pixels differ from the opaque clock with white made holes"

# Bigger while see-through: the shape follows the new size at once, again
# exactly the white device pixels. The reference is the opaque clock at that
# size.
sized() { [ "$(geometry "$(clock_window)" | awk '{print $3}')" = "$1" ]; }
crop() { import -window root -crop 440x440+200+200 +repage "$work/$1.png"; }
open_menu "$(clock_window)"
xdotool key Down Down Return  # White background: on
expect_pixel 204 204 ffffff "opaque again at scale 2"
focus_clock "$(clock_window)"
xdotool key equal
wait_until 5 sized 440 || fail "Bigger at scale 2: $(geometry "$(clock_window)")"
expect_pixel 204 204 ffffff "opaque corner, bigger"
expect_pixel 420 420 80ff00 "hour disc, bigger"
crop opaque
xdotool key minus
wait_until 5 sized 220 || fail "Smaller at scale 2: $(geometry "$(clock_window)")"
open_menu "$(clock_window)"
xdotool key Down Down Return  # White background: off
expect_pixel 204 204 000000 "see-through corner at scale 2, before Bigger"
focus_clock "$(clock_window)"
xdotool key equal
wait_until 5 sized 440 || fail "Bigger while see-through: $(geometry "$(clock_window)")"
convert "$work/opaque.png" -fill black -opaque white "$work/expected.png"
wait_until 5 same_pixels || fail "after Bigger, $(differing) device pixels differ from the opaque clock with white made holes"
echo "see-through: passed"
