# Shared steps of the end-to-end tests: a private X server with a real window
# manager, the real program under a fixed clock, screenshots and waits.
# Every process is started by PID and stopped by PID.
set -euo pipefail

# Every process a test starts is in a process group of the test's own, and
# ends with it: at the test's end, when the test is told to end (a time
# limit), and when it is killed outright (a watcher inside the group sees
# the test's first shell go).
if [ -z "${TINTWATCH_OWN_GROUP:-}" ]; then
  export TINTWATCH_OWN_GROUP=$$
  # A runtime folder of the test's own, as a desktop session has one: the
  # accessibility bus puts its socket there, not in a folder all tests share.
  XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tintwatch-runtime.XXXXXX")
  export XDG_RUNTIME_DIR
  setsid bash "$0" "$@" &
  group=$!
  end_group() {
    kill -TERM -- -"$group" 2>/dev/null || return 0
    for _ in $(seq 50); do
      kill -0 -- -"$group" 2>/dev/null || return 0
      sleep 0.1
    done
    kill -KILL -- -"$group" 2>/dev/null || true
  }
  trap 'end_group; rm -rf "$XDG_RUNTIME_DIR"; exit 143' TERM INT HUP
  status=0
  wait "$group" || status=$?
  end_group
  rm -rf "$XDG_RUNTIME_DIR"
  exit "$status"
fi
if [ "$TINTWATCH_OWN_GROUP" != done ]; then
  (
    trap - TERM
    while kill -0 "$TINTWATCH_OWN_GROUP" 2>/dev/null; do sleep 0.5; done
    kill -KILL -- -$$ 2>/dev/null
  ) </dev/null >/dev/null 2>&1 &
  export TINTWATCH_OWN_GROUP=done
fi
# Told to end, the test still cleans up after itself.
trap 'exit 143' TERM INT HUP

