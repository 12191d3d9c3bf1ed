#!/usr/bin/env bash
# The ends a desktop clock meets over weeks: the session's end (SIGTERM,
# SIGHUP, SIGINT, the X server going away) saves what the screen showed and
# ends the program without a crash; at Exit on a full disk or a folder made
# read-only, a message says why, the old Tintwatch.txt survives whole and the
# program still ends; a settings file that did not load is kept beside, a link to a
# pipe is not opened, a read-only file is not replaced. The disks are real: small tmpfs mounts in a private mount
# namespace (needs root; skipped, and reported so, without it).
PRIVATE_MOUNTS=1
. "$(dirname "$0")/lib.sh"
trap 'umount "$work/full" "$work/readonly" 2>/dev/null; cleanup' EXIT
old=" 1500  1500  0  1  90  80  100  100  0  0  1 "

# exit_keeps_old_file WHAT REASON: Exit from the menu with the settings folder
# on DISK; a message box names the file and the system's REASON, then the
# program must end and the file keep its old line.
exit_keeps_old_file() {
  start_clock "$folder"
  wait_until 10 has_clock_window || fail "$1: no clock"
  # Expert Mode on, so that the line Exit writes differs from the old one.
  open_menu "$(clock_window)"
  xdotool key Down Down Down Return
  expect_pixel 151 112 ffffff "$1: rim gone in expert mode"
  open_menu "$(clock_window)"
  xdotool key Up Return
  wait_until 10 has_message_box || fail "$1: no message after a save that failed"
  local texts
  texts=$(accessible_texts)
  for said in "Tintwatch could not save its settings to" "$folder/Tintwatch.txt" "$2"; do
    grep -qF -- "$said" <<<"$texts" || fail "$1: the message does not say \"$said\": $texts"
  done
  xdotool windowactivate --sync "$(message_box)" key Return
  wait_until 10 bash -c "! kill -0 $clock_pid" || fail "$1: the program did not end after Exit"
  no_sanitizer_report
  file_is "$folder/Tintwatch.txt" "$old"$'\r\n' || fail "$1: settings file now: $(od -c "$folder/Tintwatch.txt" | head -3)"
  [ -z "$(ls "$folder" | grep -vx -e Tintwatch.txt -e filler)" ] || fail "$1: left behind: $(ls "$folder")"
}
# The program's message box: a dialog window of its own over the clock.
message_box() {
  local w
  for w in $(program_windows); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG && echo "$w" && return
  done
}
has_message_box() { [ -n "$(message_box)" ]; }

# change_then_end WHAT COMMAND: Expert Mode on, then the session ends by
# COMMAND (evaluated then: $clock_pid is the new clock); the file must hold
# what the screen showed.
change_then_end() {
  local what=$1
  shift
  write_settings "$folder" "$old"
  start_clock "$folder"
  wait_until 10 has_clock_window || fail "$what: no clock"
  open_menu "$(clock_window)"
  xdotool key Down Down Down Return
  expect_pixel 151 112 ffffff "$what: rim gone in expert mode"
  eval "$1"
  wait_until 10 bash -c "! kill -0 $clock_pid" || fail "$what: the program did not end"
  local status=0
  wait "$clock_pid" 2>/dev/null || status=$?
  [ "$status" -lt 128 ] || fail "$what: the program died of signal $((status - 128)): $(tail -3 "$work/clock.log")"
  no_sanitizer_report
  file_is "$folder/Tintwatch.txt" "${old% 0  1 } 1  1 "$'\r\n' ||
    fail "$what: settings file now: $(od -c "$folder/Tintwatch.txt" | head -3)"
}

# exit_from_menu WHAT: Exit, the menu's last item; the program must end.
exit_from_menu() {
  open_menu "$(clock_window)"
  xdotool key Up Return
  wait_until 10 bash -c "! kill -0 $clock_pid" || fail "$1: the program did not end after Exit"
  no_sanitizer_report
}

