#!/usr/bin/env bash
# When each tick lands inside the wall clock's second, seen from outside: the
# programs run side by side under one Xvfb with openbox, strace timestamps
# every request they send to the X server, and the first request of each
# second gives that tick's phase (milliseconds after the second began).
# Prints, for each program and for `xclock -update 1`, the median and the
# worst phase. For each program it also shows what the ticks drew: the seconds
# ring read from the X server (tests/e2e/second_probe) 300 and 700 ms into
# every second, the share of those readings that named another second than
# the wall clock's, and the delay from each second's start to the face
# showing it. Then how fast the face is right again when the server's screen
# saver ends: from the request that ends it to the first reading of the ring
# that names the present second (median and worst of 10, each after 2 s
# behind the screen saver, ended at another point of the second each time).
# Then the hue check test's step intervals seen the same way, once in plain
# sight and once run behind the screen saver, which must not change them.
#   bash bench/tick-phase.sh [tintwatch ...]     (default build/tintwatch)
# BENCH_SECONDS (default 30) sets the length of each measurement.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
programs=()
for program in "${@:-$top/build/tintwatch}"; do programs+=("$(realpath "$program")"); done
export TINTWATCH=${programs[0]}
probe=$top/build/tests/e2e/second_probe
[ -x "$probe" ] || { echo "build the tests first: $probe is missing" >&2; exit 1; }
for tool in xclock strace; do
  command -v $tool >/dev/null && continue
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y -qq --no-install-recommends x11-apps strace >/dev/null
done
. "$top/tests/e2e/lib.sh"
start_desktop
seconds=${BENCH_SECONDS:-30}

# trace PID FILE: what PID (all its threads) writes to sockets, with
# wall-clock times.
trace() {
  strace -f -ttt -yy -e trace=writev,sendmsg,write -o "$2" -p "$1" 2>/dev/null &
  pids+=($!)
  wait_until 10 grep -q . "$2" || fail "strace did not attach to $1"
}

# The wall-clock times of the requests in a trace that went to the X server:
# writes on a socket whose peer is one of the server's ends (from ss).
x_requests() {
  local ends
  ends=$(ss -xn | awk '$5 ~ /X11-unix/ {print $6}' | paste -sd'|')
  grep -E "UNIX-STREAM:\[[0-9]+->(${ends:-none})\]" "$1" | awk '{print $2}' | sort -n
}

# phases FILE: the first X request of each whole second after the first two,
# as milliseconds after that second began; prints "median worst count".
phases() {
  x_requests "$1" |
    awk '{s = int($1); if (!(s in first)) {first[s] = $1 - s; order[n++] = s}}
         END {for (i = 2; i < n - 1; i++) print first[order[i]] * 1000}' |
    sort -n | awk '{v[NR] = $1} END {if (NR == 0) {print "- - 0"; exit}
                   printf "%.1f %.1f %d\n", v[int((NR + 1) / 2)], v[NR], NR}'
}

has_window_of() { [ -n "$(xdotool search --all --onlyvisible --pid "$1" --classname '^tintwatch$' 2>/dev/null)" ]; }
names=()
files=()
running=()
probes=()
probe_pids=()
i=0
for program in "${programs[@]}"; do
  folder=$work/home$i
  mkdir -p "$folder"
  write_settings "$folder" " $((1500 + 1800 * i))  1500  0  1  100  100  100  100  0  0  1 "
  (cd "$folder" && TZ=UTC exec "$program") >"$work/tw$i.log" 2>&1 &
  pid=$!
  pids+=($pid)
  running+=($pid)
  wait_until 10 has_window_of $pid || fail "no clock from $program"
  names+=("Tintwatch ($program)")
  files+=("$work/tw$i.trace")
  probes+=("$work/tw$i.probe")
  i=$((i + 1))
done
xclock -update 1 -geometry 110x110+600+400 >"$work/xclock.log" 2>&1 &
xc=$!
pids+=($xc)
names+=("xclock -update 1")
files+=("$work/xclock.trace")

# First what the faces show, untraced (strace's own delay would give a late
# tick time to catch up with a late clock), then when the requests go out.
for k in "${!running[@]}"; do
  "$probe" "$(xdotool search --all --onlyvisible --pid "${running[$k]}" --classname '^tintwatch$' | head -n 1)" 53 20 \
    "$seconds" >"${probes[$k]}" 2>&1 &
  probe_pids+=($!)
  pids+=($!)
done
wait "${probe_pids[@]}" || true
wake=$("$probe" "$(xdotool search --all --onlyvisible --pid "${running[0]}" --classname '^tintwatch$' | head -n 1)" 53 20 \
  wake 10 2>&1) || true
for k in "${!running[@]}"; do trace "${running[$k]}" "${files[$k]}"; done
trace $xc "$work/xclock.trace"
sleep "$seconds"
echo "Phase of the ticks after the second boundary (X requests), and what they showed (the seconds ring), over $seconds s:"
printf '| | median phase | worst phase | ticks | readings of another second | shown after (median) | shown after (worst) |\n'
printf '|---|---|---|---|---|---|---|\n'
for k in "${!names[@]}"; do
  read -r median worst count < <(phases "${files[$k]}")
  shown="- | - | -"
  if [ -n "${probes[$k]:-}" ]; then
    shown=$(awk '/^samples/ {printf "%d of %d | %s ms | %s ms", $4, $2, $7, $9}' "${probes[$k]}")
  fi
  printf '| %s | %s ms | %s ms | %s | %s |\n' "${names[$k]}" "$median" "$worst" "$count" "$shown"
done
kill $xc "${running[@]}"
echo
echo "Back from the screen saver to the present second on the face (${programs[0]}): $wake"

# The hue check test's steps, seen the same way: a 12-change run with no key
# pressed, the gaps between the X requests that show each new colour; the
# second run behind the screen saver.
for where in "in sight" "behind the screen saver"; do
folder=$work/hue
mkdir -p "$folder"
write_settings "$folder" " 1500  1500  0  1  100  100  100  100  0  0  1 "
(cd "$folder" && exec "$TINTWATCH") >"$work/clock.log" 2>&1 &
clock_pid=$!
pids+=($clock_pid)
wait_until 10 has_clock_window || fail "no clock"
open_menu "$(clock_window)"
xdotool key Up Up Up Return
wait_until 5 has_window_named "Hue Check Test" || fail "no Hue Check Test dialog"
t=$(window_named "Hue Check Test")
expect_placed "$t" "184 250 664 376" "Hue Check Test"
trace $clock_pid "$work/hue-${where// /-}.trace"
xdotool mousemove --window "$t" 555 253 click 1
[ "$where" = "in sight" ] || xset s activate
wait_until 60 has_window_named "Hue Check Test" || fail "no result dialog"
xset s reset
# Requests closer together than 0.5 s belong to one step (the dialog's
# closing, the result); the gaps between steps are what the run drew. The
# first gap, from OK to the first colour, also waits for the clock's tick.
x_requests "$work/hue-${where// /-}.trace" |
  awk 'NR == 1 {last = $1; next} {if ($1 - last > 0.5 && gaps++) print ($1 - last) * 1000; last = $1}' |
  sort -n | awk '{v[NR] = $1; if ($1 < 1250 || $1 > 2005) out++}
                 END {printf "Hue check test %s: %d step gaps, shortest %.1f ms, longest %.1f ms, outside 1250..2000 ms (+5): %d\n",
                      where, NR, v[1], v[NR], out}' where="$where"
kill $clock_pid
wait $clock_pid 2>/dev/null || true
done
