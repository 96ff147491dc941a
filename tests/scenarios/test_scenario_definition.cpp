// The scenario definition file: eight value-list texts, written and read back, its relative
// precipitation paths found beside it, its malformed lines named.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/textfile.h"
#include "scenarios/result_rows.h"
#include "scenarios/scenario_definition.h"
#include "scenarios/scenario_errors.h"
#include "tests/scenarios/scenario_cases.h"
#include "tests/support/rows.h"

namespace {

using namespace cenarios_teste;

const TextosCenarios kTextos = {
    "(chuva.txt | 01/01/2012 | 2)",
    "(100); (150,5)",
    "(150); (4500; 4200; 4500; 4400; 4500; 4400; 4500; 4500; 4400; 4500; 4400; 4500)",
    "(4)",
    "(40); (60)",
    "(0,8)",
    "(Demanda diária de água pluvial | 50%); (500 | 20%)",
    "(Fixo: 3000); (Intervalo de volumes: 10000; 500; 2)"};

std::string bytesDe(const TextosCenarios& t, const char* fim) {
    std::string b;
    for (const auto& l : t) b += utf8ToCp1252(l) + fim;
    return b;
}

TEST(DefinicaoCenarios, WriteThenReadGivesTheSameTexts) {
    TempDir dir;
    const std::string path = dir.file("estudo.txt");
    GravaDefinicaoCenarios(path, kTextos, kBR);
    // The first line names the forms the numbers and dates are written in.
    EXPECT_EQ(TempDir::read(path),
              utf8ToCp1252("Definição de cenários;decimal=,;data=dd/MM/yyyy\r\n") + bytesDe(kTextos, "\r\n"));
    const auto def = LeDefinicaoCenarios(path, kBR);
    EXPECT_EQ(def.textos, kTextos);
    EXPECT_EQ(std::filesystem::path(def.pasta), std::filesystem::path(path).parent_path());
}

TEST(DefinicaoCenarios, ReadLikeEveryTextFile) {
    TempDir dir;
    const auto lf = LeDefinicaoCenarios(dir.write("lf.txt", bytesDe(kTextos, "\n")), kBR);
    EXPECT_EQ(lf.textos, kTextos);
    std::string utf8 = "\xEF\xBB\xBF";
    for (const auto& l : kTextos) utf8 += l + "\r\n";
    EXPECT_EQ(LeDefinicaoCenarios(dir.write("bom.txt", utf8), kBR).textos, kTextos);
    // Blank lines after the eighth, as editors leave them, are no ninth parameter.
    EXPECT_EQ(LeDefinicaoCenarios(dir.write("fim.txt", bytesDe(kTextos, "\r\n") + "\r\n\r\n"), kBR).textos,
              kTextos);
}

TEST(DefinicaoCenarios, NumbersAndDatesInTheChosenLocale) {
    TempDir dir;
    const TextosCenarios us = {"(chuva.txt | 12/31/2011 | 2.5)",
                               "(100); (150.5)",
                               "(150)",
                               "(4)",
                               "(40)",
                               "(0.8)",
                               "(500 | 12.5%)",
                               "(Intervalo de volumes: 10000; 500; 2.5)"};
    const std::string path = dir.file("us.txt");
    GravaDefinicaoCenarios(path, us, LocaleSettings::enUS());
    const TCombs c =
        CombsDaDefinicao(LeDefinicaoCenarios(path, LocaleSettings::enUS()), LocaleSettings::enUS());
    EXPECT_EQ(c.vecArqPrec[0].dateDadosPrec, *TDate::fromYMD(2011, 12, 31));
    EXPECT_EQ(c.vecAreaCapt, (doubleArray{100, 150.5}));
    EXPECT_EQ(c.vecResSup, (resSupRecordArray{{500, 0.125}}));
    EXPECT_EQ(c.vecResInf, (resInfRecordArray{{10000, 500, 2.5}}));
}

// A definition saved under one locale opens under the other: its numbers and dates read in the
// file's own forms (its decimal mark, and that mark's date order) and come back in the user's,
// the same values; one that reads in neither names its line.
TEST(DefinicaoCenarios, SavedUnderOneLocaleOpensUnderTheOther) {
    const LocaleSettings pt = LocaleSettings::ptBR(), en = LocaleSettings::enUS();
    const TextosCenarios br = {"(chuva.txt | 25/03/2013 | 2,5); (outra.txt | 01/02/2012 | 0)",
                               "(100); (150,5)",
                               "(150); (4500; 4200,5)",
                               "(4)",
                               "(40); (62,5)",
                               "(0,8)",
                               "(Demanda diária de água pluvial | 50%); (500 | 12,5%)",
                               "(Fixo: 3000); (Intervalo de volumes: 10000; 500; 2,5)"};
    const TextosCenarios us = {"(chuva.txt | 3/25/2013 | 2.5); (outra.txt | 2/1/2012 | 0)",
                               "(100); (150.5)",
                               "(150); (4500; 4200.5)",
                               "(4)",
                               "(40); (62.5)",
                               "(0.8)",
                               "(Demanda diária de água pluvial | 50%); (500 | 12.5%)",
                               "(Fixo: 3000); (Intervalo de volumes: 10000; 500; 2.5)"};
    struct Caso {
        const TextosCenarios& salvos;
        const LocaleSettings& salvo;
        const LocaleSettings& aberto;
    };
    for (const Caso& c : {Caso{br, pt, en}, Caso{us, en, pt}, Caso{br, pt, pt}, Caso{us, en, en}}) {
        SCOPED_TRACE(c.salvos[1] + " opened with the decimal mark " + c.aberto.decimalSeparator);
        TempDir dir;
        const std::string path = dir.file("estudo.txt");
        GravaDefinicaoCenarios(path, c.salvos, c.salvo);
        const DefinicaoCenarios def = LeDefinicaoCenarios(path, c.aberto);
        EXPECT_EQ(def.textos, &c.aberto == &pt ? br : us);  // the user's forms
        const TCombs lido = CombsDaDefinicao(def, c.aberto);
        const TCombs original = CombsDaDefinicao({c.salvos, dir.file("")}, c.salvo);
        EXPECT_EQ(lido.vecArqPrec, original.vecArqPrec);
        EXPECT_EQ(lido.vecArqPrec[0].dateDadosPrec, *TDate::fromYMD(2013, 3, 25));
        EXPECT_EQ(lido.vecAreaCapt, original.vecAreaCapt);
        EXPECT_EQ(lido.vecDemPot, original.vecDemPot);
        EXPECT_EQ(lido.vecPorcSubst, original.vecPorcSubst);
        EXPECT_EQ(lido.vecResSup, original.vecResSup);
        EXPECT_EQ(lido.vecResInf, original.vecResInf);
    }
    TempDir dir;
    const std::string path = dir.file("errado.txt");
    TextosCenarios errado = us;
    errado[5] = "(0.8x)";
    GravaDefinicaoCenarios(path, errado, en);
    try {
        LeDefinicaoCenarios(path, pt);
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Linha 7, Coeficientes", 0), 0u)
            << e.what();  // after the header
    }
}

// Numbers and dates read strictly in one form: the header's, or for a file without it (as
// earlier versions wrote) the locale given. A number or date that does not read in it names
// its line; nothing is guessed from the digits (a grouped "3.000" is no 3 L reservoir, a "1,0"
// elsewhere does not turn 05/03/2012 into 5 March under en_US).
TEST(DefinicaoCenarios, ReadInTheFormsTheHeaderNamesOrTheLocaleGiven) {
    const LocaleSettings pt = LocaleSettings::ptBR(), en = LocaleSettings::enUS();
    const std::string cabPt = "Definição de cenários;decimal=,;data=dd/MM/yyyy";
    const std::string cabUs = "Definição de cenários;decimal=.;data=M/d/yyyy";
    struct Caso {
        const char* nome;
        std::string cabecalho;  // empty: none
        std::string data, coeficiente, resInf;
        const LocaleSettings& loc;
        std::string erro;  // the start of the message, or empty when the file reads
        TDate dataLida = {};
        double coeficienteLido = 0, volumeLido = 0;
    };
    const Caso casos[] = {
        {"old_grouped_volume", "", "05/03/2012", "0,8", "Fixo: 3.000", pt,
         "Linha 8, Reservatórios inferiores"},
        {"old_comma_under_en", "", "05/03/2012", "1,0", "Fixo: 3000", en, "Linha 6, Coeficientes"},
        {"old_en", "", "05/03/2012", "1", "Fixo: 3000", en, "", *TDate::fromYMD(2012, 5, 3), 1, 3000},
        {"old_pt", "", "05/03/2012", "0,8", "Fixo: 3000", pt, "", *TDate::fromYMD(2012, 3, 5), 0.8, 3000},
        {"header_us_under_pt", cabUs, "3/5/2012", "0.8", "Fixo: 3000.5", pt, "", *TDate::fromYMD(2012, 3, 5),
         0.8, 3000.5},
        {"header_pt_under_en", cabPt, "05/03/2012", "0,8", "Fixo: 3000", en, "", *TDate::fromYMD(2012, 3, 5),
         0.8, 3000},
        {"header_pt_grouped", cabPt, "05/03/2012", "0,8", "Fixo: 3.000", en,
         "Linha 9, Reservatórios inferiores"},
        {"header_us_comma", cabUs, "3/5/2012", "0,8", "Fixo: 3000", pt, "Linha 7, Coeficientes"},
        {"header_us_day_first", cabUs, "25/03/2012", "0.8", "Fixo: 3000", pt, "Linha 2, Arquivos"},
        {"header_without_mark", "Definição de cenários;decimal=;data=dd/MM/yyyy", "05/03/2012", "0,8",
         "Fixo: 3000", pt, "Linha 1: o cabeçalho"},
        {"header_bad_mark", "Definição de cenários;decimal=x;data=dd/MM/yyyy", "05/03/2012", "0,8",
         "Fixo: 3000", pt, "Linha 1: o cabeçalho"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        TempDir dir;
        std::vector<std::string> linhas = {"(chuva.txt | " + c.data + " | 2)",
                                           "(100)",
                                           "(150)",
                                           "(4)",
                                           "(40)",
                                           "(" + c.coeficiente + ")",
                                           "(0 | 0%)",
                                           "(" + c.resInf + ")"};
        if (!c.cabecalho.empty()) linhas.insert(linhas.begin(), c.cabecalho);
        writeTextLines(dir.file("def.txt"), linhas);
        try {
            const DefinicaoCenarios def = LeDefinicaoCenarios(dir.file("def.txt"), c.loc);
            EXPECT_EQ(c.erro, "") << "no error";
            const TCombs combs = CombsDaDefinicao(def, c.loc);
            EXPECT_EQ(combs.vecArqPrec.at(0).dateDadosPrec, c.dataLida);
            EXPECT_EQ(combs.vecCoefAprov, doubleArray{c.coeficienteLido});
            EXPECT_EQ(combs.vecResInf.at(0).volmax, c.volumeLido);
        } catch (const ScenarioError& e) {
            EXPECT_NE(c.erro, "") << e.what();
            EXPECT_EQ(std::string(e.what()).rfind(c.erro, 0), 0u) << e.what();
        }
    }
}

TEST(DefinicaoCenarios, RelativePrecipitationPathIsFoundBesideTheFile) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("estudo"));
    escreveChuva(dir, "estudo/chuva.txt", 800);
    const std::string path = dir.file("estudo/estudo.txt");
    GravaDefinicaoCenarios(path, kTextos, kBR);

