#!/usr/bin/env bash
# Configures and builds the project into build/ (or $TILVEX_BUILD_DIR):
# everything, or only the targets named with --target (and what they need).
# Other arguments go to cmake's configure step.
#
#   bash scripts/build.sh [--target NAME]... [CMAKE_ARGUMENT]...
set -euo pipefail
cd "$(dirname "$0")/.."
targets=()
cmake_args=()
while [ $# -gt 0 ]; do
  if [ "$1" = --target ] && [ $# -ge 2 ]; then
    targets+=(--target "$2")
    shift 2
  else
    cmake_args+=("$1")
    shift
  fi
done
bash scripts/deps.sh
dir="${TILVEX_BUILD_DIR:-build}"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVEX_WERROR=ON ${cmake_args[@]+"${cmake_args[@]}"} >/dev/null
cmake --build "$dir" -j"$(nproc)" ${targets[@]+"${targets[@]}"}
