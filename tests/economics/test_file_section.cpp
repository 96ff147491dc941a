// The economic section of the simulation file: written, read back and written again to the
// same lines; a malformed section refused with its line named.

#include <gtest/gtest.h>

#include <functional>

#include "common/numtext.h"
#include "economics/economics_errors.h"
#include "economics/file_section.h"
#include "economics/tariffs.h"
#include "engine/upper_reservoir.h"
#include "tests/economics/economics_cases.h"

namespace {

const LocaleSettings kPt = LocaleSettings::ptBR();
const LocaleSettings kEn = LocaleSettings::enUS();

// The analysis as the windows hold it after a user typed it in locale `loc`: bands added
// through "Adicionar" (so the list rows are its own), texts in the locale's decimal form.
TDadosAnalise digitada(const LocaleSettings& loc, int nFaixas, TipoEsgoto esgoto, bool bombaVazia) {
    const auto dec = [&loc](const char* s) {
        std::string t(s);
        for (char& c : t) {
            if (c == ',') c = loc.decimalSeparator;
        }
        return t;
    };
    TDadosAnalise d;
    d.analise = {"5000", dec("0,5"), "12", "20", dec("0,8"), 3};
    auto adiciona = [&](TipoFaixa tipo, const std::string& v1, const std::string& v2,
                        const std::string& custo, bool fixo) {
        const TFaixaLida f = leFaixa(d.tarifas.vecTarifas, tipo, v1, v2, custo, fixo, loc);
        d.tarifas.vecTarifas.push_back(f.faixa);
        d.tarifas.vecLinhasFaixas.push_back(f.strLinha);
    };
    if (nFaixas >= 1) adiciona(TipoFaixa::AbaixoDe, "10", "", dec("25,5"), true);
    if (nFaixas >= 3) adiciona(TipoFaixa::Entre, "10", dec("20,5"), dec("3,25"), false);
    if (nFaixas >= 2) adiciona(TipoFaixa::AcimaDe, nFaixas >= 3 ? dec("20,5") : "10", "", dec("5,1"), false);
    d.tarifas.tipoEsgoto = esgoto;
    d.tarifas.strTarEsgoto = esgoto == TipoEsgoto::Nenhum ? "" : "80";
    d.tarifas.strImpFixo = dec("2,5");
    d.tarifas.strImpVar = "";
    d.iniciais = {dec("1500,50"), "800", "300", "", "45"};
    if (!bombaVazia) {
        d.motobomba = {true, "1/2", 0, "60", "1500", "10", dec("350,9"), dec("0,65"), "0", "12"};
    }
    d.vecManutencao = {{0, "Limpeza da cisterna", 40, 0, 6}, {1, "Cloro", 2.5, 1.2345, 1}};
    return d;
}

// A file around the section: three lines before the marker and the results after it.
std::vector<std::string> arquivo(const std::vector<std::string>& secao) {
    std::vector<std::string> f = {"Arquivo;chuva.txt", "Reservatório inferior (litros);5000", ""};
    f.insert(f.end(), secao.begin(), secao.end());
    f.push_back("");
    f.push_back("RESULTADO DA SIMULAÇÃO");
    return f;
}
constexpr std::size_t kInicio = 4;  // the line after the marker

// Reads the section of `lines`; what the reading refused and went on without, in `avisos`.
TDadosAnalise le(const std::vector<std::string>& lines, bool usaResSup, const LocaleSettings& loc,
                 std::vector<std::string>& avisos) {
    return LeSecaoAnalise(lines, kInicio, usaResSup, loc, avisos);
}
// Reads a section that holds nothing to refuse.
TDadosAnalise le(const std::vector<std::string>& lines, bool usaResSup, const LocaleSettings& loc) {
    std::vector<std::string> avisos;
    TDadosAnalise d = le(lines, usaResSup, loc, avisos);
    EXPECT_EQ(avisos, std::vector<std::string>{});
    return d;
}

struct RoundTripCase {
    const char* name;
    bool en;
    int nFaixas;
    TipoEsgoto esgoto;
    bool usaResSup;
    bool bombaVazia;
};

const std::vector<RoundTripCase> kRoundTripCases = {
    {"PtThreeBandsSewerPump", false, 3, TipoEsgoto::Variavel, true, false},
    {"EnThreeBandsSewerPump", true, 3, TipoEsgoto::Fixa, true, false},
    {"PtTwoBandsNoSewerNoPump", false, 2, TipoEsgoto::Nenhum, false, false},
    {"EnTwoBandsNoSewerNoPump", true, 2, TipoEsgoto::Nenhum, false, false},
    {"PtEmptyPumpFields", false, 2, TipoEsgoto::Fixa, true, true},
    {"EnEmptyPumpFields", true, 2, TipoEsgoto::Variavel, true, true},
    {"PtOnlyFirstBand", false, 1, TipoEsgoto::Fixa, false, false},
    {"EnNoBands", true, 0, TipoEsgoto::Variavel, true, false},
};

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, WriteReadWriteGivesTheSameLines) {
    const auto& c = GetParam();
    const LocaleSettings& loc = c.en ? kEn : kPt;
    const TDadosAnalise d = digitada(loc, c.nFaixas, c.esgoto, c.bombaVazia);
    const auto primeira = LinhasSecaoAnalise(d, c.usaResSup, loc);
    std::vector<std::string> avisos;
    const TDadosAnalise lida = le(arquivo(primeira), c.usaResSup, loc, avisos);
    // A first band alone has no "Acima de" band: told, and kept as saved.
    EXPECT_EQ(avisos.size(), c.nFaixas == 1 ? 1u : 0u);
    EXPECT_EQ(LinhasSecaoAnalise(lida, c.usaResSup, loc), primeira);
    // What the windows get back is what was typed.
    EXPECT_EQ(lida.tarifas.vecLinhasFaixas, d.tarifas.vecLinhasFaixas);
    ASSERT_EQ(lida.tarifas.vecTarifas.size(), d.tarifas.vecTarifas.size());
    for (std::size_t i = 0; i < d.tarifas.vecTarifas.size(); ++i) {
        const auto &a = lida.tarifas.vecTarifas[i], &b = d.tarifas.vecTarifas[i];
        EXPECT_TRUE(a.De == b.De && a.Ate == b.Ate && a.Valor == b.Valor && a.Fixo == b.Fixo) << i;
    }
    EXPECT_EQ(lida.tarifas.tipoEsgoto, d.tarifas.tipoEsgoto);
    EXPECT_EQ(lida.analise.strInflacao, d.analise.strInflacao);
    EXPECT_EQ(lida.analise.indMesIn, 3);
    EXPECT_EQ(lida.iniciais.strCustoInf, d.iniciais.strCustoInf);
    if (c.usaResSup) {
        EXPECT_EQ(lida.motobomba.strPotencia, d.motobomba.strPotencia);
        EXPECT_EQ(lida.motobomba.boolReserva, d.motobomba.boolReserva);
        EXPECT_EQ(lida.motobomba.indPotUnid, d.motobomba.indPotUnid);
        EXPECT_EQ(lida.motobomba.strCusto, d.motobomba.strCusto);
    }
    ASSERT_EQ(lida.vecManutencao.size(), 2u);
    EXPECT_EQ(lida.vecManutencao[1].Cod, 1);
    EXPECT_EQ(lida.vecManutencao[1].CoefAngular, 1.2345);  // variable stays variable
    EXPECT_EQ(lida.vecManutencao[0].CoefAngular, 0);       // fixed stays fixed
}

