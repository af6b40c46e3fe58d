#!/usr/bin/env bash
# A database of a million satellites (about 50 MB of CSV): the time and peak
# memory of importing it with tilvex-cli, and of starting the window on a
# data folder that holds it as satdemo.tdb (offscreen, until the program has
# settled and sits idle).  Leaves the CSV and the database in WORK_DIR for
# the benchmarks (TILVEX_BIG_SATELLITES=WORK_DIR/big.tdb).
#
#   bash bench/big-database.sh [BUILD_DIR] [WORK_DIR] [COUNT]
set -uo pipefail
build="$(cd "${1:-build}" && pwd)"
work="${2:-/tmp/tilvex-big}"
count="${3:-1000000}"
mkdir -p "$work"

# Names "Satellite 0000001" in a shuffled order, every region and band.
awk -v n="$count" 'BEGIN {
  print "name,slot,side,bands,region,comments"
  split("Americas Europe Asia IntelSat", regions, " ")
  split("Ku|C|DBS|Ku C|Ku DBS", bands, "|")
  for (i = 0; i < n; i++) {
    k = (i * 7919) % n
    printf "Satellite %07d,%.1f,%s,%s,%s,Services %d\n", k, (k % 1800) / 10.0,
           (k % 2 ? "W" : "E"), bands[k % 5 + 1], regions[k % 4 + 1], k
  }
}' > "$work/big.csv"

measure() {
  local what="$1"; shift
  /usr/bin/time -f "%e %M %x" -o "$work/t" "$@" > /dev/null 2> "$work/err"
  read -r seconds kb status < <(tail -1 "$work/t")
  printf '| %s | %s s | %d MB | %s |\n' "$what" "$seconds" $((kb / 1024)) "$status"
}

# Starts the window and waits until it has used no processor time for a
# second; prints the time taken until then and the peak memory.
measure_window() {
  local what="$1" data="$2"
  local start end pid ticks last idle=0 peak
  start=$(date +%s.%N)
  QT_QPA_PLATFORM=offscreen "$build/tilvex" --nosplash --data "$data" --settings "$data/tilvex.INI" \
    > /dev/null 2>&1 &
  pid=$!
  last=-1
  while kill -0 "$pid" 2> /dev/null; do
    sleep 0.25
    ticks=$(awk '{ print $14 + $15 }' "/proc/$pid/stat" 2> /dev/null) || break
    if [ "$ticks" = "$last" ]; then idle=$((idle + 1)); else idle=0; end=$(date +%s.%N); fi
    last=$ticks
    [ "$idle" -ge 4 ] && break
  done
  peak=$(awk '/VmHWM/ { print int($2 / 1024) }' "/proc/$pid/status" 2> /dev/null)
  kill "$pid" 2> /dev/null
  wait "$pid" 2> /dev/null
  printf '| %s | %.1f s | %s MB | |\n' "$what" "$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')" "${peak:-?}"
}

printf '| command (%d satellites) | time | peak memory | exit status |\n|---|---|---|---|\n' "$count"
measure "import-satellites (CSV to database)" "$build/tilvex-cli" import-satellites "$work/big.csv" -o "$work/big.tdb"
measure "dump (database to JSON)" "$build/tilvex-cli" dump "$work/big.tdb"

rm -rf "$work/data" && mkdir -p "$work/data"
cp "$build"/data/* "$work/data/"
cp "$work/big.tdb" "$work/data/satdemo.tdb"
measure_window "the window started on the database (to idle)" "$work/data"
