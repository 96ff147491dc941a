#!/usr/bin/env bash
# Starts Vespra 4 under Xvfb with the AT-SPI bridge on, in its own session bus, and prints the
# names the accessibility tree gives the main window's controls (tools/atspi_tree.py).
# Needs the packages xvfb, at-spi2-core, dbus and python3-pyatspi.
set -euo pipefail
app=${1:-build/release/app/vespra}
exec dbus-run-session -- bash -c '
  Xvfb :97 -screen 0 1600x1000x24 >/dev/null 2>&1 & xvfb=$!
  export DISPLAY=:97 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
  sleep 1
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  "'"$app"'" >/dev/null 2>&1 & prog=$!
  status=0
  /usr/bin/python3 "'"$(dirname "$0")"'/atspi_tree.py" || status=$?
  kill $prog $xvfb 2>/dev/null || true
  exit $status'
