#!/bin/sh
# Writes every CSV export of the bundled examples and opens each in headless LibreOffice Calc as
# a pt_BR user opens it (Windows-1252, ';' between fields, Portuguese (Brazil) numbers), checking
# that every number is a number cell with its value and every text keeps its characters (a text
# written with a leading apostrophe, as "'=1+1", is a text cell and never a formula); then
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
# An operating cost named "=1+1" (as a file received from someone else may hold): the export
# writes it as "'=1+1", and Calc must show a text cell, not the formula's result.
LC_ALL=C sed 's/^Limpeza do reservat.rio;/=1+1;/' "$ex/seattle-analise-economica.csv" > "$out/formula.csv"
grep -q '^=1+1;' "$out/formula.csv" || { echo "libreoffice_check: the cost to rename was not found" >&2; exit 2; }
"$cli" costs "$out/formula.csv" --locale pt_BR --detailed --out "$out/custos-formula.csv"
grep -q "^'=1+1 ;" "$out/custos-formula.csv" || { echo "libreoffice_check: '=1+1 not in the export" >&2; exit 1; }
# The scenario sheet ("Exportar planilha e simulações").
"$cli" scenarios "$ex/cenarios-seattle.txt" --locale pt_BR --out "$out/cenarios" 2>/dev/null
files="$out/dados-grafico.csv $out/custos-simplificada.csv $out/custos-detalhada.csv $out/custos-formula.csv $out/cenarios/Planilha.csv"

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
