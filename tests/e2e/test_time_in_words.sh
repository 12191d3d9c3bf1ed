#!/usr/bin/env bash
# The time in words: a hover over the clock at a frozen time shows that time
# and the hands' colours in a tip, which a screen reader reads back; the
# clock's accessible description holds the same text and follows the minute.
SESSION_BUS=1
. "$(dirname "$0")/lib.sh"
start_desktop
screen_reader_on
# Saturation 40 at every hour: the colours are pale.
start_with_settings " 1500  1500  0  1  40  40  100  100  0  0  1 "
w=$(clock_window)
words='15:47:33\nhour pale lime, minute pale violet, second pale azure'
expect_pixel 153 153 ccff99 "pale lime hour disc"
ring=$(pixel 170 185)  # the second ring, where the tip will lie

# Resting on the clock, the pointer brings the tip up beside it.
xdotool mousemove --window "$w" 60 60 sleep 0.1 mousemove --window "$w" 62 62
wait_until 10 has_tooltip || fail "no tip on hovering the clock"
read -r x y _ _ < <(geometry "$(tooltip_window)")
[ "$x" -ge 150 ] && [ "$x" -le 200 ] && [ "$y" -ge 150 ] && [ "$y" -le 200 ] || fail "tip at $x,$y, not by the pointer"
tip_reads() { grep -Fxq "tool tip|$words|" <<<"$(accessible_texts)"; }
wait_until 10 tip_reads || fail "tip: $(accessible_texts | grep '^tool tip')"
grep -Fxq "filler|Tintwatch|$words" <<<"$(accessible_texts)" || fail "description: $(accessible_texts | grep '|Tintwatch|')"
menu_shown && fail "the tip was taken for a menu"

# The pointer leaves, the tip goes, and the face shows again where it lay.
xdotool mousemove 600 600
no_tooltip() { ! has_tooltip; }
wait_until 10 no_tooltip || fail "the tip stayed after the pointer left"
expect_pixel 170 185 "$ring" "second ring after the tip"

# A running clock: the description is renewed when the minute changes.
described() { grep -q "^filler|Tintwatch|$1" <<<"$(accessible_texts)"; }
stop_clock
wait "$clock_pid" 2>/dev/null || true
start_clock "$folder" "@2026-12-07 15:47:57"
wait_until 10 has_clock_window || fail "no clock the second time"
wait_until 10 described '15:47:5[7-9]\\nhour pale lime, minute pale violet, second pale ' ||
  fail "description at the start: $(accessible_texts | grep '|Tintwatch|')"
wait_until 20 described '15:48:[0-9][0-9]\\nhour pale lime, minute pale magenta, second pale ' ||
  fail "description after the minute: $(accessible_texts | grep '|Tintwatch|')"
no_sanitizer_report
echo "time in words: passed"
