#!/usr/bin/env bash
# tilvex --help and --version without a display:
#
#   bash tests/ui/help_version_test.sh TILVEX VERSION MANPAGE
#
# Both end with status 0 and print on stdout, with no X or Wayland display
# and no Qt platform chosen; the usage lists the program's options and
# argument, the same ones the man page describes; --version prints
# "tilvex VERSION"; an unknown option still ends with status 2.
set -uo pipefail
tilvex="$(realpath "$1")" version="$2" man="$3"
work="$(mktemp -d "${TMPDIR:-/tmp}/tilvex-help.XXXXXX")"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The program without a display; a fresh home, so nothing of the user's is read.
run() {
  (cd "$work" && env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY= HOME="$work" XDG_RUNTIME_DIR= \
    timeout 30 "$tilvex" "$@" >"$work/out" 2>"$work/err")
}

for option in --help -h; do
  run "$option"; status=$?
  [ "$status" -eq 0 ] || fail "tilvex $option ended with status $status: $(cat "$work/err")"
  for expected in "--nosplash" "--settings <FILE>" "--data <DIR>" "[WORKSPACE.wrk]" "-h, --help" "-v, --version"; do
    grep -qF -- "$expected" "$work/out" || fail "tilvex $option does not list $expected"
  done
done

# The long options of the usage and of the man page are the same.
run --help
usage_options=$(grep -oE -- '--[a-z][a-z-]*' "$work/out" | sort -u | tr '\n' ' ')
man_options=$(sed 's/\\-/-/g' "$man" | grep -oE -- '--[a-z][a-z-]*' | sort -u | tr '\n' ' ')
[ "$usage_options" = "$man_options" ] || fail "the usage lists $usage_options but the man page $man_options"
grep -q 'WORKSPACE' "$man" || fail "the man page does not name the WORKSPACE argument"

for option in --version -v; do
  run "$option"; status=$?
  [ "$status" -eq 0 ] || fail "tilvex $option ended with status $status: $(cat "$work/err")"
  [ "$(cat "$work/out")" = "tilvex $version" ] || fail "tilvex $option printed '$(cat "$work/out")', not 'tilvex $version'"
done

# Options given with --help are read as ever: a value that looks like an
# option is the value, and the program then needs its display.
run --settings --help; status=$?
[ "$status" -ne 0 ] && [ ! -s "$work/out" ] || fail "tilvex --settings --help printed the usage (status $status)"

run --no-such-option --help; status=$?
[ "$status" -eq 2 ] || fail "an unknown option with --help ended with status $status, not 2"
grep -q "no-such-option" "$work/err" || fail "the message does not name the unknown option: $(cat "$work/err")"

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "help and version: all checks passed"