    TCombs c = CombsDaDefinicao(LeDefinicaoCenarios(path, kBR), kBR);
    c.geraCombs(kBR);
    EXPECT_EQ(c.numCombinacoes(), 2 * 2 * 2 * 2 * 2);
    EXPECT_EQ(c.vecArqPrec[0].strDadosPrec, "chuva.txt");

    const std::string saida = dir.file("saida");
    std::filesystem::create_directory(saida);
    ExportaPlanilhaESimulacoes(c, saida, kBR);
    EXPECT_EQ(readTextLines(saida + "/1.csv")[0], "Arquivo dados de precipitação;chuva.txt");
    EXPECT_EQ(readTextLines(saida + "/Planilha.csv")[1].rfind(
                  "1;chuva.txt;2;100;150;4;40;0,8;240 | 50%;Fixo: 3000;", 0),
              0u);
    EXPECT_EQ(readTextLines(saida + "/Planilha.csv").size(), 33u);
}

struct MalformadoCase {
    const char* name;
    int linha;  // 0: the line count is wrong
    std::string texto;
    std::string mensagem;
};

class MalformadoTable : public ::testing::TestWithParam<MalformadoCase> {};

TEST_P(MalformadoTable, NamesTheLineAndTheItem) {
    const auto& c = GetParam();
    TempDir dir;
    std::string bytes;
    if (c.linha == 0) {
        bytes = c.texto;
    } else {
        TextosCenarios t = kTextos;
        t[static_cast<std::size_t>(c.linha - 1)] = c.texto;
        bytes = bytesDe(t, "\r\n");
    }
    const std::string path = dir.write("estudo.txt", bytes);
    try {
        LeDefinicaoCenarios(path, kBR);
        FAIL() << "no error";
    } catch (const ScenarioError& e) {
        std::string esperado = c.mensagem;
        if (const auto p = esperado.find("{P}"); p != std::string::npos) esperado.replace(p, 3, path);
        EXPECT_EQ(std::string(e.what()), esperado);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, MalformadoTable,
    ::testing::Values(
        MalformadoCase{"area", 2, "(100); (cem)",
                       "Linha 2, Área de captação: Item 2 (\"; (cem\"): \"cem\" não é um número válido."},
        MalformadoCase{
            "lower_reservoir", 8, "(Fixo: 3000); (5000)",
            "Linha 8, Reservatórios inferiores: Item 2 (\"; (5000\"): faltam campos; a forma é \"Fixo: "
            "volume\" ou \"Intervalo de volumes: máximo; intervalo; diferença\"."},
        MalformadoCase{"date", 1, "(chuva.txt | 2012-01-01 | 2)",
                       "Linha 1, Arquivos de precipitação: Item 1 (\"(chuva.txt | 2012-01-01 | 2)\"): "
                       "\"2012-01-01\" não é uma data válida."},
        MalformadoCase{"empty_line", 5, "",
                       "Linha 5 (Percentuais de substituição): a lista de valores está vazia."},
        MalformadoCase{
            "seven_lines", 0, "(1)\r\n(1)\r\n(1)\r\n(1)\r\n(1)\r\n(1)\r\n(1)\r\n",
            "O arquivo de cenários deve ter exatamente 8 linhas, uma por parâmetro; \"{P}\" tem 7."},
        MalformadoCase{
            "empty_file", 0, "",
            "O arquivo de cenários deve ter exatamente 8 linhas, uma por parâmetro; \"{P}\" tem 0."},
        MalformadoCase{
            "nine_lines", 0, "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\n",
            "O arquivo de cenários deve ter exatamente 8 linhas, uma por parâmetro; \"{P}\" tem 9."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefinicaoCenarios, MissingFileIsAFileError) {
    TempDir dir;
    EXPECT_THROW(LeDefinicaoCenarios(dir.file("nao-existe.txt"), kBR), FileError);
}

TEST(DefinicaoCenarios, TextsTheFileCannotKeepAreRefusedAndNothingIsWritten) {
    TempDir dir;
    const std::string path = dir.write("estudo.txt", "anterior");
    TextosCenarios t = kTextos;
    t[0] = "(/dados/雨.txt | 01/01/2012 | 2)";
    try {
        GravaDefinicaoCenarios(path, t, kBR);
        FAIL();
    } catch (const ScenarioError& e) {
        EXPECT_STREQ(
            e.what(),
            "Linha 1 (Arquivos de precipitação): o texto tem caracteres que o arquivo não pode guardar.");
    }
    t = kTextos;
    t[3] = "(4)\n(5)";
    EXPECT_THROW(GravaDefinicaoCenarios(path, t, kBR), ScenarioError);
    EXPECT_EQ(TempDir::read(path), "anterior");
}

}  // namespace
