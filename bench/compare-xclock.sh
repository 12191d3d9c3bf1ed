#!/usr/bin/env bash
# Runs Tintwatch, a bare Qt window (one frameless, on-top 110 x 110 tool
# window: the toolkit's own cost) and xclock (-update 1) under one Xvfb with
# openbox and reports: start-up, from exec to the MapNotify of the first
# window, seen by an X client on the root (median of interleaved starts);
# resident memory after 10 s; CPU time over 60 s of ticking.
#   bash bench/compare-xclock.sh [path/to/tintwatch]
# BENCH_STARTS (default 31) starts of each; BENCH_SECONDS (default 60).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export TINTWATCH=$(realpath "${1:-$top/build/tintwatch}")
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
gone() { ! kill -0 "$1" 2>/dev/null; }
window_gone() { ! xwininfo -id "$1" >/dev/null 2>&1; }
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

folder=$work/home
mkdir -p "$folder"
write_settings "$folder" " 1500  1500  0  1  100  100  100  100  0  0  1 "
names=(tintwatch bare xclock)
declare -A command=([tintwatch]="$TINTWATCH" [bare]="$tools/bare_qt" [xclock]="xclock -update 1 -geometry 110x110+300+100")
declare -A times
for ((i = 0; i < ${BENCH_STARTS:-31}; i++)); do
  for name in "${names[@]}"; do
    read -r ms pid window < <(cd "$folder" && exec "$tools/map_watch" ${command[$name]} 2>/dev/null)
    times[$name]+="$ms "
    kill "$pid"
    wait_until 10 gone "$pid"
    # The next start waits until the window manager has let go of this
    # window, so that it is not timed against that work.
    wait_until 10 window_gone "$window"
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
