// The tariff schedule's shape: the bands "Adicionar" refuses, the schedule "Concluir" refuses,
// and the removal of one band.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/numtext.h"
#include "economics/tariff_schedule.h"
#include "economics/tariffs.h"

namespace {

const LocaleSettings kPt = LocaleSettings::ptBR();

// Builds a schedule as "Adicionar" does, band by band; every band must be accepted.
struct Tabela {
    TTarifas tarifas;
    std::vector<std::string> linhas;
    Tabela& mais(TipoFaixa tipo, const char* vol1, const char* vol2, const char* custo, bool fixo = false) {
        const TFaixaLida f = leFaixa(tarifas, tipo, vol1, vol2, custo, fixo, kPt);
        tarifas.push_back(f.faixa);
        linhas.push_back(f.strLinha);
        return *this;
    }
};

Tabela tresFaixas() {
    return Tabela{}
        .mais(TipoFaixa::AbaixoDe, "10", "", "30", true)
        .mais(TipoFaixa::Entre, "10", "20", "4,5")
        .mais(TipoFaixa::AcimaDe, "20", "", "7,25");
}

// ---------------------------------------------------------------------------------------
// "Adicionar"

struct FaixaCase {
    const char* name;
    Tabela antes;
    TipoFaixa tipo;
    const char *vol1, *vol2;
    const char* mensagem;  // nullptr: accepted
};

const std::vector<FaixaCase> kFaixaCases = {
    {"FirstBandBelow", {}, TipoFaixa::AbaixoDe, "10", "", nullptr},
    {"FirstBandBelowZero", {}, TipoFaixa::AbaixoDe, "0", "", nullptr},
    {"MiddleBand", Tabela{}.mais(TipoFaixa::AbaixoDe, "10", "", "30", true), TipoFaixa::Entre, "10", "15",
     nullptr},
    {"NegativeFirstBand",
     {},
     TipoFaixa::AbaixoDe,
     "-5",
     "",
     "Faixa \"Abaixo de -5 m³\": os volumes das faixas não podem ser negativos."},
    {"MiddleBandAfterTheTop",
     Tabela{}.mais(TipoFaixa::AbaixoDe, "5", "", "30").mais(TipoFaixa::AcimaDe, "5", "", "5"),
     TipoFaixa::Entre, "5", "20",
     "Faixa \"Entre 5 e 20 m³\": a faixa \"Acima de\" é a última da tabela; nenhuma faixa pode vir depois "
     "dela."},
    {"SecondTopBand", tresFaixas(), TipoFaixa::AcimaDe, "20", "",
     "Faixa \"Acima de 20 m³\": a faixa \"Acima de\" é a última da tabela; nenhuma faixa pode vir depois "
     "dela."},
    {"MiddleBandNotRising", Tabela{}.mais(TipoFaixa::AbaixoDe, "10", "", "30"), TipoFaixa::Entre, "10", "10",
     "Preenchimento incorreto. Verifique os valores"},
    {"MiddleBandWithAGap", Tabela{}.mais(TipoFaixa::AbaixoDe, "10", "", "30"), TipoFaixa::Entre, "12", "20",
     "Faixa \"Entre 12 e 20 m³\": cada faixa começa onde a anterior termina."},
    {"TopBandAsTheFirst",
     {},
     TipoFaixa::AcimaDe,
     "0",
     "",
     "Faixa \"Acima de 0 m³\": a tabela começa pela faixa \"Abaixo de\", e só a primeira faixa é \"Abaixo "
     "de\"."},
    // A middle band ending at the ceiling would open again as the top band.
    {"MiddleBandAtTheCeiling", Tabela{}.mais(TipoFaixa::AbaixoDe, "10", "", "30"), TipoFaixa::Entre, "10",
     "100000",
     "Faixa \"Entre 10 e 100000 m³\": os volumes das faixas devem ser menores que 100000 m³, o teto da faixa "
     "\"Acima de\"."},
    // Saved with 15 significant digits it would read "100000".
    {"MiddleBandJustBelowTheCeiling", Tabela{}.mais(TipoFaixa::AbaixoDe, "10", "", "30"), TipoFaixa::Entre,
     "10", "99999,99999999999",
     "Faixa \"Entre 10 e 99999,99999999999 m³\": os volumes das faixas devem ser menores que 100000 m³, o "
     "teto "
     "da faixa \"Acima de\"."},
    {"MiddleBandBelowTheCeiling", Tabela{}.mais(TipoFaixa::AbaixoDe, "10", "", "30"), TipoFaixa::Entre, "10",
     "99999,9999999999", nullptr},
};

class FaixaTable : public ::testing::TestWithParam<FaixaCase> {};

TEST_P(FaixaTable, AcceptedOrRefusedNamingTheBand) {
    const auto& c = GetParam();
    try {
        leFaixa(c.antes.tarifas, c.tipo, c.vol1, c.vol2, "3", false, kPt);
        EXPECT_EQ(c.mensagem, nullptr) << "accepted";
    } catch (const FaixaRecusada& e) {
        ASSERT_NE(c.mensagem, nullptr) << e.what();
        EXPECT_EQ(std::string(e.what()), c.mensagem);
    }
}

INSTANTIATE_TEST_SUITE_P(Schedule, FaixaTable, ::testing::ValuesIn(kFaixaCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// "Concluir"

TEST(Schedule, ConcluirWantsTheTopBand) {
    EXPECT_EQ(RecusaTabela({}, {}, kPt), std::nullopt);  // the fixed charges alone
    EXPECT_EQ(RecusaTabela(tresFaixas().tarifas, tresFaixas().linhas, kPt), std::nullopt);
    // Volume above the last band would not be billed.
    const Tabela semTopo = Tabela{}
                               .mais(TipoFaixa::AbaixoDe, "10", "", "30", true)
                               .mais(TipoFaixa::Entre, "10", "15", "4,5")
                               .mais(TipoFaixa::Entre, "15", "18", "7,25");
    EXPECT_EQ(
        RecusaTabela(semTopo.tarifas, semTopo.linhas, kPt),
        "A tabela de tarifas termina na faixa \"Entre 15 e 18 m³\": a última faixa deve ser \"Acima de\", "
        "para que todo o consumo acima dela seja cobrado.");
    // Without the rows, the band is named by its limits.
    EXPECT_EQ(
        RecusaTabela({{0, 2.5, 30, true}}, {}, kPt),
        "A tabela de tarifas termina na faixa \"Abaixo de 2,5 m³\": a última faixa deve ser \"Acima de\", "
        "para que todo o consumo acima dela seja cobrado.");
}

// ---------------------------------------------------------------------------------------
// Removing one band

struct RemoveCase {
    const char* name;
    Tabela antes;
    std::size_t faixa;
    std::vector<std::string> linhas;  // after
    const char* recusa;               // nullptr: removed
};

const std::vector<RemoveCase> kRemoveCases = {
    // The next band takes over the removed band's volumes, at its own price.
    {"MiddleBand",
     tresFaixas(),
     1,
     {"Abaixo de 10 m³: R$30 (fixo).", "Acima de 10 m³: R$7,25 (por m³)."},
     nullptr},
    {"TopBand",
     tresFaixas(),
     2,
     {"Abaixo de 10 m³: R$30 (fixo).", "Entre 10 e 20 m³: R$4,5 (por m³)."},
     nullptr},
    {"FirstBand",
     tresFaixas(),
     0,
     {"Abaixo de 20 m³: R$4,5 (por m³).", "Acima de 20 m³: R$7,25 (por m³)."},
     nullptr},
    {"OnlyBand", Tabela{}.mais(TipoFaixa::AbaixoDe, "10", "", "30", true), 0, {}, nullptr},
    {"FirstBandBeforeTheTop",
     Tabela{}.mais(TipoFaixa::AbaixoDe, "10", "", "30", true).mais(TipoFaixa::AcimaDe, "10", "", "5"),
     0,
     {"Abaixo de 10 m³: R$30 (fixo).", "Acima de 10 m³: R$5 (por m³)."},
     "A faixa \"Abaixo de 10 m³\" não pode ser removida enquanto a faixa \"Acima de 10 m³\" vier logo depois "
     "dela: a tabela começa pela faixa \"Abaixo de\". Remova antes a faixa \"Acima de\"."},
};

class RemoveTable : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveTable, KeepsTheScheduleShape) {
    const auto& c = GetParam();
    Tabela t = c.antes;
    const auto recusa = RemoveFaixa(t.tarifas, t.linhas, c.faixa, kPt);
    EXPECT_EQ(recusa, c.recusa ? std::optional<std::string>(c.recusa) : std::nullopt);
    EXPECT_EQ(t.linhas, c.linhas);
    ASSERT_EQ(t.tarifas.size(), c.linhas.size());
    // What is left is a schedule "Adicionar" accepts band by band.
    TTarifas refeita;
    for (std::size_t i = 0; i < t.tarifas.size(); ++i) {
        EXPECT_NO_THROW(ChecaFaixa(refeita, TipoDaFaixa(t.tarifas, i), t.tarifas[i], t.linhas[i])) << i;
        refeita.push_back(t.tarifas[i]);
    }
    if (!c.recusa && c.faixa == 0 && !t.tarifas.empty()) {
        EXPECT_FALSE(t.tarifas[0].Fixo);
    }
}

INSTANTIATE_TEST_SUITE_P(Schedule, RemoveTable, ::testing::ValuesIn(kRemoveCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Bills of a schedule the rule keeps: 25 m³ over "Abaixo de 10" flat 30, "Entre 10 e 20" at
// 4,5 and "Acima de 20" at 7,25 is each m³ billed once.
TEST(Schedule, EachCubicMetreBilledOnce) {
    EXPECT_DOUBLE_EQ(TotalConta(25, tresFaixas().tarifas), 30 + 10 * 4.5 + 5 * 7.25);
}

}  // namespace
