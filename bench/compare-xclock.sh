#!/usr/bin/env bash
# Runs Tintwatch, a bare Qt window (one frameless, on-top 110 x 110 tool
# window: the toolkit's own cost) and xclock (-update 1) under one Xvfb with
# openbox and reports: start-up, from exec to the MapNotify of the first
# window, seen by an X client on the root (median of interleaved starts);
# resident memory after 10 s; CPU time over 60 s of ticking. Then, one
# program at a time under that server, per minute of ticking: the program's
# and the X server's wake-ups (voluntary context switches, all threads) and
# CPU time, and the bytes the program wrote (to the server, in effect), for
# xclock and for the clock opaque, see-through, with the Lab face, and
# see-through at 4x its size (Bigger twice); with an earlier build given,
# its rows too, measured in the same rounds. First of all, the clock and
# xclock side by side behind the server's screen saver (xset s activate):
# their wake-ups and CPU time per minute while nothing can be seen.
#   bash bench/compare-xclock.sh [path/to/tintwatch [path/to/earlier/tintwatch]]
# BENCH_STARTS (default 31) starts of each; BENCH_SECONDS (default 60);
# BENCH_TICKING (default 60) seconds of each program one at a time, in
# BENCH_ROUNDS (default 3) interleaved rounds. BENCH_SAVER (default 60)
# seconds behind the screen saver; BENCH_SAVER_ONLY=1 measures only that.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export TINTWATCH=$(realpath "${1:-$top/build/tintwatch}")
earlier=${2:+$(realpath "$2")}
tools=$(dirname "$TINTWATCH")/bench
[ -x "$tools/map_watch" ] || tools=$top/build/bench
if ! command -v xclock >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y -qq --no-install-recommends x11-apps >/dev/null
fi
. "$top/tests/e2e/lib.sh"
start_desktop

# Nanoseconds on a CPU, from the scheduler: finer than the clock ticks of /proc/PID/stat.
cpu_ns() { awk '{print $1}' "/proc/$1/schedstat"; }
rss_kb() { awk '/VmRSS/{print $2}' "/proc/$1/status"; }

folder=$work/home
mkdir -p "$folder"
write_settings "$folder" " 1500  1500  0  1  100  100  100  100  0  0  1 "

# Behind the screen saver, both at once: wake-ups (voluntary context
# switches of all threads) and CPU time, per minute.
saver_wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n + 0}'; }
saver_cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {printf "%d\n", n}'; }
(cd "$folder" && exec "$TINTWATCH") >"$work/saver-clock.log" 2>&1 &
saver_clock=$!
pids+=($saver_clock)
xclock -update 1 -geometry 110x110+300+100 >"$work/saver-xclock.log" 2>&1 &
saver_xclock=$!
pids+=($saver_xclock)
wait_until 10 has_clock_window || fail "no clock"
wait_until 10 bash -c "xdotool search --onlyvisible --class '^XClock\$' | grep -q ." || fail "no xclock"
sleep 2  # past the start
xset s activate
sleep 1  # the notify has gone round
saver_from="$(saver_wakeups $saver_clock) $(saver_cpu_ns $saver_clock) $(saver_wakeups $saver_xclock) $(saver_cpu_ns $saver_xclock)"
sleep "${BENCH_SAVER:-60}"
saver_to="$(saver_wakeups $saver_clock) $(saver_cpu_ns $saver_clock) $(saver_wakeups $saver_xclock) $(saver_cpu_ns $saver_xclock)"
xset s reset
kill $saver_clock $saver_xclock
wait $saver_clock $saver_xclock 2>/dev/null || true
awk -v s="${BENCH_SAVER:-60}" -v from="$saver_from" -v to="$saver_to" 'BEGIN {
  split(from, a, " "); split(to, b, " "); f = 60 / s
  printf "Behind the screen saver (xset s activate), both running, per minute over %s s:\n\n", s
  printf "| | wake-ups | CPU ms |\n|---|---|---|\n"
  printf "| Tintwatch | %.0f | %.2f |\n", (b[1] - a[1]) * f, (b[2] - a[2]) * f / 1e6
  printf "| xclock -update 1 | %.0f | %.2f |\n\n", (b[3] - a[3]) * f, (b[4] - a[4]) * f / 1e6
}'
[ -z "${BENCH_SAVER_ONLY:-}" ] || exit 0

names=(tintwatch bare xclock)
declare -A command=([tintwatch]="$TINTWATCH" [bare]="$tools/bare_qt" [xclock]="xclock -update 1 -geometry 110x110+300+100")
declare -A times
for ((i = 0; i < ${BENCH_STARTS:-31}; i++)); do
  for name in "${names[@]}"; do
    times[$name]+="$(cd "$folder" && timed_start "$tools/map_watch" ${command[$name]}) "
  done
done

declare -A pid
for name in "${names[@]}"; do
  (cd "$folder" && exec ${command[$name]}) >"$work/$name.log" 2>&1 &
  pid[$name]=$!
  pids+=(${pid[$name]})
done
sleep 10
declare -A rss cpu0
for name in "${names[@]}"; do
  rss[$name]=$(rss_kb ${pid[$name]})
  cpu0[$name]=$(cpu_ns ${pid[$name]})
done
sleep "${BENCH_SECONDS:-60}"

