#!/usr/bin/env bash
# Runs the Windows vespra-cli.exe (cross-built with MinGW-w64 into build/mingw) under Wine on the
# bundled examples, every command and view the README shows, and compares what it gives byte for
# byte with the Linux vespra-cli: standard output, the files written, the exit status, and the
# error output of the failure cases. Any difference is listed and the script fails.
#   tools/windows_cli_check.sh            (needs g++-mingw-w64-x86-64 and wine64, see setup-deps)
# KEEP_OUTPUT=1 keeps both systems' outputs for a look. Runs headless and as root; a fresh Wine prefix is made in a temporary folder and removed after.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/vespra-ccache}" CCACHE_BASEDIR="$root"

# --- the two programs ------------------------------------------------------------------------
# The Linux one from the release build when there is one, else from a build of the command-line
# tool alone.
linux_build=build/release
if [ ! -f "$linux_build/build.ninja" ]; then
  linux_build=build/cli-linux
  [ -f "$linux_build/build.ninja" ] || cmake --preset cli-linux > /dev/null
fi
cmake --build "$linux_build" --target vespra-cli > /dev/null
[ -f build/mingw/build.ninja ] || cmake --preset mingw > /dev/null
cmake --build build/mingw --target vespra-cli > /dev/null
linux_cli="$root/$linux_build/cli/vespra-cli"
windows_cli="${WINDOWS_CLI:-$root/build/mingw/cli/vespra-cli.exe}"  # WINDOWS_CLI: check another .exe

wine=$(command -v wine64 || true)
[ -n "$wine" ] || { [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64; } || wine=$(command -v wine)

work=$(mktemp -d)
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  WINEPREFIX="$work/wineprefix" wineserver -k 2> /dev/null || true
  if [ -n "${KEEP_OUTPUT:-}" ]; then echo "outputs kept in $work/out"; else rm -rf "$work"; fi
}
trap cleanup EXIT
# The first start makes the prefix (and says so on stderr); later runs only print what the
# program prints.
timeout 600 "$wine" "$windows_cli" --help > /dev/null 2>&1 || true

# --- the cases -------------------------------------------------------------------------------
# Each case runs in a folder of its own, once per system, with the examples copied in (a folder
# with accents in its name, so paths with non-ASCII characters are part of every case) and the
# arguments given relative to it. What the case leaves there is compared afterwards.
cp -r examples "$work/exemplos-ação"
# A name with letters outside Windows-1252, which no 8-bit Windows path can carry.
cp examples/seattle-volume-unico.csv "$work/exemplos-ação/Łódź-volume-único.csv"
# The station files of the import's tests.
cp -r tests/import/fixtures "$work/exemplos-ação/estações"
differences=0
cases=0
linux_extra=()  # arguments given to the Linux run only
windows_env=()  # environment changes for the Windows run only (env's arguments)

run_case() {  # name command-args...
  local name=$1
  shift
  local system dir
  for system in linux windows; do
    dir="$work/out/$system/$name"
    mkdir -p "$dir/saída"
    cp -r "$work/exemplos-ação" "$dir/"
    (
      cd "$dir"
      status=0
      if [ "$system" = linux ]; then
        "$linux_cli" "$@" "${linux_extra[@]}" > stdout 2> stderr || status=$?
      else
        # A run that hangs (Wine waiting on something) ends as a difference, not a stuck CI.
        env "${windows_env[@]}" timeout 300 "$wine" "$windows_cli" "$@" > stdout 2> stderr || status=$?
      fi
      echo "$status" > status
    )
  done
  cases=$((cases + 1))
  if ! diff -r "$work/out/linux/$name" "$work/out/windows/$name" > "$work/diff-$name" 2>&1; then
    differences=$((differences + 1))
    echo "DIFFERENT: $name ($*)"
    # head reads the whole file (no broken pipe); long lines (JSON) are cut.
    head -n 12 "$work/diff-$name" | cut -c 1-160 | sed 's/^/    /'
  fi
}

