#!/usr/bin/env bash
# Fails on an include that points upward. Each folder may include only from
# the folders its line in the table below names, in either form ("…" or <…>,
# since the top of the tree is on every include path):
# - core/, the window-free layer, only from itself, each of its folders from
#   the few below it;
# - platform/ from its X11 and Windows sides and from core/; the sides
#   (platform/x11/, platform/windows/) never from the seams above them;
# - qt/ from the seams in platform/ (not their sides) and from core/.
# A folder with no line fails too, so the table grows with the tree. Neither
# core/ nor platform/windows/ includes a Qt or an X header. A quoted include
# names a file of the tree from its top, or one beside the file: system
# headers go in <…>.
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

# Every C and C++ source in the tree: the files git has, else every file
# outside the build folders.
sources() {
  local pattern='\.(c|cc|cpp|cxx|h|hh|hpp|hxx|inl|ipp)$'
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files --cached --others --exclude-standard | grep -E "$pattern" || true
  else
    find . -path './build*' -prune -o -path ./.git -prune -o -type f -print | sed 's|^\./||' | grep -E "$pattern" || true
  fi
}

status=0
fail() { echo "$1" >&2; status=1; }
while IFS= read -r file; do
  [ -f "$file" ] || continue  # deleted in the working tree
  dir=$(dirname "$file")
  if [ -z "${may[$dir]+set}" ]; then
    fail "$file: the folder $dir has no line in scripts/check-includes.sh"
    continue
  fi
  while IFS= read -r hit; do
    line=${hit%%:*}
    text=${hit#*:}
    # The form is the first delimiter after the word: a "<" in a comment
    # behind a quoted include does not make it a system header.
    if [[ $text =~ include[[:space:]]*\"([^\"]*)\" ]]; then
      include=${BASH_REMATCH[1]}
      quoted=1
    elif [[ $text =~ include[[:space:]]*\<([^\>]*)\> ]]; then
      include=${BASH_REMATCH[1]}
      quoted=0
    else
      fail "$file:$line: an include this check cannot read"
      continue
    fi
    case "$dir/:$include" in
      core/*:Q* | core/*:xcb/* | core/*:X11/* | platform/windows/:Q* | platform/windows/:xcb/* | platform/windows/:X11/*)
        fail "$file:$line: $include: no toolkit or X header here"
        continue ;;
    esac
    if [ $quoted = 0 ]; then
      # A system header, unless it names a folder of this tree.
      case "$include" in core/* | platform/* | qt/* | tests/*) ;; *) continue ;; esac
    elif [[ $include != */* ]]; then
      [ -f "$dir/$include" ] || fail "$file:$line: $include is not in $dir"
      continue
    fi
    if [[ $include == *..* || ! -f $include ]]; then
      fail "$file:$line: $include: name a file of the tree from its top"
      continue
    fi
    target=$(dirname "$include")
    case " ${may[$dir]} " in
      *" $target "*) ;;
      *) fail "$file:$line: $include points upward: $dir includes only from ${may[$dir]}" ;;
    esac
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(sources | sort)

[ $status -eq 0 ] && echo "Every include points downward"
exit $status
