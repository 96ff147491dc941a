// The value-list texts of the scenario table: item forms, the list text, the parsers and the
// list dialog's item operations.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenarios/scenario_errors.h"
#include "scenarios/value_lists.h"
#include "tests/support/rows.h"

namespace {

const LocaleSettings kBR = LocaleSettings::ptBR();
const LocaleSettings kUS = LocaleSettings::enUS();

using Itens = std::vector<std::string>;

// ---- Formatters -----------------------------------------------------------------------------

TEST(TextosCenarios, VectorToStringJoinsGeneralNumbers) {
    EXPECT_EQ(VectorToString({150, 120}, kBR), "150; 120");
    EXPECT_EQ(VectorToString({2.5}, kBR), "2,5");
    EXPECT_EQ(VectorToString({2.5, 0.1}, kUS), "2.5; 0.1");
    EXPECT_EQ(VectorToString({}, kBR), "");
}

TEST(TextosCenarios, ListTextWrapsEachItem) {
    EXPECT_EQ(TStringListToString({"100", "200"}), "(100); (200)");
    EXPECT_EQ(TStringListToString({"100"}), "(100)");
    EXPECT_EQ(TStringListToString({}), "");
}

TEST(TextosCenarios, ItemsTheDialogAdds) {
    EXPECT_EQ(ItemAdicionado(kLinhaResInf, "5000"), "Fixo: 5000");
    EXPECT_EQ(ItemAdicionado(kLinhaAreaCapt, "5000"), "5000");
    EXPECT_EQ(ResInfToStr("10000", "500", "2,5"), "Intervalo de volumes: 10000; 500; 2,5");
    EXPECT_EQ(ItemResSupDialogo(true, "", "20"), "Demanda diária de água pluvial | 20%");
    EXPECT_EQ(ItemResSupDialogo(false, "500", "50"), "500 | 50%");
    EXPECT_EQ(ItemDadosPrec({"C:\\dados\\chuva.txt", *TDate::fromYMD(2012, 3, 15), 2.5}, kBR),
              "C:\\dados\\chuva.txt | 15/03/2012 | 2,5");
}

TEST(TextosCenarios, RowLabels) {
    EXPECT_STREQ(RotuloParametro(1), "Arquivos de precipitação");
    EXPECT_STREQ(RotuloParametro(6), "Coeficientes de escoamento superficial");
    EXPECT_STREQ(RotuloParametro(8), "Reservatórios inferiores");
    EXPECT_STREQ(RotuloParametro(9), "");
}

// ---- Each row's text read and shown again in the list dialog --------------------------------

struct ItensCase {
    const char* name;
    int linha;
    std::string texto;
    Itens itens;
};

class ItensDaLinhaTable : public ::testing::TestWithParam<ItensCase> {};

TEST_P(ItensDaLinhaTable, ShowsEachValueInItsItemForm) {
    const auto& c = GetParam();
    EXPECT_EQ(ItensDaLinha(c.linha, c.texto, kBR), c.itens);
}

const std::string kDoze = "(1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12)";

INSTANTIATE_TEST_SUITE_P(
    Scenarios, ItensDaLinhaTable,
    ::testing::Values(
        ItensCase{"fixed_volume", 8, "(Fixo: 3000)", {"Fixo: 3000"}},
        ItensCase{
            "range", 8, "(Intervalo de volumes: 10000; 500; 0)", {"Intervalo de volumes: 10000; 500; 0"}},
        ItensCase{"fixed_and_range",
                  8,
                  "(Fixo: 3000); (Intervalo de volumes: 10000; 500; 2,5)",
                  {"Fixo: 3000", "Intervalo de volumes: 10000; 500; 2,5"}},
        ItensCase{"upper_by_demand",
                  7,
                  "(Demanda diária de água pluvial | 20%)",
                  {"Demanda diária de água pluvial | 20%"}},
        ItensCase{"upper_volume", 7, "(500 | 50%); (0 | 0%)", {"500 | 50%", "0 | 0%"}},
        ItensCase{"upper_decimal_percent", 7, "(750 | 12,5%)", {"750 | 12,5%"}},
        ItensCase{"twelve_values_one_item", 3, kDoze, {"1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12"}},
        ItensCase{"vectors", 4, "(100; 120); (150)", {"100; 120", "150"}},
        ItensCase{"numbers", 2, "(100); (200,5); ( 300 )", {"100", "200,5", "300"}},
        ItensCase{"zeros_written_short", 6, "(0,80); (1,0)", {"0,8", "1"}},
        ItensCase{"precipitation",
                  1,
                  "(C:\\chuva\\a.txt | 01/01/2012 | 2); (b.txt | 15/03/2013 | 0,5)",
                  {"C:\\chuva\\a.txt | 01/01/2012 | 2", "b.txt | 15/03/2013 | 0,5"}},
        ItensCase{"empty_text", 5, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The parsers' records -------------------------------------------------------------------

TEST(ParsersCenarios, LowerReservoirs) {
    const auto r = StrToResInf("(Fixo: 3000); (Intervalo de volumes: 10000; 500; 2)", kBR);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], (resInfRecord{3000, 0, 0}));
    EXPECT_EQ(r[1], (resInfRecord{10000, 500, 2}));
}

TEST(ParsersCenarios, UpperReservoirs) {
    const auto r = StrToResSup("(Demanda diária de água pluvial | 20%); (500 | 50%)", ';', kBR);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].dblResSup, -1);
    EXPECT_EQ(r[0].dblResSupRec, 0.2);
    EXPECT_EQ(r[1].dblResSup, 500);
    EXPECT_EQ(r[1].dblResSupRec, 0.5);
}

