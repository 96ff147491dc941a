#!/usr/bin/env bash
# The whole-process figures: each command timed as a whole process (start, reading, simulation,
# output), best of three wall-clock runs, on inputs bench/make_bench_files writes.
#   bench/whole_process.sh [BUILD_DIR]      (default: build/release)
# VESPRA_CLI=PATH times another vespra-cli (an earlier build, say) against the same yardstick.
# Prints, for a 1001-volume sweep over a 100-year daily record (36 536 500 member-days):
#   the plain loop (bench/plain_sweep.cpp, one thread) and `vespra-cli run --json`, their ratio
#   and ns per member-day, without and with a 300 L upper reservoir; the upper-reservoir sweep
#   against the plain one; and `vespra-cli scenarios` on the 1000-combination study (1001 files).
set -euo pipefail
build=${1:-build/release}
cli=${VESPRA_CLI:-$build/cli/vespra-cli}
for p in "$cli" "$build/bench/plain_sweep" "$build/bench/make_bench_files"; do
    [ -x "$p" ] || { echo "whole_process: $p não existe; compile antes (cmake --build $build)." >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/make_bench_files" "$work"

# Best of three wall-clock times of a command, in microseconds; `before` runs untimed first.
best() {
    local best="" start end t
    for _ in 1 2 3; do
        [ -n "${before:-}" ] && eval "$before"
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 || { echo "whole_process: falhou: $*" >&2; exit 1; }
        end=$(date +%s%N)
        t=$(((end - start) / 1000))
        if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
    done
    echo "$best"
}

member_days=$((1001 * 36500))
plain=$(best "$build/bench/plain_sweep" "$work/chuva-seculo.txt")
plain_upper=$(best "$build/bench/plain_sweep" "$work/chuva-seculo.txt" 300)
sweep=$(best "$cli" run "$work/varredura.csv" --json --locale pt_BR)
sweep_upper=$(best "$cli" run "$work/varredura-superior.csv" --json --locale pt_BR)
before="rm -rf '$work/saida'"
batch=$(best "$cli" scenarios "$work/estudo/cenarios.txt" --out "$work/saida" --locale pt_BR)
files=$(find "$work/saida" -type f | wc -l)

awk -v p="$plain" -v pu="$plain_upper" -v s="$sweep" -v su="$sweep_upper" -v b="$batch" \
    -v md="$member_days" -v f="$files" -v cores="$(nproc)" 'BEGIN {
    printf "núcleos: %d\n", cores
    printf "laço simples, sem reservatório superior:  %8.1f ms  %6.3f ns/membro-dia\n", p / 1000, p * 1000 / md
    printf "vespra-cli run --json, mesma varredura:    %8.1f ms  %6.3f ns/membro-dia  %.3f do laço\n", s / 1000, s * 1000 / md, s / p
    printf "laço simples, reservatório superior 300 L: %8.1f ms  %6.3f ns/membro-dia\n", pu / 1000, pu * 1000 / md
    printf "vespra-cli run --json, mesma varredura:    %8.1f ms  %6.3f ns/membro-dia  %.3f do laço\n", su / 1000, su * 1000 / md, su / pu
    printf "varredura com reservatório superior / sem: %.2f×\n", su / s
    printf "vespra-cli scenarios, 1000 combinações:    %8.1f ms  (%d arquivos)\n", b / 1000, f
}'
