#!/usr/bin/env bash
# The Debian package: made with cpack from the build folder, unpacked into a
# throw-away root; its file list, control fields, desktop entry, launcher,
# manual page and help page checked, the desktop entry and the AppStream
# metainfo put through their validators and the whole package through
# lintian; `cmake --install` checked for the same files. Exits non-zero on
# any failure.
#   bash scripts/test-package.sh [build folder]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/.." && pwd)
build=$(realpath "${1:-$top/build}")
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -f "$build"/tintwatch_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || fail "cpack: $(cat "$work/cpack.log")"
deb=$(ls "$build"/tintwatch_*.deb)
root=$work/root
dpkg-deb -x "$deb" "$root"

version=$(sed -n 's/^project(Tintwatch VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version), not $version"
depends=$(dpkg-deb -f "$deb" Depends)
# Qt's own texts (message box buttons, a text box's menu) in the user's
# language come from qt6-translations-l10n.
for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libqt6dbus6 libxcb1 libxcb-shape0 libxcb-shm0 \
               libxcb-screensaver0 libxcb-dpms0 \
               qt6-translations-l10n; do
  sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends" | grep -qx "$library" || fail "Depends lacks $library: $depends"
done
# The dialogs' fonts, the glyphs of Chinese, Japanese and Arabic, and Qt's
# Wayland platform for a session without XWayland.
recommends=$(dpkg-deb -f "$deb" Recommends)
for font in fonts-liberation fonts-noto-cjk fonts-noto-core qt6-wayland; do
  sed 's/, /\n/g' <<<"$recommends" | grep -qx "$font" || fail "Recommends lacks $font: $recommends"
done

expected="./usr/bin/tintwatch
./usr/libexec/tintwatch/tintwatch-launch
./usr/share/applications/org.example.tintwatch.desktop
./usr/share/doc/tintwatch/changelog.gz
./usr/share/doc/tintwatch/copyright
./usr/share/icons/hicolor/128x128/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/16x16/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/256x256/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/32x32/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/48x48/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/64x64/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/scalable/apps/org.example.tintwatch.svg
./usr/share/man/man1/tintwatch.1.gz
./usr/share/metainfo/org.example.tintwatch.metainfo.xml
./usr/share/tintwatch/pictures/hue-expert.png
./usr/share/tintwatch/pictures/hue.png
./usr/share/tintwatch/pictures/lab.png
./usr/share/tintwatch/pictures/rgb.png
./usr/share/tintwatch/tintwatch-help.html
./usr/share/tintwatch/tintwatch-help_ar.html
./usr/share/tintwatch/tintwatch-help_de.html
./usr/share/tintwatch/tintwatch-help_es.html
./usr/share/tintwatch/tintwatch-help_fr.html
./usr/share/tintwatch/tintwatch-help_it.html
./usr/share/tintwatch/tintwatch-help_ja.html
./usr/share/tintwatch/tintwatch-help_pt_BR.html
./usr/share/tintwatch/tintwatch-help_ru.html
./usr/share/tintwatch/tintwatch-help_zh_CN.html
./usr/share/tintwatch/translations/tintwatch_ar.qm
./usr/share/tintwatch/translations/tintwatch_de.qm
./usr/share/tintwatch/translations/tintwatch_es.qm
./usr/share/tintwatch/translations/tintwatch_fr.qm
./usr/share/tintwatch/translations/tintwatch_it.qm
./usr/share/tintwatch/translations/tintwatch_ja.qm
./usr/share/tintwatch/translations/tintwatch_pt_BR.qm
./usr/share/tintwatch/translations/tintwatch_ru.qm
./usr/share/tintwatch/translations/tintwatch_zh_CN.qm"
files=$(cd "$root" && find . -type f | LC_ALL=C sort)
[ "$files" = "$(LC_ALL=C sort <<<"$expected")" ] || fail "file list:
$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$files"))"
for size in 16 32 48 64 128 256; do
  identify -format '%w %h' "$root/usr/share/icons/hicolor/${size}x$size/apps/org.example.tintwatch.png" |
    grep -qx "$size $size" || fail "the $size px icon is not $size px"
done

desktop=$root/usr/share/applications/org.example.tintwatch.desktop
grep -qx 'Exec=/usr/libexec/tintwatch/tintwatch-launch' "$desktop" || fail "desktop entry: $(grep Exec "$desktop")"
grep -qx 'Icon=org.example.tintwatch' "$desktop" || fail "desktop entry: $(grep Icon "$desktop")"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.tintwatch.metainfo.xml" ||
  fail "appstreamcli validate"

# Every picture each help page shows is in the package beside it.
for help in "$root"/usr/share/tintwatch/tintwatch-help*.html; do
  for picture in $(grep -o 'src="[^"]*"' "$help" | sed 's/src="\(.*\)"/\1/'); do
    [ -f "$(dirname "$help")/$picture" ] || fail "$(basename "$help") shows $picture, which is not in the package"
  done
done

# The launcher starts the program in the user's own settings folder: here it
# starts `pwd` in its place.
launcher=$work/launch-test
sed 's|^exec "/usr/bin/tintwatch" "\$@"$|exec pwd|' "$root/usr/libexec/tintwatch/tintwatch-launch" >"$launcher"
grep -q '^exec pwd$' "$launcher" || fail "the launcher does not start /usr/bin/tintwatch"
[ "$(env -u XDG_CONFIG_HOME HOME="$work/home" sh "$launcher")" = "$work/home/.config/tintwatch" ] ||
  fail "launcher folder without XDG_CONFIG_HOME"
[ "$(XDG_CONFIG_HOME="$work/config" HOME="$work/home" sh "$launcher")" = "$work/config/tintwatch" ] ||
  fail "launcher folder with XDG_CONFIG_HOME"
[ "$(cd "$work" && XDG_CONFIG_HOME=relative HOME="$work/home" sh "$launcher")" = "$work/home/.config/tintwatch" ] ||
  fail "launcher folder with a relative XDG_CONFIG_HOME"
[ ! -e "$work/relative" ] || fail "the launcher made a folder under a relative XDG_CONFIG_HOME"
# Folders it makes are the user's alone, whatever the umask.
(umask 022 && XDG_CONFIG_HOME="$work/new/config" HOME="$work/home" sh "$launcher" >/dev/null)
for folder in "$work/new/config" "$work/new/config/tintwatch" "$work/home/.config"; do
  [ "$(stat -c %a "$folder")" = 700 ] || fail "launcher made $folder with mode $(stat -c %a "$folder")"
done
# Without a home it says why on standard error, and starts nothing.
for home in "env -u HOME" "env HOME=" "env HOME=relative"; do
  if out=$($home XDG_CONFIG_HOME= sh "$launcher" 2>"$work/launch.err"); then
    fail "launcher started with $home: $out"
  fi
  grep -q HOME "$work/launch.err" || fail "launcher said nothing about HOME with $home: $(cat "$work/launch.err")"
done

# lintian: no error, no warning, and only the notes explained here.
#  - hardening-no-bindnow: symbols are bound as they are first used, as in
#    Debian's default builds; binding all of Qt's at start costs every start
#    about 2 ms (measured with LD_BIND_NOW=1), for a program that is not
#    set-id and reads no network input.
#  - package-contains-documentation-outside-usr-share-doc: the help page is
#    opened by the program (Online Help), so it must not live where a system
#    may leave out documentation.
explained="hardening-no-bindnow package-contains-documentation-outside-usr-share-doc"
lintian --display-info "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(cat "$work/lintian.log")"
while read -r kind _ tag _; do
  case $kind in
    E: | W:) fail "lintian: $(cat "$work/lintian.log")" ;;
    I:) [[ " $explained " == *" $tag "* ]] || fail "lintian note not explained: $(cat "$work/lintian.log")" ;;
  esac
