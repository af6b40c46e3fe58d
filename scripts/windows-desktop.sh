#!/usr/bin/env bash
# The desktop program for Windows: Qt 6 (qtbase and qtsvg, from Debian's
# source packages) cross-built with MinGW-w64 into build-windows-qt/, then
# tilvex.exe, tilvex-cli.exe and the UI tests against it in
# build-windows-desktop/, the UI tests under Wine on the offscreen platform,
# and the setup program build-windows/Tilvex-Setup-<version>.exe (NSIS),
# installed silently under Wine, started, and uninstalled.
# Safe to run again: a Qt already built and installed is reused.
#   --no-tests   build Qt, the programs and the setup program only
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
started=$(date +%s)
run_tests=1
[ "${1:-}" = "--no-tests" ] && run_tests=0

qtdir="$root/build-windows-qt"
qtprefix="$qtdir/install"
out="$root/build-windows-desktop"
setupdir="$root/build-windows"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
mkdir -p "$qtdir/src" "$out" "$setupdir"

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine64 libgtest-dev qt6-base-dev
  qt6-base-dev-tools qt6-svg-dev qt6-l10n-tools libwine-dev fonts-wine nsis xvfb xauth imagemagick dpkg-dev)
if ! bash scripts/install-packages.sh "${packages[@]}"; then
  echo "Cannot install ${packages[*]}: no Windows desktop build."
  exit 3
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# Source packages: a deb-src entry for the archive the machine already uses,
# in a file of its own, only when no deb-src entry is there.
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  src_list=/etc/apt/sources.list.d/tilvex-deb-src.sources
  echo "== Adding $src_list"
  # The deb822 stanzas of the machine's own entries, with deb-src for deb.
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && [ "$f" != "$src_list" ] && sed -n 's/^Types: *deb$/Types: deb-src/;p' "$f"
    echo
  done | $sudo tee "$src_list.new" >/dev/null
  if ! grep -q '^Types: deb-src' "$src_list.new"; then
    # One-line format: the same archives as deb-src lines.
    grep -hsE '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list | sed 's/^deb /deb-src /' |
      $sudo tee "${src_list%.sources}.list" >/dev/null
    $sudo rm -f "$src_list.new"
  else
    $sudo mv "$src_list.new" "$src_list"
  fi
  $sudo apt-get update -qq
fi

fetch_source() { # package
  if ! ls -d "$qtdir/src/$1"-*/ >/dev/null 2>&1; then
    echo "== apt-get source $1" >&2
    (cd "$qtdir/src" && apt-get source -qq "$1") >&2 || return 0
  fi
  ls -d "$qtdir/src/$1"-*/ 2>/dev/null | head -1
}
qtbase_src="$(fetch_source qt6-base)"
qtsvg_src="$(fetch_source qt6-svg)"

# Qt 6.4.2 without Direct2D leaves its DirectWrite font engine out of
# QtGui, but the Windows print engine still calls it: guard those calls as
# QtGui guards its own (the engine is never made in such a build).
printengine="$qtbase_src/src/printsupport/platform/windows/qprintengine_win.cpp"
if grep -q '^#if QT_CONFIG(directwrite)$' "$printengine"; then
  sed -i 's/^#if QT_CONFIG(directwrite)$/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)/' "$printengine"
fi

# And for the windows plugin's DirectWrite font database, likewise left out.
integration_cpp="$qtbase_src/src/plugins/platforms/windows/qwindowsintegration.cpp"
if grep -q '^#if QT_CONFIG(directwrite3)$' "$integration_cpp"; then
  sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' "$integration_cpp"
fi

# The same for the windows plugin's software OpenGL check in a build
# without OpenGL.
window_cpp="$qtbase_src/src/plugins/platforms/windows/qwindowswindow.cpp"
if grep -q '^#if QT_CONFIG(dynamicgl)$' "$window_cpp"; then
  sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' "$window_cpp"
fi

# Debian's source leaves out the Wintab headers that the windows platform
# plugin's tablet support is built with; Wine's (libwine-dev) stand in, with
# the naming macros of Wine's own headers and
# the calling convention macro of the original.
wintab="$qtbase_src/src/3rdparty/wintab"
if [ ! -f "$wintab/wintab.h" ]; then
  mkdir -p "$wintab"
  cp /usr/include/wine/wine/windows/wintab.h "$wintab/wine-wintab.h"
  cp /usr/include/wine/wine/windows/pktdef.h "$wintab/pktdef.h"
  cat >"$wintab/wintab.h" <<'WINTAB'
