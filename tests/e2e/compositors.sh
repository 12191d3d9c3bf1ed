# The desktops people run today, for the end-to-end tests (sourced after
# lib.sh): GNOME's, KDE's and a wlroots compositor, each headless on Wayland
# with its XWayland, and KDE's and GNOME's window managers in their X11
# sessions on Xvfb. Each start_* function starts its compositor by PID in the
# test's own process group, waits until it is ready, and sets what a session
# there gives its programs (DISPLAY, WAYLAND_DISPLAY, XDG_RUNTIME_DIR, ...),
# desktop_name, and
#   screenshot      the compositor's own picture of the screen into
#                   $work/screen.png (lib.sh's pixel reads it), where it has
#                   one; shot_source says what the picture is;
#   pointer_*       a pointer that moves and clicks as the compositor's own
#                   pointer does, where there is a way to drive it;
#   press_keys      keys as the keyboard gives them.
# A compositor that refuses root runs as a plain user (session_user), and so
# do the clock and the X tools there, as in a user's session.

here_e2e=$(dirname "${BASH_SOURCE[0]}")
screen_width=1024
screen_height=768
session_user=""
run_as=()
shot_source=""
pointer_kind=xtest

# The plain user a compositor that refuses root runs as: "tw", made here on
# a fresh machine (tests run as root there).
use_session_user() {
  [ "$(id -u)" = 0 ] || return 0
  session_user=${TINTWATCH_SESSION_USER:-tw}
  if ! id "$session_user" >/dev/null 2>&1; then
    useradd -m "$session_user" || fail "cannot create the user $session_user"
  fi
  local home
  home=$(getent passwd "$session_user" | cut -d: -f6)
  run_as=(setpriv "--reuid=$session_user" "--regid=$session_user" --init-groups -- env "HOME=$home")
  # The user reaches the clock's folder and its own runtime folder, nothing
  # else of the test's.
  chmod 711 "$work"
  # The X tools, on this display, as that user: the X server lets in no one
  # else.
  mkdir -p "$work/bin"
  local tool
  for tool in xdotool xprop xwininfo xdpyinfo xmessage xclip; do
    printf '#!/bin/sh\nexec %s %s "$@"\n' "${run_as[*]}" "$(command -v "$tool")" >"$work/bin/$tool"
    chmod 755 "$work/bin/$tool"
  done
  PATH=$work/bin:$PATH
}

# A runtime folder of the session's own, owned by its user.
session_runtime_dir() {
  XDG_RUNTIME_DIR=$work/run
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  [ -z "$session_user" ] || chown "$session_user:" "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
}

# The clock as lib.sh's start_clock starts it (the same frozen time), but
# with the session's environment as a desktop entry or autostart gives it:
# no toolkit platform forced, the session's type and desktop named.
start_clock() {
  local folder=$1
  local at=${2:-2026-12-07 15:47:33}
  [ -z "$session_user" ] || chown -R "$session_user:" "$folder"
  (cd "$folder" && exec "${run_as[@]}" env -u QT_QPA_PLATFORM XDG_SESSION_TYPE="$session_type" \
     XDG_CURRENT_DESKTOP="$current_desktop" TZ=UTC FAKETIME="$at" FAKETIME_DONT_FAKE_MONOTONIC=1 \
     LD_PRELOAD="$(preload)" "$TINTWATCH" >"$work/${3:-clock.log}" 2>&1) &
  clock_pid=$!
  pids+=($clock_pid)
}

# A program of the session's own (a second window, say), started by PID.
start_in_session() {  # OUTPUT COMMAND...
  local out=$1 as=("${run_as[@]}")
  shift
  # (The X tools here already run as the session's user.)
  [[ "$(command -v "$1")" != "$work/bin/"* ]] || as=()
  "${as[@]}" "$@" >"$out" 2>&1 &
  session_pid=$!
  pids+=($session_pid)
}

# A failure keeps the compositor's picture and names the desktop.
fail() {
  echo "FAIL on ${desktop_name:-the desktop}: $*" >&2
  local keep="${TMPDIR:-/tmp}/tintwatch-e2e-fail-$$.png"
  if declare -F screenshot >/dev/null && screenshot 2>/dev/null && cp "$work/screen.png" "$keep" 2>/dev/null; then
    echo "screenshot ($shot_source): $keep" >&2
  fi
  [ -n "${DISPLAY:-}" ] && xwininfo -root -tree 2>/dev/null | grep -i tintwatch | sed "s/^/window: /" >&2
  [ -f "$work/clock.log" ] && sed 's/^/clock: /' "$work/clock.log" >&2
  exit 1
}