# start_past_welcome WHAT: a settings file that does not load brings the
# welcome box before the clock.
start_past_welcome() {
  start_clock "$folder"
  wait_until 10 has_window_named "The Tint Watch with a Hue tester" || fail "$1: no welcome box"
  xdotool windowactivate --sync "$(window_named "The Tint Watch with a Hue tester")" key Return
  wait_until 10 has_clock_window || fail "$1: no clock"
}

start_desktop
folder=$work/full
mkdir -p "$folder"
mount -t tmpfs -o size=16k tmpfs "$folder"
write_settings "$folder" "$old"
# Fill what is left: a new file can be created but not written.
dd if=/dev/zero of="$folder/filler" bs=1k count=64 2>/dev/null || true
screen_reader_on
exit_keeps_old_file "full disk" "No space left on device"

folder=$work/readonly
mkdir -p "$folder"
mount -t tmpfs -o size=1m tmpfs "$folder"
write_settings "$folder" "$old"
mount -o remount,ro "$folder"
exit_keeps_old_file "read-only folder" "Read-only file system"

# What stands in the settings file's place at Exit, on the real disk. A file
# that does not load (an editor's byte-order mark) is kept beside, and a link
# planted under a name a save might use is not written through.
folder=$work/kinds
mkdir -p "$folder"
printf '\xef\xbb\xbf%s\r\n' "$old" >"$folder/Tintwatch.txt"
cp "$folder/Tintwatch.txt" "$work/bom"
echo "someone's file" >"$work/victim"
ln -s "$work/victim" "$folder/Tintwatch.txt.new"
start_past_welcome "byte-order mark"
read -r x y _ < <(geometry "$(clock_window)")
exit_from_menu "byte-order mark"
file_is "$folder/Tintwatch.txt" " $((x * 15))  $((y * 15))  0  1  100  100  100  100  0  0  1 "$'\r\n' ||
  fail "byte-order mark: settings file now: $(od -c "$folder/Tintwatch.txt" | head -3)"
cmp -s "$work/bom" "$folder/Tintwatch.txt.unreadable" || fail "byte-order mark: the file that did not load is lost"
[ "$(cat "$work/victim")" = "someone's file" ] || fail "the save wrote through a planted link"
[ "$(ls "$folder" | tr '\n' ' ')" = "Tintwatch.txt Tintwatch.txt.new Tintwatch.txt.unreadable " ] ||
  fail "byte-order mark: left behind: $(ls "$folder")"

# A link to a pipe: refused at start-up, and never opened at Exit, which
# would wait for a reader for ever; Exit says why and ends.
rm "$folder"/Tintwatch.txt*
mkfifo "$work/pipe"
ln -s "$work/pipe" "$folder/Tintwatch.txt"
start_past_welcome "link to a pipe"
open_menu "$(clock_window)"
xdotool key Up Return
wait_until 10 has_message_box || fail "link to a pipe: no message"
xdotool windowactivate --sync "$(message_box)" key Return
wait_until 10 bash -c "! kill -0 $clock_pid" || fail "link to a pipe: the program did not end after Exit"
[ -p "$work/pipe" ] && [ -L "$folder/Tintwatch.txt" ] || fail "link to a pipe: $(ls -l "$folder" "$work/pipe")"
[ "$(ls "$folder")" = Tintwatch.txt ] || fail "link to a pipe: left behind: $(ls "$folder")"

# A read-only file stays the very file it was.
rm "$folder/Tintwatch.txt"
write_settings "$folder" "$old"
chmod 444 "$folder/Tintwatch.txt"
before=$(stat -c '%a %i' "$folder/Tintwatch.txt")
start_clock "$folder"
wait_until 10 has_clock_window || fail "read-only file: no clock"
exit_from_menu "read-only file"
[ "$(stat -c '%a %i' "$folder/Tintwatch.txt")" = "$before" ] ||
  fail "read-only file replaced: $(stat -c '%a %i' "$folder/Tintwatch.txt"), was $before"
file_is "$folder/Tintwatch.txt" "$old"$'\r\n' || fail "read-only file now: $(od -c "$folder/Tintwatch.txt" | head -3)"

# The session ends without Exit: the program is told to end, as at a logout
# or a shutdown, and the file holds what the screen showed.
folder=$work/home
mkdir -p "$folder"
for signal in TERM HUP INT; do
  change_then_end "SIG$signal" "kill -s $signal \$clock_pid"
