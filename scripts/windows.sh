#!/usr/bin/env bash
# Cross build for Windows: tilvex_core, tilvex-cli.exe and the core tests
# with MinGW-w64 into build-windows/ (or $TILVEX_WINDOWS_DIR), GoogleTest
# built from Debian's sources with the same compiler, then the core tests
# under Wine.  Installs the Debian packages it needs when they are missing.
# Safe to run again.  Exits with 3, and builds nothing, when the packages
# cannot be installed.
#   --build-only   build, but do not run the tests
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
dir="${TILVEX_WINDOWS_DIR:-build-windows}"
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"
run_tests=1
[ "${1:-}" = "--build-only" ] && run_tests=0

# Wine's 64-bit loader alone: no i386 architecture is needed for 64-bit
# programs.
packages=(cmake make g++-mingw-w64-x86-64-posix wine64 libgtest-dev)
if ! bash scripts/install-packages.sh "${packages[@]}"; then
  echo "Cannot install ${packages[*]}: no Windows build."
  exit 3
fi

toolchain="$root/cmake/mingw-w64-x86_64.cmake"
jobs="$(nproc)"

# GoogleTest, from the sources that libgtest-dev ships, with the same compiler.
gtest="$dir/gtest"
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$dir/gtest-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
  cmake --build "$dir/gtest-build" -j"$jobs" >/dev/null
  cmake --install "$dir/gtest-build" >/dev/null
fi

# Wine's prefix lives in the build folder; its first start takes a while.
export WINEPREFIX="$dir/wine"
export WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== Wine prefix in $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  scripts/wine-run.sh wineboot --init >/dev/null 2>&1 || true
fi

echo "== Windows build in $dir"
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTILVEX_CORE_ONLY=ON -DTILVEX_BENCH=OFF -DGTest_DIR="$gtest/lib/cmake/GTest" >/dev/null
cmake --build "$dir" -j"$jobs" --target tilvex_core tilvex-cli tilvex_core_tests

if [ "$run_tests" = 1 ]; then
  echo "== Core tests under Wine"
  # Wine's own services start with the first program and outlive it: start
  # them here, away from ctest's output pipes (which ctest would otherwise
  # wait on), keep one server for the whole run and end it afterwards.
  wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
  "$wineserver" -p 60 </dev/null >/dev/null 2>&1 || true
  scripts/wine-run.sh wineboot </dev/null >/dev/null 2>&1 || true
  status=0
  # A test that fails is run once more: Wine's process start can be late on
  # a loaded machine.  A real fault fails both times.
  (cd "$dir" && ctest --output-on-failure -j"$jobs" --repeat until-pass:2) || status=$?
  "$wineserver" -k 2>/dev/null || true
  exit "$status"
fi
