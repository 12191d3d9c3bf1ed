#!/usr/bin/env bash
# Brings every translation file up to date with the program's texts: new
# texts are added unfinished, texts no longer used are marked obsolete.
# With a language code (e.g. "nl" or "pt_BR") it starts that language's file.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
files=("$top"/translations/tintwatch_*.ts)
if [ $# -gt 0 ]; then
  files=("$top/translations/tintwatch_$1.ts")
fi
"$lupdate" -silent -locations none -no-obsolete -I "$top" "$top/qt" -ts "${files[@]}"
