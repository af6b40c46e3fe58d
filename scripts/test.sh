#!/usr/bin/env bash
# Builds everything (the tests, and the benchmarks so that they keep
# compiling) and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
dir="${TILVEX_BUILD_DIR:-build}"
cd "$dir"
# A test that fails is run once more before the run counts as failed: the
# end-to-end flows drive a real display and accessibility bus, whose replies
# can be late on a loaded machine.  A real fault fails both times.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --repeat until-pass:2
