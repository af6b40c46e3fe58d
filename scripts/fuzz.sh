#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for a bounded
# time on a copy of its saved inputs:
#
#   bash scripts/fuzz.sh [SECONDS_PER_TARGET]     (default 25)
#
# Inputs that break a reader are left in build-fuzz/crashes/<target>/; copy
# them to fuzz/corpus/<target>/ once fixed, where the ordinary test suite
# runs them.  Exit status 1 when any target broke.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-25}"

bash scripts/install-packages.sh clang libclang-rt-14-dev cmake make libgtest-dev

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILVEX_WERROR=ON -DTILVEX_FUZZ=ON >/dev/null
targets=(satellite-database location-database workspace magdata settings csv-satellites csv-locations places world-map horizons tle omm-csv)
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz-}"

status=0
for t in "${targets[@]}"; do
  # Absolute paths: each target works in a scratch folder of its own.
  work="$PWD/build-fuzz/corpus/$t"
  crashes="$PWD/build-fuzz/crashes/$t"
  mkdir -p "$work" "$crashes"
  cp -n fuzz/corpus/"$t"/* "$work"/ 2>/dev/null || true
  echo "== fuzz-$t for ${seconds}s"
  if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "build-fuzz/fuzz-$t" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
      -artifact_prefix="$crashes/" -print_final_stats=1 "$work" 2> "build-fuzz/$t.log"; then
    echo "fuzz-$t broke; see build-fuzz/$t.log and $crashes/"
    tail -40 "build-fuzz/$t.log"
    status=1
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "build-fuzz/$t.log" || true
done
exit $status
