#!/usr/bin/env bash
# The clock on a real desktop, seen as a user sees it, in the compositor's
# own picture where it has one: at the place its file gives, above a window
# activated after it, the window below and the desktop showing through the
# white with White background off and a click there going through while the
# colours keep theirs, a drag and Exit saving the new place, Bigger and
# Smaller, the menu, Clock Options and the hue check test where they should
# be, and the tip with the time in words. A check that fails is reported and
# the test goes on where it can, so that one run names every fault; it fails
# at its end.
# test_desktops.sh sway|mutter|kwin|kwin_x11|mutter_x11|xfce
[ -z "${TEST_TRACE:-}" ] || set -x
desktop=${1:?which desktop: sway, mutter, kwin, kwin_x11, mutter_x11 or xfce}
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/compositors.sh"
[ -z "${TEST_TRACE:-}" ] || set -x
case $desktop in
  sway | mutter | kwin | kwin_x11 | mutter_x11 | xfce) "start_$desktop" ;;
  *) echo "unknown desktop $desktop" >&2; exit 2 ;;
esac
started=$SECONDS
note() { echo "$desktop_name: $*"; }
note "pictures: $shot_source"
# A click that gives a window the focus; where the pointer is not the
# compositor's, the window is activated as a pager would.
focus_by_click() {  # X Y WINDOW
  pointer_click "$1" "$2"
  [ "$pointer_in_compositor" = yes ] || xdotool windowactivate "$3" 2>/dev/null || true
}
[ "$pointer_in_compositor" = yes ] ||
  note "NOT CHECKED: clicks that focus and drags: the pointer is XWayland's, which the compositor does not see"

# Checks whose failure leaves the rest worth doing: each is named, with the
# picture kept, and the test fails at its end.
problems=()
check() {  # WHAT COMMAND...
  local what=$1
  shift
  wait_until 5 "$@" && return 0
  local keep="${TMPDIR:-/tmp}/tintwatch-e2e-$desktop-$$-$((${#problems[@]} + 1)).png"
  cp "$work/screen.png" "$keep" 2>/dev/null || keep="(no picture)"
  problems+=("$what (screenshot: $keep)")
  echo "$desktop_name: NOT OK: $what (screenshot: $keep)"
  return 1
}

