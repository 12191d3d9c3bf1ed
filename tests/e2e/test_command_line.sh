#!/usr/bin/env bash
# The command line: --help and --version without a display, a wrong option
# or argument refused with the usage and status 2, no display reported in one
# line with status 1 (no abort), and -display naming the X server the clock
# then shows on.
. "$(dirname "$0")/lib.sh"
version=$(sed -n 's/^project(Tintwatch VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
folder=$work/home
mkdir -p "$folder"

# run ARGUMENTS...: the program with no display at all, in an empty folder;
# sets status, out and err.
run() {
  status=0
  (cd "$folder" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$TINTWATCH" "$@") \
    >"$work/out" 2>"$work/err" || status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}

for help in --help -h; do
  run "$help"
  [ "$status" = 0 ] || fail "$help: status $status, $err"
  [[ $out == "Usage: tintwatch [options]"* ]] || fail "$help: $out"
  for option in --help --version --display --platform; do
    [[ $out == *"$option"* ]] || fail "$help does not list $option: $out"
  done
  [ -z "$err" ] || fail "$help wrote to stderr: $err"
done

# The descriptions stand in one column on a terminal, also where the option
# names hold wide (Chinese, Japanese) characters or a direction mark.
for language in zh_CN ja ar; do
  LANGUAGE=$language LC_ALL=C.UTF-8 run --help
  columns=$(printf '%s\n' "$out" | LC_ALL=C.UTF-8 perl -CS -ne 'print "$1\n" if /^(  -\S.*?  +)\S/' |
              while IFS= read -r start; do printf '%s' "$start" | LC_ALL=C.UTF-8 wc -L; done | sort -u)
  [ "$(wc -l <<<"$columns")" = 1 ] || fail "$language --help: descriptions at columns $(echo $columns): $out"
done

run --version
[ "$status" = 0 ] || fail "--version: status $status, $err"
[ "$out" = "Tintwatch $version" ] || fail "--version: $out"

for wrong in --no-such-option -x stray --display; do
  run "$wrong"
  [ "$status" = 2 ] || fail "$wrong: status $status"
  [ -z "$out" ] || fail "$wrong wrote to stdout: $out"
  [[ $err == "tintwatch: "*$'\n'"Usage: tintwatch [options]"* ]] || fail "$wrong: no usage: $err"
done

# No display: one line naming what was tried, status 1, nothing saved.
run
[ "$status" = 1 ] || fail "no display: status $status, $err"
[ "$err" = "tintwatch: cannot open a display: DISPLAY is not set" ] || fail "no display: $err"
[ -z "$out" ] || fail "no display wrote to stdout: $out"
status=0
err=$( (cd "$folder" && DISPLAY=:999 QT_QPA_PLATFORM=xcb "$TINTWATCH") 2>&1 >/dev/null) || status=$?
[ "$status" = 1 ] || fail "display :999: status $status, $err"
[ "$err" = 'tintwatch: cannot open display ":999"' ] || fail "display :999: $err"
[ -z "$(ls -A "$folder")" ] || fail "left files behind: $(ls -A "$folder")"

# With a display, --version still only prints; -display shows the clock on
# the X server it names.
start_desktop
status=0
out=$("$TINTWATCH" --version) || status=$?
[ "$status $out" = "0 Tintwatch $version" ] || fail "--version with a display: status $status, $out"
(cd "$folder" && exec env -u DISPLAY QT_QPA_PLATFORM=xcb "$TINTWATCH" -display "$DISPLAY" >"$work/clock.log" 2>&1) &
clock_pid=$!
pids+=($clock_pid)
wait_until 10 has_window_named "The Tint Watch with a Hue tester" || fail "-display: no welcome box"
echo "command line: passed"
