// vespra-cli scenarios --shard K/N and --merge: parts of a study run apart and joined give the
// folder a whole run writes, byte for byte; a broken set of parts is refused and left alone.
// And an interrupted batch (SIGINT, SIGTERM) stops, leaves no temporary file and says where.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include "common/textfile.h"
#include "tests/support/cli_run.h"
#include "tests/support/systems.h"
#include "tests/support/temp_dir.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace {

namespace fs = std::filesystem;

using testcli::cli;
using testcli::CliRun;

const std::string kSeattle = std::string(VESPRA_SOURCE_DIR) + "/examples/seattle-2012-2015.txt";

// Every file of a folder and its bytes.
std::map<std::string, std::string> conteudo(const std::string& pasta) {
    std::map<std::string, std::string> arquivos;
    for (const auto& e : fs::directory_iterator(pasta))
        arquivos[e.path().filename().string()] =
            e.is_directory() ? "<pasta>" : TempDir::read(e.path().string());
    return arquivos;
}

// A definition on the Seattle record (pt_BR) with the given lists of areas and lower reservoirs.
std::string definicao(const TempDir& dir, const std::string& nome, const std::string& areas,
                      const std::string& inferiores) {
    return dir.write(nome, "(" + kSeattle + " | 01/01/2012 | 2)\r\n" + areas +
                               "\r\n(150)\r\n(4)\r\n(50); (100)\r\n(0,8)\r\n(0 | 0%)\r\n" + inferiores +
                               "\r\n");
}

CliRun cenarios(const std::string& def, const std::string& pasta, std::vector<std::string> mais = {}) {
    std::vector<std::string> args{"scenarios", def, "--out", pasta, "--locale", "pt_BR"};
    args.insert(args.end(), mais.begin(), mais.end());
    return cli(args);
}

// The bundled example (16 combinations: fixed volumes and sweeps, with and without an upper
// reservoir) run whole and in N parts, run last to first, some on two threads, then joined:
// the same files, byte for byte, and no part left. N = 3 and 5 do not divide 16; N = 20 leaves
// empty parts. The parts of N = 2 are also run in folders of their own and copied together.
TEST(CliShards, PartsJoinedEqualTheWholeRun) {
    TempDir dir;
    const std::string def = std::string(VESPRA_SOURCE_DIR) + "/examples/cenarios-seattle.txt";
    ASSERT_EQ(cenarios(def, dir.file("inteiro")).status, 0);
    const auto inteiro = conteudo(dir.file("inteiro"));
    ASSERT_EQ(inteiro.size(), 17u);
    for (const int n : {1, 2, 3, 5, 20}) {
        SCOPED_TRACE(n);
        const std::string pasta = dir.file("partes" + std::to_string(n));
        for (int k = n; k >= 1; --k) {
            const std::string shard = std::to_string(k) + "/" + std::to_string(n);
            const CliRun r = cenarios(def, pasta, {"--shard", shard, "--jobs", k % 2 ? "1" : "2"});
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_FALSE(fs::exists(pasta + "/Planilha.csv"));
            EXPECT_TRUE(fs::exists(pasta + "/Planilha.parte-" + std::to_string(k) + "-de-" +
                                   std::to_string(n) + ".csv"));
        }
        const CliRun junta = cenarios(def, pasta, {"--merge"});
        ASSERT_EQ(junta.status, 0) << junta.err;
        EXPECT_EQ(conteudo(pasta), inteiro);
    }
    for (const char* k : {"1", "2"}) {
        const std::string propria = dir.file(std::string("maquina") + k);
        ASSERT_EQ(cenarios(def, propria, {"--shard=" + std::string(k) + "/2"}).status, 0);
        fs::create_directories(dir.file("juntas"));
        fs::copy(propria, dir.file("juntas"),
                 fs::copy_options::overwrite_existing | fs::copy_options::recursive);
    }
    ASSERT_EQ(cenarios(def, dir.file("juntas"), {"--merge"}).status, 0);
    EXPECT_EQ(conteudo(dir.file("juntas")), inteiro);
}

