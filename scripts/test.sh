#!/usr/bin/env bash
# Runs every test of Vespra 4 on a fresh Debian 12 machine: installs what is missing,
# builds with warnings as errors and runs the tests, then builds and runs them again with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-deps.sh

jobs=$(nproc)
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/vespra-ccache}"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

echo "== build (release, warnings as errors)"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESPRA_WERROR=ON > /dev/null
cmake --build build/release -j"$jobs"
echo "== tests (release)"
ctest --test-dir build/release --output-on-failure -j"$jobs"

echo "== build (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESPRA_SANITIZE=ON -DVESPRA_WERROR=ON \
  -DVESPRA_BUILD_BENCH=OFF > /dev/null
cmake --build build/sanitize -j"$jobs"
echo "== tests (sanitizers)"
ctest --test-dir build/sanitize --output-on-failure -j"$jobs"