TEST(ParsersCenarios, VectorsAndNumbers) {
    EXPECT_EQ(StrToVectorArray("(100; 120); (150)", ')', kBR), (doubleArrayArray{{100, 120}, {150}}));
    const auto doze = StrToVectorArray(kDoze, ')', kBR);
    ASSERT_EQ(doze.size(), 1u);
    EXPECT_EQ(doze[0].size(), 12u);
    EXPECT_EQ(StrToVector("(100); (200)", ')', kBR), (doubleArray{100, 200}));
    EXPECT_EQ(StrToVector("(0.8); (1.5)", ')', kUS), (doubleArray{0.8, 1.5}));
    // Where a number is expected the demand-sized upper reservoir reads as −1.
    EXPECT_EQ(StrToVector("(Demanda diária de água pluvial)", ')', kBR), (doubleArray{-1}));
}

TEST(ParsersCenarios, PrecipitationFiles) {
    const auto r = StrToDadosPrec("(/dados/a.txt | 01/02/2012 | 2,5); (b.txt | 31/12/2013 | 0)", ';', kBR);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], (dadosPrecRecord{"/dados/a.txt", *TDate::fromYMD(2012, 2, 1), 2.5}));
    EXPECT_EQ(r[1], (dadosPrecRecord{"b.txt", *TDate::fromYMD(2013, 12, 31), 0}));
    // Dates follow the locale's pattern.
    const auto us = StrToDadosPrec("(a.txt | 02/01/2012 | 2.5)", ';', kUS);
    ASSERT_EQ(us.size(), 1u);
    EXPECT_EQ(us[0].dateDadosPrec, *TDate::fromYMD(2012, 2, 1));
    EXPECT_EQ(us[0].dblDescartPrec, 2.5);
}

TEST(ParsersCenarios, PathsTheTextCannotCarry) {
    EXPECT_TRUE(CaminhoPrecRepresentavel("C:\\dados\\chuva 2012.txt"));
    EXPECT_TRUE(CaminhoPrecRepresentavel("/dados/a|b.txt"));
    for (const char* p : {"C:\\dados (2012)\\a.txt", "a).txt", "a;b.txt", "a | b.txt"}) {
        EXPECT_FALSE(CaminhoPrecRepresentavel(p)) << p;
    }
    // Such a path is cut by the text form: its parentheses go and it is split.
    const auto r = StrToDadosPrec("(/dados (velho)/a.txt | 01/01/2012 | 2)", ';', kBR);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].strDadosPrec, "/dadosvelho/a.txt");
}

// ---- Texts that do not read -----------------------------------------------------------------

struct ErroCase {
    const char* name;
    int linha;
    std::string texto;
    std::string mensagem;
};

class ErrosTable : public ::testing::TestWithParam<ErroCase> {};

