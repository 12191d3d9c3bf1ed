#!/usr/bin/env bash
# Start-up against a bare Qt window (bench/bare_qt.cpp, the toolkit's own
# floor), from the exec to the MapNotify of the first window, seen by an X
# client on the root (bench/map_watch.cpp), under one Xvfb with openbox:
# - no session bus (its address leads nowhere);
# - a session bus with the accessibility bus, as a desktop has them;
# - the same with a screen reader on (accessibility enabled);
# - for the clock alone, a session bus that takes the connection and never
#   answers (a bare Qt window would wait 25 s and more there).
# Median of interleaved starts, each begun once the window manager has let
# go of the window before it.
#   bash bench/startup.sh [path/to/tintwatch]      BENCH_STARTS (default 21)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export TINTWATCH=$(realpath "${1:-$top/build/tintwatch}")
tools=$(dirname "$TINTWATCH")/bench
[ -x "$tools/map_watch" ] || tools=$top/build/bench
. "$top/tests/e2e/lib.sh"
start_desktop

folder=$work/home
mkdir -p "$folder"
write_settings "$folder" " 1500  1500  0  1  100  100  100  100  0  0  1 "
python3 -c 'import socket, sys, time
s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(64)
while True: time.sleep(60)' "$work/silent-bus" &
pids+=($!)
wait_until 10 test -S "$work/silent-bus"

own_bus=$DBUS_SESSION_BUS_ADDRESS
declare -A times
# start NAME CASE: one start, timed; the program is ended and its window gone.
start() {
  local program=$TINTWATCH address=$own_bus
  [ "$1" = bare ] && program=$tools/bare_qt
  case $2 in
    none) address=unix:path=$work/no-bus ;;
    silent) address=unix:path=$work/silent-bus ;;
  esac
  times[$1.$2]+="$(cd "$folder" && DBUS_SESSION_BUS_ADDRESS=$address timed_start "$tools/map_watch" "$program") "
}

cases=(none bus reader)
for case in "${cases[@]}"; do
  [ "$case" = reader ] && screen_reader_on
  for ((i = 0; i < ${BENCH_STARTS:-21}; i++)); do
    start tintwatch "$case"
    start bare "$case"
  done
done
for ((i = 0; i < ${BENCH_STARTS:-21}; i++)); do start tintwatch silent; done

m() { tr ' ' '\n' <<<"${times[$1]}" | grep . | median; }
printf '| start to first window mapped (median of %s) | Tintwatch | bare Qt window | ratio |\n|---|---|---|---|\n' \
  "${BENCH_STARTS:-21}"
declare -A label=([none]="no session bus" [bus]="session bus and accessibility bus" [reader]="the same, screen reader on")
for case in "${cases[@]}"; do
  printf '| %s | %s ms | %s ms | %s |\n' "${label[$case]}" "$(m tintwatch.$case)" "$(m bare.$case)" \
    "$(awk -v a="$(m tintwatch.$case)" -v b="$(m bare.$case)" 'BEGIN{printf "%.2f", a / b}')"
done
printf '| a session bus that never answers | %s ms | (waits 25 s and more) | |\n' "$(m tintwatch.silent)"
echo "all starts (ms): $(for k in "${!times[@]}"; do printf '%s: %s; ' "$k" "${times[$k]}"; done)"
