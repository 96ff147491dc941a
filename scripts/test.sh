#!/usr/bin/env bash
# Runs every test of Vespra 4 on a fresh Debian 12 machine: installs what is missing, checks
# that every source file is formatted, builds with warnings as errors and runs the tests,
# builds the plain C++ layers and their tests with clang and runs them, runs clang-tidy over
# those layers, runs the scenario batch's threaded tests under ThreadSanitizer, builds and runs
# everything again with AddressSanitizer and UndefinedBehaviorSanitizer, runs every file reader
# under libFuzzer for a bounded time, and checks the Windows vespra-cli.exe (MinGW-w64, under
# Wine) against the Linux one, byte for byte.
#   scripts/test.sh            everything, as CI runs it
#   scripts/test.sh --quick    the set-up, the release build and its tests alone (a contributor's loop)
set -euo pipefail
cd "$(dirname "$0")/.."

quick=false
case "${1:-}" in
  --quick) quick=true ;;
  "") ;;
  *)
    echo "usage: scripts/test.sh [--quick]" >&2
    exit 2
    ;;
esac

bash scripts/setup-deps.sh

jobs=$(nproc)
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/vespra-ccache}"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

if ! $quick; then
  echo "== format (clang-format, the committed .clang-format)"
  unformatted=()
  while IFS= read -r -d '' file; do
    clang-format --dry-run --Werror "$file" > /dev/null 2>&1 || unformatted+=("$file")
  done < <(git ls-files -z -- '*.cpp' '*.h')
  if [ ${#unformatted[@]} -gt 0 ]; then
    echo "These files are not formatted; run clang-format -i on them:" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
  fi
fi

echo "== includes (windows reach other subsystems only through their links files)"
bash scripts/check_includes.sh

echo "== build (release, warnings as errors)"
cmake --preset release > /dev/null
cmake --build build/release -j"$jobs"
echo "== tests (release)"
ctest --test-dir build/release --output-on-failure -j"$jobs"
if $quick; then
  echo "== quick run done: the release build's tests pass (scripts/test.sh alone runs everything)"
  exit 0
fi

echo "== build (clang: common, engine, command-line tool and their tests)"
cmake --preset clang > /dev/null
cmake --build build/clang -j"$jobs"
echo "== tests (clang)"
ctest --test-dir build/clang --output-on-failure -j"$jobs"

# The window-free build's compile commands name the plain layers' sources; each runs through
# the committed .clang-tidy.
echo "== clang-tidy (common, engine, economics, scenarios, command-line tool)"
sed -n 's|^ *"file": "'"$(pwd -P)"'/\(.*\.cpp\)",\{0,1\}$|\1|p' build/clang/compile_commands.json |
  grep -E '^(common|engine|import|economics|scenarios|cli)/[^/]+$' | sort -u |
  xargs -P"$jobs" -n4 clang-tidy -p build/clang --quiet 2> >(grep -v -E '^[0-9]+ warnings? generated\.$' >&2)

# The scenario batch runs its combinations on several threads (scenarios/batch_tasks.cpp); its
# tests on 1, 2, 3 and 8 threads run again under ThreadSanitizer, built for them alone.
echo "== build (ThreadSanitizer: the scenario tests)"
cmake --preset tsan > /dev/null
cmake --build build/tsan --target test_scenarios -j"$jobs"
echo "== tests (ThreadSanitizer: the scenario batch on several threads)"
TSAN_OPTIONS="halt_on_error=1:abort_on_error=1" build/tsan/tests/scenarios/test_scenarios \
  --gtest_filter='ExportacaoTest.SeveralTasks*'

echo "== build (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake --preset sanitize > /dev/null
cmake --build build/sanitize -j"$jobs"
echo "== tests (sanitizers)"
ctest --test-dir build/sanitize --output-on-failure -j"$jobs"

# ---- fuzz (libFuzzer): begin ---------------------------------------------------------------
# Every reader of the window-free layers under libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer, each for a bounded time from its seed corpus (fuzz/README.md).
# Any finding (a crash, a sanitizer report, an exception the readers do not throw, a hang, a
# huge allocation, a broken property) fails the run; its input is left in build/fuzz/findings.
echo "== fuzz (libFuzzer + AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake --preset fuzz > /dev/null
cmake --build build/fuzz -j"$jobs"
fuzz_seconds="${VESPRA_FUZZ_SECONDS:-20}"
mkdir -p build/fuzz/findings
for target in fuzz_numtext fuzz_prec fuzz_vecfile fuzz_simfile fuzz_listas fuzz_definicao fuzz_import; do
  work=$(mktemp -d)
  echo "-- $target (${fuzz_seconds} s)"
  if ! build/fuzz/fuzz/$target -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -malloc_limit_mb=2048 \
      -timeout=10 -dict=fuzz/$target.dict -artifact_prefix=build/fuzz/findings/$target- \
      -print_final_stats=1 "$work" fuzz/corpus/$target > build/fuzz/findings/$target.log 2>&1; then
    tail -n 60 build/fuzz/findings/$target.log >&2
    echo "$target found a fault; the input is in build/fuzz/findings/" >&2
    rm -rf "$work"
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' build/fuzz/findings/$target.log || true
  rm -rf "$work"
done
# ---- fuzz (libFuzzer): end -----------------------------------------------------------------

# --- Windows: vespra-cli.exe cross-built with MinGW-w64, run under Wine, against the Linux build
echo "== Windows command-line tool (MinGW-w64 build under Wine, byte for byte against Linux)"
bash tools/windows_cli_check.sh