TEST_P(ErrosTable, NamesTheItemAndTheFault) {
    const auto& c = GetParam();
    try {
        ItensDaLinha(c.linha, c.texto, kBR);
        FAIL() << "no error for " << c.texto;
    } catch (const ScenarioError& e) {
        EXPECT_EQ(std::string(e.what()), c.mensagem);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, ErrosTable,
    ::testing::Values(
        ErroCase{"area_not_a_number", 2, "(100); (abc)",
                 "Item 2 (\"; (abc\"): \"abc\" não é um número válido."},
        ErroCase{"point_in_comma_locale", 6, "(0.8)", "Item 1 (\"(0.8\"): \"0.8\" não é um número válido."},
        ErroCase{"empty_item", 5, "(40); ", "Item 2 (\"; \"): \" \" não é um número válido."},
        ErroCase{"vector_value", 3, "(150; x)", "Item 1 (\"(150; x\"): \" x\" não é um número válido."},
        ErroCase{"vector_of_separators", 3, "(150);", "Item 2 (\";\"): não há valores."},
        ErroCase{"precipitation_without_separators", 1, "(chuva.txt)",
                 "Item 1 (\"(chuva.txt)\"): faltam campos; a forma é \"arquivo | data inicial | descarte\"."},
        ErroCase{"precipitation_bad_date", 1, "(chuva.txt | 31/02/2012 | 2)",
                 "Item 1 (\"(chuva.txt | 31/02/2012 | 2)\"): \"31/02/2012\" não é uma data válida."},
        ErroCase{"upper_without_percent", 7, "(500)",
                 "Item 1 (\"(500)\"): faltam campos; a forma é \"volume | percentual%\"."},
        ErroCase{"upper_bad_volume", 7, "(quinhentos | 50%)",
                 "Item 1 (\"(quinhentos | 50%)\"): \"quinhentos\" não é um número válido."},
        ErroCase{"lower_without_label", 8, "(3000)",
                 "Item 1 (\"(3000\"): faltam campos; a forma é \"Fixo: volume\" ou \"Intervalo de volumes: "
                 "máximo; intervalo; diferença\"."},
        ErroCase{
            "lower_range_short", 8, "(Intervalo de volumes: 10000; 500)",
            "Item 1 (\"(Intervalo de volumes: 10000; 500\"): faltam campos; a forma é \"Fixo: volume\" ou "
            "\"Intervalo de volumes: máximo; intervalo; diferença\"."},
        ErroCase{
            "lower_bad_step", 8, "(Fixo: 3000); (Intervalo de volumes: 10000; passo; 2)",
            "Item 2 (\"; (Intervalo de volumes: 10000; passo; 2\"): \" passo\" não é um número válido."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParsersCenarios, HugeTextGivesAShortMessage) {
    const std::string enorme = "(" + std::string(1000000, 'x') + "ção)";
    try {
        StrToVector(enorme, ')', kBR);
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_LT(std::string(e.what()).size(), 200u);
        EXPECT_EQ(std::string(e.what()).rfind("Item 1 (\"(xxx", 0), 0u);
    }
    // Many items read in one pass.
    std::string muitos;
    for (int i = 0; i < 100000; ++i) muitos += "(1); ";
    muitos += "(2)";
    EXPECT_EQ(StrToVector(muitos, ')', kBR).size(), 100001u);
}

// ---- The list dialog's operations -----------------------------------------------------------

TEST(ItensDialogo, ConcluirRemovesLaterRepeats) {
    Itens itens{"10", "20", "10", "30", "20"};
    RemoveRepetidos(itens);
    EXPECT_EQ(itens, (Itens{"10", "20", "30"}));
    Itens vazio;
    RemoveRepetidos(vazio);
    EXPECT_TRUE(vazio.empty());
}

TEST(ItensDialogo, SortIsByText) {
    Itens itens{"9", "10", "100"};
    OrdenaItens(itens);
    EXPECT_EQ(itens, (Itens{"10", "100", "9"}));
    InsereOrdenado(itens, "11");
    InsereOrdenado(itens, "95");
    EXPECT_EQ(itens, (Itens{"10", "100", "11", "9", "95"}));
    Itens caminhos{"b.txt", "a.txt", "C.txt", "A.txt", "a"};
    OrdenaItens(caminhos);
    EXPECT_EQ(caminhos, (Itens{"a", "A.txt", "a.txt", "b.txt", "C.txt"}));
}

}  // namespace