# A test that sets PRIVATE_MOUNTS=1 before sourcing this file runs again in a
# private mount namespace, where it may mount at will (needs root; skipped,
# and reported so, without it).
if [ -n "${PRIVATE_MOUNTS:-}" ] && [ -z "${TINTWATCH_IN_NAMESPACE:-}" ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "SKIPPED: a private mount namespace needs root"
    exit 77
  fi
  # In a chroot whose root is not a mount point, for one, the mounts cannot
  # be made private: say so rather than blame the user id.
  if ! why=$(unshare -m --propagation private true 2>&1); then
    echo "SKIPPED: no private mount namespace here: $why"
    exit 77
  fi
  exec unshare -m --propagation private env TINTWATCH_IN_NAMESPACE=1 bash "$0" "$@"
fi

# Every test runs under a session bus of its own, as a desktop session has
# one, which the accessibility bus comes with; the bus ends with the test.
# Without one, libdbus would start a bus for the display from the clock.
if [ -z "${TINTWATCH_ON_OWN_BUS:-}" ]; then
  exec env TINTWATCH_ON_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
fi

TINTWATCH=${TINTWATCH:?path of the program}
work=$(mktemp -d)
pids=()

cleanup() {
  local pid
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    local keep="${TMPDIR:-/tmp}/tintwatch-e2e-fail-$$.png"
    import -window root "$keep" 2>/dev/null && echo "screenshot: $keep" >&2
  fi
  [ -n "${DISPLAY:-}" ] && xwininfo -root -tree 2>/dev/null | grep -i tintwatch | sed "s/^/window: /" >&2
  [ -f "$work/clock.log" ] && sed 's/^/clock: /' "$work/clock.log" >&2
  exit 1
}

# wait_until SECONDS COMMAND...: retries the command until it succeeds. The
# limits are those of an idle machine; a loaded one (both cores busy, the
# sanitizer build) gets three times as long: a condition met returns at once.
wait_until() {
  local limit=$1
  shift
  local deadline=$((SECONDS + 3 * limit))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
}

# start_desktop [SERVER OPTIONS...]: options go to the X server (default: no
# network listening). Sets xvfb_pid.
start_desktop() {
  # The server picks a free display itself and writes its number once it is
  # ready: no race with another test's server going away. Without -noreset
  # it resets whenever its last client leaves (the readiness check below),
  # and a client connecting meanwhile, the window manager, is turned away.
  rm -f "$work/display"
  [ $# -gt 0 ] || set -- -nolisten tcp
  Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset "$@" 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  pids+=($xvfb_pid)
  wait_until 10 test -s "$work/display" || fail "X server did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(tr -d '\n' <"$work/display")"
  wait_until 10 xdpyinfo || fail "X server does not answer"
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_until 10 window_manager_running || fail "window manager did not start: $(cat "$work/openbox.log")"
}

# A desktop on a real X server whose screen can change as a laptop's does
# when undocked (Xvfb's cannot, as the toolkit sees it): Xorg with the dummy
# driver, 2560 x 1024, the window manager started by the caller's SETUP
# command first, e.g. to split the screen into monitors.
start_resizable_desktop() {  # [SETUP...]
  if [ "$(id -u)" != 0 ]; then
    echo "SKIPPED: Xorg with the dummy driver needs root here"
    exit 77
  fi
  Xorg -displayfd 3 -config "$(dirname "${BASH_SOURCE[0]}")/xorg-dummy.conf" -noreset -nolisten tcp \
    -logfile "$work/xorg.log" 3>"$work/display" >"$work/xorg.out" 2>&1 &
  pids+=($!)
  wait_until 10 test -s "$work/display" || fail "Xorg did not start: $(tail -n 5 "$work/xorg.log" "$work/xorg.out")"
  export DISPLAY=":$(tr -d '\n' <"$work/display")"
  wait_until 10 xdpyinfo || fail "X server does not answer"
  [ $# -eq 0 ] || "$@"
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_until 10 window_manager_running || fail "window manager did not start: $(cat "$work/openbox.log")"
}

# The work area is published once the window manager has finished starting;
# a window mapped before that can stay unmanaged.
window_manager_running() { xprop -root _NET_WORKAREA | grep -q '= [0-9]'; }

# libfaketime, after the AddressSanitizer runtime when the program is built
# with it (which insists on coming first), and last a library that takes the
# preloads out of the environment once they are in, so that they stay out of
# the programs the clock starts.
preload() {
  local asan
  asan=$(ldd "$TINTWATCH" 2>/dev/null | awk '/libasan/ {print $3}')
  echo "${asan:+$asan:}/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1${DROP_PRELOAD:+:$DROP_PRELOAD}"
}

# start_clock FOLDER [FAKETIME [LOG]]: the program in FOLDER with the clock
# frozen at the given time (default 2026-12-07 15:47:33 UTC), its output in
# $work/LOG (default clock.log).
start_clock() {
  local folder=$1
  local at=${2:-2026-12-07 15:47:33}
  (cd "$folder" && TZ=UTC FAKETIME="$at" FAKETIME_DONT_FAKE_MONOTONIC=1 \
     LD_PRELOAD="$(preload)" QT_QPA_PLATFORM=xcb \
     exec "$TINTWATCH" >"$work/${3:-clock.log}" 2>&1) &
  clock_pid=$!
  pids+=($clock_pid)
}

clock_running() { kill -0 "$clock_pid" 2>/dev/null; }

# For the benchmarks: the median of numbers on standard input, and one start
# of a program timed from the exec to its first window mapped (map_watch),
# printed in milliseconds; the program is then ended and its window gone, so
# that the next start is not timed against the window manager's work.
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
timed_start() {  # MAP_WATCH PROGRAM [ARGUMENTS...]
  local ms pid window
  read -r ms pid window < <("$@" 2>/dev/null)
  kill "$pid"
  wait_until 10 bash -c "! kill -0 $pid 2>/dev/null"
  wait_until 10 bash -c "! xwininfo -id $window"
  echo "$ms"
}

# Ends the clock as a logout does, and waits until it has: on its way out it
# saves its settings, which a test must not race with a file of its own.
stop_clock() {
  kill "$clock_pid" 2>/dev/null || true
  wait_until 10 bash -c "! kill -0 $clock_pid" || fail "the clock did not end when told to"
}

# The visible window of the given title or class.
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
program_windows() { xdotool search --onlyvisible --classname '^tintwatch$' 2>/dev/null || true; }
# The clock: the program's utility window (its dialogs are normal windows),
# or where it keeps its own place, the one the toolkit marks as bypassing the
# window manager (its menus, too, are unmanaged windows of a normal type).
is_clock() {
  local type
  type=$(xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null)
  [[ "$type" == *_NET_WM_WINDOW_TYPE_UTILITY* || "$type" == *_KDE_NET_WM_WINDOW_TYPE_OVERRIDE* ]]
}
clock_window() {
  local w
  for w in $(program_windows); do
    is_clock "$w" && echo "$w" && return
  done
}
# The clock of the program with the given PID.
clock_window_of() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null || true); do
    is_clock "$w" && echo "$w" && return
  done
}
override_redirect() { xwininfo -id "$1" -all 2>/dev/null | grep -q 'Override Redirect State: yes'; }
has_clock_window() { [ -n "$(clock_window)" ]; }
has_window_named() { [ -n "$(window_named "$1")" ]; }

geometry() {  # x y width height of a window
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

screenshot() { import -window root "$work/screen.png"; }

# pixel X Y: the colour on screen as rrggbb, from the last screenshot.
pixel() {
  convert "$work/screen.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr -d '#' |
    tr 'A-F' 'a-f'
}

# pixel_is X Y RRGGBB: takes a fresh screenshot and compares.
pixel_is() {
  screenshot
  [ "$(pixel "$1" "$2")" = "$3" ]
}

expect_pixel() {  # X Y RRGGBB WHAT
  wait_until 5 pixel_is "$1" "$2" "$3" || fail "$4: pixel at $1,$2 is $(pixel "$1" "$2"), expected $3"
}

# Clicks the clock at a point of its own and waits until it has the focus.
focus_clock() {
  local w=$1
  xdotool mousemove --window "$w" "${2:-55}" "${3:-30}" click 1
  wait_until 5 focused "$w" || fail "the clock did not take the focus"
}
focused() { [ "$(xdotool getwindowfocus)" = "$1" ]; }

write_settings() {  # FOLDER LINE
  printf '%s\r\n' "$2" >"$1/Tintwatch.txt"
}

file_is() { [ -f "$1" ] && [ "$(od -An -c "$1" | tr -s ' \n' ' ')" = "$(printf '%s' "$2" | od -An -c | tr -s ' \n' ' ')" ]; }

# Right-clicks the clock and waits for its popup menu.
open_menu() {
  xdotool mousemove --window "$1" "${2:-55}" "${3:-20}" click 3
  wait_until 5 menu_shown || fail "no popup menu"
}
menu_closed() { ! menu_shown; }
menu_shown() {
  local w
  for w in $(program_windows); do is_menu "$w" && return 0; done
  return 1
}
# A menu: an unmanaged window of the program that is neither its tip nor,
# where it keeps its own place, the clock itself.
is_menu() { override_redirect "$1" && ! is_tooltip "$1" && ! is_clock "$1"; }
# The clock's tip is a window of the program too, and no menu.
is_tooltip() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP; }
tooltip_window() {
  local w
  for w in $(program_windows); do is_tooltip "$w" && echo "$w" && return; done
}
has_tooltip() { [ -n "$(tooltip_window)" ]; }

# What a desktop does when a screen reader starts (needs SESSION_BUS=1).
screen_reader_on() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
}
# What a screen reader finds in the program: "role|name|description" per
# object, line breaks within a text written as \n.
accessible_texts() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessible_texts.py" Tintwatch; }

