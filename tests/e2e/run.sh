#!/usr/bin/env bash
# Runs one end-to-end flow on the built program:
#
#   bash tests/e2e/run.sh BUILD_DIR FLOW.py
#
# The flow gets a fresh home, settings file and data folder (a copy of
# BUILD_DIR/data), its own session bus with the accessibility bus, and its own
# virtual display.  Screenshots and the program's output go to
# BUILD_DIR/e2e/<flow>/.  Exit status: the flow's (0 when its checks passed);
# 1 also when a tool it needs is missing (scripts/deps.sh installs them).
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR FLOW.py" >&2
  exit 2
fi
python=/usr/bin/python3   # the system's, which has the accessibility modules
here="$(cd "$(dirname "$0")" && pwd)"

if [ -z "${TILVEX_E2E_WORK:-}" ]; then
  build="$(cd "$1" && pwd)"
  flow="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
  missing=()
  for tool in Xvfb dbus-run-session xdotool import timeout; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  [ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi-bus-launcher)
  [ -x "$python" ] && "$python" -c 'import gi, pyatspi' 2>/dev/null || missing+=("python3 with gi and pyatspi")
  if [ ${#missing[@]} -gt 0 ]; then
    echo "e2e: missing ${missing[*]}; run scripts/deps.sh" >&2
    exit 1
  fi
  for f in "$build/tilvex" "$build/tilvex-cli" "$build/data" "$flow"; do
    if [ ! -e "$f" ]; then
      echo "e2e: $f does not exist (build first)" >&2
      exit 1
    fi
  done

  work="$(mktemp -d "${TMPDIR:-/tmp}/tilvex-e2e.XXXXXX")"
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/home/.config" "$work/home/.local/share" "$work/home/.cache" "$work/runtime" "$work/data"
  chmod 700 "$work/runtime"
  cp -R "$build/data/." "$work/data/"
  artifacts="$build/e2e/$(basename "$flow" .py)"
  rm -rf "$artifacts"
  mkdir -p "$artifacts"

  # Nothing of the caller's desktop, buses or settings reaches the flow.
  unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS TILVEX_INI XAUTHORITY
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
  export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime"
  export TILVEX_E2E_BUILD="$build" TILVEX_E2E_WORK="$work" TILVEX_E2E_ARTIFACTS="$artifacts"
  export PYTHONPATH="$here${PYTHONPATH:+:$PYTHONPATH}" PYTHONDONTWRITEBYTECODE=1
  status=0
  # timeout ends the whole process group when a flow hangs.
  # The buses' own chatter goes to bus.log; the flow reports on stdout
  # through descriptor 9.
  timeout -k 5 "${TILVEX_E2E_TIMEOUT:-100}" dbus-run-session -- bash "$0" "$build" "$flow" \
    9>&1 >"$artifacts/bus.log" 2>&1 || status=$?
  if [ $status -ne 0 ]; then
    [ $status -eq 124 ] && echo "e2e: $(basename "$flow") took longer than ${TILVEX_E2E_TIMEOUT:-100} s"
    echo "e2e: $(basename "$flow") failed with status $status; screenshots and logs in $artifacts"
  fi
  exit $status
fi

# Inside the private session bus: a virtual display on a free number, then
# the flow.  The session bus starts the accessibility bus when the program or
# the flow first asks for it.
exec 1>&9 2>&9 9>&-
build="$1"
flow="$2"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
  3>"$TILVEX_E2E_WORK/display" >"$TILVEX_E2E_ARTIFACTS/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  grep -qx '[0-9][0-9]*' "$TILVEX_E2E_WORK/display" 2>/dev/null && break
  if ! kill -0 $xvfb 2>/dev/null; then
    echo "e2e: Xvfb did not start:"
    cat "$TILVEX_E2E_ARTIFACTS/xvfb.log"
    exit 1
  fi
  sleep 0.1
done
if ! grep -qx '[0-9][0-9]*' "$TILVEX_E2E_WORK/display"; then
  echo "e2e: Xvfb gave no display number"
  exit 1
fi
export DISPLAY=":$(cat "$TILVEX_E2E_WORK/display")"
"$python" "$flow"
