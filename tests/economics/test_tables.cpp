// The tables of the analysis as texts: the estimate table, both views of the costs and savings
// table, the clipboard copy and the export.

#include <gtest/gtest.h>

#include <algorithm>

#include "common/textfile.h"
#include "economics/tables.h"
#include "engine/capt_agua.h"
#include "tests/economics/economics_cases.h"
#include "tests/support/temp_dir.h"

namespace {

const LocaleSettings kPt = LocaleSettings::ptBR();
const LocaleSettings kEn = LocaleSettings::enUS();

// ---------------------------------------------------------------------------------------
// Estimate table

TEST(Estimativas, TwelveRowsOfMonthlyFigures) {
    TCaptAgua s = simMensal(3000, 7000, 1500);
    s.vecVConsPluv[1] = 123456789.5;  // January: more than 8 integer digits
    s.vecVConsPot[1] = 0;
    s.vecVConsPot[2] = 1234567.89;  // February: 7 integer digits leave one significant decimal
    TContas c;
    c.vecContaSemPluv.fill(58);
    c.vecContaComPluv.fill(43.6);
    const auto rows = TabelaEstimativas(s, c, kPt);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0], (TLinhaEstimativa{"Jan", "123456789,5", "1,2345679E8", "0,00", "1500,00", "58,00",
                                         "43,60", "14,40"}));
    EXPECT_EQ(rows[1][3], "1234567,90");
    EXPECT_EQ(rows[1][1], "1237567,89");  // 3000 + 1234567,89, general
    EXPECT_EQ(rows[11],
              (TLinhaEstimativa{"Dez", "10000", "3000,00", "7000,00", "1500,00", "58,00", "43,60", "14,40"}));
    EXPECT_EQ(TabelaEstimativas(s, c, kEn)[11][6], "43.60");
}

// ---------------------------------------------------------------------------------------
// Costs and savings table

// 24 months installed in March: header and months 0 … 23; month 0 is March, month 10 January.
TEST(CustosEconomias, SimplifiedViewOneRowPerMonth) {
    doubleArray econ(24, 14.4), custos(24, 1.8844);
    econ[0] = 0;
    custos[0] = 1900.5;
    const TTabelaCustos t = TabelaSimplificada(econ, custos, 2, kPt);
    ASSERT_EQ(t.size(), 25u);
    EXPECT_EQ(t[0], (TLinhaCustos{"Mês", "Economia (R$)", "Custo (R$)"}));
    EXPECT_EQ(t[1], (TLinhaCustos{"0 (Março)", "0,00", "1900,50"}));
    EXPECT_EQ(t[11], (TLinhaCustos{"10 (Janeiro)", "14,40", "1,88"}));
    EXPECT_EQ(t[24][0], "23 (Fevereiro)");
}

std::vector<TPeriodo> doisMeses() {
    std::vector<TPeriodo> p(2);
    p[0].Custo = {{"Reservatório inferior", Currency::fromDouble(1500.5)},
                  {"Custo motobomba(s)", Currency::fromDouble(300)}};
    p[1].Economia = {"Economia de água potável", Currency::fromDouble(14.4)};
    return p;
}

// Each month: its label ("Mês", two spaces, the number), the saving, "Custos", one row per
// cost item, an empty row; one more empty row at the end. A month without costs has none.
TEST(CustosEconomias, DetailedViewOneBlockPerMonth) {
    const TTabelaCustos t = TabelaDetalhada(doisMeses(), 11, kPt);
    const TTabelaCustos esperado = {
        {"Mês ", "Economia (R$)", "Custo (R$)"},
        {"Mês  0 (Dezembro)", "", ""},
        {"Economia de água potável", "0,00", ""},
        {"Custos", "", ""},
        {"Reservatório inferior", "", "1500,50"},
        {"Custo motobomba(s)", "", "300,00"},
        {"", "", ""},
        {"Mês  1 (Janeiro)", "", ""},
        {"Economia de água potável", "14,40", ""},
        {"Custos", "", ""},
        {"", "", ""},
        {"", "", ""},
    };
    EXPECT_EQ(t, esperado);
}

TEST(CustosEconomias, CopyOfASelection) {
    const TTabelaCustos t = TabelaSimplificada({0, 14.4, 14.6894}, {1900.5, 11.8844, 23.3313}, 0, kPt);
    // From the header row: starts at row 1.
    EXPECT_EQ(TextoCopia(t, 0, 0, 2, 2), "0 (Janeiro)\t0,00\t1900,50\r\n1 (Fevereiro)\t14,40\t11,88\r\n");
    EXPECT_EQ(TextoCopia(t, 2, 1, 3, 1), "14,40\r\n14,69\r\n");
    // A selection running past the table keeps to its cells.
    EXPECT_EQ(TextoCopia(t, 3, 2, 9, 5), "23,33\r\n");
    EXPECT_EQ(TextoCopia(t, 5, 0, 9, 2), "");
}

// ---------------------------------------------------------------------------------------
// Export

TExportacao exportacao(const TTabelaCustos& tabela) {
    TExportacao e;
    TCaptAgua s = simMensal(3000, 7000, 1500);
    TContas c;
    c.vecContaSemPluv.fill(58);
    c.vecContaComPluv.fill(43.6);
    e.estimativas = TabelaEstimativas(s, c, kPt);
    e.linhasFaixas = {"Abaixo de 5 m³: R$20 (fixo).", "Acima de 5 m³: R$3 (por m³)."};
    e.analise = {"5000", "1", "2", "0,25", "1", 0};
    e.intTempoRetorno = -1;
    e.curVPL = Currency::fromDouble(-1887.6);
    e.tabela = tabela;
    return e;
}