mb() { awk -v kb="$1" 'BEGIN{printf "%.1f MB", kb / 1024}'; }
ms() { awk -v ns="$1" 'BEGIN{printf "%.1f ms", ns / 1e6}'; }
printf '| | Tintwatch | bare Qt window | xclock -update 1 |\n|---|---|---|---|\n'
printf '| start to first window mapped (median of %s) |' "${BENCH_STARTS:-31}"
for name in "${names[@]}"; do printf ' %s ms |' "$(tr ' ' '\n' <<<"${times[$name]}" | grep . | median)"; done
printf '\n| resident memory after 10 s |'
for name in "${names[@]}"; do printf ' %s |' "$(mb "${rss[$name]}")"; done
printf '\n| CPU time over %s s of ticking |' "${BENCH_SECONDS:-60}"
for name in "${names[@]}"; do printf ' %s |' "$(ms $(($(cpu_ns ${pid[$name]}) - ${cpu0[$name]})))"; done
printf '\n'
echo "all starts (ms): $(for name in "${names[@]}"; do printf '%s: %s; ' "$name" "${times[$name]}"; done)"

# One program at a time: what a minute of ticking costs it and the X server.
# Sums over the threads alive at the moment of reading.
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n + 0}'; }
cpu_all_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {printf "%d\n", n}'; }
written() { awk '/^wchar/ {print $2}' "/proc/$1/io"; }
sample() { echo "$(wakeups "$1") $(cpu_all_ns "$1") $(wakeups "$xvfb_pid") $(cpu_all_ns "$xvfb_pid") $(written "$1")"; }
xclock_window() { xdotool search --onlyvisible --class '^XClock$' 2>/dev/null | head -n 1; }
has_xclock_window() { [ -n "$(xclock_window)" ]; }
clock_width() { [ "$(geometry "$(clock_window)" | awk '{print $3}')" = "$1" ]; }

rows=("xclock -update 1" "Tintwatch" "Tintwatch see-through" "Tintwatch Lab" "Tintwatch see-through at 4× size")
declare -A program=() line=() bigger=()
add_rows() {  # SUFFIX PROGRAM
  program["Tintwatch$1"]=$2 line["Tintwatch$1"]=" 1500  1500  0  1  100  100  100  100  0  0  1 "
  program["Tintwatch see-through$1"]=$2 line["Tintwatch see-through$1"]=" 1500  1500  0  1  100  100  100  100  0  0  0 "
  program["Tintwatch Lab$1"]=$2 line["Tintwatch Lab$1"]=" 1500  1500  2  1  100  100  100  100  0  0  1 "
  program["Tintwatch see-through at 4× size$1"]=$2
  line["Tintwatch see-through at 4× size$1"]=" 1500  1500  0  1  100  100  100  100  0  0  0 "
  bigger["Tintwatch see-through at 4× size$1"]=1
}
add_rows "" "$TINTWATCH"
if [ -n "$earlier" ]; then
  add_rows " (earlier build)" "$earlier"
  rows+=("Tintwatch (earlier build)" "Tintwatch see-through (earlier build)" "Tintwatch Lab (earlier build)"
         "Tintwatch see-through at 4× size (earlier build)")
fi
for p in "${pids[@]:2}"; do kill "$p" 2>/dev/null || true; done  # the three programs above
rounds=${BENCH_ROUNDS:-3}
each=$(((${BENCH_TICKING:-60} + rounds - 1) / rounds))
declare -A total=()
for ((round = 0; round < rounds; round++)); do
  for row in "${rows[@]}"; do
    if [ "$row" = "xclock -update 1" ]; then
      xclock -update 1 -geometry 110x110+100+100 >"$work/xclock.log" 2>&1 &
      clock_pid=$!
      pids+=($clock_pid)
      wait_until 10 has_xclock_window || fail "no xclock"
    else
      folder=$work/ticking
      mkdir -p "$folder"
      write_settings "$folder" "${line[$row]}"
      (cd "$folder" && exec "${program[$row]}") >"$work/clock.log" 2>&1 &
      clock_pid=$!
      pids+=($clock_pid)
      wait_until 10 has_clock_window || fail "no clock for $row"
      if [ -n "${bigger[$row]:-}" ]; then
        focus_clock "$(clock_window)"
        xdotool key equal equal
        wait_until 10 clock_width 440 || fail "not at 4x size: $(geometry "$(clock_window)")"
      fi
    fi
    sleep 2  # past the start
    read -r -a from < <(sample $clock_pid)
    sleep "$each"
    read -r -a to < <(sample $clock_pid)
    kill $clock_pid
    wait $clock_pid 2>/dev/null || true
    read -r -a sum <<<"${total[$row]:-0 0 0 0 0}"
    for i in 0 1 2 3 4; do sum[i]=$((sum[i] + to[i] - from[i])); done
    total[$row]="${sum[*]}"
  done
done

seconds=$((each * rounds))
read -r -a base <<<"${total[xclock -update 1]}"
printf '\nPer minute of ticking (%s s of each, in %s interleaved rounds), one program at a time:\n\n' "$seconds" "$rounds"
printf '| | wake-ups | X server wake-ups | CPU ms | X server CPU ms | bytes written | CPU with the X server vs xclock |\n'
printf '|---|---|---|---|---|---|---|\n'
for row in "${rows[@]}"; do
  read -r -a v <<<"${total[$row]}"
  awk -v row="$row" -v s="$seconds" -v w="${v[0]}" -v c="${v[1]}" -v xw="${v[2]}" -v xc="${v[3]}" -v b="${v[4]}" \
      -v bc="${base[1]}" -v bxc="${base[3]}" 'BEGIN {
    f = 60 / s; kib = b * f / 1024
    printf "| %s | %.0f | %.0f | %.1f | %.1f | %s KiB | %.2f× |\n", row, w * f, xw * f, c * f / 1e6, xc * f / 1e6,
           (kib < 10 ? sprintf("%.1f", kib) : sprintf("%.0f", kib)), (c + xc) / (bc + bxc)}'
done
