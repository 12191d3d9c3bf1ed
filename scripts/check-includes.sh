#!/usr/bin/env bash
# Fails on an include that points upward. Each folder may include only from
# the folders its line below names: the window-free layer (core/) from
# itself, each of its folders from those listed before it; the platform's
# sides (platform/x11/, platform/windows/) only from the seams in platform/;
# the Qt layer (qt/) from the seams and core/. A folder with no line fails
# too, so the table grows with the tree. Neither core/ nor platform/windows/
# includes a Qt or an X header.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"

core="core/colour core/time core/face core/huetest core/dialogs core/window"
declare -A may=(
  [core/colour]="core/colour"
  [core/time]="core/time"
  [core/face]="core/face core/colour core/time"
  [core/huetest]="core/huetest core/face core/colour core/time"
  [core/dialogs]="core/dialogs core/huetest core/face core/colour core/time"
  [core/window]="core/window core/huetest core/face core/colour core/time"
  [platform/windows]="platform/windows"
  [platform/x11]="platform/x11 $core"
  [platform]="platform platform/x11 platform/windows $core"
  [qt/dialogs]="qt/dialogs platform $core"
  [qt]="qt qt/dialogs platform $core"
  [tests/core]="tests/core $core"
  [tests/windows]="tests/windows platform/windows"
  [tests/qt]="tests/qt qt qt/dialogs platform $core"
  [tests/e2e]="tests/e2e $core"
  [bench]="bench qt $core"
  [fuzz]="fuzz $core"
  [docs]="docs qt $core"
)

status=0
fail() { echo "$1" >&2; status=1; }
while IFS= read -r file; do
  dir=$(dirname "$file")
  if [ -z "${may[$dir]+set}" ]; then
    fail "$file: the folder $dir has no line in scripts/check-includes.sh"
    continue
  fi
  while IFS= read -r hit; do
    line=${hit%%:*}
    include=$(sed -E 's/^[^"<]*["<]([^">]*)[">].*/\1/' <<<"${hit#*:}")
    case "${hit#*:}" in
      *'<'*)
        case "$dir/:$include" in
          core/*:Q* | core/*:xcb/* | platform/windows/:Q*)
            fail "$file:$line: $include: no toolkit or X header here" ;;
        esac
        continue ;;
    esac
    if [[ $include != */* ]]; then
      [ -f "$dir/$include" ] || fail "$file:$line: $include is not in $dir"
      continue
    fi
    [ -f "$include" ] || fail "$file:$line: $include does not exist"
    target=$(dirname "$include")
    case " ${may[$dir]} " in
      *" $target "*) ;;
      *) fail "$file:$line: $include points upward: $dir includes only from ${may[$dir]}" ;;
    esac
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' "$file" || true)
done < <(find core platform qt tests bench fuzz docs -name '*.cpp' -o -name '*.h' | sort)

[ $status -eq 0 ] && echo "Every include points downward"
exit $status
