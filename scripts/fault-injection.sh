#!/usr/bin/env bash
# Saves of the program's own files under faults, through tilvex-cli (the
# databases and a workspace) and the desktop program (its settings file):
# for each case the message, the exit status and the old file's checksum
# before and after.  Needs root for the small file systems it mounts (a full
# one, a read-only one); the permission cases run as the user "nobody".
#
#   bash scripts/fault-injection.sh [BUILD_DIR]
set -uo pipefail
cd "$(dirname "$0")/.."
build="$(cd "${1:-build}" && pwd)"
cli="$build/tilvex-cli"
work="$(mktemp -d)"
trap 'umount "$work"/full "$work"/ro 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$build"/data/* "$work"/ 2>/dev/null
csv="$work/sats.csv"
"$cli" export-satellites "$work/satdemo.tdb" > "$csv"
printf '| case | file | message | status | checksum before | after |\n|---|---|---|---|---|---|\n'

# Writes the satellite database to $1 (through import), reports the row.
row() {
  local name="$1" target="$2" shown="${3:-$2}" runner="${4:-}"
  local before after out status
  before=$( [ -f "$target" ] && sha256sum < "$target" | cut -c1-12 || echo "-")
  out=$($runner "$cli" import-satellites "$csv" -o "$target" 2>&1 >/dev/null); status=$?
  after=$( [ -f "$target" ] && sha256sum < "$target" | cut -c1-12 || echo "-")
  printf '| %s | %s | %s | %s | %s | %s |\n' "$name" "$(basename "$shown")" "${out:-(none)}" "$status" "$before" "$after"
}

# Something different to write: one satellite more.
printf 'Fault Test,1,W,Ku,Americas,\n' >> "$csv"

mkdir -p "$work/locked" && cp "$work/satdemo.tdb" "$work/locked/" && chmod 555 "$work/locked"
row "read-only folder (as nobody)" "$work/locked/satdemo.tdb" "" "setpriv --reuid=nobody --regid=nogroup --clear-groups"
cp "$work/satdemo.tdb" "$work/mine.tdb" && chmod 600 "$work/mine.tdb" && chown root "$work/mine.tdb"
row "no permission (as nobody)" "$work/mine.tdb" "" "setpriv --reuid=nobody --regid=nogroup --clear-groups"
cp "$work/satdemo.tdb" "$work/ro.tdb" && chmod 444 "$work/ro.tdb"
row "read-only file" "$work/ro.tdb"
mkdir -p "$work/full" && mount -t tmpfs -o size=40k tmpfs "$work/full" && cp "$work/satdemo.tdb" "$work/full/" \
  && head -c 8000 /dev/zero > "$work/full/filler" 2>/dev/null
row "full file system (40 kB tmpfs)" "$work/full/satdemo.tdb"
printf '#!/usr/bin/env bash\nulimit -f 8\nexec "$@"\n' > "$work/limited" && chmod +x "$work/limited"
row "file-size limit (ulimit -f 8)" "$work/satdemo.tdb" "" "$work/limited"
mkdir -p "$work/ro" && cp "$work/satdemo.tdb" "$work/ro/" && mount -t tmpfs -o size=1m tmpfs "$work/ro" \
  && cp "$work/satdemo.tdb" "$work/ro/" && mount -o remount,ro "$work/ro"
row "read-only file system" "$work/ro/satdemo.tdb"
mkdir -p "$work/dir.tdb"
row "target is a folder" "$work/dir.tdb"
cp "$work/satdemo.tdb" "$work/gone.tdb" && rm "$work/gone.tdb"
row "file removed before the save" "$work/gone.tdb"
mkdir -p "$work/real" && cp "$work/satdemo.tdb" "$work/real/target.tdb" && ln -s real/target.tdb "$work/link.tdb"
row "symbolic link (link then target)" "$work/link.tdb"
[ -L "$work/link.tdb" ] && echo "| (the link is still a link; its target holds the new file) | | | | | |"
echo
echo "Temporary files left: $(find "$work" -name '.*.??????' 2>/dev/null | wc -l)"
