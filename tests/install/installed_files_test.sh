#!/usr/bin/env bash
# The install rules, checked on a private prefix:
#
#   bash tests/install/installed_files_test.sh BUILD_DIR
#
# Every file a desktop needs is installed, with the copyright file, the
# change log and the man pages as Debian keeps them, and no empty folder;
# desktop-file-validate and appstreamcli (when present) accept the desktop
# entry and the metainfo; the installed program seeds a fresh data folder
# from the prefix's share/tilvex and, on a second start, leaves a changed
# user database alone.
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d "${TMPDIR:-/tmp}/tilvex-install.XXXXXX")"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.example.tilvex
workspace="United States Ku Band Satellites.wrk"
for f in bin/tilvex bin/tilvex-cli \
    share/tilvex/satdemo.tdb share/tilvex/locdemo.tdb share/tilvex/MagData.dat "share/tilvex/$workspace" \
    share/tilvex/places.tsv share/tilvex/world-map.txt \
    share/tilvex/translations/tilvex_de.qm share/tilvex/translations/tilvex_es.qm \
    share/tilvex/translations/tilvex_fr.qm share/tilvex/translations/tilvex_it.qm \
    share/tilvex/translations/tilvex_pl.qm share/tilvex/translations/tilvex_tr.qm \
    share/tilvex/translations/tilvex_ar.qm \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
    share/icons/hicolor/scalable/apps/tilvex.svg share/icons/hicolor/48x48/apps/tilvex.png \
    share/icons/hicolor/256x256/apps/tilvex.png share/doc/tilvex/copyright; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
# The installed program finds its translations: its usage in German.
env -u QT_QPA_PLATFORM DISPLAY= HOME="$work" "$prefix/bin/tilvex" --language de --help 2>&1 |
  grep -q "Die Version ausgeben und beenden." || fail "the installed tilvex --language de --help is not German"

# The man pages and the change log compressed, with no time stamp (gzip -n),
# so that the same sources give the same package.
source="$(cd "$(dirname "$0")/../.." && pwd)"
for f in share/man/man1/tilvex.1 share/man/man1/tilvex-cli.1 share/doc/tilvex/changelog; do
  if [ ! -s "$prefix/$f.gz" ]; then
    fail "$f.gz is not installed"
    continue
  fi
  zcat "$prefix/$f.gz" | cmp -s - "$source/dist/$(basename "$f")" || fail "$f.gz is not dist/$(basename "$f")"
  [ "$(od -An -tu4 -j4 -N4 "$prefix/$f.gz" | tr -d ' ')" = 0 ] || fail "$f.gz holds a time stamp"
done
[ -z "$(find "$prefix" -type d -empty)" ] || fail "empty folders installed: $(find "$prefix" -type d -empty)"
grep -q 'World Magnetic Model' "$prefix/share/doc/tilvex/copyright" || fail "the copyright file does not credit the World Magnetic Model"
grep -q 'GeoNames' "$prefix/share/doc/tilvex/copyright" || fail "the copyright file does not credit GeoNames"
grep -q '^Exec=tilvex %f$' "$prefix/share/applications/$id.desktop" || fail "the desktop entry does not start tilvex"
grep -q '<glob pattern="\*.wrk"/>' "$prefix/share/mime/packages/$id.xml" || fail "no *.wrk glob in the MIME package"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate not present: desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
else
  echo "appstreamcli not present: metainfo not validated"
fi

# The installed program, with nothing of the build tree around it.
export XDG_DATA_HOME="$work/xdg-data" XDG_CONFIG_HOME="$work/xdg-config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=offscreen HOME="$work/home"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset TILVEX_INI
user="$XDG_DATA_HOME/Tilvex/Tilvex"

# Starts the installed program and waits (10 s at most) for FILE to appear.
start_until() {
  (cd "$work" && exec "$prefix/bin/tilvex" --nosplash --settings "$work/tilvex.INI") >"$work/out.txt" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    [ -e "$1" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 0.5
  kill -0 "$pid" 2>/dev/null || { fail "tilvex ended by itself:"; cat "$work/out.txt"; }
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}

# The installed command line finds a place in the installed gazetteer from
# an empty folder.
mkdir -p "$work/empty"
place=$(cd "$work/empty" && "$prefix/bin/tilvex-cli" find-place tromso --limit 1 2>/dev/null) || true
[[ "$place" == Tromsø$'\t'*$'\t'NO$'\t'69.6* ]] || fail "the installed tilvex-cli does not find Tromsø: '$place'"

start_until "$user/$workspace"
for f in satdemo.tdb locdemo.tdb MagData.dat "$workspace"; do
  cmp -s "$prefix/share/tilvex/$f" "$user/$f" || fail "$f was not seeded from the install prefix"
done

# A changed database stays as the user left it; a removed file comes back.
printf '\0\0' > "$user/locdemo.tdb"
rm "$user/$workspace"
start_until "$user/$workspace"
[ "$(od -An -tx1 "$user/locdemo.tdb" | tr -d ' \n')" = 0000 ] || fail "the user's changed locdemo.tdb was replaced"
cmp -s "$prefix/share/tilvex/$workspace" "$user/$workspace" || fail "a removed workspace was not seeded again"

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "installed files: all checks passed"
