#!/usr/bin/env bash
# Installs those of the given Debian packages that are missing (apt-get, with
# sudo when not run as root).  Exit status: 0 when all are there afterwards,
# apt-get's status otherwise.
#
#   bash scripts/install-packages.sh PACKAGE...
set -uo pipefail
missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