// A merge that cannot make the whole sheet says which part is wrong, writes no sheet and leaves
// every part as it was: a part of another definition, of another N, a missing part, a part whose
// number is outside 1 … N, a part short of a line, no part at all.
TEST(CliShards, BrokenPartsAreRefusedAndLeftAlone) {
    TempDir dir;
    const std::string def = definicao(dir, "estudo.txt", "(100); (150)", "(Fixo: 3000); (Fixo: 5000)");
    const std::string outra = definicao(dir, "outro.txt", "(100); (160)", "(Fixo: 3000); (Fixo: 5000)");
    struct Caso {
        const char* nome;
        std::vector<std::pair<std::string, std::string>> partes;  // definition, K/N
        void (*estraga)(const std::string& pasta);
        const char* mensagem;
    };
    const auto nada = [](const std::string&) {};
    const std::vector<Caso> casos = {
        {"outra definição",
         {{def, "1/2"}, {outra, "2/2"}},
         nada,
         "A parte \"Planilha.parte-2-de-2.csv\" foi feita de outra definição de cenários."},
        {"outro N", {{def, "1/2"}, {def, "2/2"}, {def, "3/3"}}, nada, "de uma divisão em"},
        {"parte faltando",
         {{def, "1/3"}, {def, "3/3"}},
         nada,
         "Falta a parte 2 de 3 (\"Planilha.parte-2-de-3.csv\")."},
        {"número fora de 1 a N",
         {{def, "1/2"}, {def, "2/2"}},
         [](const std::string& pasta) {
             std::string bytes = TempDir::read(pasta + "/Planilha.parte-2-de-2.csv");
             bytes.replace(bytes.find(";parte=2;"), 9, ";parte=3;");
             fs::remove(pasta + "/Planilha.parte-2-de-2.csv");
             std::ofstream(pasta + "/Planilha.parte-3-de-2.csv", std::ios::binary) << bytes;
         },
         "A parte \"Planilha.parte-3-de-2.csv\" tem o número 3, fora de 1 a 2."},
        {"linha faltando",
         {{def, "1/2"}, {def, "2/2"}},
         [](const std::string& pasta) {
             std::string bytes = TempDir::read(pasta + "/Planilha.parte-1-de-2.csv");
             bytes.erase(bytes.rfind("\r\n", bytes.size() - 3) + 2);
             std::ofstream(pasta + "/Planilha.parte-1-de-2.csv", std::ios::binary) << bytes;
         },
         "A parte \"Planilha.parte-1-de-2.csv\" não tem as linhas das combinações 1 a 4."},
        {"nenhuma parte", {}, nada, "Nenhuma parte da planilha"}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const std::string pasta = dir.file(c.nome);
        fs::create_directories(pasta);
        for (const auto& [d, shard] : c.partes) ASSERT_EQ(cenarios(d, pasta, {"--shard", shard}).status, 0);
        c.estraga(pasta);
        const auto antes = conteudo(pasta);
        const CliRun r = cenarios(def, pasta, {"--merge"});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.mensagem), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(conteudo(pasta), antes);
    }
}

// A part or a sheet that cannot be written is one line naming it, and the part's run leaves its
// folder as it was; a merge whose sheet cannot be written keeps every part, so that it can run
// again.
TEST(CliShards, AFileThatCannotBeWrittenIsNamedAndThePartsStay) {
    TempDir dir;
    const std::string def = definicao(dir, "estudo.txt", "(100); (150)", "(Fixo: 3000)");
    fs::create_directories(dir.file("parte/Planilha.parte-1-de-1.csv"));
    const CliRun parte = cenarios(def, dir.file("parte"), {"--shard", "1/1"});
    EXPECT_EQ(parte.status, 1);
    EXPECT_NE(parte.err.find("Planilha.parte-1-de-1.csv"), std::string::npos) << parte.err;
    // The part is whole or not there: none of its simulation files, nothing temporary.
    EXPECT_EQ(conteudo(dir.file("parte")),
              (std::map<std::string, std::string>{{"Planilha.parte-1-de-1.csv", "<pasta>"}}));

    ASSERT_EQ(cenarios(def, dir.file("junta"), {"--shard", "1/2"}).status, 0);
    ASSERT_EQ(cenarios(def, dir.file("junta"), {"--shard", "2/2"}).status, 0);
    fs::create_directories(dir.file("junta/Planilha.csv"));
    const auto antes = conteudo(dir.file("junta"));
    const CliRun junta = cenarios(def, dir.file("junta"), {"--merge"});
    EXPECT_EQ(junta.status, 1);
    EXPECT_NE(junta.err.find("Planilha.csv"), std::string::npos) << junta.err;
    EXPECT_EQ(conteudo(dir.file("junta")), antes);
}

// --shard takes K/N with 1 ≤ K ≤ N; anything else, or --shard with --merge, is a usage error
// naming the text, and nothing is run.
TEST(CliShards, ShardOptionMistakesAreUsageErrors) {
    TempDir dir;
    const std::string def = definicao(dir, "estudo.txt", "(100)", "(Fixo: 3000)");
    for (const char* texto : {"0/3", "4/3", "3", "1/0", "-1/2", "a/b", "2/", "/2", "1/2/3", "1,5/2", ""}) {
        SCOPED_TRACE(texto);
        const CliRun r = cenarios(def, dir.file("saida"), {"--shard", texto});
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("--shard precisa de K/N, números inteiros com 1 ≤ K ≤ N ('" +
                             std::string(texto) + "')."),
                  std::string::npos)
            << r.err;
    }
    const CliRun ambos = cenarios(def, dir.file("saida"), {"--shard", "1/2", "--merge"});
    EXPECT_EQ(ambos.status, 2);
    EXPECT_NE(ambos.err.find("--shard e --merge não vão juntos."), std::string::npos) << ambos.err;
    EXPECT_FALSE(fs::exists(dir.file("saida")));
}

#ifndef _WIN32

