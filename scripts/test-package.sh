#!/usr/bin/env bash
# The Debian package: made with cpack from the build folder, unpacked into a
# throw-away root; its file list, control fields, desktop entry, launcher and
# help page checked, and the desktop entry and the AppStream metainfo put
# through their validators. Exits non-zero on any failure.
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
for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libxcb1 libxcb-shape0 libxcb-shm0; do
  sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends" | grep -qx "$library" || fail "Depends lacks $library: $depends"
done

expected="./usr/bin/tintwatch
./usr/libexec/tintwatch/tintwatch-launch
./usr/share/applications/org.example.tintwatch.desktop
./usr/share/doc/tintwatch/copyright
./usr/share/icons/hicolor/128x128/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/16x16/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/256x256/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/32x32/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/48x48/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/64x64/apps/org.example.tintwatch.png
./usr/share/icons/hicolor/scalable/apps/org.example.tintwatch.svg
./usr/share/metainfo/org.example.tintwatch.metainfo.xml
./usr/share/tintwatch/pictures/hue-expert.png
./usr/share/tintwatch/pictures/hue.png
./usr/share/tintwatch/pictures/lab.png
./usr/share/tintwatch/pictures/rgb.png
./usr/share/tintwatch/tintwatch-help.html"
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

# Every picture the help page shows is in the package beside it.
help=$root/usr/share/tintwatch/tintwatch-help.html
for picture in $(grep -o 'src="[^"]*"' "$help" | sed 's/src="\(.*\)"/\1/'); do
  [ -f "$(dirname "$help")/$picture" ] || fail "the help page shows $picture, which is not in the package"
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
echo "package $(basename "$deb"): $(wc -l <<<"$files") files, Depends: $depends"