INSTANTIATE_TEST_SUITE_P(Section, RoundTrip, ::testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The layout, line by line, of a section with three bands, a sewer line and the pump block.
TEST(Section, LinesAsWritten) {
    const auto lines = LinhasSecaoAnalise(digitada(kPt, 3, TipoEsgoto::Variavel, false), true, kPt);
    const std::vector<std::string> esperado = {
        "ANÁLISE ECONÔMICA",
        "Volume do reservatorio inferior;5000",
        "Tarifas de agua;3",
        "0;10;25,5;-1",
        "10;20,5;3,25;0",
        "20,5;100000;5,1;0",
        "Tarifa esgoto;80;1",
        "Imposto agua fixo;2,5",
        "Imposto agua variavel;",
        "Inflacao;0,5",
        "Aumento tarifas;12",
        "Periodo de analise;20",
        "TMA;0,8",
        "Mes de instalacao;3",
        "Reservatorio inferior;1500,50",
        "Reservatorio superior;800",
        "Mao de obra;300",
        "Tubulacoes;",
        "Acessorios;45",
        "Quantidade;2",
        "Potencia;1/2;0",
        "Rendimento (%);60",
        "Vazao;1500",
        "Tempo de partida (h);10",
        "Custo unitario;350,9",
        "Tarifa energia eletrica;0,65",
        "Imposto energia fixo;0",
        "Imposto energia variavel;12",
        "Custos operacionais;2",
        "Limpeza da cisterna;6;40;0",
        "Cloro;1;2,5;1,2345",
    };
    EXPECT_EQ(lines, esperado);
}

// A section saved under a point locale opens under a comma locale, and the band list reads
// in the opening locale's form.
TEST(Section, ReadsAcrossLocales) {
    const auto en = LinhasSecaoAnalise(digitada(kEn, 3, TipoEsgoto::Fixa, false), true, kEn);
    const TDadosAnalise lida = le(arquivo(en), true, kPt);
    EXPECT_EQ(lida.tarifas.vecLinhasFaixas, (std::vector<std::string>{"Abaixo de 10 m³: R$25,5 (fixo).",
                                                                      "Entre 10 e 20,5 m³: R$3,25 (por m³).",
                                                                      "Acima de 20,5 m³: R$5,1 (por m³)."}));
    EXPECT_EQ(lida.tarifas.vecTarifas[1].Ate, 20.5);
    EXPECT_EQ(lida.analise.strInflacao, "0,5");
    EXPECT_EQ(lida.motobomba.strTarifaEn, "0,65");
    EXPECT_EQ(lida.vecManutencao[1].CoefAngular, 1.2345);
    // And back: written again under the comma locale, it is the section a pt_BR user saves.
    EXPECT_EQ(LinhasSecaoAnalise(lida, true, kPt),
              LinhasSecaoAnalise(digitada(kPt, 3, TipoEsgoto::Fixa, false), true, kPt));
}

// Saved lines that the reader does not take from the file: the first band's start, the top
// band's start (its end, the ceiling, makes it the top band) and flag, a middle band's flag;
// "Quantidade" other than 1 is a reserve pump; a sewer kind other than 0 or 1 selects none.
TEST(Section, WhatTheReaderIgnoresOrInterprets) {
    auto lines = arquivo(LinhasSecaoAnalise(digitada(kPt, 3, TipoEsgoto::Variavel, false), true, kPt));
    lines[kInicio + 2] = "7;10;25,5;-1";
    lines[kInicio + 3] = "10;20,5;3,25;-1";
    lines[kInicio + 4] = "999;100000;5,1;-1";
    lines[kInicio + 5] = "Tarifa esgoto;80;7";
    lines[kInicio + 18] = "Quantidade;3";
    const TDadosAnalise d = le(lines, true, kPt);
    const TTarifas& t = d.tarifas.vecTarifas;
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].De, 0);
    EXPECT_FALSE(t[1].Fixo);
    EXPECT_EQ(t[2].De, 20.5);
    EXPECT_EQ(t[2].Ate, kTetoFaixa);
    EXPECT_FALSE(t[2].Fixo);
    EXPECT_EQ(d.tarifas.tipoEsgoto, TipoEsgoto::Nenhum);
    EXPECT_TRUE(d.motobomba.boolReserva);
}