TEST(Exportacao, LinesInOrder) {
    const auto lines = LinhasExportacao(exportacao(TabelaDetalhada(doisMeses(), 0, kPt)), kPt);
    const std::string estimativa = "Jan;10000;3000,00;7000,00;1500,00;58,00;43,60;14,40";
    std::vector<std::string> esperado = {
        "Estimativas iniciais de consumo e economia de água (baseadas nos dados de precipitação)",
        "Mês;Consumo total mensal (litros);Consumo de água pluvial (litros);Consumo de água potável (litros);"
        "Volume de água pluvial recalcado (litros);Valor da conta sem utilização de água pluvial (R$);"
        "Valor da conta com utilização de água pluvial (R$);Economia mensal (R$)",
    };
    EXPECT_EQ(lines[2], estimativa);
    EXPECT_EQ(lines[13].substr(0, 4), "Dez;");
    const std::vector<std::string> resto = {
        "",
        "Tarifas de água",
        "",  // the band list's empty first row
        "Abaixo de 5 m³: R$20 (fixo).",
        "Acima de 5 m³: R$3 (por m³).",
        "",
        "Inflação (% ao mês);1",
        "Reajuste das tarifas de água e energia elétrica (meses);2",
        "Período de análise (anos);0,25",
        "Taxa mínima de atratividade (%);1",
        "",
        "Resultado da análise econômica",
        "Tempo de retorno do investimento (meses);-1",
        "Valor presente líquido (R$);-1887,6",
        "Taxa interna de retorno (% ao mês);indefinida",
        "",
        // The detailed view: its header's trailing space and the separator's leading one.
        "Mês  ;Economia (R$);Custo (R$)",
        "Mês  0 (Janeiro) ;;",
        "Economia de água potável ;0,00;",
        "Custos ;;",
        "Reservatório inferior ;;1500,50",
        "Custo motobomba(s) ;;300,00",
        " ;;",
        "Mês  1 (Fevereiro) ;;",
        "Economia de água potável ;14,40;",
        "Custos ;;",
        " ;;",
        " ;;",
    };
    ASSERT_EQ(lines.size(), 14 + resto.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 2), esperado);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 14, lines.end()), resto);
}

TEST(Exportacao, SimplifiedViewAndADefinedRate) {
    TExportacao e = exportacao(TabelaSimplificada({0, 64.9}, {100, 0}, 0, kEn));
    e.intTempoRetorno = 11;
    e.curVPL = Currency::fromDouble(124.27);
    e.dblTIR = 2.9228540769133726;
    const auto lines = LinhasExportacao(e, kEn);
    const std::vector<std::string> fim = {
        "Tempo de retorno do investimento (meses);11",
        "Valor presente líquido (R$);124.27",
        "Taxa interna de retorno (% ao mês);2.92285407691337",
        "",
        "Mês ;Economia (R$);Custo (R$)",  // one space before the first ";"
        "0 (Janeiro) ;0.00;100.00",
        "1 (Fevereiro) ;64.90;0.00",
    };
    EXPECT_EQ(std::vector<std::string>(lines.end() - 7, lines.end()), fim);
}

// A cost named by the user, typed or in a file received from someone else, is a text cell of
// the spreadsheet: one that a spreadsheet would run as a formula gets a leading apostrophe.
// Negative figures stay numbers.
TEST(Exportacao, TextsThatLookLikeFormulasAreWrittenAsText) {
    std::vector<TPeriodo> p(1);
    p[0].Custo = {{"=1+1", Currency::fromDouble(80)},
                  {"=HYPERLINK(\"http://exemplo\";\"x\")", Currency::fromDouble(2)},
                  {"@limpeza", Currency::fromDouble(3)},
                  {"-desconto", Currency::fromDouble(-4)},
                  {"Tratamento da água", Currency::fromDouble(5)}};
    TExportacao e = exportacao(TabelaDetalhada(p, 0, kPt));
    e.analise.strInflacao = "-0,5";
    e.analise.strTMA = "=2";
    const auto lines = LinhasExportacao(e, kPt);
    const std::vector<std::string> custos = {
        "'=1+1 ;;80,00",
        "'=HYPERLINK(\"http://exemplo\";\"x\") ;;2,00",
        "'@limpeza ;;3,00",
        "'-desconto ;;-4,00",
        "Tratamento da água ;;5,00",
    };
    EXPECT_EQ(std::vector<std::string>(lines.end() - 7, lines.end() - 2), custos);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Inflação (% ao mês);-0,5"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Taxa mínima de atratividade (%);'=2"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Valor presente líquido (R$);-1887,6"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Tempo de retorno do investimento (meses);-1"),
              lines.end());
}

// After the analysis was cleared the estimate table is empty: the export writes no rows for it.
TEST(Exportacao, ClearedEstimateTable) {
    TExportacao e = exportacao({});
    e.estimativas.clear();
    const auto lines = LinhasExportacao(e, kPt);
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "Tarifas de água");
}

// On disk the export is 8-bit text with CR LF line ends, as every file of the program.
TEST(Exportacao, BytesOnDisk) {
    TempDir dir;
    const std::string path = dir.file("custos.csv");
    writeTextLines(path, LinhasExportacao(exportacao(TabelaSimplificada({0}, {100}, 0, kPt)), kPt));
    const std::string bytes = TempDir::read(path);
    const std::string fim = "M\xEAs ;Economia (R$);Custo (R$)\r\n0 (Janeiro) ;0,00;100,00\r\n";
    ASSERT_GE(bytes.size(), fim.size());
    EXPECT_EQ(bytes.substr(bytes.size() - fim.size()), fim);
    EXPECT_EQ(bytes.substr(0, 13), "Estimativas i");
}

}  // namespace