# The desktop before any window: what shows through is compared with it
# (a desktop may be a gradient).
screenshot
cp "$work/screen.png" "$work/desktop.png"
desktop_at() { convert "$work/desktop.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr -d '#' | tr 'A-F' 'a-f'; }
desktop_colour=$(desktop_at 1000 740)
note "desktop colour $desktop_colour at 1000,740"

# Two colours alike but for a compositor's shading (a shadow under the
# window shows through its holes too): each channel within 12.
colour_near() {  # RRGGBB RRGGBB
  local i a b
  for i in 0 2 4; do
    a=$((16#${1:i:2})) b=$((16#${2:i:2}))
    [ $((a > b ? a - b : b - a)) -le 12 ] || return 1
  done
}
near_pixel() { screenshot; colour_near "$(pixel "$1" "$2")" "$3"; }

# The clock's X window, where it has one (a native Wayland window is not
# seen by the X tools).
x_geometry() { local w; w=$(clock_window); [ -n "$w" ] && geometry "$w"; }

# The face as the compositor shows it: white corners, the hour disc at the
# centre, and no white outside.
clock_at() {  # X Y SIZE
  local x=$1 y=$2 size=$3
  local centre=$((size / 2))
  screenshot
  [ "$(pixel $((x + 2)) $((y + 2)))" = ffffff ] && [ "$(pixel $((x + centre)) $((y + centre)))" = 80ff00 ] &&
    [ "$(pixel $((x + size - 3)) $((y + size - 3)))" = ffffff ] && [ "$(pixel $((x - 2)) $((y - 2)))" != ffffff ]
}
shown_at() {  # X Y SIZE: what the picture shows there
  echo "$(pixel $(($1 + 2)) $(($2 + 2))) at the corner, $(pixel $(($1 + $3 / 2)) $(($2 + $3 / 2))) at the centre"
}
expect_clock_at() {  # X Y SIZE WHAT
  check "$4: the clock shown at $1,$2, $3 px" clock_at "$1" "$2" "$3" && return 0
  echo "  shown there: $(shown_at "$1" "$2" "$3"); its X window: $(x_geometry || echo none)"
  return 1
}

# The place its settings file gives: 1500 twips = 100 px. Where the clock
# stands elsewhere, the checks after this one go where it is.
start_with_settings " 1500  1500  0  1  100  100  100  100  0  0  1 "
cx=100 cy=100
if expect_clock_at 100 100 110 "place from the file"; then
  note "clock at 100,100 (X window: $(x_geometry))"
else
  read -r cx cy _ < <(x_geometry) || fail "the clock is nowhere to be seen"
  wait_until 5 clock_at "$cx" "$cy" 110 || fail "the clock is not shown where its X window is, $cx,$cy"
  note "the clock stands at $cx,$cy instead: the checks below go there"
fi
# Places on the clock: on its colours, and a white corner.
colour_x=$((cx + 55)) colour_y=$((cy + 20))
disc_x=$((cx + 55)) disc_y=$((cy + 55))
corner_x=$((cx + 2)) corner_y=$((cy + 2))

# The menu opens on a right click, by the pointer, on the screen.
menu_near() {  # X Y: the menu's X window lies by the point, all on the screen
  local w mx my mw mh
  for w in $(program_windows); do
    is_menu "$w" || continue
    read -r mx my mw mh < <(geometry "$w")
    [ $((mx - $1)) -ge -5 ] && [ $((mx - $1)) -le 40 ] && [ $((my - $2)) -ge -5 ] && [ $((my - $2)) -le 40 ] &&
      [ $((mx + mw)) -le "$screen_width" ] && [ $((my + mh)) -le "$screen_height" ] && return 0
  done
  return 1
}
open_menu_at() {  # X Y WHAT
  pointer_click "$1" "$2" right
  wait_until 5 menu_shown || fail "$3: no popup menu on a right click at $1,$2"
}
open_menu_at $colour_x $colour_y "a right click on the clock"
check "the menu by the pointer, on the screen: $(for w in $(program_windows); do geometry "$w"; done)" \
  menu_near $colour_x $colour_y
# As the compositor shows it, where its first item lies: neither the face
# nor the desktop.
menu_drawn() {
  screenshot
  local p
  p=$(pixel $((colour_x + 35)) $((colour_y + 10)))
  [ "$p" != "$(desktop_at $((colour_x + 35)) $((colour_y + 10)))" ] && [ "$p" != ff0004 ] && [ "$p" != ffffff ]
}
check "the menu drawn by the pointer: $(pixel $((colour_x + 35)) $((colour_y + 10)))" menu_drawn &&
  note "menu by the pointer"
press_keys Escape
wait_until 5 menu_closed || fail "Escape left the menu open"

# The tip with the time in words: the pointer resting on the clock.
pointer_move $((disc_x + 5)) $((disc_y + 5))
pointer_move $((disc_x + 7)) $((disc_y + 7))
if wait_until 10 has_tooltip; then
  read -r tx ty tw th < <(geometry "$(tooltip_window)")
  near_pointer() { [ "$tx" -ge $((disc_x - 5)) ] && [ "$tx" -le $((disc_x + 45)) ] && [ "$ty" -ge $((disc_y - 5)) ] && [ "$ty" -le $((disc_y + 45)) ]; }
  check "the tip by the pointer, at $tx,$ty" near_pointer
  tip_drawn() { screenshot; local p; p=$(pixel $((tx + tw - 4)) $((ty + th / 2))); [ "$p" != "$(desktop_at $((tx + tw - 4)) $((ty + th / 2)))" ] && [ "$p" != ffffff ]; }
  check "the tip drawn at $tx,$ty" tip_drawn && note "tip by the pointer at $tx,$ty (${tw}x$th)"
else
  check "a tip on hovering the clock" has_tooltip
fi
pointer_move 700 600
no_tooltip() { ! has_tooltip; }
wait_until 10 no_tooltip || fail "the tip stayed after the pointer left"

# Bigger and Smaller, the keys of a clock that has the focus.
focus_by_click $colour_x $colour_y "$(clock_window)"
press_keys equal
expect_clock_at $cx $cy 220 "Bigger" && note "Bigger"
press_keys minus
expect_clock_at $cx $cy 110 "Smaller" && note "Smaller"

# A dialog of the program's, on the screen, by the clock, drawn there.
dialog_placed() {  # TITLE
  local d x y w h
  d=$(window_named "$1")
  [ -n "$d" ] || return 1
  read -r x y w h < <(geometry "$d")
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$screen_width" ] && [ $((y + h)) -le "$screen_height" ] &&
    [ $((x - cx)) -le 300 ] && [ $((y - cy)) -le 300 ] && [ $((x + w)) -ge "$cx" ] && [ $((y + h)) -ge "$cy" ] || return 1
  screenshot
  [ "$(pixel $((x + w / 2)) $((y + h / 2)))" != "$(desktop_at $((x + w / 2)) $((y + h / 2)))" ]
}
gone_named() { ! has_window_named "$1"; }
open_menu_at $colour_x $colour_y "Clock Options"
press_keys Down Down Down Down Down Return
wait_until 5 has_window_named "Clock Options" || fail "no Clock Options"
check "Clock Options on the screen by the clock, at $(geometry "$(window_named "Clock Options")")" \
  dialog_placed "Clock Options" && note "Clock Options at $(geometry "$(window_named "Clock Options")")"
# OK has the focus; Tab to Cancel.
press_keys Tab space
wait_until 5 gone_named "Clock Options" || fail "Cancel did not close Clock Options"

# The hue check test: set up by the clock, run on the face, and a key
# pressed while the second colour shows is counted (that change is not
# missed).
open_menu_at $colour_x $colour_y "A Hue Check Test"
press_keys Up Up Up Return
wait_until 5 has_window_named "Hue Check Test" || fail "no Hue Check Test"
check "Hue Check Test on the screen by the clock, at $(geometry "$(window_named "Hue Check Test")")" \
  dialog_placed "Hue Check Test" && note "Hue Check Test at $(geometry "$(window_named "Hue Check Test")")"
read -r hx hy _ < <(geometry "$(window_named "Hue Check Test")")
pointer_click $((hx + 555)) $((hy + 253))  # OK - start test
wait_until 5 gone_named "Hue Check Test" || fail "OK did not start the hue check test"
# The hues of a 12-change run, as the face shows them. A key is pressed
# once a change after the first colour has been seen; it counts for that
# colour or, had the next changes come first, for one of the two after it (a
# compositor's picture may lag a change behind, and a busy machine the key).
hue_of() {
  case $1 in
    ff8000) echo 30 ;; ffff00) echo 60 ;; 80ff00) echo 90 ;; 00ff00) echo 120 ;; 00ff80) echo 150 ;;
    00ffff) echo 180 ;; 0080ff) echo 210 ;; 0000ff) echo 240 ;; 8000ff) echo 270 ;; ff00ff) echo 300 ;;
    *) return 1 ;;
  esac
}
# (Read left of the click that gives the clock the keys: a compositor may draw
# its pointer into its picture.)
test_hue() { screenshot; hue=$(hue_of "$(pixel $((disc_x - 20)) $disc_y)"); }
# (The keys go to the clock once it has the focus: a click on the face.)
pointer_click $disc_x $disc_y
if wait_until 20 test_hue; then
  press_keys space