// A simulation without an upper reservoir has no pump block: its reader goes from
// "Acessorios" to "Custos operacionais" and leaves the pump fields empty.
TEST(Section, NoPumpBlockWithoutUpperReservoir) {
    const auto lines = arquivo(LinhasSecaoAnalise(digitada(kPt, 2, TipoEsgoto::Fixa, false), false, kPt));
    const TDadosAnalise d = le(lines, false, kPt);
    EXPECT_EQ(d.motobomba.strPotencia, "");
    EXPECT_EQ(d.motobomba.indPotUnid, -1);
    EXPECT_EQ(d.vecManutencao.size(), 2u);
}

// ---------------------------------------------------------------------------------------
// Malformed sections

struct MalformadaCase {
    const char* name;
    std::function<void(std::vector<std::string>&)> muda;
    const char* mensagem;
};

// Line numbers are the file's: the marker is line 4, the volume line 5, the band count 6,
// the bands 7 to 9, the sewer line 10, … "Mes de instalacao" 17, "Potencia" 24,
// "Custos operacionais" 32, its items 33 and 34.
const std::vector<MalformadaCase> kMalformadaCases = {
    {"VolumeNotANumber", [](auto& l) { l[4] = "Volume do reservatorio inferior;cinco"; },
     "Análise econômica do arquivo, linha 5: 'cinco' não é um número válido."},
    {"BandCountNotANumber", [](auto& l) { l[5] = "Tarifas de agua;três"; },
     "Análise econômica do arquivo, linha 6: 'três' não é um número inteiro válido."},
    {"BandCountHuge", [](auto& l) { l[5] = "Tarifas de agua;2000000000"; },
     "Análise econômica do arquivo, linha 6: a contagem 2000000000 é maior que as linhas que restam no "
     "arquivo."},
    {"BandCountNegative", [](auto& l) { l[5] = "Tarifas de agua;-1"; },
     "Análise econômica do arquivo, linha 6: o valor -1 está fora do intervalo de 0 a 2147483647."},
    {"BandValueNotANumber", [](auto& l) { l[7] = "10;20,5;abc;0"; },
     "Análise econômica do arquivo, linha 8: 'abc' não é um número válido."},
    {"BandMissingField", [](auto& l) { l[6] = "0;10;25,5"; },
     "Análise econômica do arquivo, linha 7: faltam campos na linha de faixa de tarifa."},
    {"BandFlagNotANumber", [](auto& l) { l[6] = "0;10;25,5;sim"; },
     "Análise econômica do arquivo, linha 7: 'sim' não é um valor lógico válido (0 ou -1)."},
    {"MonthOutOfRange", [](auto& l) { l[16] = "Mes de instalacao;12"; },
     "Análise econômica do arquivo, linha 17: o valor 12 está fora do intervalo de 0 a 11."},
    {"PumpUnitNotANumber", [](auto& l) { l[23] = "Potencia;1/2;CV"; },
     "Análise econômica do arquivo, linha 24: 'CV' não é um número inteiro válido."},
    {"PumpUnitMissing", [](auto& l) { l[23] = "Potencia;1/2"; },
     "Análise econômica do arquivo, linha 24: faltam campos na linha de potência da motobomba."},
    {"ItemCountHuge", [](auto& l) { l[31] = "Custos operacionais;2147483647"; },
     "Análise econômica do arquivo, linha 32: a contagem 2147483647 é maior que as linhas que restam no "
     "arquivo."},
    {"ItemPeriodicityNotWhole", [](auto& l) { l[33] = "Cloro;1,5;2,5;1,2345"; },
     "Análise econômica do arquivo, linha 34: '1,5' não é um número inteiro válido."},
    {"ItemCoefficientNotANumber", [](auto& l) { l[32] = "Limpeza da cisterna;6;quarenta;0"; },
     "Análise econômica do arquivo, linha 33: 'quarenta' não é um número válido."},
    // The section cut short: the file ends after the accessories (its results dropped too).
    {"CutAfterAccessories", [](auto& l) { l.resize(22); },
     "Análise econômica do arquivo, linha 23: falta a linha de quantidade de motobombas."},
    // Cut inside the bands: the count promises more lines than the file holds.
    {"CutInsideTheBands", [](auto& l) { l.resize(7); },
     "Análise econômica do arquivo, linha 6: a contagem 3 é maior que as linhas que restam no arquivo."},
    {"CutBeforeTheTaxes", [](auto& l) { l.resize(11); },
     "Análise econômica do arquivo, linha 12: falta a linha de imposto variável sobre a água."},
};