#pragma once
#include <windows.h>
#ifndef WINELIB_NAME_AW
#  ifdef UNICODE
#    define WINELIB_NAME_AW(name) name##W
#  else
#    define WINELIB_NAME_AW(name) name##A
#  endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
#  define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#ifndef API
#  define API WINAPI
#endif
#include "wine-wintab.h"
WINTAB
fi
# Qt's long build runs niced, two jobs at a time: the machine is shared.
qt_jobs=2
qt_build() { # module source-dir [cmake options...]
  local name="$1" src="$2"
  shift 2
  local stamp="$qtprefix/.$name-installed"
  if [ -f "$stamp" ]; then
    echo "== Qt $name: installed in $qtprefix"
    return
  fi
  echo "== Qt $name for x86_64-w64-mingw32 (niced, -j$qt_jobs)"
  local t0=$(date +%s)
  if [ ! -f "$qtdir/$name/build.ninja" ]; then
    cmake -S "$src" -B "$qtdir/$name" -G Ninja "$@"
  fi
  nice -n 10 cmake --build "$qtdir/$name" -j"$qt_jobs"
  cmake --install "$qtdir/$name" >/dev/null
  touch "$stamp"
  echo "== Qt $name: $(($(date +%s) - t0)) s"
}

# Only what Tilvex uses: Core, Gui, Widgets, PrintSupport, Test and the
# windows platform plugin from qtbase; every library Qt bundles is built in,
# so that the DLLs need nothing but the MinGW runtime beside them.
qt_build qtbase "$qtbase_src" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$qtprefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DBUILD_WITH_PCH=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_direct2d=OFF -DFEATURE_icu=OFF -DFEATURE_testlib=ON \
  -DFEATURE_printsupport=ON -DFEATURE_widgets=ON \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_doubleconversion=OFF

# Qt SVG (the sky view's SVG pictures), when its source package could be
# fetched; without it the program saves PNG pictures only.
if [ -n "$qtsvg_src" ]; then
  qt_build qtsvg "$qtsvg_src" -DCMAKE_TOOLCHAIN_FILE="$qtprefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qtprefix" \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DBUILD_WITH_PCH=OFF
else
  echo "== No source of qt6-svg in the archive: the sky view will save PNG only"
fi
qt_done=$(date +%s)

# Where Wine finds the DLLs: Qt's and the MinGW runtime's.
runtime_dirs=("$qtprefix/bin" "$(dirname "$(x86_64-w64-mingw32-gcc-posix -print-file-name=libstdc++-6.dll)")"
  /usr/x86_64-w64-mingw32/lib)
winepath_list=""
for d in "${runtime_dirs[@]}"; do winepath_list="$winepath_list;Z:$d"; done
export WINEPATH="${winepath_list#;}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# GoogleTest, with the same compiler (as scripts/windows.sh builds it).
gtest="$out/gtest"
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$out/gtest-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
  cmake --build "$out/gtest-build" -j2 >/dev/null
  cmake --install "$out/gtest-build" >/dev/null
fi

# Wine's prefix for the build (test discovery, the shipped data) and the
# tests; the setup program gets a fresh one of its own below.
export WINEPREFIX="$out/wine"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== Wine prefix in $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  scripts/wine-run.sh wineboot --init >/dev/null 2>&1 || true
fi
# Windows' dialog fonts (Tahoma for "MS Shell Dlg"), from fonts-wine, where
# Windows keeps them: this Wine does not load them from its own data folder.
cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
# Wine's own services start with the first program and outlive it: start
# them here, away from the build's output pipes (which the build would
# otherwise wait on), with one server kept for the whole run.
"$wineserver" -p 60 </dev/null >/dev/null 2>&1 || true
scripts/wine-run.sh wineboot </dev/null >/dev/null 2>&1 || true

# The programs link the C++ runtime as DLLs, as Qt's DLLs do (one runtime
# in the process), so the linker flags of the toolchain file are replaced.
echo "== tilvex.exe, tilvex-cli.exe and the UI tests in $out"
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qtprefix/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DTILVEX_WERROR=ON -DTILVEX_BENCH=OFF \
  -DCMAKE_EXE_LINKER_FLAGS="-Wl,--dynamicbase" -DGTest_DIR="$gtest/lib/cmake/GTest" >/dev/null
nice -n 10 cmake --build "$out" -j2 --target tilvex tilvex-cli tilvex_ui_tests shipped_data translations
build_done=$(date +%s)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/CMakeCache.txt")

