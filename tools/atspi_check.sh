#!/usr/bin/env bash
# What a screen reader meets in every window of Vespra 4. Starts, under Xvfb with Qt's AT-SPI
# bridge on and in a session bus of its own, the program's windows all shown at once
# (tools/atspi_windows.cpp, built as vespra-atspi-windows), then prints each window's controls
# with the names and descriptions the accessibility tree gives them and how many have none
# (tools/atspi_tree.py). Exits non-zero when a control has no name or a window is missing.
#
# Needs the Debian packages xvfb, dbus, at-spi2-core and python3-pyatspi (not installed by
# scripts/setup-deps.sh: this check is not part of CI; `apt-get install -y python3-pyatspi`).
# Run from the project root after building:
#   tools/atspi_check.sh [build/release/tools/vespra-atspi-windows]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tour=$(realpath "${1:-build/release/tools/vespra-atspi-windows}")
[ -x "$tour" ] || { echo "não encontrado: $tour (compile o alvo vespra-atspi-windows)" >&2; exit 2; }
export HERE=$here TOUR=$tour
exec dbus-run-session -- bash -c '
  set -u
  # A free display number, which Xvfb writes once it is ready.
  display=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1600x1000x24 3>"$display" >/dev/null 2>&1 & xvfb=$!
  for _ in $(seq 50); do [ -s "$display" ] && break; sleep 0.2; done
  export DISPLAY=:$(head -n1 "$display") QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 LANG=pt_BR.UTF-8
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
  sleep 1
  shown=$(mktemp)
  "$TOUR" >"$shown" 2>/dev/null & tour=$!
  # The tour prints how many windows it shows, and how many controls Qt finds in them, once
  # they are all on screen.
  for _ in $(seq 100); do [ -s "$shown" ] && break; sleep 0.2; done
  windows= controls=
  read -r windows controls <"$shown" || true
  status=0
  if [ -z "$windows" ] || [ -z "$controls" ]; then
    echo "as janelas não apareceram" >&2
    status=1
  else
    /usr/bin/python3 "$HERE/atspi_tree.py" --janelas "$windows" --controles "$controls" || status=$?
  fi
  kill $tour $bus $xvfb 2>/dev/null || true
  rm -f "$shown" "$display"
  exit $status'