class Malformada : public ::testing::TestWithParam<MalformadaCase> {};

TEST_P(Malformada, RefusedWithTheLineNamed) {
    const auto& c = GetParam();
    auto lines = arquivo(LinhasSecaoAnalise(digitada(kPt, 3, TipoEsgoto::Variavel, false), true, kPt));
    c.muda(lines);
    try {
        std::vector<std::string> avisos;
        LeSecaoAnalise(lines, kInicio, true, kPt, avisos);
        FAIL() << "accepted";
    } catch (const SecaoAnaliseError& e) {
        EXPECT_EQ(std::string(e.what()), c.mensagem);
    }
}

INSTANTIATE_TEST_SUITE_P(Section, Malformada, ::testing::ValuesIn(kMalformadaCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A text holding ";" would split into two fields when read back: it is never written.
TEST(Section, TextsThatWouldSplitAreNotWritten) {
    TDadosAnalise d = digitada(kPt, 2, TipoEsgoto::Fixa, false);
    d.vecManutencao[0].Nome = "Limpeza; filtro";
    try {
        LinhasSecaoAnalise(d, true, kPt);
        FAIL();
    } catch (const SecaoAnaliseError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "O campo \"Nome do custo operacional\" contém \";\" ou uma quebra de linha e não pode ser "
                  "salvo.");
    }
    d = digitada(kPt, 2, TipoEsgoto::Fixa, false);
    d.motobomba.strRendimento = "60;70";
    EXPECT_THROW(LinhasSecaoAnalise(d, true, kPt), SecaoAnaliseError);
    EXPECT_NO_THROW(LinhasSecaoAnalise(d, false, kPt));  // the pump block is not written
    EXPECT_FALSE(TextoGravavel("a\nb"));
    EXPECT_TRUE(TextoGravavel("Limpeza da cisterna"));
}

// ---------------------------------------------------------------------------------------
// Bands the tariff window would refuse: told, left out, and the rest of the section read

struct FaixaLidaCase {
    const char* name;
    std::function<void(std::vector<std::string>&)> muda;
    std::vector<std::string> linhasFaixas;
    std::vector<std::string> avisos;
};

// The file's band lines are 7 to 9 (indexes 6 to 8), their count on line 6.
const std::vector<FaixaLidaCase> kFaixaLidaCases = {
    {"MiddleBandNotRising",
     [](auto& l) { l[7] = "10;8;3,25;0"; },
     {"Abaixo de 10 m³: R$25,5 (fixo).", "Acima de 10 m³: R$5,1 (por m³)."},
     {"Análise econômica do arquivo, linha 8: faixa \"Entre 10 e 8 m³\": Preenchimento incorreto. Verifique "
      "os valores"}},
    {"MiddleBandNotStartingAtThePreviousEnd",
     [](auto& l) { l[7] = "12;20,5;3,25;0"; },
     {"Abaixo de 10 m³: R$25,5 (fixo).", "Acima de 10 m³: R$5,1 (por m³)."},
     {"Análise econômica do arquivo, linha 8: faixa \"Entre 12 e 20,5 m³\": cada faixa começa onde a "
      "anterior termina."}},
    {"BandAfterTheTopBand",
     [](auto& l) {
         l[5] = "Tarifas de agua;4";
         l.insert(l.begin() + 9, "20,5;30;3;0");
     },
     {"Abaixo de 10 m³: R$25,5 (fixo).", "Entre 10 e 20,5 m³: R$3,25 (por m³).",
      "Acima de 20,5 m³: R$5,1 (por m³)."},
     {"Análise econômica do arquivo, linha 10: faixa \"Entre 20,5 e 30 m³\": a faixa \"Acima de\" é a "
      "última da tabela; nenhuma faixa pode vir depois dela."}},
    {"NegativeLimit",
     [](auto& l) {
         l[5] = "Tarifas de agua;2";
         l[6] = "0;-5;3;-1";
         l[7] = "-5;100000;2;0";
         l.erase(l.begin() + 8);
     },
     {},
     {"Análise econômica do arquivo, linha 7: faixa \"Abaixo de -5 m³\": os volumes das faixas não podem ser "
      "negativos.",
      "Análise econômica do arquivo, linha 8: faixa \"Acima de -5 m³\": a tabela começa pela faixa "
      "\"Abaixo de\", e só a primeira faixa é \"Abaixo de\"."}},
    // Saved before the window asked for a top band: kept as saved, billed as it was, and told.
    {"NoTopBand",
     [](auto& l) { l[8] = "20,5;25;5,1;0"; },
     {"Abaixo de 10 m³: R$25,5 (fixo).", "Entre 10 e 20,5 m³: R$3,25 (por m³).",
      "Entre 20,5 e 25 m³: R$5,1 (por m³)."},
     {"Análise econômica do arquivo: A tabela de tarifas termina na faixa \"Entre 20,5 e 25 m³\": a última "
      "faixa deve ser \"Acima de\", para que todo o consumo acima dela seja cobrado."}},
};

class FaixaLida : public ::testing::TestWithParam<FaixaLidaCase> {};

TEST_P(FaixaLida, ToldLeftOutAndTheReadingGoesOn) {
    const auto& c = GetParam();
    auto lines = arquivo(LinhasSecaoAnalise(digitada(kPt, 3, TipoEsgoto::Variavel, false), true, kPt));
    c.muda(lines);
    std::vector<std::string> avisos;
    const TDadosAnalise d = le(lines, true, kPt, avisos);
    EXPECT_EQ(avisos, c.avisos);
    EXPECT_EQ(d.tarifas.vecLinhasFaixas, c.linhasFaixas);
    ASSERT_EQ(d.tarifas.vecTarifas.size(), c.linhasFaixas.size());
    if (!d.tarifas.vecTarifas.empty()) {
        EXPECT_EQ(d.tarifas.vecTarifas[0].De, 0);
    }
    for (std::size_t i = 1; i < d.tarifas.vecTarifas.size(); ++i)
        EXPECT_EQ(d.tarifas.vecTarifas[i].De, d.tarifas.vecTarifas[i - 1].Ate) << i;
    // The lines after the bands are read in their places.
    EXPECT_EQ(d.tarifas.tipoEsgoto, TipoEsgoto::Variavel);
    EXPECT_EQ(d.motobomba.strCusto, "350,9");
    ASSERT_EQ(d.vecManutencao.size(), 2u);
    EXPECT_EQ(d.vecManutencao[1].Nome, "Cloro");
}

INSTANTIATE_TEST_SUITE_P(Section, FaixaLida, ::testing::ValuesIn(kFaixaLidaCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// The sewer line

// No kind chosen and no value: no sewer line, and the section opens with no sewer charge. A
// value typed with no kind chosen is billed as "Variável", saved so and reopened so.
TEST(Section, SewerWithoutAKind) {
    TDadosAnalise d = digitada(kPt, 3, TipoEsgoto::Nenhum, false);
    auto lines = LinhasSecaoAnalise(d, true, kPt);
    EXPECT_EQ(lines[6], "Imposto agua fixo;2,5");
    TDadosAnalise lida = le(arquivo(lines), true, kPt);
    EXPECT_EQ(lida.tarifas.tipoEsgoto, TipoEsgoto::Nenhum);
    const TEsgotoImpostos nenhum = leEsgotoImpostos(lida.tarifas, kPt);
    EXPECT_EQ(nenhum.esgoto, 0);
    EXPECT_EQ(ValorConta(25, lida.tarifas.vecTarifas, nenhum), TotalConta(25, lida.tarifas.vecTarifas) + 2.5);

    d.tarifas.strTarEsgoto = "80";
    lines = LinhasSecaoAnalise(d, true, kPt);
    EXPECT_EQ(lines[6], "Tarifa esgoto;80;1");
    lida = le(arquivo(lines), true, kPt);
    EXPECT_EQ(lida.tarifas.tipoEsgoto, TipoEsgoto::Variavel);
    const double naTela = ValorConta(25, d.tarifas.vecTarifas, leEsgotoImpostos(d.tarifas, kPt));
    EXPECT_EQ(ValorConta(25, lida.tarifas.vecTarifas, leEsgotoImpostos(lida.tarifas, kPt)), naTela);
    EXPECT_DOUBLE_EQ(naTela, TotalConta(25, d.tarifas.vecTarifas) * 1.8 + 2.5);
}

// ---------------------------------------------------------------------------------------
// The pump block

// A block saved where the reader did not expect one (an upper reservoir judged in use when
// saving and not when opening) is taken where it stands, and the items after it read right.
TEST(Section, PumpBlockWhereTheReaderDidNotExpectIt) {
    const auto lines = arquivo(LinhasSecaoAnalise(digitada(kPt, 2, TipoEsgoto::Fixa, false), true, kPt));
    const TDadosAnalise d = le(lines, false, kPt);
    EXPECT_EQ(d.motobomba.strPotencia, "1/2");
    ASSERT_EQ(d.vecManutencao.size(), 2u);
    EXPECT_EQ(d.vecManutencao[0].Nome, "Limpeza da cisterna");
    EXPECT_EQ(d.vecManutencao[1].Periodo, 1);
    // And the rule both sides follow: a chosen volume of 0 L is no upper reservoir.
    EXPECT_FALSE(usesUpperReservoir(UpperReservoirMode::ChosenVolume, 0));
    EXPECT_TRUE(usesUpperReservoir(UpperReservoirMode::ChosenVolume, 0.5));
    EXPECT_TRUE(usesUpperReservoir(UpperReservoirMode::FromDemand, 0));
    EXPECT_FALSE(usesUpperReservoir(UpperReservoirMode::None, 500));
}

// The pump power reads in the opening locale like every other number; a fraction stays.
TEST(Section, PumpPowerAcrossLocales) {
    const struct {
        const char *potencia, *pt, *en;
    } kCases[] = {{"0,5", "0,5", "0.5"}, {"0.5", "0,5", "0.5"}, {"1/2", "1/2", "1/2"}, {"3", "3", "3"}};
    for (const auto& c : kCases) {
        TDadosAnalise d = digitada(kPt, 2, TipoEsgoto::Fixa, false);
        d.motobomba.strPotencia = c.potencia;
        const auto lines = arquivo(LinhasSecaoAnalise(d, true, kPt));
        EXPECT_EQ(le(lines, true, kPt).motobomba.strPotencia, c.pt) << c.potencia;
        EXPECT_EQ(le(lines, true, kEn).motobomba.strPotencia, c.en) << c.potencia;
    }
}

}  // namespace
