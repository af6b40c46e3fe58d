#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, when
# any of them is missing.  Safe to run again.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev xvfb xauth fonts-dejavu-core)

# The sky view writes SVG pictures with Qt SVG.
packages+=(qt6-svg-dev)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
