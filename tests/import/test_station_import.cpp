// The import of weather services' daily rainfall files, on small files of each format cut from
// the bundled Seattle record (tests/import/make_fixtures.py) and on texts built here.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/textfile.h"
#include "import/station_import.h"
#include "tests/support/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

const LocaleSettings kBR = LocaleSettings::ptBR();
const LocaleSettings kUS = LocaleSettings::enUS();

std::string fixture(const std::string& name) {
    return std::string(VESPRA_SOURCE_DIR) + "/tests/import/fixtures/" + name;
}

// The Seattle record's values, one per day from 2012-01-01, as the example file writes them.
const Lines& seattle() {
    static const Lines values =
        readTextLines(std::string(VESPRA_SOURCE_DIR) + "/examples/seattle-2012-2015.txt");
    return values;
}

// A value of the record with the locale's decimal mark.
std::string withMark(std::string text, const LocaleSettings& loc = kBR) {
    for (char& c : text) c = c == '.' ? loc.decimalSeparator : c;
    return text;
}

TDate date(int y, int m, int d) {
    return *TDate::fromYMD(y, m, d);
}

ImportOptions with(PoliticaLacunas p, std::optional<FormatoEstacao> f = std::nullopt,
                   UnidadeChuva u = UnidadeChuva::Milimetros) {
    return ImportOptions{f, p, u};
}

// The message of the ImportError `f` throws; empty when it throws none.
template <class F>
std::string refusal(F&& f) {
    try {
        f();
    } catch (const ImportError& e) {
        return e.what();
    }
    return {};
}

RegistroImportado importText(const std::string& text, PoliticaLacunas p = PoliticaLacunas::Zerar,
                             const LocaleSettings& loc = kBR) {
    return importStationLines(decodeTextLines(text), with(p), loc);
}

struct FixtureCase {
    const char* file;
    FormatoEstacao formato;
    std::optional<std::string> estacao;
    TDate inicio, fim;
    std::vector<std::pair<TDate, TDate>> lacunas;
    std::size_t duplicados;
};

const FixtureCase kFixtures[] = {
    // null, empty, a day not listed, a negative value
    {"inmet_convencional.csv",
     FormatoEstacao::Inmet,
     "T0001",
     date(2012, 1, 1),
     date(2012, 2, 9),
     {{date(2012, 1, 10), date(2012, 1, 11)},
      {date(2012, 1, 20), date(2012, 1, 20)},
      {date(2012, 1, 25), date(2012, 1, 25)}},
     0},
    {"inmet_automatica.csv",
     FormatoEstacao::Inmet,
     "SEATTLE ÁREA DE TESTE",
     date(2012, 1, 1),
     date(2012, 2, 9),
     {},
     0},
    {"ana_chuvas.csv", FormatoEstacao::Ana, "99999999", date(2012, 1, 1), date(2012, 3, 31), {}, 0},
    // -9999 and a value with a QFLAG
    {"ghcn.dly",
     FormatoEstacao::Ghcn,
     "ZZ000000001",
     date(2012, 1, 1),
     date(2012, 2, 29),
     {{date(2012, 1, 15), date(2012, 1, 16)}},
     0},
    // newest row first, an empty value
    {"noaa.csv",
     FormatoEstacao::Noaa,
     "ZZ000000001",
     date(2012, 1, 1),
     date(2012, 2, 9),
     {{date(2012, 1, 5), date(2012, 1, 5)}},
     0},
    {"seattle.csv", FormatoEstacao::Csv, std::nullopt, date(2012, 1, 1), date(2012, 2, 9), {}, 1},
};

bool inGap(const FixtureCase& c, TDate d) {
    for (const auto& [a, b] : c.lacunas) {
        if (d >= a && d <= b) return true;
    }
    return false;
}

