#pragma once
// The tables of the economic analysis, built here as texts and painted by the windows: the
// estimate table (twelve calendar months of consumption and bills), the costs and savings
// table in its simplified and detailed views, its copy to the clipboard and its export.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/arrays.h"
#include "common/currency.h"
#include "common/locale_settings.h"
#include "economics/analysis_fields.h"
#include "economics/tariffs.h"
#include "engine/capt_agua.h"

// The money and volume format of these tables: rounded to 8 significant digits and to two
// decimals, exactly two decimals, scientific past 8 integer digits.
std::string Fixo2(double value, const LocaleSettings& loc);

// ---------------------------------------------------------------------------------------
// Estimate table

// Column headers, two lines each, as the grid shows them.
extern const std::array<std::pair<const char*, const char*>, 8> kCabecalhoEstimativas;

using TLinhaEstimativa = std::array<std::string, 8>;
// Twelve rows, January to December: month, total consumption (general), rainwater, potable
// water and pumped litres, the bills without and with rainwater and the saving (R$).
std::vector<TLinhaEstimativa> TabelaEstimativas(const TCaptAgua& sim, const TContas& contas,
                                                const LocaleSettings& loc);

// ---------------------------------------------------------------------------------------
// Costs and savings table: rows of three cells, the header row first.

using TLinhaCustos = std::array<std::string, 3>;
using TTabelaCustos = std::vector<TLinhaCustos>;

// One row per analysis month: "i (Mês)", its saving and its total cost.
TTabelaCustos TabelaSimplificada(const doubleArray& vecEconomias, const doubleArray& vecCustos, int mesIn,
                                 const LocaleSettings& loc);
// One block per analysis month: its label, its saving, "Custos", one row per cost item and an
// empty row; the table ends with one more empty row.
TTabelaCustos TabelaDetalhada(const std::vector<TPeriodo>& vecPeriodos, int mesIn, const LocaleSettings& loc);

// The selected cells (rows top … bottom, columns left … right, inclusive) as the clipboard
// gets them: cells joined by TAB, every row ended by CR LF; a selection from the header row
// starts at row 1. Cells outside the table are left out.
std::string TextoCopia(const TTabelaCustos& tabela, int top, int left, int bottom, int right);

// ---------------------------------------------------------------------------------------
// Export

// What the export writes, as the windows hold it at the moment of the export.
struct TExportacao {
    std::vector<TLinhaEstimativa> estimativas;  // the estimate table's rows (none when cleared)
    std::vector<std::string> linhasFaixas;      // the band list's rows after its empty first row
    TCamposAnalise analise;                     // the settings, as typed
    int intTempoRetorno = -1;
    Currency curVPL;
    std::optional<double> dblTIR;  // % per month; none when undefined in the last calculation
    TTabelaCustos tabela;          // the costs and savings table in its current view
};
// The export's lines (UTF-8, without line ends).
std::vector<std::string> LinhasExportacao(const TExportacao& e, const LocaleSettings& loc);
