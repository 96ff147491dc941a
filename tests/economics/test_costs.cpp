// The costs of the analysis: initial costs, the pump's purchase and electricity, and the
// other operating costs, charged to their months.

#include <gtest/gtest.h>

#include "common/numtext.h"
#include "economics/costs.h"
#include "economics/economics_errors.h"
#include "engine/capt_agua.h"
#include "tests/economics/economics_cases.h"

namespace {

const LocaleSettings kPt = LocaleSettings::ptBR();

double valor(const TCusto& c) {
    return c.Valor.toDouble();
}

// ---------------------------------------------------------------------------------------
// Initial costs

TEST(CustosIniciais, ChargedToMonthZeroInTableOrder) {
    std::vector<TPeriodo> p(3);
    const TCamposCustosIniciais c{"1500,50", "800", "", "120", "35,25"};
    AddCustosIniciais(p, c, true, kPt);
    ASSERT_EQ(p[0].Custo.size(), 4u);  // labour left empty: no item
    EXPECT_EQ(p[0].Custo[0].Nome, "Reservatório inferior");
    EXPECT_EQ(valor(p[0].Custo[0]), 1500.5);  // decimals as typed
    EXPECT_EQ(p[0].Custo[1].Nome, "Reservatório superior");
    EXPECT_EQ(p[0].Custo[2].Nome, "Tubulações");
    EXPECT_EQ(p[0].Custo[3].Nome, "Acessórios");
    EXPECT_EQ(valor(p[0].Custo[3]), 35.25);
    EXPECT_TRUE(p[1].Custo.empty());
    EXPECT_TRUE(p[2].Custo.empty());
}

// An upper reservoir cost left in its hidden box after the simulation dropped the upper
// reservoir is not charged.
TEST(CustosIniciais, HiddenUpperReservoirCostNotCharged) {
    std::vector<TPeriodo> p(1);
    AddCustosIniciais(p, {"1000", "800", "300", "", ""}, false, kPt);
    ASSERT_EQ(p[0].Custo.size(), 2u);
    EXPECT_EQ(p[0].Custo[0].Nome, "Reservatório inferior");
    EXPECT_EQ(p[0].Custo[1].Nome, "Mão-de-obra");
}

TEST(CustosIniciais, ABoxThatIsNotANumberIsNamed) {
    std::vector<TPeriodo> p(1);
    try {
        AddCustosIniciais(p, {"1000", "", "trezentos", "", ""}, false, kPt);
        FAIL();
    } catch (const AnaliseError& e) {
        EXPECT_EQ(e.campo, CampoAnalise::CustosIniciais);
        EXPECT_EQ(std::string(e.what()), "Mão de obra: custo (R$): 'trezentos' não é um número válido.");
    }
    // An amount beyond what money holds names its box too.
    try {
        AddCustosIniciais(p, {"1000", "", "", "", "99999999999999999999"}, false, kPt);
        FAIL();
    } catch (const AnaliseError& e) {
        EXPECT_EQ(e.campo, CampoAnalise::CustosIniciais);
        EXPECT_EQ(std::string(e.what()),
                  "Acessórios: custo (R$): Valor monetário fora do intervalo permitido.");
    }
}

// ---------------------------------------------------------------------------------------
// Pump figures

struct PotenciaCase {
    const char* name;
    const char* texto;
    int unidade;      // 0 CV, 1 W, -1 none
    double esperado;  // kW
};

const std::vector<PotenciaCase> kPotenciaCases = {
    {"HalfCV", "1/2", 0, 0.373},  // 1 × 746 ÷ (2 × 1000)
    {"TwoCV", "2", 0, 1.492},     // 2 × 746 ÷ 1000
    {"Watts", "750", 1, 0.75},    // 750 ÷ 1000
    {"NoUnitIsCV", "1/2", -1, 0.373},
    {"DecimalCV", "1,5", 0, 1.119},           // 1,5 × 746 ÷ 1000
    {"DecimalFraction", "3/2,5", 0, 0.8952},  // 3 × 746 ÷ 2500
};

class PotenciaTable : public ::testing::TestWithParam<PotenciaCase> {};

TEST_P(PotenciaTable, KilowattsOfOnePump) {
    const auto& c = GetParam();
    EXPECT_NEAR(PotenciaMotobomba(c.texto, c.unidade, kPt), c.esperado, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Power, PotenciaTable, ::testing::ValuesIn(kPotenciaCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Potencia, UnreadableOrDividingByZeroIsRefused) {
    for (auto [texto, unidade] : {std::pair{"1/0", 0}, {"abc", 0}, {"1/2", 1}, {"", 0}, {"1/", 0}}) {
        try {
            PotenciaMotobomba(texto, unidade, kPt);
            ADD_FAILURE() << texto;
        } catch (const AnaliseError& e) {
            EXPECT_EQ(e.campo, CampoAnalise::Motobomba);
            EXPECT_EQ(std::string(e.what()).rfind("Potência unitária: ", 0), 0u) << e.what();
        }
    }
}

TEST(Motobomba, RunningHoursAndEnergy) {
    // 31 days × 2 cycles × 10 s ÷ 3600 + 3000 L ÷ 1500 L/h = 0,17222… + 2 h.
    EXPECT_NEAR(HorasFuncionamento(31, 2, 10, 3000, 1500), 2.172222222222222, 1e-14);
    // 0,373 kW at 50 % for 2 h: 0,373 ÷ 0,5 × 2 = 1,492 kWh.
    EXPECT_NEAR(EnergiaMotobomba(0.373, 50, 2), 1.492, 1e-14);
}

TCamposMotobomba bombaCompleta() {
    TCamposMotobomba m;
    m.strPotencia = "2";
    m.indPotUnid = 0;
    m.strRendimento = "50";
    m.strVazao = "1000";
    m.strTempoPartida = "36";
    m.strCusto = "300";
    m.strTarifaEn = "0,5";
    m.strImpFixo = "1";
    m.strImpVar = "10";
    return m;
}

// Installed in October (item 9), analysis months 1 to 3 are November, December and January;
// each month's figures are that calendar month's. Calendar month m (1 = January) pumps
// 1000 × m litres in m cycles a day; 2 CV at 50 % draw 2,984 kW; the start-up of 36 s is
// 0,01 h a cycle; 1000 L/h; R$ 0,50 per kWh; inflation 1 % adjusted every 2 months; taxes
// 10 % and R$ 1.
//   month 1, November: 30 × 11 × 0,01 + 11 = 14,3 h; 2,984 × 14,3 = 42,6712 kWh;
//            × 0,5 × 1 = 21,3356; × 1,1 + 1 = 24,46916 → 24,4692
//   month 2, December: 31 × 12 × 0,01 + 12 = 15,72 h; 46,90848 kWh; × 0,5 × 1,01² =
//            23,92567…; × 1,1 + 1 = 27,31824 → 27,3182
//   month 3, January: 31 × 1 × 0,01 + 1 = 1,31 h; 3,90904 kWh; × 0,5 × 1,01² = 1,99380…;
//            × 1,1 + 1 = 3,19319 → 3,1932
TEST(Motobomba, PurchaseThenElectricityByCalendarMonth) {
    TCaptAgua s;
    for (int m = 1; m <= 12; ++m) {
        s.vecVRecalc[m] = 1000.0 * m;
        s.vecContRec[m] = m;
    }
    for (bool reserva : {false, true}) {
        TCamposMotobomba campos = bombaCompleta();
        campos.boolReserva = reserva;
        std::vector<TPeriodo> p(4);
        AddCustoMotobomba(p, LeMotobomba(campos, kPt), s, TReajuste{9, 1, 2});
        ASSERT_EQ(p[0].Custo.size(), 1u);
        EXPECT_EQ(p[0].Custo[0].Nome, "Custo motobomba(s)");
        // A reserve pump doubles the purchase and leaves the electricity as it is.
        EXPECT_EQ(valor(p[0].Custo[0]), reserva ? 600 : 300);
        const double esperado[] = {0, 24.4692, 27.3182, 3.1932};
        for (std::size_t i = 1; i < 4; ++i) {
            ASSERT_EQ(p[i].Custo.size(), 1u);
            EXPECT_EQ(p[i].Custo[0].Nome, "Energia elétrica motobomba(s)");
            EXPECT_EQ(p[i].Custo[0].Valor, Currency::fromDouble(esperado[i])) << i;
        }
    }
}

TEST(Motobomba, ZeroFlowOrEfficiencyRefused) {
    struct Case {
        const char* name;
        std::string TCamposMotobomba::*campo;
        const char* texto;
        const char* mensagem;
    };
    const Case cases[] = {
        {"ZeroFlow", &TCamposMotobomba::strVazao, "0",
         "Vazão (litros/hora): a vazão da motobomba deve ser maior que zero."},
        {"ZeroEfficiency", &TCamposMotobomba::strRendimento, "0",
         "Rendimento (%): o rendimento da motobomba deve ser maior que zero."},
        {"NegativeEfficiency", &TCamposMotobomba::strRendimento, "-5",
         "Rendimento (%): o rendimento da motobomba deve ser maior que zero."},
        {"EfficiencyNotANumber", &TCamposMotobomba::strRendimento, "alto",
         "Rendimento (%): 'alto' não é um número válido."},
    };
    for (const Case& c : cases) {
        TCamposMotobomba m = bombaCompleta();
        m.*c.campo = c.texto;
        try {
            LeMotobomba(m, kPt);
            ADD_FAILURE() << c.name;
        } catch (const AnaliseError& e) {
            EXPECT_EQ(std::string(e.what()), c.mensagem) << c.name;
        }
    }
}

TEST(Motobomba, ConcluirFillsTaxesAndNeedsTheRest) {
    TCamposMotobomba m = bombaCompleta();
    m.strImpFixo.clear();
    m.strImpVar.clear();
    EXPECT_FALSE(MotobombaCompleta(m));
    EXPECT_TRUE(ConcluiMotobomba(m));
    EXPECT_EQ(m.strImpFixo, "0");
    EXPECT_EQ(m.strImpVar, "0");
    EXPECT_TRUE(MotobombaCompleta(m));
    // The efficiency is not required to close the window; a unit is.
    m.strRendimento.clear();
    EXPECT_TRUE(ConcluiMotobomba(m));
    m.indPotUnid = -1;
    EXPECT_FALSE(ConcluiMotobomba(m));
    // The refusal names the first field to fill, as the window labels it.
    EXPECT_EQ(CampoMotobombaVazio(m), "Unidade da potência");
    m.indPotUnid = 0;
    m.strTarifaEn.clear();
    EXPECT_EQ(CampoMotobombaVazio(m), "Tarifa de energia elétrica (R$/kWh)");
    TCamposMotobomba vazia;
    EXPECT_FALSE(ConcluiMotobomba(vazia));
    EXPECT_EQ(vazia.strImpFixo, "0");
    EXPECT_EQ(CampoMotobombaVazio(vazia), "Potência unitária");
}

// ---------------------------------------------------------------------------------------
// Other operating costs

struct ManutCase {
    const char* name;
    int periodo;
    std::vector<std::size_t> meses;  // months charged out of 24
};

const std::vector<ManutCase> kManutCases = {
    {"EverySixMonths", 6, {6, 12, 18}},
    {"EveryTwentyFourNever", 24, {}},
    {"EveryMonth", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}},
    {"EveryTwentyThree", 23, {23}},
};

class ManutencaoTable : public ::testing::TestWithParam<ManutCase> {};

TEST_P(ManutencaoTable, ChargedAtMultiplesOfItsPeriodicity) {
    const auto& c = GetParam();
    std::vector<TPeriodo> p(24);
    TManutencao item;
    item.Nome = "Limpeza";
    item.CoefLinear = 40;
    item.Periodo = c.periodo;
    AddCustoManutencao(p, {item}, TCaptAgua{}, TReajuste{0, 0, 1});
    std::vector<std::size_t> charged;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (!p[i].Custo.empty()) {
            charged.push_back(i);
            EXPECT_EQ(p[i].Custo[0].Nome, "Limpeza");
            EXPECT_EQ(valor(p[i].Custo[0]), 40);
        }
    }
    EXPECT_EQ(charged, c.meses);
}

INSTANTIATE_TEST_SUITE_P(Periodicity, ManutencaoTable, ::testing::ValuesIn(kManutCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A variable item costs its linear part plus its angular part times the rainwater consumed
// in the calendar month it falls in: installed in October, month 6 is April, whose 3500
// litres give 10 + 2 × 3,5 = 17; adjusted every 6 months at 1 %, × 1,01⁶ = 18,0458…
TEST(Manutencao, VariableItemUsesItsCalendarMonthsRainwater) {
    TCaptAgua s;
    s.vecVConsPluv[4] = 3500;   // April
    s.vecVConsPluv[3] = 99000;  // March: would be month 6 if months were counted by position
    TManutencao item{0, "Filtro", 10, 2, 6};
    std::vector<TPeriodo> p(7);
    AddCustoManutencao(p, {item}, s, TReajuste{9, 0, 6});
    ASSERT_EQ(p[6].Custo.size(), 1u);
    EXPECT_EQ(valor(p[6].Custo[0]), 17);
    p.assign(7, TPeriodo{});
    AddCustoManutencao(p, {item}, s, TReajuste{9, 1, 6});
    EXPECT_EQ(p[6].Custo[0].Valor, Currency::fromDouble(17 * 1.061520150601));  // 1,01⁶ = 1,0615201506…
}

TEST(Manutencao, ZeroPeriodicityRefused) {
    std::vector<TPeriodo> p(12);
    try {
        AddCustoManutencao(p, {TManutencao{0, "Filtro", 10, 0, 0}}, TCaptAgua{}, TReajuste{});
        FAIL();
    } catch (const AnaliseError& e) {
        EXPECT_EQ(e.campo, CampoAnalise::Manutencao);
        EXPECT_EQ(std::string(e.what()),
                  "Periodicidade (meses) do custo operacional \"Filtro\": a periodicidade deve ser de pelo "
                  "menos 1 mês.");
    }
}

TEST(Manutencao, AdicionarReadsTheBoxes) {
    // Fixed: the angular box is not read at all.
    TManutencao f = LeManutencao("Filtro", "6", 0, "10,123456", "abc", kPt);
    EXPECT_EQ(f.Nome, "Filtro");
    EXPECT_EQ(f.Periodo, 6);
    EXPECT_EQ(f.CoefLinear, 10.1235);  // held to four decimals, as money
    EXPECT_EQ(f.CoefAngular, 0);
    // Variable, or no type chosen: both coefficients as written.
    for (int tipo : {1, -1}) {
        TManutencao v = LeManutencao("Tratamento", "1", tipo, "5", "2,5", kPt);
        EXPECT_EQ(v.CoefLinear, 5);
        EXPECT_EQ(v.CoefAngular, 2.5);
    }
    EXPECT_THROW(LeManutencao("X", "2,5", 0, "1", "", kPt), ConversionError);
    EXPECT_THROW(LeManutencao("X", "", 0, "1", "", kPt), ConversionError);
    EXPECT_THROW(LeManutencao("X", "3", 1, "1", "", kPt), ConversionError);
    EXPECT_THROW(LeManutencao("X", "99999999999", 0, "1", "", kPt), ConversionError);
}

TEST(Manutencao, GridRowAndDeletion) {
    EXPECT_EQ(LinhaManutencao(TManutencao{0, "Filtro", 10.5, 0, 6}, kPt),
              (std::array<std::string, 4>{"Filtro", "6", "10,5", "0"}));
    EXPECT_EQ(LinhaManutencao(TManutencao{0, "Bomba", 1.2346, 0.25, 12}, LocaleSettings::enUS()),
              (std::array<std::string, 4>{"Bomba", "12", "1.2346", "0.25"}));
    // Deleting the first of three leaves the other two, renumbered, in the same order.
    std::vector<TManutencao> itens = {{0, "A", 1, 0, 1}, {1, "B", 2, 0, 2}, {2, "C", 3, 0, 3}};
    ExcluiManutencao(itens, 0);
    ASSERT_EQ(itens.size(), 2u);
    EXPECT_EQ(itens[0].Nome, "B");
    EXPECT_EQ(itens[0].Cod, 0);
    EXPECT_EQ(itens[1].Nome, "C");
    EXPECT_EQ(itens[1].Cod, 1);
    ExcluiManutencao(itens, 5);  // no such item: nothing happens
    EXPECT_EQ(itens.size(), 2u);

    // The list's grid: each item's row, in the list's order.
    const auto linhas = LinhasManutencao(itens, kPt);
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0], (std::array<std::string, 4>{"B", "2", "2", "0"}));
    EXPECT_EQ(linhas[1], LinhaManutencao(itens[1], kPt));
    EXPECT_TRUE(LinhasManutencao({}, kPt).empty());
}

}  // namespace
