#!/usr/bin/env bash
# The README's pictures, kept in docs/pictures, against what the drawing code
# draws now (the build's pictures folder). Pixels, not bytes: another zlib
# packs the same picture differently; a 1% fuzz allows for the last bit of
# anti-aliasing on another processor, far below any change of colour or shape.
#   readme_pictures.sh DOCS_PICTURES BUILD_PICTURES
set -euo pipefail
kept=$1
drawn=$2
failed=0
for name in hue.png rgb.png lab.png see-through.png options-de-ar.png; do
  [ -f "$kept/$name" ] || { echo "FAIL: $kept/$name is missing"; failed=1; continue; }
  [ -f "$drawn/$name" ] || { echo "FAIL: $drawn/$name was not drawn"; failed=1; continue; }
  differ=$(compare -metric AE -fuzz 1% "$kept/$name" "$drawn/$name" null: 2>&1) || true
  if [ "$differ" != 0 ]; then
    echo "FAIL: $name: $differ pixels differ from what the code draws"
    failed=1
  fi
done
if [ "$failed" != 0 ]; then
  echo "When the change is meant, take the new pictures: cp $drawn/{hue,rgb,lab,see-through,options-de-ar}.png $kept/"
  exit 1
fi
echo "README pictures: as drawn"
