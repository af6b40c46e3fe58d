#!/usr/bin/env bash
# Builds the program and runs it on the shipped data.  Until the desktop
# window exists, this shows the look angles of a worked example: Galaxy 19
# (97 West) seen from Sacramento (38.5 North, 121.5 West), true azimuth, then
# magnetic azimuth with the variation from the geomagnetic model.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
dir="${TILVEX_BUILD_DIR:-build}"
echo "Elevation and true azimuth:"
"$dir/tilvex-cli" angles 38.5N 121.5W 97W --data data
echo "Elevation and magnetic azimuth:"
"$dir/tilvex-cli" angles 38.5N 121.5W 97W --auto-magvar --magnetic --data data
echo "Magnetic declination (East positive):"
"$dir/tilvex-cli" declination 38.5N 121.5W --data data
