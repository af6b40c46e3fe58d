#!/usr/bin/env bash
# Builds the program and opens its window on the shipped data.  The program
# keeps its own copy of the data in the user's data folder, made from
# build/data on first run; its settings go to the user's configuration
# folder.  Without a display it runs on a virtual one (Xvfb).  Only the
# program and the shipped data are built, not the tests or benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --target tilvex --target shipped_data
dir="${TILVEX_BUILD_DIR:-build}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: running on a virtual one (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$dir/tilvex" "$@"
fi
exec "$dir/tilvex" "$@"
