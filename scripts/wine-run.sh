#!/usr/bin/env bash
# Runs a Windows program under Wine, in the prefix of the cross build
# (build-windows/wine unless WINEPREFIX says otherwise), quietly.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/build-windows/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts on the first start.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
exec "$wine" "$@"
