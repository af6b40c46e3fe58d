#!/usr/bin/env bash
# Builds the Debian package build/tilvex_<version>_<arch>.deb (or in
# $TILVEX_BUILD_DIR) from the install rules, with CPack.  Its dependencies on
# the Qt 6 and C++ runtime packages are computed by dpkg-shlibdeps.
#
#   bash scripts/package.sh
#   apt-get install ./build/tilvex_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# dpkg-shlibdeps (dpkg-dev) and file, which CPack uses to find the binaries.
need=()
for p in dpkg-dev file; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
dir="${TILVEX_BUILD_DIR:-build}"
# The build type stays what the folder has (RelWithDebInfo for build/); the
# package installs under /usr.
cmake -S . -B "$dir" -DTILVEX_WERROR=ON -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$dir" -j"$(nproc)" --target tilvex tilvex-cli shipped_data
rm -f "$dir"/tilvex_*.deb
(cd "$dir" && cpack -G DEB)
ls "$dir"/tilvex_*.deb
