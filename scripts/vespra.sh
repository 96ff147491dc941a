#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (installs what is missing, configures, builds) and runs
# Vespra 4. Arguments are passed to the command-line companion while the program has no
# window of its own: by default it runs the bundled example sweep.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-deps.sh
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/vespra-ccache}"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/release -j"$(nproc)"

if [ $# -eq 0 ]; then
  set -- run examples/seattle-faixa-volumes.csv --locale pt_BR
fi
exec build/release/cli/vespra-cli "$@"