// Each format is recognised from its content and gives back the Seattle record's values, as
// they were written, with the locale's decimal mark, its gaps found and filled with 0.
TEST(StationImport, EveryFormatGivesTheRecordBackWithItsGaps) {
    for (const FixtureCase& c : kFixtures) {
        SCOPED_TRACE(c.file);
        const Lines source = readTextLines(fixture(c.file));
        EXPECT_EQ(detectFormat(source), c.formato);
        for (const LocaleSettings* loc : {&kBR, &kUS}) {
            const RegistroImportado r = importStationLines(source, with(PoliticaLacunas::Zerar), *loc);
            const RelatorioImportacao& rel = r.relatorio;
            EXPECT_EQ(rel.formato, c.formato);
            EXPECT_EQ(rel.estacao, c.estacao);
            EXPECT_EQ(rel.inicio, c.inicio);
            EXPECT_EQ(rel.fim, c.fim);
            ASSERT_EQ(rel.lacunas.size(), c.lacunas.size());
            std::size_t missing = 0;
            for (std::size_t k = 0; k < c.lacunas.size(); ++k) {
                EXPECT_EQ(rel.lacunas[k].inicio, c.lacunas[k].first);
                EXPECT_EQ(rel.lacunas[k].fim, c.lacunas[k].second);
                missing += static_cast<std::size_t>(c.lacunas[k].second - c.lacunas[k].first + 1);
            }
            EXPECT_EQ(rel.faltantes, missing);
            EXPECT_EQ(rel.preenchidos, missing);
            EXPECT_EQ(rel.duplicados, c.duplicados);
            ASSERT_EQ(r.linhas.size(), static_cast<std::size_t>(c.fim - c.inicio + 1));
            EXPECT_EQ(rel.dias, r.linhas.size());
            for (std::size_t i = 0; i < r.linhas.size(); ++i) {
                const TDate d = c.inicio.addDays(static_cast<std::int64_t>(i));
                std::string expected = withMark(seattle()[i], *loc);
                // GHCN gives tenths of mm as whole numbers: 5.0 mm is 50, written 5.
                if (c.formato == FormatoEstacao::Ghcn &&
                    expected.ends_with(std::string(1, loc->decimalSeparator) + "0"))
                    expected.resize(expected.size() - 2);
                EXPECT_EQ(r.linhas[i], inGap(c, d) ? "0" : expected) << isoDate(d);
            }
        }
    }
}

// ANA: a month at level 2 (checked) replaces the same month at level 1 (raw); a month only at
// level 1 is taken; the days past the month's length are no days.
TEST(StationImport, AnaTakesLevelTwoOverLevelOne) {
    const RegistroImportado r =
        importStationFile(fixture("ana_chuvas.csv"), with(PoliticaLacunas::Recusar), kBR);
    ASSERT_EQ(r.linhas.size(), 91u);
    for (std::size_t i = 0; i < r.linhas.size(); ++i) EXPECT_EQ(r.linhas[i], withMark(seattle()[i])) << i;
    // 3 February 2012 is 77,7 at level 1 only; 29 February is followed by 1 March, not by
    // February's "Chuva30" and "Chuva31" (99,9).
    EXPECT_NE(r.linhas[31 + 2], "77,7");
    EXPECT_NE(r.linhas[31 + 29], "99,9");
    EXPECT_EQ(r.relatorio.duplicados, 0u);
}