else
  check "a colour of the hue check test shown on the face: $(pixel $disc_x $disc_y)" test_hue
  hue=none
fi
wait_until 60 has_window_named "Hue Check Test" || fail "no result of the hue check test"
read -r hx hy _ < <(geometry "$(window_named "Hue Check Test")")
result() { xclip -o -selection clipboard 2>/dev/null; }
has_result() { [[ "$(result)" == *missed* ]]; }
# Again until it is copied: on a busy machine the keys may come before the
# click has given the result box the focus, and a manager may keep the
# focus where the last click went (on the clock, during the run) until the
# dialog is asked for: this reads the result, it does not test the focus.
copy_result() {
  xdotool windowactivate "$(window_named "Hue Check Test")" 2>/dev/null || true
  pointer_click $((hx + 100)) $((hy + 265))
  press_keys ctrl+a ctrl+c
  wait_until 1 has_result
}
wait_until 10 copy_result || fail "no result text: [$(result)]"
counted() {
  [[ "$(result)" == *"the 11 changes"* ]] && { [[ "$(result)" != *" $hue "* ]] || [[ "$(result)" != *" $((hue + 30)) "* ]] ||
    [[ "$(result)" != *" $((hue + 60)) "* ]]; }
}
check "the key pressed at hue $hue counted in the hue check test: $(result)" counted &&
  note "hue check test: the key pressed at hue $hue counted"
