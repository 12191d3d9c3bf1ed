#!/usr/bin/env bash
# Builds Tintwatch if needed and starts the clock in the current folder, where
# it keeps its settings file Tintwatch.txt.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$here/setup.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop session found (DISPLAY is not set); start the clock from a desktop terminal." >&2
  exit 1
fi
exec "$here/../build/tintwatch"