// The gap policies: refuse (the count and the first gaps in the message), zero, the longest run.
TEST(StationImport, GapPolicies) {
    const Lines source = readTextLines(fixture("inmet_convencional.csv"));
    const std::string message =
        refusal([&] { importStationLines(source, with(PoliticaLacunas::Recusar), kBR); });
    EXPECT_EQ(message,
              "A série tem 4 dias sem valor entre 01/01/2012 e 09/02/2012 (lacunas: 10/01/2012 a 11/01/2012; "
              "20/01/2012; 25/01/2012); nada foi gravado: escolha preencher as lacunas com 0 mm ou gravar o "
              "trecho mais longo sem lacunas.");

    // Runs of 9, 8, 4 and 15 days: the longest is 26 January to 9 February.
    const RegistroImportado longest = importStationLines(source, with(PoliticaLacunas::MaisLonga), kBR);
    EXPECT_EQ(longest.relatorio.inicio, date(2012, 1, 26));
    EXPECT_EQ(longest.relatorio.fim, date(2012, 2, 9));
    EXPECT_EQ(longest.relatorio.dias, 15u);
    EXPECT_EQ(longest.relatorio.faltantes, 4u);  // before the policy
    EXPECT_EQ(longest.relatorio.lacunas.size(), 3u);
    EXPECT_EQ(longest.relatorio.preenchidos, 0u);
    EXPECT_EQ(longest.linhas.front(), withMark(seattle()[25]));
    EXPECT_EQ(longest.linhas.back(), withMark(seattle()[39]));

    // Equal runs (2, gap, 2): the earliest.
    const RegistroImportado tie = importText(
        "2012-01-01;1\n2012-01-02;2\n2012-01-03;\n2012-01-04;3\n2012-01-05;4\n", PoliticaLacunas::MaisLonga);
    EXPECT_EQ(tie.linhas, (Lines{"1", "2"}));
    EXPECT_EQ(tie.relatorio.inicio, date(2012, 1, 1));

    // More than five gaps: the first five and how many more.
    std::string many;
    for (int d = 1; d <= 15; ++d)
        many += "2012-01-" + std::string(d < 10 ? "0" : "") + std::to_string(d) + (d % 2 ? ";1\n" : ";\n");
    EXPECT_NE(refusal([&] {
                  importText(many, PoliticaLacunas::Recusar);
              }).find("08/01/2012; 10/01/2012; e mais 2)"),
              std::string::npos);
}

// Rows in any order, the span from the first to the last day with a value: gaps before the
// first value and after the last are no part of the record.
TEST(StationImport, OrderAndSpan) {
    const RegistroImportado r =
        importText("2012-01-05;5\n2012-01-01;\n2012-01-03;3\n2012-01-02;2\n2012-01-06;null\n");
    EXPECT_EQ(r.relatorio.inicio, date(2012, 1, 2));
    EXPECT_EQ(r.relatorio.fim, date(2012, 1, 5));
    EXPECT_EQ(r.linhas, (Lines{"2", "3", "0", "5"}));
    EXPECT_EQ(r.relatorio.faltantes, 1u);
}

// A date given twice: with the same value it counts once; with another value (or once without
// a value) the import stops naming the date and its lines.
TEST(StationImport, Duplicates) {
    const RegistroImportado same =
        importText("2012-01-01;1,5\n2012-01-02;2\n2012-01-01;1,50\n2012-01-02;2\n");
    EXPECT_EQ(same.linhas, (Lines{"1,5", "2"}));
    EXPECT_EQ(same.relatorio.duplicados, 2u);
    EXPECT_EQ(refusal([] { importText("2012-01-01;1\n2012-01-02;2\n2012-01-02;3\n"); }),
              "A data 02/01/2012 aparece duas vezes com valores diferentes (linhas 2 e 3).");
    EXPECT_EQ(refusal([] { importText("2012-01-01;1\n2012-01-02;2\n2012-01-02;\n"); }),
              "A data 02/01/2012 aparece duas vezes com valores diferentes (linhas 2 e 3).");
}

// Inches (NOAA and CSV) are converted to mm; the formats that give mm refuse them.
TEST(StationImport, Units) {
    const RegistroImportado r =
        importStationFile(fixture("noaa_polegadas.csv"),
                          with(PoliticaLacunas::Recusar, std::nullopt, UnidadeChuva::Polegadas), kBR);
    EXPECT_EQ(r.linhas, (Lines{"2,54", "10,922", "0"}));
    EXPECT_DOUBLE_EQ(r.valores[1], 0.43 * 25.4);
    EXPECT_EQ(refusal([] {
                  importStationFile(fixture("inmet_automatica.csv"),
                                    with(PoliticaLacunas::Recusar, std::nullopt, UnidadeChuva::Polegadas),
                                    kBR);
              }),
              "Os arquivos INMET (BDMEP) trazem a chuva em milímetros: polegadas valem apenas para arquivos "
              "NOAA e CSV.");
}

