#!/usr/bin/env bash
# Each reader against files it must refuse or bound: 100 MB of random bytes,
# and a 100 MB workspace of empty names.  Prints the time, the peak memory
# and the exit status of tilvex-cli for each.
#
#   bash bench/reader-bounds.sh [BUILD_DIR]
set -uo pipefail
cli="$(cd "${1:-build}" && pwd)/tilvex-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
head -c 100000000 /dev/urandom > "$work/random"
python3 - "$work/empty-names.wrk" <<'PY'
import struct, sys
n = 100_000_000
with open(sys.argv[1], "wb") as f:
    f.write(struct.pack("<HI", 0xFFFF, n)); f.write(b"\0" * n)
    f.write(struct.pack("<H", 0)); f.write(struct.pack("<iii", 31, 0, 0))
PY
mkdir "$work/data" && cp "$work/random" "$work/data/MagData.dat"
measure() {
  local what="$1"; shift
  /usr/bin/time -f "%e %M %x" -o "$work/t" "$@" > /dev/null 2>&1
  read -r seconds kb status < <(tail -1 "$work/t")
  printf '| %s | %s s | %d MB | %s |\n' "$what" "$seconds" $((kb / 1024)) "$status"
}
printf '| input | time | peak memory | exit status |\n|---|---|---|---|\n'
measure "random bytes as a database or workspace (dump)" "$cli" dump "$work/random"
measure "random bytes as satellite CSV (import)" "$cli" import-satellites "$work/random" -o "$work/x.tdb"
measure "random bytes as location CSV (import)" "$cli" import-locations "$work/random" -o "$work/y.tdb"
measure "random bytes as MagData.dat (declination)" "$cli" declination 40N 100W --data "$work/data"
measure "random bytes as the settings file (report)" env TILVEX_INI="$work/random" "$cli" report --data "$work"
measure "workspace of 100 million empty names (dump)" "$cli" dump "$work/empty-names.wrk"
