// Every kind of file the program writes, through the function that writes it and through the
// command line, against a planted failure: the write is refused with a message naming the file
// and the reason (one line on stderr and a non-zero status for vespra-cli), what stood under the
// name keeps its bytes, and nothing is left beside it.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "cli/cli_app.h"
#include "common/textfile.h"
#include "scenarios/result_rows.h"
#include "scenarios/scenario_definition.h"
#include "tests/scenarios/scenario_cases.h"
#include "tests/support/cli_run.h"
#include "tests/support/planted_failures.h"
#include "tests/support/systems.h"

namespace {

namespace fs = std::filesystem;
using cenarios_teste::kBR;

using testcli::cli;
using testcli::CliRun;

std::string example(const std::string& name) {
    return std::string(VESPRA_SOURCE_DIR) + "/examples/" + name;
}

// The message of a failed write; empty when the write went through.
using Writer = std::function<std::string(const std::string& path)>;

template <class F>
std::string messageOf(F&& write) {
    try {
        write();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

// A command's failure: its one line on stderr, without the line end ("" when it succeeded).
std::string failureLine(const CliRun& r) {
    if (r.status == 0) return {};
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "more than one line on stderr: " << r.err;
    EXPECT_EQ(r.err.rfind("vespra-cli: ", 0), 0u) << r.err;
    return r.err.substr(0, r.err.size() - 1);
}

struct FileKind {
    const char* name;
    Writer write;
};

const FileKind kFileKinds[] = {
    // JPEG images go through this one with their encoded bytes.
    {"Bytes",
     [](const std::string& p) {
         return messageOf([&] {
             writeFileBytes(p,
                            "\xFF\xD8\xFF\xE0"
                            "JFIF data");
         });
     }},
    // The chart data sheet and the costs and savings export are written as lines.
    {"TextLines", [](const std::string& p) { return messageOf([&] { writeTextLines(p, {"Volume;1,5"}); }); }},
    {"SimulationFile",
     [](const std::string& p) { return messageOf([&] { testsys::household(30)->saveSim(p, {}, kBR); }); }},
    {"ScenarioSheet",
     [](const std::string& p) {
         return messageOf([&] { SalvarPlanilha(p, std::vector<LinhaResultado>(2)); });
     }},
    {"ScenarioDefinition",
     [](const std::string& p) {
         return messageOf([&] { GravaDefinicaoCenarios(p, cenarios_teste::textosBase("chuva.txt"), kBR); });
     }},
    {"CliCostsOut",
     [](const std::string& p) {
         return failureLine(
             cli({"costs", example("seattle-analise-economica.csv"), "--locale", "pt_BR", "--out", p}));
     }},
    {"CliImportOut",
     [](const std::string& p) {
         return failureLine(
             cli({"import", std::string(VESPRA_SOURCE_DIR) + "/tests/import/fixtures/seattle.csv", "--out", p,
                  "--locale", "pt_BR"}));
     }},
};

class WriteFailure : public testing::TestWithParam<std::tuple<FileKind, PlantedFailure>> {};

TEST_P(WriteFailure, LeavesTheOldFileAndSaysWhy) {
    const auto& [kind, failure] = GetParam();
    TempDir dir;
    dir.write("anterior.csv", kConteudoAnterior);
    const std::string path = plantFailure(dir, failure.obstacle, "alvo.csv");
    const auto before = snapshot(dir.file(""));
    std::string message;
    {
        FullDiskWhile full(failure.obstacle == Obstacle::FullDisk);
        message = kind.write(path);
    }
    ASSERT_FALSE(message.empty()) << "the failure was not reported";
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find(failure.reason), std::string::npos) << message;
    EXPECT_EQ(snapshot(dir.file("")), before);  // nothing replaced, nothing left beside it
    if (failure.obstacle == Obstacle::Device) {
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
        EXPECT_EQ(leftoversBesideDevice(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, WriteFailure,
                         testing::Combine(testing::ValuesIn(kFileKinds), testing::ValuesIn(kPlantedFailures)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

// The scenario export writes 1.csv … N.csv and then Planilha.csv into a folder: a failure on any
// of them stops it with that file's name and reason and leaves the folder as it was.
struct ExportFailure {
    const char* name;
    // Plants the failure in the export folder (made beforehand) or instead of it; the path to
    // hand the export.
    std::function<std::string(const TempDir&)> plant;
    const char* file;    // the file or folder the message names
    const char* reason;  // a part of the message
    bool fullDisk = false;
};

const std::string kPasta = "saida";

std::string pastaCom(const TempDir& dir, const std::string& folderName) {
    fs::remove(dir.file(kPasta + "/" + folderName));
    fs::create_directory(dir.file(kPasta + "/" + folderName));
    dir.write(kPasta + "/" + folderName + "/dentro.txt", kConteudoAnterior);
    return dir.file(kPasta);
}

const ExportFailure kExportFailures[] = {
    {"SecondFileIsAFolder", [](const TempDir& d) { return pastaCom(d, "2.csv"); }, "2.csv", "é uma pasta"},
    {"SheetIsAFolder", [](const TempDir& d) { return pastaCom(d, "Planilha.csv"); }, "Planilha.csv",
     "é uma pasta"},
    {"DiskFull", [](const TempDir& d) { return d.file(kPasta); }, "1.csv", "(escrita)", true},
    {"FolderInsideAFile",
     [](const TempDir& d) {
         d.write("arquivo", kConteudoAnterior);
         return d.file("arquivo/" + kPasta);
     },
     "arquivo", ""},
};

// The export's two doors: the scenario window's (through the core function) and vespra-cli's.
struct ExportDoor {
    const char* name;
    std::function<std::string(const std::string& definicao, const std::string& pasta)> run;
};

const ExportDoor kExportDoors[] = {
    {"Window",
     [](const std::string& definicao, const std::string& pasta) {
         return messageOf([&] {
             const TCombs combs = [&] {
                 TCombs c = CombsDaDefinicao(LeDefinicaoCenarios(definicao, kBR), kBR);
                 c.geraCombs(kBR);
                 return c;
             }();
             ExportaPlanilhaESimulacoes(combs, pasta, kBR);
         });
     }},
    {"Cli",
     [](const std::string& definicao, const std::string& pasta) {
         CliRun r = cli({"scenarios", definicao, "--out", pasta, "--locale", "pt_BR", "--jobs", "2"});
         // The progress lines come before the failure's one line.
         std::string err;
         std::istringstream lines(r.err);
         for (std::string l; std::getline(lines, l);) {
             if (l.find("vespra-cli: combinação ") != 0) err += l + "\n";
         }
         r.err = err;
         return failureLine(r);
     }},
};

class ScenarioExportFailure : public testing::TestWithParam<std::tuple<ExportDoor, ExportFailure>> {};

TEST_P(ScenarioExportFailure, NamesTheFileAndWritesNoSheet) {
    const auto& [door, failure] = GetParam();
    TempDir dir;
    cenarios_teste::escreveChuva(dir, "chuva.txt", 120);
    auto textos = cenarios_teste::textosBase("chuva.txt");
    textos[1] = "(100); (150); (200)";
    const std::string definicao = dir.file("cenarios.txt");
    GravaDefinicaoCenarios(definicao, textos, kBR);
    fs::create_directory(dir.file(kPasta));
    dir.write(kPasta + "/Planilha.csv", kConteudoAnterior);
    dir.write(kPasta + "/1.csv", kConteudoAnterior);
    const std::string pasta = failure.plant(dir);
    const auto before = snapshot(dir.file(""));

    std::string message;
    {
        FullDiskWhile full(failure.fullDisk);
        message = door.run(definicao, pasta);
    }
    ASSERT_FALSE(message.empty()) << "the failure was not reported";
    EXPECT_NE(message.find(failure.file), std::string::npos) << message;
    EXPECT_NE(message.find(failure.reason), std::string::npos) << message;
    // An export is whole or not there: what was there before is there still, every byte, and
    // nothing was added (no combination's file, no temporary file or folder).
    EXPECT_EQ(snapshot(dir.file("")), before);
}

INSTANTIATE_TEST_SUITE_P(Export, ScenarioExportFailure,
                         testing::Combine(testing::ValuesIn(kExportDoors),
                                          testing::ValuesIn(kExportFailures)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

// An output folder vespra-cli cannot make is named with the reason.
TEST(CliScenariosFolder, AFileUnderTheNameIsNamed) {
    TempDir dir;
    const std::string arquivo = dir.write("saida", kConteudoAnterior);
    const CliRun r =
        cli({"scenarios", example("cenarios-seattle.txt"), "--out", arquivo, "--locale", "pt_BR"});
    EXPECT_EQ(failureLine(r), "vespra-cli: Não foi possível criar a pasta \"" + arquivo +
                                  "\": existe um arquivo com esse nome.");
    EXPECT_EQ(TempDir::read(arquivo), kConteudoAnterior);
}

// Standard output that cannot be written (a full disk) is a failure, not a silent success.
TEST(CliStandardOutput, FullDeviceIsAFailure) {
    const std::string sim = example("seattle-analise-economica.csv");
    const std::vector<std::vector<std::string>> commands = {
        {"run", sim, "--locale", "pt_BR"},
        {"run", sim, "--locale", "pt_BR", "--monthly"},
        {"run", sim, "--locale", "pt_BR", "--json"},
        {"costs", sim, "--locale", "pt_BR"},
    };
    for (const auto& args : commands) {
        SCOPED_TRACE(args.back());
        std::ofstream full("/dev/full", std::ios::binary);
        ASSERT_TRUE(full.is_open());
        const CliRun r = cli(args, &full);
        EXPECT_EQ(failureLine(r), "vespra-cli: não foi possível escrever a saída.");
    }
}

}  // namespace
