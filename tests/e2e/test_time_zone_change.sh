#!/usr/bin/env bash
# The zone changes while the clock runs (as a desktop's settings do it, by
# replacing /etc/localtime): the next tick draws the new zone's hour. Runs in
# a private mount namespace, with a zone file of its own bound over
# /etc/localtime (needs root; skipped, and reported so, without it).
PRIVATE_MOUNTS=1
. "$(dirname "$0")/lib.sh"
zones=/usr/share/zoneinfo
[ -f $zones/Etc/UTC ] && [ -f $zones/Asia/Tokyo ] || fail "no zone files (tzdata)"
start_desktop

# Copies first: /etc/localtime is usually a link to Etc/UTC, and the mount
# lands on the link's target.
cp $zones/Etc/UTC "$work/utc"
cp $zones/Asia/Tokyo "$work/tokyo"
zone=$work/localtime
cp "$work/utc" "$zone"
mount --bind "$zone" /etc/localtime

# check_zone_change SMOOTH BEFORE AFTER: a frozen clock at 15:47:33 UTC, the
# hour disc BEFORE; the zone becomes Tokyo (00:47:33 there): AFTER.
check_zone_change() {
  local smooth=$1 before=$2 after=$3
  cat "$work/utc" >"$zone"
  # glibc sees a new zone file by its status, to the second: the rewrite
  # below must not share this one's second.
  touch -d '1 hour ago' "$zone"
  folder=$work/home$smooth
  mkdir -p "$folder"
  write_settings "$folder" " 1500  1500  0  1  100  100  100  100  $smooth  0  1 "
  # No TZ: the zone is the system's, read from /etc/localtime.
  (cd "$folder" && exec env -u TZ FAKETIME="2026-12-07 15:47:33" FAKETIME_DONT_FAKE_MONOTONIC=1 \
     LD_PRELOAD="$(preload)" QT_QPA_PLATFORM=xcb "$TINTWATCH" >"$work/clock.log" 2>&1) &
  clock_pid=$!
  pids+=($clock_pid)
  wait_until 10 has_clock_window || fail "no clock"
  expect_pixel 155 155 "$before" "hour disc in UTC (smooth $smooth)"
  # Replaced in place, as a package upgrade or a settings tool rewrites it.
  cat "$work/tokyo" >"$zone"
  expect_pixel 155 155 "$after" "hour disc once the zone is Tokyo (smooth $smooth)"
  expect_pixel 151 112 ff0004 "the rim, untouched (smooth $smooth)"
  stop_clock
  wait "$clock_pid" 2>/dev/null || true
}
# 15:47 is hour 3 (90 degrees) and 00:47 hour 0 (red); with smooth running
# the hour moves on by half a degree a minute: 113.5 -> 114 and 23.5 -> 24
# degrees (bench/face_colours 15 47 33 100 100 100 100 1 gives them).
check_zone_change 0 80ff00 ff0000
check_zone_change 1 1aff00 ff6600
echo "time zone change: passed"
