#!/usr/bin/env bash
# The setup program under Wine, in a fresh prefix: a silent install (/S)
# puts the programs, DLLs, plugins, data, Start menu entry, .wrk file type
# and uninstaller in place; the installed tilvex.exe shows its main window
# with the shipped workspace (picture: WORK/installed-window.png); a silent
# uninstall removes all it installed and leaves the user's files in
# %APPDATA%\Tilvex as they were.
#   bash dist/windows/setup-test.sh SETUP.exe WORK
set -uo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
setup="$(realpath "$1")" work="$(realpath -m "$2")" # Wine wants absolute paths
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH # the installed program finds its DLLs beside it, not in the build
wine() { "$here/scripts/wine-run.sh" "$@"; }
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
failures=0
check() { # description command...
  local what="$1"
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}
unix_path() { wine winepath -u "$1" 2>/dev/null | tr -d '\r'; }

wine wineboot --init >/dev/null 2>&1
# Windows' dialog fonts (Tahoma), where Windows keeps them.
cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
"$wineserver" -w
appdata_win=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
appdata="$(unix_path "$appdata_win")/Tilvex"
program_files="$(unix_path 'C:\Program Files')"
start_menu="$(unix_path "$(wine cmd /c echo %ProgramData% 2>/dev/null | tr -d '\r')")/Microsoft/Windows/Start Menu/Programs/Tilvex"
dir="$program_files/Tilvex"

# A file of the user's own, there before the program is installed.
mkdir -p "$appdata"
echo "the user's own" >"$appdata/mine.txt"

wine "$setup" /S
"$wineserver" -w
check "installed the programs" test -f "$dir/bin/tilvex.exe" -a -f "$dir/bin/tilvex-cli.exe"
check "installed the platform plugin" test -f "$dir/bin/platforms/qwindows.dll"
check "installed Qt's and the runtime's DLLs" test -f "$dir/bin/Qt6Widgets.dll" -a -f "$dir/bin/libstdc++-6.dll"
check "installed the shipped data" test -f "$dir/share/tilvex/satdemo.tdb" -a \
  -f "$dir/share/tilvex/United States Ku Band Satellites.wrk"
check "installed the translations" test -f "$dir/share/tilvex/translations/tilvex_de.qm"
check "made the Start menu entry" test -f "$start_menu/Tilvex.lnk"
check "made the uninstaller" test -f "$dir/Uninstall.exe"
check ".wrk files open in Tilvex" bash -c "'$here/scripts/wine-run.sh' reg query 'HKLM\\Software\\Classes\\Tilvex.Workspace\\shell\\open\\command' 2>/dev/null | grep -q 'tilvex.exe'"
check "the command line runs installed, with the installed data" bash -c "'$here/scripts/wine-run.sh' '$dir/bin/tilvex-cli.exe' declination 40N 100W >/dev/null 2>&1"

# The installed program: its window, with the shipped workspace.  Wine's
# services of the commands above have no display: let them end first, or
# the window would open on their display-less desktop.
"$wineserver" -w
check "the installed program shows its main window" \
  bash "$here/dist/windows/wine-window.sh" "$work/installed-window.png" "Tilvex" 'C:\Program Files\Tilvex\bin\tilvex.exe'
"$wineserver" -w
check "the first start made the user's data in %APPDATA%\\Tilvex" test -f "$appdata/satdemo.tdb" -a -f "$appdata/tilvex.INI"
find "$appdata" -type f -exec md5sum {} + | sort >"$work/user-files-before"

# The uninstaller copies itself away and returns at once: wait for the
# folder to go.
wine "$dir/Uninstall.exe" /S
for _ in $(seq 60); do
  [ -e "$dir/Uninstall.exe" ] || break
  sleep 1
done
"$wineserver" -w
check "removed the program folder" test ! -e "$dir"
check "removed the Start menu entry" test ! -e "$start_menu"
check "removed the file type" bash -c "! '$here/scripts/wine-run.sh' reg query 'HKLM\\Software\\Classes\\Tilvex.Workspace' >/dev/null 2>&1"
check "removed the uninstall entry" bash -c "! '$here/scripts/wine-run.sh' reg query 'HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tilvex' >/dev/null 2>&1"
find "$appdata" -type f -exec md5sum {} + | sort >"$work/user-files-after"
check "left the user's files in %APPDATA%\\Tilvex as they were" cmp -s "$work/user-files-before" "$work/user-files-after"
check "left the user's own file" grep -q "the user's own" "$appdata/mine.txt"
"$wineserver" -k 2>/dev/null
[ "$failures" -eq 0 ] && echo "setup program: all checks passed" || echo "setup program: $failures checks failed"
exit $((failures > 0))