# A folder with the given settings line, the clock started in it and shown.
# Sets `folder`.
start_with_settings() {  # LINE [FAKETIME]
  folder=$work/home
  mkdir -p "$folder"
  write_settings "$folder" "$1"
  start_clock "$folder" "${2:-2026-12-07 15:47:33}"
  wait_until 10 has_clock_window || fail "no clock"
}

# A program built with the sanitizers reports at its end (leaks) or at the
# fault; either fails the test.
no_sanitizer_report() {
  ! grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/clock.log" ||
    fail "sanitizer report: $(grep -m 5 -E 'ERROR|runtime error|#[0-9] ' "$work/clock.log")"
}

# Exit from the menu (its last item), the program's end, and the file it wrote.
exit_and_expect_file() {  # LINE [X Y of the right-click]
  open_menu "$(clock_window)" "${2:-55}" "${3:-20}"
  xdotool key Up Return
  wait_until 10 bash -c "! kill -0 $clock_pid" || fail "the program did not end after Exit"
  no_sanitizer_report
  file_is "$folder/Tintwatch.txt" "$1"$'\r\n' || fail "settings file: $(od -c "$folder/Tintwatch.txt")"
}

# Waits until window W stands at "X Y WIDTH HEIGHT" (a new window may still be
# on its way to its place), then makes it the active window.
expect_placed() {  # W "X Y WIDTH HEIGHT" WHAT
  local w=$1
  placed() { [ "$(geometry "$w")" = "$1" ]; }
  wait_until 5 placed "$2" || fail "$3 geometry $(geometry "$w"), expected $2"
  xdotool windowactivate --sync "$w" 2>/dev/null || true
}