done
# Told to end while the welcome box is open: it ends, and nothing was shown
# that could be kept.
folder=$work/welcome
mkdir -p "$folder"
start_clock "$folder"
wait_until 10 has_window_named "The Tint Watch with a Hue tester" || fail "SIGTERM at the welcome box: not shown"
kill "$clock_pid"
wait_until 10 bash -c "! kill -0 $clock_pid" || fail "SIGTERM at the welcome box: the program did not end"
[ -z "$(ls -A "$folder")" ] || fail "SIGTERM at the welcome box: wrote $(ls -A "$folder")"
folder=$work/home

# A session manager ends the session (xsm, shut down with a checkpoint): the
# clock, one of its clients, saves what the screen showed when asked to.
folder=$work/managed
mkdir -p "$folder" "$work/smhome"
write_settings "$folder" "$old"
cat >"$work/managed-clock" <<EOS
#!/bin/bash
echo \$\$ >"$work/managed.pid"
cd "$folder" && TZ=UTC FAKETIME="2026-12-07 15:47:33" FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD="$(preload)" \\
  QT_QPA_PLATFORM=xcb exec "$TINTWATCH" >"$work/clock.log" 2>&1
EOS
chmod +x "$work/managed-clock"
echo "$work/managed-clock" >"$work/smhome/.xsmstartup"
HOME=$work/smhome xsm >"$work/xsm.log" 2>&1 &
sm_pid=$!
pids+=($sm_pid)
wait_until 10 test -s "$work/managed.pid" || fail "xsm did not start the clock: $(cat "$work/xsm.log")"
clock_pid=$(cat "$work/managed.pid")
wait_until 10 has_clock_window || fail "session manager: no clock"
open_menu "$(clock_window)"
xdotool key Down Down Down Return
expect_pixel 151 112 ffffff "session manager: rim gone in expert mode"
# Shutdown, With Checkpoint, a name for the session, Shutdown.
sm=$(window_named "xsm: Default")
[ -n "$sm" ] || fail "no xsm window"
xdotool mousemove --window "$sm" 142 48 mousedown 1
wait_until 5 has_window_named "Shutdown" 2>/dev/null || true
xdotool mousemove --window "$sm" 162 77 sleep 0.2 mouseup 1
wait_until 10 has_window_named "Shutdown" || fail "no xsm shutdown dialog"
dialog=$(window_named "Shutdown")
xdotool mousemove --window "$dialog" 173 19 click 1 type test
xdotool mousemove --window "$dialog" 48 138 click 1
saved_by_manager() { file_is "$folder/Tintwatch.txt" "${old% 0  1 } 1  1 "$'\r\n'; }
wait_until 10 saved_by_manager || fail "session manager: settings file now: $(od -c "$folder/Tintwatch.txt" | head -3)"
wait_until 10 bash -c "! kill -0 $clock_pid" || fail "session manager: the program did not end"
no_sanitizer_report

# The X server goes away under a running clock (the end of an X session):
# the program ends, without a crash, and has saved what the screen showed.
change_then_end "the X server's end" 'kill "${pids[0]}"'  # the X server, started first

# The X server goes away while a modal box holds the program: it ends as it
# does without one.
for box in "welcome box" "Clock Options"; do
  start_desktop
  folder=$work/$RANDOM
  mkdir -p "$folder"
  if [ "$box" = "welcome box" ]; then
    start_clock "$folder"
    wait_until 10 has_window_named "The Tint Watch with a Hue tester" || fail "$box: not shown"
  else
    write_settings "$folder" "$old"
    start_clock "$folder"
    wait_until 10 has_clock_window || fail "$box: no clock"
    open_menu "$(clock_window)"
    xdotool key Down Down Down Down Down Return
    wait_until 10 has_window_named "Clock Options" || fail "$box: not shown"
  fi
  kill "$xvfb_pid"
  wait_until 10 bash -c "! kill -0 $clock_pid" || fail "$box: the program outlived its X server"
  no_sanitizer_report
done
echo "session end and full disk: passed"