ex="exemplos-ação"
for f in examples/*.csv examples/en_US/*.csv; do
  loc=pt_BR
  case "$f" in examples/en_US/*) loc=en_US ;; esac
  base=$(basename "$f" .csv)
  file="$ex/${f#examples/}"
  run_case "run-$loc-$base" run "$file" --locale "$loc"
  run_case "run-$loc-$base-monthly" run "$file" --locale "$loc" --monthly
  run_case "run-$loc-$base-json" run "$file" --locale "$loc" --json
  run_case "methods-$loc-$base" methods "$file" --locale "$loc"
  run_case "methods-$loc-$base-json" methods "$file" --locale "$loc" --json --interception 1,5 --confidence 80
done
for loc in pt_BR en_US; do
  dir="$ex"
  [ "$loc" = en_US ] && dir="$ex/en_US"
  for view in simplified detailed; do
    detail=()
    [ "$view" = detailed ] && detail=(--detailed)
    run_case "costs-$loc-$view" costs "$dir/seattle-analise-economica.csv" --locale "$loc" "${detail[@]}"
    run_case "costs-$loc-$view-out" costs "$dir/seattle-analise-economica.csv" --locale "$loc" \
      "${detail[@]}" --out "saída/custos-econômicos.csv"
  done
  # An --out file already there is replaced (rename over an existing file).
  run_case "costs-$loc-replace" costs "$dir/seattle-analise-economica.csv" --locale "$loc" \
    --out "$ex/seattle-volume-unico.csv"
  run_case "scenarios-$loc" scenarios "$dir/cenarios-seattle.txt" --out "saída/cenários" --locale "$loc" --jobs 2
done
for loc in pt_BR en_US; do
  run_case "import-$loc" import "$ex/estações/inmet_convencional.csv" --out "saída/registro-ção.txt" \
    --gaps zero --locale "$loc"
done
run_case "import-json" import "$ex/estações/ghcn.dly" --out "saída/registro.txt" --gaps longest --json --locale pt_BR
run_case "run-pt_BR-non-ascii-path" run "$ex/Łódź-volume-único.csv" --locale pt_BR
run_case "costs-pt_BR-non-ascii-out" costs "$ex/seattle-analise-economica.csv" --locale pt_BR --out "saída/Łódź.csv"
# The locale from the environment when --locale is not given.
LANG=pt_BR.UTF-8 run_case "run-environment-pt_BR" run "$ex/seattle-reservatorio-superior.csv"
# With no locale in the environment the Windows build takes the user's Region settings; under
# Wine those are en-US's, so its run must give what the Linux one gives with --locale en_US.
linux_extra=(--locale en_US)
windows_env=(-u LC_ALL -u LC_NUMERIC -u LC_TIME -u LANG)
run_case "run-windows-region-en_US" run "$ex/en_US/seattle-analise-economica.csv" --json
run_case "costs-windows-region-en_US" costs "$ex/en_US/seattle-analise-economica.csv" --detailed
linux_extra=()
windows_env=()
# Failures: a file that is not there, a file without an economic section, a usage error, an
# output folder that is a file.
run_case "error-missing-file" run "$ex/não-existe.csv" --locale pt_BR
run_case "error-costs-without-analysis" costs "$ex/seattle-volume-unico.csv" --locale pt_BR
run_case "error-usage" run "$ex/seattle-volume-unico.csv" --json --monthly
# A record refused for its gaps leaves the file under --out as it was.
run_case "error-import-gaps" import "$ex/estações/noaa.csv" --out "$ex/seattle-2012-2015.txt" --locale pt_BR
run_case "error-methods-parameter" methods "$ex/seattle-volume-unico.csv" --dry-months 13
run_case "error-output-folder" scenarios "$ex/cenarios-seattle.txt" --out "$ex/seattle-volume-unico.csv" --locale pt_BR

echo "windows_cli_check: $cases cases, $differences with differences (Wine: $wine)"
[ "$differences" -eq 0 ]
