#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, when
# any of them is missing.  Safe to run again.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev xvfb xauth fonts-dejavu-core
  # PDF checks of the printed reports
  poppler-utils
  # the end-to-end tests: a private session bus, the accessibility bus and its
  # Python client, mouse input and screenshots on the virtual display
  dbus-daemon at-spi2-core python3 python3-gi gir1.2-atspi-2.0 python3-pyatspi xdotool imagemagick
  # checks of the installed desktop entry and metainfo
  desktop-file-utils appstream)

# The sky view writes SVG pictures with Qt SVG.
packages+=(qt6-svg-dev)

# The check that the sources are formatted as .clang-format says.
packages+=(clang-format)

# lrelease compiles the translations; Qt's own translations give the standard
# buttons and dialogs the same language.
packages+=(qt6-l10n-tools qt6-translations-l10n)

# The locale sources (/usr/share/i18n) from which localedef makes de_DE.UTF-8.
packages+=(locales)

bash "$(dirname "$0")/install-packages.sh" "${packages[@]}"

# A locale whose decimal separator is a comma, for the test that numbers do
# not follow the locale (the test skips, saying so, where there is none).
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && command -v localedef >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "Could not make the locale de_DE.UTF-8; the decimal-comma test will skip."
fi
