#!/usr/bin/env bash
# Starts a Windows program under Wine on a virtual X display of its own,
# waits for a window whose title holds TITLE, takes a picture of the screen,
# and asks the program to close.  WINEPREFIX (and WINEPATH) as the caller
# sets them.  Exit status 0 when the window came up.
#   bash dist/windows/wine-window.sh PICTURE.png TITLE PROGRAM.exe [ARGUMENT...]
set -uo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
picture="$1" title="$2"
shift 2
work="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  sleep 0.2
done
export DISPLAY=":$(cat "$work/display")"
"$here/scripts/wine-run.sh" "$@" >"$work/program.log" 2>&1 &
program=$!
found=""
for _ in $(seq 120); do
  found=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1)
  [ -n "$found" ] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 1
done
if [ -z "$found" ]; then
  echo "no window titled '$title' came up; the program said:"
  cat "$work/program.log"
  import -window root "$picture" 2>/dev/null
  kill "$program" 2>/dev/null
  exit 1
fi
# Let the panes fill and the splash go before the picture.
sleep 8
import -window root "$picture"
# The first window found may have been the splash, gone by now.
found=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1)
echo "window '$(xdotool getwindowname "$found" 2>/dev/null)' shown; picture in $picture"
# Closed as the user would close it (taskkill without /F sends the window's
# close message), so that it writes its settings; ended if it does not go
# within 30 s.
"$here/scripts/wine-run.sh" taskkill /IM "$(basename "${1//\\//}")" >/dev/null 2>&1
for _ in $(seq 30); do
  kill -0 "$program" 2>/dev/null || break
  sleep 1
done
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null
exit 0
