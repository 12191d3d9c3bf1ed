#!/usr/bin/env bash
# The real program in the user's language: started in German (LANGUAGE
# asking for Austrian German, which falls back to German), then in Arabic
# (from LANG alone), as a desktop session sets them; its menu and Clock
# Options read back as a screen reader reads them, the Arabic dialog
# mirrored, Exit from the Arabic menu saving the settings; the clock's face
# is the English face pixel for pixel.
SESSION_BUS=1
. "$(dirname "$0")/lib.sh"
start_desktop
screen_reader_on
settings=" 1500  1500  0  1  100  100  100  100  0  0  1 "

# in_language NAME=VALUE...: the clock started afresh with that language's
# variables, as a desktop session sets them.
folder=$work/home
mkdir -p "$folder"
in_language() {
  if [ -n "${clock_pid:-}" ]; then
    kill "$clock_pid"
    wait "$clock_pid" 2>/dev/null || true
  fi
  write_settings "$folder" "$settings"
  start_clock_with "$folder" -u LC_ALL -u LC_MESSAGES -u LANGUAGE "$@"
  wait_until 10 has_clock_window || fail "no clock with $*"
}

face_drawn() { screenshot && [ "$(pixel 155 155)" != ffffff ]; }
face_is_english() { screenshot && crop_window "$(clock_window)" "$work/face.png" && same_picture "$work/english.png" "$work/face.png"; }
reads() { grep -Fq "|$1|" <<<"$(accessible_texts)"; }
expect_reads() {  # WHAT TEXT...
  local what=$1 text
  shift
  for text in "$@"; do
    wait_until 10 reads "$text" || fail "$what: no \"$text\" in $(accessible_texts | cut -d'|' -f1,2 | tr '\n' ';')"
  done
}

# English first: the face to compare with.
in_language LANG=en_US.UTF-8
wait_until 10 face_drawn || fail "no face in English"
crop_window "$(clock_window)" "$work/english.png"

# The menu read as a screen reader user hears it: each item as it gets the
# focus, here under the pointer going down the menu. (Not with the keys: with
# a listener on the accessibility bus the toolkit hands every key to the bus
# first, which can hold it up for seconds.)
menu_window() {
  local w
  for w in $(program_windows); do is_menu "$w" && echo "$w" && return; done
}
read_menu() {  # WHAT ITEM...
  local what=$1 item x y width height top
  shift
  echo "reading the $what"
  open_menu "$(clock_window)"
  listen_for_focus
  read -r x y width height < <(geometry "$(menu_window)")
  # The program learns of the listener a moment after it is registered, and
  # an item passed before that is never heard: the pointer goes down the
  # menu again until every item has been heard.
  swept_and_heard() {
    local heard
    for ((top = 2; top < height; top += 4)); do xdotool mousemove $((x + width / 2)) $((y + top)); done
    heard=$(focused_names)
    for item in "$@"; do grep -q "^menu item|$item|" <<<"$heard" || return 1; done
  }
  wait_until 10 swept_and_heard "$@" || fail "$what: not all of $* in $(focused_names | tr '\n' ';')"
  focused_names >"$work/menu-items"
  stop_listening
}
# Clicks the item of the open menu with this name.
click_item() {
  local x y width height
  IFS=, read -r x y width height < <(grep "^menu item|$1|" "$work/menu-items" | tail -n 1 | awk -F'|' '{print $NF}')
  [ -n "$height" ] || fail "no place for \"$1\""
  xdotool mousemove $((x + width / 2)) $((y + height / 2)) click 1
}

# A window of the program by its title as it reads (xdotool's search reads
# titles in the test's C locale, where Arabic ones do not convert).
window_titled() {
  local w
  for w in $(program_windows); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && echo "$w" && return
  done
}
has_window_titled() { [ -n "$(window_titled "$1")" ]; }

# Clock Options from the menu; its title in the language.
open_options() {  # ITEM TITLE
  echo "opening $2"
  click_item "$1"
  wait_until 5 has_window_titled "$2" || fail "no \"$2\" dialog: $(xdotool search --onlyvisible --classname tintwatch getwindowname %@ 2>/dev/null)"
}
# Closed with its Cancel button, found where a screen reader finds it.
close_options() {  # TITLE CANCEL
  local x y width height
  IFS=, read -r x y width height < <(accessible_places | grep "^push button|$2|" | head -n 1 | awk -F'|' '{print $NF}')
  [ -n "$height" ] || fail "no \"$2\" button"
  xdotool mousemove $((x + width / 2)) $((y + height / 2)) click 1
  no_options() { ! has_window_titled "$1"; }
  wait_until 5 no_options "$1" || fail "\"$1\" did not close"
}

in_language LANGUAGE=de_AT:en LANG=de_AT.UTF-8
wait_until 10 face_is_english || fail "German face differs from the English one"
read_menu "German menu" "Immer im Vordergrund" "Weißer Hintergrund" "Expertenmodus" "Fenstergröße" "Uhroptionen…" \
  "Farbtontest" "Hilfe" "Beenden"
open_options "Uhroptionen…" "Uhroptionen"
expect_reads "German Clock Options" "Uhrtyp" "Farbton" "Takt" "Sättigung" "Helligkeit" "Abbrechen" \
  "Fließende Zeigerbewegung (Std. und Min. springen nicht)"
close_options "Uhroptionen" "Abbrechen"

in_language LANG=ar_EG.UTF-8
wait_until 10 face_is_english || fail "Arabic face differs from the English one"
read_menu "Arabic menu" "دائماً في المقدمة" "خلفية بيضاء" "وضع الخبير" "حجم النافذة" "خيارات الساعة..." \
  "اختبار تدرّج اللون" "تعليمات" "إنهاء"
open_options "خيارات الساعة..." "خيارات الساعة"
expect_reads "Arabic Clock Options" "نوع الساعة" "تدرّج اللون" "مستوى التشبّع" "إلغاء" "حسنًا"
# Mirrored: OK, at the right in English, stands at the left; the clock type
# frame, at the left, stands at the right.
read -r dx _ dwidth _ < <(geometry "$(window_titled "خيارات الساعة")")
place_of() { accessible_places | grep -F "|$1|" | head -n 1 | awk -F'|' '{print $NF}' | cut -d, -f1,3 | tr , ' '; }
read -r okx okwidth < <(place_of "حسنًا")
read -r framex framewidth < <(place_of "نوع الساعة")
[ -n "$okx" ] && [ -n "$framex" ] || fail "no places: $(accessible_places | grep -F -e حسنًا -e 'نوع الساعة')"
[ $((okx + okwidth / 2)) -lt $((dx + dwidth / 2)) ] || fail "OK at $okx not on the left of the dialog at $dx+$dwidth"
[ $((framex + framewidth / 2)) -gt $((dx + dwidth / 2)) ] || fail "clock type at $framex not on the right"
close_options "خيارات الساعة" "إلغاء"
wait_until 10 face_is_english || fail "Arabic face differs after the dialog"

# Exit from the Arabic menu ends the program and saves the settings.
read_menu "Arabic menu again" "إنهاء"
click_item "إنهاء"
wait_until 10 bash -c "! kill -0 $clock_pid" || fail "the program did not end after Exit"
no_sanitizer_report
file_is "$folder/Tintwatch.txt" "$settings"$'\r\n' || fail "settings file: $(od -c "$folder/Tintwatch.txt")"
echo "languages: passed"