# What the setup program installs, laid out as `cmake --install` does:
# bin/ with the programs, the DLLs they need and Qt's plugins, share/tilvex/
# with the shipped data and the translations.
stage="$out/stage"
rm -rf "$stage"
mkdir -p "$stage/bin" "$stage/share/tilvex/translations"
cp "$out/tilvex.exe" "$out/tilvex-cli.exe" "$stage/bin/"
x86_64-w64-mingw32-strip "$stage/bin/"*.exe
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll \
  imageformats/qjpeg.dll imageformats/qgif.dll imageformats/qsvg.dll iconengines/qsvgicon.dll; do
  if [ -f "$qtprefix/plugins/$plugin" ]; then
    mkdir -p "$stage/bin/$(dirname "$plugin")"
    cp "$qtprefix/plugins/$plugin" "$stage/bin/$plugin"
  fi
done
# The DLLs: those the programs and plugins import, found in Qt's bin/ or the
# compiler's runtime, followed until none is missing.
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
shopt -s nullglob
pending=("$stage"/bin/*.exe "$stage"/bin/*/*.dll)
shopt -u nullglob
while [ ${#pending[@]} -gt 0 ]; do
  file="${pending[0]}"
  pending=("${pending[@]:1}")
  for dll in $(imports "$file"); do
    [ -f "$stage/bin/$dll" ] && continue
    for d in "${runtime_dirs[@]}"; do
      if [ -f "$d/$dll" ]; then
        cp "$d/$dll" "$stage/bin/"
        pending+=("$stage/bin/$dll")
        break
      fi
    done
  done
done
for f in satdemo.tdb locdemo.tdb MagData.dat "United States Ku Band Satellites.wrk" places.tsv world-map.txt; do
  cp "$out/data/$f" "$stage/share/tilvex/"
done
cp "$out"/data/translations/*.qm "$stage/share/tilvex/translations/"

# The setup program: the NSIS script takes the file lists made here, so that
# the uninstaller removes exactly what was installed.
echo "== Setup program"
lists="$out/nsis"
mkdir -p "$lists"
: >"$lists/files.nsh"
: >"$lists/unfiles.nsh"
(cd "$stage" && find . -type d | sort) | while read -r d; do
  d="${d#./}"
  [ "$d" = "." ] && continue
  win="${d//\//\\}"
  printf 'SetOutPath "$INSTDIR\\%s"\n' "$win" >>"$lists/files.nsh"
  (cd "$stage/$d" && find . -maxdepth 1 -type f | sort) | while read -r f; do
    f="${f#./}"
    printf 'File "%s/%s/%s"\n' "$stage" "$d" "$f" >>"$lists/files.nsh"
    printf 'Delete "$INSTDIR\\%s\\%s"\n' "$win" "$f" >>"$lists/unfiles.nsh"
  done
done
(cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r d; do
  d="${d#./}"
  printf 'RMDir "$INSTDIR\\%s"\n' "${d//\//\\}" >>"$lists/unfiles.nsh"
done
setup="$setupdir/Tilvex-Setup-$version.exe"
makensis -V2 -DVERSION="$version" -DOUTFILE="$setup" -DFILES="$lists/files.nsh" \
  -DUNFILES="$lists/unfiles.nsh" -DICON="$root/dist/windows/tilvex.ico" dist/windows/tilvex.nsi
ls -l "$setup"
setup_done=$(date +%s)

status=0
if [ "$run_tests" = 1 ]; then
  echo "== UI tests under Wine (offscreen)"
  # Qt's offscreen platform on Windows reads the fonts of one folder, named
  # by QT_QPA_FONTDIR: the same DejaVu fonts as the tests on Linux. Wine
  # keeps QT_ variables to itself and hands WINEQT_ ones on without WINE.
  WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu' scripts/wine-run.sh "$out/tilvex_ui_tests.exe" 2>&1 |
    tee "$out/ui-tests.log" | grep -E '^\[ *(FAILED|PASSED|SKIPPED|==========) *\]' || true
  grep -q '^\[  PASSED  \]' "$out/ui-tests.log" && ! grep -q '^\[  FAILED  \]' "$out/ui-tests.log" || status=1

  echo "== The built tilvex.exe on a virtual X display"
  bash dist/windows/wine-window.sh "$out/window.png" Tilvex "$out/tilvex.exe" || status=1

  echo "== Setup program under Wine: install, start, uninstall"
  bash dist/windows/setup-test.sh "$setup" "$out/setup-test" || status=1
fi
"$wineserver" -k 2>/dev/null || true

now=$(date +%s)
echo "== Times: Qt $((qt_done - started)) s, programs $((build_done - qt_done)) s," \
  "setup program $((setup_done - build_done)) s, all $((now - started)) s"
exit "$status"
