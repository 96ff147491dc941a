#include "economics/tables.h"

#include <algorithm>

#include "common/numtext.h"
#include "common/sheet_cell.h"
#include "economics/months.h"
#include "engine/capt_agua.h"

std::string Fixo2(double value, const LocaleSettings& loc) {
    return formatFixed(value, 8, 2, loc);
}

const std::array<std::pair<const char*, const char*>, 8> kCabecalhoEstimativas = {{
    {"Mês", ""},
    {"Consumo total", " mensal (litros)"},
    {"Consumo de água", "    pluvial (litros)"},
    {"Consumo de água", "   potável (litros)"},
    {"Volume de água pluvial", "     recalcado (litros)"},
    {"Valor da conta sem utilização", "      de água pluvial (R$)"},
    {"Valor da conta com utilização", "       de água pluvial (R$)"},
    {" Economia", "mensal (R$)"},
}};

std::vector<TLinhaEstimativa> TabelaEstimativas(const TCaptAgua& sim, const TContas& contas,
                                                const LocaleSettings& loc) {
    std::vector<TLinhaEstimativa> rows(12);
    for (int m = 0; m < 12; ++m) {
        const auto k = static_cast<std::size_t>(m);
        const double pluv = valorDoMes(sim.vecVConsPluv, m), pot = valorDoMes(sim.vecVConsPot, m);
        const double sem = contas.vecContaSemPluv[k], com = contas.vecContaComPluv[k];
        rows[k] = {std::string(kMesesAbrev[k]),
                   formatGeneral(pluv + pot, loc),
                   Fixo2(pluv, loc),
                   Fixo2(pot, loc),
                   Fixo2(valorDoMes(sim.vecVRecalc, m), loc),
                   Fixo2(sem, loc),
                   Fixo2(com, loc),
                   Fixo2(sem - com, loc)};
    }
    return rows;
}

namespace {

std::string nomeMes(std::size_t i, int mesIn) {
    return std::string(kMesesNome[static_cast<std::size_t>(mesCalendario(static_cast<int>(i), mesIn))]);
}

}  // namespace

TTabelaCustos TabelaSimplificada(const doubleArray& vecEconomias, const doubleArray& vecCustos, int mesIn,
                                 const LocaleSettings& loc) {
    TTabelaCustos t;
    t.push_back({"Mês", "Economia (R$)", "Custo (R$)"});
    const std::size_t n = std::min(vecEconomias.size(), vecCustos.size());
    for (std::size_t i = 0; i < n; ++i) {
        t.push_back({std::to_string(i) + " (" + nomeMes(i, mesIn) + ")", Fixo2(vecEconomias[i], loc),
                     Fixo2(vecCustos[i], loc)});
    }
    return t;
}

TTabelaCustos TabelaDetalhada(const std::vector<TPeriodo>& vecPeriodos, int mesIn,
                              const LocaleSettings& loc) {
    TTabelaCustos t;
    t.push_back({"Mês ", "Economia (R$)", "Custo (R$)"});
    for (std::size_t i = 0; i < vecPeriodos.size(); ++i) {
        const TPeriodo& p = vecPeriodos[i];
        t.push_back({"Mês  " + std::to_string(i) + " (" + nomeMes(i, mesIn) + ")", "", ""});
        t.push_back({"Economia de água potável", Fixo2(p.Economia.Valor.toDouble(), loc), ""});
        t.push_back({"Custos", "", ""});
        for (const TCusto& c : p.Custo) t.push_back({c.Nome, "", Fixo2(c.Valor.toDouble(), loc)});
        t.push_back({"", "", ""});
    }
    t.push_back({"", "", ""});
    return t;
}

std::string TextoCopia(const TTabelaCustos& tabela, int top, int left, int bottom, int right) {
    std::string out;
    top = std::max(top, 1);
    left = std::max(left, 0);
    bottom = std::min(bottom, static_cast<int>(tabela.size()) - 1);
    right = std::min(right, 2);
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            if (c > left) out += '\t';
            out += tabela[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
        }
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> LinhasExportacao(const TExportacao& e, const LocaleSettings& loc) {
    // Texts typed by the user (a cost named "=1+1", a setting read from a file) are cells of a
    // spreadsheet: none may run as a formula.
    std::vector<std::string> out;
    out.emplace_back(
        "Estimativas iniciais de consumo e economia de água (baseadas nos dados de precipitação)");
    out.push_back(std::string("Mês;Consumo total mensal (litros);") + "Consumo de água pluvial (litros);" +
                  "Consumo de água potável (litros);Volume de água pluvial recalcado (litros);" +
                  "Valor da conta sem utilização de água pluvial (R$);" +
                  "Valor da conta com utilização de água pluvial (R$);" + "Economia mensal (R$)");
    for (const TLinhaEstimativa& row : e.estimativas) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) line += (c ? ";" : "") + sheetCell(row[c]);
        out.push_back(line);
    }
    out.emplace_back();
    out.emplace_back("Tarifas de água");
    out.emplace_back();  // the band list's first row, always empty
    for (const std::string& faixa : e.linhasFaixas) out.push_back(sheetCell(faixa));
    out.emplace_back();
    out.push_back("Inflação (% ao mês);" + sheetCell(e.analise.strInflacao));
    out.push_back(std::string("Reajuste das tarifas de água e energia elétrica (meses)") + ";" +
                  sheetCell(e.analise.strPeriodoAumento));
    out.push_back("Período de análise (anos);" + sheetCell(e.analise.strPeriodoAnalise));
    out.push_back("Taxa mínima de atratividade (%);" + sheetCell(e.analise.strTMA));
    out.emplace_back();
    out.emplace_back("Resultado da análise econômica");
    out.push_back("Tempo de retorno do investimento (meses);" + std::to_string(e.intTempoRetorno));
    out.push_back("Valor presente líquido (R$);" + formatCurrencyGeneral(e.curVPL, loc));
    out.push_back("Taxa interna de retorno (% ao mês);" +
                  (e.dblTIR ? formatGeneral(*e.dblTIR, loc) : "indefinida"));
    out.emplace_back();
    for (const TLinhaCustos& row : e.tabela)
        out.push_back(sheetCell(row[0]) + " ;" + sheetCell(row[1]) + ";" + sheetCell(row[2]));
    return out;
}