done <"$work/lintian.log"

# The changelog's latest entry is this version.
zcat "$root/usr/share/doc/tintwatch/changelog.gz" | head -n 1 | grep -qx "tintwatch ($version) .*" ||
  fail "changelog: $(zcat "$root/usr/share/doc/tintwatch/changelog.gz" | head -n 1)"

# The manual page: lint-clean, of this version, and listing every option
# and every menu command the program has.
manual=$work/tintwatch.1
zcat "$root/usr/share/man/man1/tintwatch.1.gz" >"$manual"
lint=$(groff -man -ww -z "$manual" 2>&1) && [ -z "$lint" ] || fail "groff on the manual page: $lint"
head -n 1 "$manual" | grep -q "\"Tintwatch $version\"" || fail "manual page version: $(head -n 1 "$manual")"
text=$(MANWIDTH=200 man -l "$manual" 2>/dev/null | col -b)
for option in $("$build/tintwatch" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -q -- "$option" <<<"$text" || fail "the manual page lacks $option"
done
for option in $(sed -n '/^OPTIONS/,/^[A-Z]/p' <<<"$text" | grep '^       -' | grep -o -- '--[a-z-]*' | sort -u); do
  "$build/tintwatch" --help | grep -q -- "$option" || fail "the manual page lists $option, which the program lacks"
done
menu=$(sed -n '/^MENU/,/^FILES/p' <<<"$text" | tr -s ' \n' '  ')
# Every caption of the menu (its title, "Options", is not shown).
grep -o 'translate("Menu", "[^"]*")' "$top/qt/Form1.cpp" | cut -d'"' -f4 | grep -vx Options | sed 's/ *$//' >"$work/menu"
[ "$(wc -l <"$work/menu")" -ge 13 ] || fail "menu captions not found in qt/Form1.cpp"
while read -r caption; do
  grep -qF " $caption" <<<"$menu" || fail "the manual page's MENU lacks \"$caption\""
done <"$work/menu"

# cmake --install puts the same files in place under its prefix.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/tintwatch share/man/man1/tintwatch.1.gz share/doc/tintwatch/changelog.gz \
            $(cd "$root/usr" && ls share/tintwatch/tintwatch-help*.html); do
  [ -f "$prefix/$file" ] || fail "cmake --install did not install $file"
done

echo "package $(basename "$deb"): $(wc -l <<<"$files") files, Depends: $depends"