// The plain CSV's columns: the first dated column; the first column whose title names rainfall,
// else the one after the date; ';' (with a decimal comma), ',' or tab; a header or none.
TEST(StationImport, PlainCsvColumns) {
    struct Row {
        const char* name;
        std::string text;
        Lines linhas;
    };
    const Row rows[] = {
        {"title names rain",
         "id,tmax,date,wind,PRCP (mm)\n1,10,2012-01-01,3,1.5\n2,11,2012-01-02,4,0\n",
         {"1,5", "0"}},
        {"accented title",
         "Estação;Data;Vento;Precipitação (mm)\nX;01/01/2012;3;2,5\nX;02/01/2012;3;0\n",
         {"2,5", "0"}},
        {"after the date", "Data\tValor\tOutro\n01/01/2012\t7.5\t9\n02/01/2012\t1\t9\n", {"7,5", "1"}},
        {"no header", "2012-01-01,3.2,x\n2012-01-02,0.0,x\n", {"3,2", "0,0"}},
        {"word inside a word is no title",
         "date,drained,precipitation_mm\n2012-01-01,9,4\n2012-01-02,9,5\n",
         {"4", "5"}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(importText(r.text).linhas, r.linhas) << r.name;
        EXPECT_EQ(importText(r.text).relatorio.formato, FormatoEstacao::Csv) << r.name;
    }
}

// Windows-1252 and UTF-8, with or without a byte-order mark, read alike.
TEST(StationImport, Encodings) {
    const std::string utf8 =
        "Nome: SÃO JOÃO\nPeriodicidade da Medicao: Diaria\nData Medicao;PRECIPITAÇÃO TOTAL, DIÁRIO(mm);\n"
        "2012-01-01;1,2;\n2012-01-02;0;\n";
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, utf8ToCp1252(utf8)}) {
        const RegistroImportado r = importText(bytes, PoliticaLacunas::Recusar);
        EXPECT_EQ(r.relatorio.formato, FormatoEstacao::Inmet);
        EXPECT_EQ(r.relatorio.estacao, "SÃO JOÃO");
        EXPECT_EQ(r.linhas, (Lines{"1,2", "0"}));
    }
}

// Files the import refuses, each with a message saying what was looked for or what is wrong.
TEST(StationImport, Refusals) {
    struct Row {
        const char* name;
        std::string text;
        std::optional<FormatoEstacao> formato;
        const char* message;  // a part of the message
    };
    const Row rows[] = {
        {"nothing known", "abc\n1,2\n", std::nullopt,
         "Formato não reconhecido: procurei um arquivo do INMET"},
        {"empty", "", std::nullopt, "Formato não reconhecido"},
        {"no rain column", "date\n2012-01-01\n", std::nullopt, "Não há coluna de chuva: procurei"},
        {"csv forced without dates", "a;b\n1;2\n", FormatoEstacao::Csv, "Não há coluna de datas: procurei"},
        {"inmet without its rain column", "Data Medicao;TEMPERATURA MAXIMA;\n2012-01-01;1;\n", std::nullopt,
         "Linha 1: não há a coluna de chuva: procurei uma coluna cujo título comece com \"PRECIPITACAO "
         "TOTAL, "
         "DIARIO\"."},
        {"inmet forced on a csv", "date,prcp\n2012-01-01,1\n", FormatoEstacao::Inmet,
         "procurei a linha que começa com \"Data Medicao;\""},
        {"ana forced on a csv", "date,prcp\n2012-01-01,1\n", FormatoEstacao::Ana,
         "procurei uma linha com as colunas \"NivelConsistencia\""},
        {"noaa forced on a csv", "data;chuva\n2012-01-01;1\n", FormatoEstacao::Noaa,
         "procurei uma linha com as colunas \"DATE\" e \"PRCP\""},
        {"ghcn forced on a csv", "date,prcp\n2012-01-01,1\n", FormatoEstacao::Ghcn,
         "Linha 1: não é uma linha GHCN-Daily"},
        {"ghcn without PRCP", "ZZ000000001201201TMAX  100  W\n", std::nullopt,
         "não traz linhas do elemento PRCP"},
        {"no day with a value", "date,prcp\n2012-01-01,\n2012-01-02,null\n", std::nullopt,
         "Nenhum dia do arquivo tem um valor de chuva."},
        {"a value that is no number", "date,prcp\n2012-01-01,1\n2012-01-02,T\n", std::nullopt,
         "Linha 3: 'T' não é um valor de chuva"},
        {"thousands and decimals", "data;chuva\n2012-01-01;1.234,5\n", std::nullopt,
         "Linha 2: '1.234,5' não é um valor de chuva"},
        {"a date that is no date", "date,prcp\n2012-01-01,1\n2012-02-30,2\n", std::nullopt,
         "Linha 3: '2012-02-30' não é uma data (AAAA-MM-DD ou DD/MM/AAAA)."},
        {"two stations",
         "\"STATION\",\"DATE\",\"PRCP\"\n\"A\",\"2012-01-01\",\"1\"\n\"B\",\"2012-01-01\",\"1\"\n",
         std::nullopt, "Linha 3: o arquivo traz mais de uma estação (A e B)"},
        {"a mistyped year", "date,prcp\n2012-01-01,1\n0212-01-02,2\n", std::nullopt,
         "O registro iria de 02/01/0212 (linha 3) a 01/01/2012 (linha 2), mais de 100000 dias: confira o "
         "ano"},
        {"ana level that is no level", "EstacaoCodigo;NivelConsistencia;Data;Chuva01\n1;x;01/01/2012;1\n",
         std::nullopt, "Linha 2: 'x' não é um nível de consistência"},
    };
    for (const Row& r : rows) {
        const std::string message = refusal([&] {
            importStationLines(decodeTextLines(r.text), with(PoliticaLacunas::Zerar, r.formato), kBR);
        });
        EXPECT_NE(message.find(r.message), std::string::npos) << r.name << ": " << message;
    }
}