// Whole-process test: vespra-cli run as a child, stopped by a signal in the middle of a long
// batch on two threads. It ends within a couple of seconds with 128 + the signal, one line
// saying where it stopped, every combination before that written (and none from there on), no
// sheet and no temporary file or folder.
TEST(CliShards, InterruptedBatchStopsCleanly) {
    for (const auto& [sinal, status] : {std::pair{SIGTERM, 143}, std::pair{SIGINT, 130}}) {
        SCOPED_TRACE(sinal);
        TempDir dir;
        std::string volumes = "(Fixo: 1000)";
        for (int v = 2; v <= 40; ++v) volumes += "; (Fixo: " + std::to_string(v * 1000) + ")";
        std::string areas = "(50)";
        for (int a = 2; a <= 50; ++a) areas += "; (" + std::to_string(a * 10) + ")";
        const std::string def = definicao(dir, "estudo.txt", areas, volumes);  // 50 × 2 × 40 = 4000
        const std::string pasta = dir.file("saida"), erros = dir.file("erros.txt");
        const pid_t filho = fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            const int fd = open(erros.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, 2);
            execl(VESPRA_CLI_EXE, VESPRA_CLI_EXE, "scenarios", def.c_str(), "--out", pasta.c_str(),
                  "--locale", "pt_BR", "--jobs", "2", static_cast<char*>(nullptr));
            _exit(127);
        }
        const auto inicio = std::chrono::steady_clock::now();
        const auto passou = [&] { return std::chrono::steady_clock::now() - inicio; };
        // The files appear only when the batch ends: its progress lines tell how far it is.
        while (TempDir::read(erros).find("combinação 20 de") == std::string::npos &&
               passou() < std::chrono::seconds(60))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        kill(filho, sinal);
        const auto enviado = std::chrono::steady_clock::now();
        int estado = 0;
        while (waitpid(filho, &estado, WNOHANG) == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_LT(std::chrono::steady_clock::now() - enviado, std::chrono::seconds(2));
        ASSERT_TRUE(WIFEXITED(estado)) << "ended by signal " << WTERMSIG(estado);
        EXPECT_EQ(WEXITSTATUS(estado), status);

        const std::string err = TempDir::read(erros);
        const std::string prefixo = "vespra-cli: interrompido na combinação ";
        const auto pos = err.rfind(prefixo);
        ASSERT_NE(pos, std::string::npos) << err;
        const std::string linha = err.substr(pos);
        EXPECT_TRUE(linha.ends_with(" de 4000.\n")) << linha;
        const int parou = std::stoi(linha.substr(prefixo.size()));
        EXPECT_GT(parou, 1);
        EXPECT_LT(parou, 4000) << "the batch finished before the signal";
        for (int k = 1; k < parou; ++k)
            EXPECT_TRUE(fs::exists(pasta + "/" + std::to_string(k) + ".csv")) << k;
        EXPECT_FALSE(fs::exists(pasta + "/" + std::to_string(parou) + ".csv"));
        EXPECT_FALSE(fs::exists(pasta + "/Planilha.csv"));
        for (const auto& [nome, bytes] : conteudo(pasta))
            EXPECT_EQ(nome.find(".tmp"), std::string::npos) << nome;
    }
}

// The other commands end at once on a signal: a long sweep (20 001 volumes with an upper
// reservoir over 100 years) stopped by `vespra-cli run` within a second of the signal, with
// 128 + the signal and one line.
TEST(CliInterrupts, RunStopsAtOnce) {
    TempDir dir;
    auto lines = testsys::household(36500)->simLines({}, LocaleSettings::ptBR());
    for (auto& l : lines) {
        if (l.rfind("Reservatório inferior (litros);", 0) == 0)
            l = "Reservatório inferior (litros);100000;5;2";
        if (l.rfind("Reservatório superior (litros);", 0) == 0) l = "Reservatório superior (litros);300;0";
        if (l.rfind("Limiar recalque (litros);", 0) == 0) l = "Limiar recalque (litros);100";
    }
    const std::string file = dir.file("longa.csv");
    writeTextLines(file, lines);
    for (const auto& [sinal, status] : {std::pair{SIGTERM, 143}, std::pair{SIGINT, 130}}) {
        SCOPED_TRACE(sinal);
        const std::string erros = dir.file("erros.txt");
        const pid_t filho = fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            const int fd = open(erros.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, 2);
            const int nulo = open("/dev/null", O_WRONLY);
            dup2(nulo, 1);
            execl(VESPRA_CLI_EXE, VESPRA_CLI_EXE, "run", file.c_str(), "--json", "--locale", "pt_BR",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        // Past the start, well inside the sweep.
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        kill(filho, sinal);
        const auto enviado = std::chrono::steady_clock::now();
        int estado = 0;
        while (waitpid(filho, &estado, WNOHANG) == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_LT(std::chrono::steady_clock::now() - enviado, std::chrono::seconds(1));
        ASSERT_TRUE(WIFEXITED(estado)) << "ended by signal " << WTERMSIG(estado);
        EXPECT_EQ(WEXITSTATUS(estado), status);
        EXPECT_EQ(TempDir::read(erros), "vespra-cli: interrompido durante o comando run.\n");
    }
}

#endif

}  // namespace
