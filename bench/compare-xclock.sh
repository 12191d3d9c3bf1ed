#!/usr/bin/env bash
# Runs Tintwatch and xclock (-update 1) side by side under one Xvfb with
# openbox and reports: time from start to the first drawn frame, resident
# memory after 10 s, CPU time over 60 s of ticking.
#   bash bench/compare-xclock.sh [path/to/tintwatch]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export TINTWATCH=$(realpath "${1:-$top/build/tintwatch}")
if ! command -v xclock >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y -qq --no-install-recommends x11-apps >/dev/null
fi
. "$top/tests/e2e/lib.sh"
start_desktop

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Whether window W shows more than one colour (it has drawn something).
drawn() {
  local colours
  colours=$(import -window "$1" -format '%k' info: 2>/dev/null || echo 0)
  [ "${colours:-0}" -gt 1 ]
}
first_frame() {  # CLASS START_MS: milliseconds until a window of CLASS is drawn
  local w
  while :; do
    w=$(xdotool search --onlyvisible --classname "$1" 2>/dev/null | head -n 1 || true)
    if [ -n "$w" ] && drawn "$w"; then
      echo $(($(now_ms) - $2))
      return
    fi
  done
}
# Nanoseconds on a CPU, from the scheduler: finer than the clock ticks of /proc/PID/stat.
cpu_ns() { awk '{print $1}' "/proc/$1/schedstat"; }
rss_kb() { awk '/VmRSS/{print $2}' "/proc/$1/status"; }

folder=$work/home
mkdir -p "$folder"
write_settings "$folder" " 1500  1500  0  1  100  100  100  100  0  0  1 "

start=$(now_ms)
(cd "$folder" && exec "$TINTWATCH") >"$work/tw.log" 2>&1 &
tw=$!
pids+=($tw)
tw_first=$(first_frame '^tintwatch$' "$start")

start=$(now_ms)
xclock -update 1 -geometry 110x110+300+100 >"$work/xclock.log" 2>&1 &
xc=$!
pids+=($xc)
xc_first=$(first_frame '^xclock$' "$start")

sleep 10
tw_rss=$(rss_kb $tw)
xc_rss=$(rss_kb $xc)
tw_cpu0=$(cpu_ns $tw)
xc_cpu0=$(cpu_ns $xc)
sleep "${BENCH_SECONDS:-60}"
tw_cpu=$(($(cpu_ns $tw) - tw_cpu0))
xc_cpu=$(($(cpu_ns $xc) - xc_cpu0))

printf '| | Tintwatch | xclock -update 1 |\n|---|---|---|\n'
printf '| start to first drawn frame | %d ms | %d ms |\n' "$tw_first" "$xc_first"
mb() { awk -v kb="$1" 'BEGIN{printf "%.1f MB", kb / 1024}'; }
ms() { awk -v ns="$1" 'BEGIN{printf "%.1f ms", ns / 1e6}'; }
printf '| resident memory after 10 s | %s | %s |\n' "$(mb "$tw_rss")" "$(mb "$xc_rss")"
printf '| CPU time over %s s of ticking | %s | %s |\n' "${BENCH_SECONDS:-60}" "$(ms "$tw_cpu")" "$(ms "$xc_cpu")"
