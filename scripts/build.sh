#!/usr/bin/env bash
# Configures and builds the project into build/ (or $TILVEX_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
dir="${TILVEX_BUILD_DIR:-build}"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVEX_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
