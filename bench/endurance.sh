#!/usr/bin/env bash
# A week on the desktop in minutes: the real program under libfaketime with
# the wall clock and the monotonic clock both running RATE times fast (so
# the program's timers fire that much faster too), in TZ=Europe/Berlin.
#  - the Hue face through a week of one-second ticks, 2026-03-23 00:00 to
#    2026-03-30 00:00: every midnight and noon and the change to summer time
#    on 2026-03-29 (02:00 becomes 03:00);
#  - a see-through Lab face through the day of the change back, 2026-10-25
#    (03:00 becomes 02:00 again).
# The hour colour is sampled from the screen all along; the hours it went
# through must be exactly the local hours of that stretch of time, in order,
# as the program's own drawing code gives their colours (bench/face_colours).
# Reports resident memory at the start and the end, and CPU time.
#   bash bench/endurance.sh [--short] [path/to/tintwatch]
# --short: a few simulated hours across the change to summer time (what the
# test command runs).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
short=0
if [ "${1:-}" = --short ]; then
  short=1
  shift
fi
export TINTWATCH=$(realpath "${1:-$top/build/tintwatch}")
colours=${FACE_COLOURS:-$(dirname "$TINTWATCH")/bench/face_colours}
[ -x "$colours" ] || colours=$top/build/bench/face_colours
# The harness runs this script again in a process group and under a bus of
# its own, with the arguments it still has.
[ "$short" = 0 ] || set -- --short "$@"
. "$top/tests/e2e/lib.sh"
start_desktop
rate=${RATE:-1000}
zone=Europe/Berlin
levels="100 40 100 40"  # every hour of the day its own colour, but for 6 and 18
line=" 1500  1500  0  1  100  40  100  40  0  0  1 "

rss_kb() { awk '/VmRSS/{print $2}' "/proc/$1/status"; }
cpu_s() { awk -v hz="$(getconf CLK_TCK)" '{printf "%.1f", ($14 + $15) / hz}' "/proc/$1/stat"; }
hour_colour() { import -window root -crop 1x1+"$1"+"$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | tr -d '#' | tr 'A-F' 'a-f'; }

# expected START HOURS: the hour colours, duplicates run together, of the
# local hours that follow START (a local time in the zone) for HOURS hours.
expected() {
  local from k hour
  from=$(TZ=$zone date -d "$1" +%s)
  for ((k = 0; k <= $2; k++)); do
    hour=$(TZ=$zone date -d "@$((from + 3600 * k))" +%H)
    "$colours" "$((10#$hour))" 30 0 $levels | awk '{print $1}'
  done | uniq
}

# run NAME SETTINGS START HOURS X Y: the clock from START for HOURS simulated
# hours, its hour colour sampled at X Y.
run() {
  local name=$1 settings=$2 start=$3 hours=$4 x=$5 y=$6
  folder=$work/$name
  mkdir -p "$folder"
  write_settings "$folder" "$settings"
  expected "$start" "$hours" >"$work/$name.expected"
  (cd "$folder" && TZ=$zone FAKETIME="@$start x$rate" LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
     QT_QPA_PLATFORM=xcb exec "$TINTWATCH" >"$work/clock.log" 2>&1) &
  clock_pid=$!
  pids+=($clock_pid)
  wait_until 10 has_clock_window || fail "$name: no clock"
  local rss0 last="" seen=0 want
  rss0=$(rss_kb $clock_pid)
  want=$(wc -l <"$work/$name.expected")
  : >"$work/$name.seen"
  # Sample until the last expected hour has shown (or far too long has passed).
  local deadline=$((SECONDS + hours * 3600 / rate * 3 + 60))
  while [ $seen -lt "$want" ] && [ $SECONDS -lt $deadline ]; do
    clock_running || fail "$name: the program ended"
    colour=$(hour_colour "$x" "$y")
    if [ -n "$colour" ] && [ "$colour" != "$last" ]; then
      echo "$colour" >>"$work/$name.seen"
      last=$colour
      grep -qx "$colour" "$work/$name.expected" && seen=$(grep -c . "$work/$name.seen")
    fi
  done
  local rss1 cpu
  rss1=$(rss_kb $clock_pid)
  cpu=$(cpu_s $clock_pid)
  kill $clock_pid
  wait $clock_pid 2>/dev/null || true
  if ! diff -q "$work/$name.expected" "$work/$name.seen" >/dev/null; then
    paste "$work/$name.expected" "$work/$name.seen" >&2
    fail "$name: the hours shown were not the hours that passed (expected, seen above)"
  fi
  printf '| %s | %s simulated hours | %d | %.1f MB | %.1f MB | %+d kB | %s s |\n' "$name" "$hours" "$want" \
    "$(awk -v k="$rss0" 'BEGIN{print k / 1024}')" "$(awk -v k="$rss1" 'BEGIN{print k / 1024}')" \
    $((rss1 - rss0)) "$cpu"
}

echo "| run | length | hour colours in order | memory at start | at end | growth | CPU |"
echo "|---|---|---|---|---|---|---|"
if [ $short = 1 ]; then
  run hue-short "$line" "2026-03-29 00:00:00" 4 155 155
else
  run hue-week "$line" "2026-03-23 00:00:00" 168 155 155
  run lab-day " 1500  1500  2  1  100  40  100  40  0  0  0 " "2026-10-25 00:00:00" 24 108 110
fi
