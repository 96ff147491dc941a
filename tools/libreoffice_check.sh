#!/bin/sh
# Writes every CSV export of the bundled examples and opens each in headless LibreOffice Calc as
# a pt_BR user opens it (Windows-1252, ';' between fields, Portuguese (Brazil) numbers), checking
# that every number is a number cell with its value and every text keeps its characters; then
# reports, without failing, what Calc's own defaults make of the same files. Not run in CI
# (LibreOffice is large):
#
#   apt-get install -y --no-install-recommends libreoffice-calc
#   tools/libreoffice_check.sh [BUILD_DIR]        # default build/release
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
cli=$build/cli/vespra-cli
sheets=$build/tools/vespra-export-sheets
check="python3 $root/tools/libreoffice_check.py"
for tool in "$cli" "$sheets"; do
  [ -x "$tool" ] || { echo "libreoffice_check: $tool is missing; build first" >&2; exit 2; }
done
out=$(mktemp -d "${TMPDIR:-/tmp}/vespra-csv.XXXXXX")
trap 'rm -rf "$out"' EXIT

ex=$root/examples
# The chart data sheet ("Exportar para CSV" of the sweep's data sheet).
"$sheets" "$ex/seattle-faixa-volumes.csv" pt_BR "$out/dados-grafico.csv"
# The costs and savings export, both views ("Exportar" of the costs and savings window).
"$cli" costs "$ex/seattle-analise-economica.csv" --locale pt_BR --out "$out/custos-simplificada.csv"
"$cli" costs "$ex/seattle-analise-economica.csv" --locale pt_BR --detailed --out "$out/custos-detalhada.csv"
# The scenario sheet ("Exportar planilha e simulações").
"$cli" scenarios "$ex/cenarios-seattle.txt" --locale pt_BR --out "$out/cenarios" 2>/dev/null
files="$out/dados-grafico.csv $out/custos-simplificada.csv $out/custos-detalhada.csv $out/cenarios/Planilha.csv"

echo "== pt_BR text import: Windows-1252, separated by ';', Portuguese (Brazil)"
# shellcheck disable=SC2086
status=0
$check $files || status=$?

echo "== Calc's text import dialog as it first opens (separated by tab, ',' and ';') — report only"
# shellcheck disable=SC2086
$check --report-only --show 2 --options '9/44/59,34,1,1,,1046,false,false' $files
echo "== headless conversion without import options (Calc's defaults) — report only"
# shellcheck disable=SC2086
$check --report-only --show 2 --options default $files
exit $status