# The same with each object's place on the screen: "role|name|description|x,y,width,height".
accessible_places() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessible_texts.py" Tintwatch --extents; }

# crop_window W FILE: the window as the last screenshot shows it.
crop_window() {
  local x y width height
  read -r x y width height < <(geometry "$1")
  convert "$work/screen.png" -crop "${width}x${height}+$x+$y" +repage "$2"
}
# same_picture A B: not one pixel differs.
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }

# start_clock_with FOLDER [-u NAME...] NAME=VALUE...: start_clock's frozen
# clock in FOLDER, its environment changed as env(1) changes it (a language,
# say) without the test's own shell taking it on.
start_clock_with() {
  local folder=$1
  shift
  (cd "$folder" && exec env "$@" TZ=UTC FAKETIME="2026-12-07 15:47:33" FAKETIME_DONT_FAKE_MONOTONIC=1 \
     LD_PRELOAD="$(preload)" QT_QPA_PLATFORM=xcb "$TINTWATCH" >"$work/clock.log" 2>&1) &
  clock_pid=$!
  pids+=($clock_pid)
}

# What a screen reader hears of a popup menu (needs SESSION_BUS=1): the
# toolkit reports the items that get the focus once a listener asks for it.
# listen_for_focus starts listening afresh, stop_listening ends it (keep it
# short: while it listens, the toolkit also asks the bus about every key);
# focused_names prints "role|name|x,y,width,height" of each object focused
# meanwhile that is still there.
listen_for_focus() {
  local address
  address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress | tr -d ' ')
  dbus-monitor --address "$address" "type='signal',interface='org.a11y.atspi.Event.Object',member='StateChanged'" \
    >"$work/focus-events" 2>/dev/null &
  focus_pids=($!)
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessible_texts.py" --listen >"$work/focus-listener" 2>&1 &
  focus_pids+=($!)
  pids+=("${focus_pids[@]}")
  wait_until 10 grep -q listening "$work/focus-listener" || fail "no focus listener: $(cat "$work/focus-listener")"
}
stop_listening() {
  local pid
  for pid in "${focus_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  focus_pids=()
}
focused_names() {
  awk '/^signal/ { for (i = 1; i <= NF; i++) { if ($i ~ /^sender=/) s = substr($i, 8); if ($i ~ /^path=/) p = substr($i, 6) }
                   sub(/;$/, "", p); state = ""; next }
       /string "focused"/ { state = "focused"; next }
       state == "focused" && /int32 1/ { print s, p; state = "" }' "$work/focus-events" | awk '!seen[$0]++' |
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessible_texts.py" --objects 2>/dev/null || true
}