pointer_click $((hx + 555)) $((hy + 285))  # Cancel
wait_until 5 gone_named "Hue Check Test" || fail "Cancel did not close the result of the hue check test"
expect_clock_at $cx $cy 110 "the clock after the hue check test"

# A window activated after the clock, over it: the clock stays above. Its
# big button lies under the clock's white corner, for the click below; its
# text lies beside the clock, for the click that activates it.
start_in_session "$work/second.out" xmessage -geometry +$((cx - 60))+$((cy - 80)) -bg '#a05020' -fg black \
  -buttons hit:3 -print -xrm '*hit.width: 300' -xrm '*hit.height: 200' -xrm '*hit.shapeStyle: rectangle' \
  "a window over the clock, activated after it"
second_window() { xdotool search --onlyvisible --classname '^xmessage$' 2>/dev/null | head -n 1; }
has_second() { [ -n "$(second_window)" ]; }
wait_until 10 has_second || fail "no second window"
place_window Xmessage $((cx - 60)) $((cy - 80))
# Its parts on the screen: "WIDTH HEIGHT X Y" of the button and of the text.
parts() {
  xwininfo -tree -id "$(second_window)" |
    sed -n 's/.*(has no name): () *\([0-9]*\)x\([0-9]*\)+-\{0,1\}[0-9]*+-\{0,1\}[0-9]* *+\(-\{0,1\}[0-9]*\)+\(-\{0,1\}[0-9]*\).*/\1 \2 \3 \4/p'
}
button_part() { parts | awk '$1 == 300 && $2 == 200' | head -n 1; }
text_part() { parts | awk '$1 > 100 && $2 < 40' | head -n 1; }
has_parts() { [ -n "$(button_part)" ] && [ -n "$(text_part)" ]; }
wait_until 10 has_parts || fail "the second window has no button and text: $(parts)"
read -r _ _ bx by < <(button_part)
read -r sw sh sx sy < <(text_part)
[ "$bx" -lt "$cx" ] && [ "$by" -lt "$cy" ] && [ $((bx + 300)) -gt $((cx + 115)) ] && [ $((by + 200)) -gt $((cy + 115)) ] ||
  fail "the second window's button is not under the clock: at $bx,$by"
second_drawn() { screenshot; [ "$(pixel $((bx + 290)) $((by + 190)))" = a05020 ]; }
wait_until 10 second_drawn || fail "the second window is not shown: $(pixel $((bx + 290)) $((by + 190))) at its button's corner"
focus_by_click $((sx + sw - 10)) $((sy + sh / 2)) "$(second_window)"
# (xfwm4 gives a second, empty value.)
active() { [ "$(xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p')" = "$(printf '0x%x' "$(second_window)")" ]; }
wait_until 5 active || fail "the second window is not the active one after a click on it: $(xprop -root _NET_ACTIVE_WINDOW)"
expect_clock_at $cx $cy 110 "above the window activated after it" && note "clock above the window activated after it"

# See-through: White background off.
open_menu_at $colour_x $colour_y "White background"
press_keys Down Down Return
wait_until 5 menu_closed || fail "the menu stayed after White background"
expect_pixel $disc_x $disc_y 80ff00 "the hour disc while see-through"
# The window below shows through the white corner, and the desktop beside
# it: both pictures are kept.
if [ "$shows_holes" = yes ]; then
  check "the window below (a05020) through the white corner at $corner_x,$corner_y" \
    near_pixel $corner_x $corner_y a05020 && note "see-through: the window below shows"
  echo "  shown there: $(pixel $corner_x $corner_y)"
