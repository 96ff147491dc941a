#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (installs what is missing, configures, builds) and starts
# Vespra 4. On a machine without a display the program says so and points to vespra-cli.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-deps.sh
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/vespra-ccache}"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/release -j"$(nproc)"
exec build/release/app/vespra "$@"