# The X server's pointer and keyboard (XTEST): what a user does on an X11
# session; on XWayland it reaches the X clients only, not the compositor.
# On a Wayland compositor that lets a program drive its pointer, one
# wl_pointer for the whole test, its steps sent a line at a time, each
# waited for until the compositor has had it.
start_wayland_pointer() {
  [ -n "${WL_POINTER:-}" ] || fail "no wl_pointer built (wayland-client missing at build time)"
  mkfifo "$work/pointer.in"
  "${run_as[@]}" "$WL_POINTER" <"$work/pointer.in" >"$work/pointer.out" 2>&1 &
  pids+=($!)
  exec 7>"$work/pointer.in"
  pointer_steps=0
  pointer_kind=wayland
}
pointer_step() {
  pointer_steps=$((pointer_steps + 1))
  echo "$*" >&7
  steps_done() { [ "$(grep -c '^done$' "$work/pointer.out")" -ge "$pointer_steps" ]; }
  wait_until 10 steps_done || fail "the pointer did not take \"$*\": $(grep -v '^done$' "$work/pointer.out")"
}
pointer_move() {
  case $pointer_kind in
    xtest) xdotool mousemove "$1" "$2" ;;
    wayland) pointer_step move "$1" "$2" ;;
  esac
}
pointer_button() {  # down|up|rdown|rup
  case $pointer_kind in
    xtest)
      case $1 in
        down) xdotool mousedown 1 ;; up) xdotool mouseup 1 ;;
        rdown) xdotool mousedown 3 ;; rup) xdotool mouseup 3 ;;
      esac ;;
    wayland) pointer_step "$1" ;;
  esac
}
pointer_click() {  # X Y [right]
  # A hand's pointer comes to a place: sway passes a click straight after a
  # jump onto an X window from the desktop to no one.
  [ "$pointer_kind" = xtest ] || pointer_move $(($1 - 1)) $(($2 - 1))
  pointer_move "$1" "$2"
  if [ "${3:-}" = right ]; then pointer_button rdown; pointer_button rup; else pointer_button down; pointer_button up; fi
}
press_keys() {
  local k
  case $key_kind in
    xtest) xdotool key --delay 60 "$@" ;;
    # wtype's keys (a virtual keyboard of sway's, with a keymap of its own
    # at each run) reach XWayland's clients on sway 1.7 with the keymap of the
    # run before: X windows get theirs through the X server.
    wtype)
      if [ -n "$(program_windows)" ]; then
        xdotool key --delay 60 "$@"
      else
        for k in "$@"; do "${run_as[@]}" wtype -k "$k"; done
      fi ;;
  esac
}
key_kind=xtest

# The X server of an X11 session: Xvfb as start_desktop starts it, the
# window manager left to the caller.
start_x_server() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -noreset -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  wait_until 10 test -s "$work/display" || fail "X server did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(tr -d '\n' <"$work/display")"
  wait_until 10 xdpyinfo || fail "X server does not answer"
  # A desktop of a colour of its own, so that what shows through is told
  # from black.
  xsetroot -solid '#3a6ea5'
}
x_screenshot() { import -window root "$work/screen.png"; }
# Whether the picture shows what lies below a window's holes, and whether
# the pointer is the compositor's (clicks focus, drags move).
shows_holes=yes
pointer_in_compositor=yes

# A rootless XWayland has no picture of its root: its top-level windows,
# each as it has drawn itself (holes and all), laid out bottom to top on
# black.
xwayland_picture() {
  local w x y width height state layers=()
  # (xwininfo lists the top one first.)
  for w in $(xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}' | tac); do
    read -r x y width height state < <(xwininfo -id "$w" 2>/dev/null |
      awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} /Map State:/{s=$3} END{print x, y, w, h, s}') || continue
    [ "$state" = IsViewable ] && [ "$width" -gt 3 ] && [ "$height" -gt 3 ] || continue
    import -window "$w" "$work/layer-$w.png" 2>/dev/null || continue
    layers+=("$work/layer-$w.png" -geometry "+$x+$y" -composite)
  done
  convert -size "${screen_width}x${screen_height}" xc:black "${layers[@]}" "$work/screen.png"
  rm -f "$work"/layer-*.png
}