else
  note "see-through NOT SEEN: the picture here is not the compositor's and cannot show what lies below the holes"
fi
# The colours keep their clicks; a click on the white goes through.
open_menu_at $disc_x $disc_y "a right click on the colours while see-through"
press_keys Escape
wait_until 5 menu_closed || fail "Escape left the menu open"
pointer_click $corner_x $corner_y
hit() { grep -qx hit "$work/second.out"; }
if check "a click on the see-through corner reaches the window below" hit; then
  note "see-through: a click on the white reaches the window below"
  gone_second() { [ -z "$(second_window)" ]; }
  wait_until 5 gone_second || fail "the window below stayed after its button"
else
  kill "$session_pid" && wait "$session_pid" 2>/dev/null || true
  gone_second() { [ -z "$(second_window)" ]; }
  wait_until 5 gone_second || fail "the window below did not end"
fi
# What shows through once the window below has gone, to be told from the
# desktop itself once the clock has gone too.
pointer_move 700 600
no_second_shown() { screenshot; ! colour_near "$(pixel $corner_x $corner_y)" a05020; }
[ "$shows_holes" = no ] || check "the window below no longer shown through the white corner once it has gone" no_second_shown
screenshot
through=$(pixel $corner_x $corner_y)
# A drag from a colour moves the clock; Exit saves the new place. (The
# move may start late on a busy machine, so the clock goes a little less far
# than the pointer: the place is read from its X window.)
saved_x=$cx saved_y=$cy
if [ "$pointer_in_compositor" = yes ]; then
pointer_move 700 600
pointer_move $((colour_x - 1)) $((colour_y - 1))
pointer_move $colour_x $colour_y
pointer_button down
step=0
moved_place() {
  local x y
  read -r x y _ < <(x_geometry) || return 1
  [ "$x" -gt $((cx + 30)) ] && [ "$y" -gt $((cy + 30)) ] && echo "$x $y"
}
drag_on() {
  step=$((step + 1))
  [ $step -gt 10 ] || pointer_move $((colour_x + step * 10)) $((colour_y + step * 8))
  moved_place
}
if wait_until 10 drag_on; then
  pointer_button up
  read -r saved_x saved_y < <(moved_place)
  disc_moved() { screenshot; [ "$(pixel $((saved_x + 55)) $((saved_y + 55)))" = 80ff00 ] && [ "$(pixel $disc_x $disc_y)" != 80ff00 ]; }
  check "the clock shown where a drag took it, at $saved_x,$saved_y" disc_moved && note "drag: the clock at $saved_x,$saved_y"
else
  pointer_button up
  check "a drag moved the clock (its X window: $(x_geometry))" moved_place
fi
fi
open_menu_at $((saved_x + 55)) $((saved_y + 20)) "Exit"
press_keys Up Return
wait_until 10 bash -c "! kill -0 $clock_pid" || fail "the program did not end after Exit"
saved=" $((saved_x * 15))  $((saved_y * 15))  0  1  100  100  100  100  0  0  0 "
saved_right() { file_is "$folder/Tintwatch.txt" "$saved"$'\r\n'; }
check "Exit saved the place: $(tr -d '\r' <"$folder/Tintwatch.txt"), not $saved" saved_right && note "Exit saved the place"
no_sanitizer_report
# The desktop where the white corner was, the clock gone: what showed
# through was the desktop.
corner_bare() { screenshot; [ "$(pixel $corner_x $corner_y)" != ffffff ] && [ "$(pixel $disc_x $disc_y)" != 80ff00 ]; }
wait_until 5 corner_bare || fail "the clock's pixels stayed after its end"
desktop_there=$(pixel $corner_x $corner_y)
[ "$desktop_there" != 000000 ] || note "the desktop is black here, as the holes of a window drawn whole would be: the window below told them apart"
desktop_through() { colour_near "$through" "$desktop_there"; }
[ "$shows_holes" = no ] || check "the desktop ($desktop_there) through the white corner, not $through" desktop_through &&
  note "see-through: the desktop shows ($through)"

[ ${#problems[@]} -eq 0 ] || fail "$(printf '\n  %s' "${problems[@]}")"
note "passed in $((SECONDS - started)) s"
