#!/usr/bin/env bash
# Builds the Debian package tilvex_<version>_<arch>.deb with CPack, in
# build-package/ (or $TILVEX_BUILD_DIR), and checks it with lintian: an error
# fails the script, warnings are shown.  The programs are built with the
# hardening flags of Debian's packages (-DTILVEX_HARDEN=ON); the package's
# dependencies on the Qt 6 and C++ runtime packages are computed by
# dpkg-shlibdeps.  Only the targets the package holds are built.
#
#   bash scripts/package.sh
#   sudo apt-get install ./build-package/tilvex_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# dpkg-shlibdeps (dpkg-dev), file (CPack finds the binaries with it), lintian.
bash scripts/install-packages.sh dpkg-dev file lintian
dir="${TILVEX_BUILD_DIR:-build-package}"
# A new folder is a RelWithDebInfo build (-O2 -g, as Debian builds; CPack
# strips the programs); an existing one keeps its build type.  The package
# installs under /usr.
cmake -S . -B "$dir" -DTILVEX_WERROR=ON -DTILVEX_HARDEN=ON -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$dir" -j"$(nproc)" --target tilvex tilvex-cli shipped_data
rm -f "$dir"/tilvex_*.deb
(cd "$dir" && cpack -G DEB)
deb=$(ls "$dir"/tilvex_*.deb)
echo "== lintian $deb"
lintian --fail-on error --display-level '>=warning' "$deb"
echo "$deb"