# Programs the session bus starts on demand get the session's displays, as
# a desktop session hands them over.
tell_session_bus() {
  local names=() name
  for name in DISPLAY XAUTHORITY WAYLAND_DISPLAY XDG_RUNTIME_DIR; do [ -z "${!name:-}" ] || names+=("$name"); done
  XDG_SESSION_TYPE=$session_type XDG_CURRENT_DESKTOP=$current_desktop \
    dbus-update-activation-environment "${names[@]}" XDG_SESSION_TYPE XDG_CURRENT_DESKTOP
}

# The display number of the XWayland a compositor started (its child).
xwayland_display() {  # COMPOSITOR_PID
  ps -o args= --ppid "$1" | awk '$1 ~ /Xwayland$/ { for (i = 2; i <= NF; i++) if ($i ~ /^:[0-9]+$/) { print $i; exit } }'
}
has_xwayland() { [ -n "$(xwayland_display "$1")" ]; }
# The window manager of an X display has said so on its root window.
manages_x_windows() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id #'; }

# sway (wlroots), headless with its XWayland, as a plain user (it refuses
# root), its desktop a known colour. XWayland starts on the first client.
start_sway() {
  desktop_name=sway session_type=wayland current_desktop=sway
  use_session_user
  session_runtime_dir
  cat >"$work/sway.config" <<'EOF'
xwayland enable
output * resolution 1024x768 position 0 0 bg #3a6ea5 solid_color
for_window [class="Xmessage"] floating enable, border none
EOF
  chmod 644 "$work/sway.config"
  WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 \
    "${run_as[@]}" sway -c "$work/sway.config" >"$work/sway.log" 2>&1 &
  desktop_pid=$!
  pids+=($desktop_pid)
  sway_socket() { compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" | head -n 1; }
  sway_ready() { [ -n "$(sway_socket)" ] && "${run_as[@]}" swaymsg -s "$(sway_socket)" -t get_outputs | grep -q HEADLESS; }
  wait_until 10 sway_ready || fail "sway did not start: $(tail -n 5 "$work/sway.log")"
  export SWAYSOCK
  SWAYSOCK=$(sway_socket)
  # What sway gives its programs: ask a program it starts.
  "${run_as[@]}" swaymsg exec "echo \$WAYLAND_DISPLAY \$DISPLAY > $XDG_RUNTIME_DIR/session-env" >/dev/null
  wait_until 10 test -s "$XDG_RUNTIME_DIR/session-env" || fail "sway starts no programs"
  read -r WAYLAND_DISPLAY DISPLAY <"$XDG_RUNTIME_DIR/session-env"
  [ -n "${DISPLAY:-}" ] || fail "sway has no XWayland: $(tail -n 5 "$work/sway.log")"
  export WAYLAND_DISPLAY DISPLAY
  tell_session_bus
  wait_until 20 xdpyinfo || fail "sway's XWayland does not answer: $(tail -n 5 "$work/sway.log")"
  shot_source="sway's own picture (grim)"
  screenshot() { "${run_as[@]}" grim -t png - >"$work/screen.png"; }
  # The seat has no pointer until the virtual one comes.
  start_wayland_pointer
  key_kind=wtype
  pointer_move 700 600
}
sway_tree() { "${run_as[@]}" swaymsg -t get_tree; }

# A window of the session's where the test wants it: a manager honours the
# place the program asked for, but sway centres each floating window.
place_window() {  # CLASS X Y
  [ "$desktop_name" = sway ] || return 0
  "${run_as[@]}" swaymsg "[class=\"$1\"] move position $2 $3" >/dev/null
}

# GNOME's compositor: mutter headless with its XWayland (root is accepted).
# mutter alone has no screenshot interface (GNOME Shell brings that), and its
# screen casts need PipeWire: the picture is XWayland's, of the X windows
# only, drawn as the X server has them, not as mutter shows them.
start_mutter() {
  desktop_name="mutter (Wayland)" session_type=wayland current_desktop=GNOME
  session_runtime_dir
  mutter --wayland --headless --virtual-monitor "${screen_width}x${screen_height}" \
    --wayland-display=wayland-tintwatch >"$work/mutter.log" 2>&1 &
  desktop_pid=$!
  pids+=($desktop_pid)
  wait_until 20 has_xwayland "$desktop_pid" || fail "mutter started no XWayland: $(tail -n 5 "$work/mutter.log")"
  export WAYLAND_DISPLAY=wayland-tintwatch
  DISPLAY=$(xwayland_display "$desktop_pid")
  XAUTHORITY=$(compgen -G "$XDG_RUNTIME_DIR/.mutter-Xwaylandauth.*" | head -n 1)
  export DISPLAY XAUTHORITY
  tell_session_bus
  wait_until 20 xdpyinfo || fail "mutter's XWayland does not answer: $(tail -n 5 "$work/mutter.log")"
  wait_until 10 manages_x_windows || fail "mutter does not manage X windows"
  shot_source="XWayland's windows laid out as XWayland stacks them, not mutter's picture (mutter has no screenshot interface)"
  shows_holes=no
  screenshot() { xwayland_picture; }
  # Its remote desktop interface, the one way in for input, needs a screen
  # cast, thus PipeWire: the pointer is XWayland's own (XTEST), which X
  # clients feel and mutter does not (no focus on click, no moves).
  pointer_in_compositor=no
}

# KDE's compositor: kwin_wayland headless with its XWayland. The installed
# program carries a file capability (CAP_SYS_RESOURCE) that a container's
# bounding set refuses, to root too: a copy without it runs. Its screenshot
# interface answers tests with KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1; its
# fake-input protocol gives the compositor's pointer, offered with
# KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 to programs no desktop file lists.
start_kwin() {
  desktop_name="kwin (Wayland)" session_type=wayland current_desktop=KDE
  session_runtime_dir
  cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
  KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$work/kwin_wayland" --virtual --xwayland \
    --no-lockscreen --socket wayland-tintwatch --width "$screen_width" \
    --height "$screen_height" >"$work/kwin.log" 2>&1 &
  desktop_pid=$!
  pids+=($desktop_pid)
  wait_until 20 has_xwayland "$desktop_pid" || fail "kwin started no XWayland: $(tail -n 5 "$work/kwin.log")"
  export WAYLAND_DISPLAY=wayland-tintwatch
  DISPLAY=$(xwayland_display "$desktop_pid")
  export DISPLAY
  tell_session_bus
  wait_until 20 xdpyinfo || fail "kwin's XWayland does not answer: $(tail -n 5 "$work/kwin.log")"
  wait_until 10 manages_x_windows || fail "kwin does not manage X windows"
  shot_source="KWin's own picture (ScreenShot2.CaptureArea)"
  screenshot() { /usr/bin/python3 "$here_e2e/kwin_screenshot.py" "$work/screen.png"; }
  wait_until 10 screenshot || fail "no picture from KWin: $(screenshot 2>&1 | tail -n 2)"
  start_wayland_pointer
  pointer_move 700 600
}

# KDE Plasma's X11 session: kwin_x11 on Xvfb, compositing.
start_kwin_x11() {
  desktop_name="kwin (X11)" session_type=x11 current_desktop=KDE
  start_x_server
  tell_session_bus
  kwin_x11 >"$work/kwin.log" 2>&1 &
  desktop_pid=$!
  pids+=($desktop_pid)
  wait_until 20 manages_x_windows || fail "kwin_x11 did not start: $(tail -n 5 "$work/kwin.log")"
  shot_source="the X screen as kwin_x11 composes it (import -window root)"
  screenshot() { x_screenshot; }
}

# Xfce's session: xfwm4 on Xvfb, with its compositor.
start_xfce() {
  desktop_name="xfwm4 (X11)" session_type=x11 current_desktop=XFCE
  start_x_server
  tell_session_bus
  xfwm4 --compositor=on >"$work/xfwm4.log" 2>&1 &
  desktop_pid=$!
  pids+=($desktop_pid)
  wait_until 20 manages_x_windows || fail "xfwm4 did not start: $(tail -n 5 "$work/xfwm4.log")"
  shot_source="the X screen as xfwm4 composes it (import -window root)"
  screenshot() { x_screenshot; }
}

# GNOME's X11 session: mutter --x11 on Xvfb.
start_mutter_x11() {
  desktop_name="mutter (X11)" session_type=x11 current_desktop=GNOME
  start_x_server
  tell_session_bus
  mutter --x11 >"$work/mutter.log" 2>&1 &
  desktop_pid=$!
  pids+=($desktop_pid)
  wait_until 20 manages_x_windows || fail "mutter --x11 did not start: $(tail -n 5 "$work/mutter.log")"
  shot_source="the X screen as mutter composes it (import -window root)"
  screenshot() { x_screenshot; }
}
