#!/usr/bin/env bash
# The ends a desktop clock meets over weeks: the X server going away (the
# session ends) ends the program without a crash; at Exit on a full disk or a
# folder made read-only, the old Tintwatch.txt survives whole and the program
# still ends. The disks are real: small tmpfs mounts in a private mount
# namespace (needs root; skipped, and reported so, without it).
PRIVATE_MOUNTS=1
. "$(dirname "$0")/lib.sh"
trap 'umount "$work/full" "$work/readonly" 2>/dev/null; cleanup' EXIT
old=" 1500  1500  0  1  90  80  100  100  0  0  1 "

# exit_keeps_old_file WHAT: Exit from the menu with the settings folder on DISK; the
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
  wait_until 10 bash -c "! kill -0 $clock_pid" || fail "$1: the program did not end after Exit"
  no_sanitizer_report
  file_is "$folder/Tintwatch.txt" "$old"$'\r\n' || fail "$1: settings file now: $(od -c "$folder/Tintwatch.txt" | head -3)"
  [ ! -e "$folder/Tintwatch.txt.new" ] || fail "$1: a half-written new file was left"
}

start_desktop
folder=$work/full
mkdir -p "$folder"
mount -t tmpfs -o size=16k tmpfs "$folder"
write_settings "$folder" "$old"
# Fill what is left: a new file can be created but not written.
dd if=/dev/zero of="$folder/filler" bs=1k count=64 2>/dev/null || true
exit_keeps_old_file "full disk"

folder=$work/readonly
mkdir -p "$folder"
mount -t tmpfs -o size=1m tmpfs "$folder"
write_settings "$folder" "$old"
mount -o remount,ro "$folder"
exit_keeps_old_file "read-only folder"

# The X server goes away under a running clock.
folder=$work/home
mkdir -p "$folder"
write_settings "$folder" "$old"
start_clock "$folder" "@2026-12-07 15:47:33"
wait_until 10 has_clock_window || fail "no clock"
kill "${pids[0]}"  # the X server, started first
wait "${pids[0]}" 2>/dev/null || true
status=0
wait_until 10 bash -c "! kill -0 $clock_pid" || fail "the program outlived its X server"
wait "$clock_pid" 2>/dev/null || status=$?
[ "$status" -lt 128 ] || fail "the program died of signal $((status - 128)) when the X server went: $(tail -3 "$work/clock.log")"
no_sanitizer_report
echo "session end and full disk: passed"