// The record is written as the program writes its precipitation files; never over its source.
TEST(StationImport, WritesTheRecordBesideNotOverItsSource) {
    TempDir dir;
    const std::string source = dir.write("fonte.csv", "date,prcp\n2012-01-01,1.5\n2012-01-02,0\n");
    const RegistroImportado r = importStationFile(source, with(PoliticaLacunas::Recusar), kBR);
    writeImportedRecord(source, dir.file("registro.txt"), r);
    EXPECT_EQ(TempDir::read(dir.file("registro.txt")), "1,5\r\n0\r\n");
    EXPECT_EQ(refusal([&] { writeImportedRecord(source, source, r); }),
              "O registro não pode ser gravado sobre o próprio arquivo da estação (\"" + source + "\").");
    EXPECT_EQ(TempDir::read(source), "date,prcp\n2012-01-01,1.5\n2012-01-02,0\n");
}

TEST(StationImport, SuggestedRecordPath) {
    EXPECT_EQ(suggestedRecordPath("/dados/estação.csv"), "/dados/estação.txt");
    EXPECT_EQ(suggestedRecordPath("/dados/ghcn.dly"), "/dados/ghcn.txt");
    EXPECT_EQ(suggestedRecordPath("/dados/chuva.TXT"), "/dados/chuva-registro.txt");
    EXPECT_EQ(suggestedRecordPath("estacao"), "estacao.txt");
}

// The report: every item, each gap with its length, dates in the locale's short format.
TEST(StationImport, ReportLines) {
    const RegistroImportado r =
        importStationFile(fixture("inmet_convencional.csv"), with(PoliticaLacunas::Zerar), kBR);
    EXPECT_EQ(reportLines(r.relatorio, kBR), (Lines{
                                                 "Formato: INMET (BDMEP)",
                                                 "Estação: T0001",
                                                 "Primeiro dia gravado: 01/01/2012",
                                                 "Último dia gravado: 09/02/2012",
                                                 "Dias gravados: 40",
                                                 "Dias sem valor: 4",
                                                 "  Lacuna: 10/01/2012 a 11/01/2012 (2 dias)",
                                                 "  Lacuna: 20/01/2012 (1 dia)",
                                                 "  Lacuna: 25/01/2012 (1 dia)",
                                                 "Dias preenchidos com 0 mm: 4",
                                                 "Datas repetidas com o mesmo valor: 0",
                                             }));
}

}  // namespace
