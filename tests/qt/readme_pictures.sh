#!/usr/bin/env bash
# The pictures kept in docs/pictures (the README's, the help page's that a
# cross build installs, the Windows program's icon file with each of its
# sizes) against what the drawing code draws now (the build's pictures
# folder). Pixels, not bytes: another zlib
# packs the same picture differently; a 1% fuzz allows for the last bit of
# anti-aliasing on another processor, far below any change of colour or shape.
#   readme_pictures.sh DOCS_PICTURES BUILD_PICTURES
set -euo pipefail
kept=$1
drawn=$2
failed=0
names="hue.png hue-expert.png rgb.png lab.png see-through.png options-de-ar.png tintwatch.ico"
for name in $names; do
  [ -f "$kept/$name" ] || { echo "FAIL: $kept/$name is missing"; failed=1; continue; }
  [ -f "$drawn/$name" ] || { echo "FAIL: $drawn/$name was not drawn"; failed=1; continue; }
  # An icon file holds one picture per size, in the same order in both.
  frames=$(identify -format '%wx%h\n' "$drawn/$name" 2>/dev/null | wc -l)
  kept_frames=$(identify -format '%wx%h\n' "$kept/$name" 2>/dev/null | wc -l)
  if [ "$frames" != "$kept_frames" ]; then
    echo "FAIL: $name: $kept_frames pictures kept, $frames drawn"
    failed=1
    continue
  fi
  for ((frame = 0; frame < frames; frame++)); do
    differ=$(compare -metric AE -fuzz 1% "$kept/$name[$frame]" "$drawn/$name[$frame]" null: 2>&1) || true
    if [ "$differ" != 0 ]; then
      echo "FAIL: $name[$frame]: $differ pixels differ from what the code draws"
      failed=1
    fi
  done
done
if [ "$failed" != 0 ]; then
  echo "When the change is meant, take the new pictures:"
  echo "  cp $drawn/{hue,hue-expert,rgb,lab,see-through,options-de-ar}.png $drawn/tintwatch.ico $kept/"
  exit 1
fi
echo "Kept pictures: as drawn"
