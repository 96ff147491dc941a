#include "cli/cli_app.h"

#include <optional>
#include <ostream>

#include "cli/cli_scenarios.h"
#include "cli/json_out.h"
#include "common/numtext.h"
#include "common/textfile.h"
#include "common/version.h"
#include "economics/analysis_file.h"
#include "economics/economics_errors.h"
#include "engine/capt_agua_interval.h"
#include "engine/monthly_table.h"
#include "engine/sim_file.h"

namespace {

const char* const kUsage =
    "Uso: vespra-cli run ARQUIVO [--locale NOME] [--json | --monthly]\n"
    "     vespra-cli costs ARQUIVO [--detailed] [--out CAMINHO] [--locale NOME]\n"
    "\n"
    "run    carrega um arquivo de simulação salvo pelo Vespra 4 e simula-o como a janela\n"
    "       principal faz ao carregá-lo: a faixa de volumes quando o arquivo traz volume máximo,\n"
    "       intervalo e diferença; senão, o volume único do reservatório inferior.\n"
    "       Saída (UTF-8):\n"
    "         (padrão)    o bloco \"RESULTADO DA SIMULAÇÃO\" tal como é gravado no arquivo\n"
    "         --monthly   a tabela mensal da simulação de base: 14 linhas de 9 textos separados por ';'\n"
    "         --json      um objeto JSON com os resultados de cada volume simulado e, quando o\n"
    "                     arquivo traz análise econômica, a chave \"economia\" (nroPeriodos, curVPL\n"
    "                     em R$, intTempoRetorno, dblTIR em % ao mês ou null quando indefinida,\n"
    "                     vecEconomias e vecCustos em R$ por mês de análise)\n"
    "\n"
    "costs  carrega o arquivo, simula-o, refaz a análise econômica que ele traz (\"Calcular\") e\n"
    "       escreve a tabela de custos e economias como \"Exportar\" a grava depois de carregar o\n"
    "       arquivo: estimativas, tarifas, dados e resultados da análise e a visão simplificada.\n"
    "         --detailed       a visão detalhada em vez da simplificada\n"
    "         --out CAMINHO    grava o arquivo como o programa grava (Windows-1252, CR LF); sem\n"
    "                          esta opção as linhas vão para a saída padrão em UTF-8\n"
    "       Um arquivo sem análise econômica é um erro.\n"
    "\n"
    "  --locale NOME   locale dos números e datas do arquivo e da saída (pt_BR, en_US, ...);\n"
    "                  sem ele vale o locale do ambiente (LC_ALL, LC_NUMERIC, LANG).\n"
    "  --help          mostra esta ajuda.\n"
    "  --version       mostra a versão do programa.\n"
    "\n";

const char* const kUsageFalha =
    "\nUma falha é uma linha na saída de erros e um código de saída diferente de zero.\n";

enum class Command { Run, Costs };

struct Options {
    Command command = Command::Run;
    std::string file;
    std::string locale;
    bool haveLocale = false;
    bool json = false;
    bool monthly = false;
    bool detailed = false;
    std::string out;
    bool haveOut = false;
};

struct UsageError {
    std::string message;
};

// The value of an option given as "--name VALUE" or "--name=VALUE".
bool optionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                 std::string& value) {
    const std::string& a = args[i];
    if (a == name) {
        if (++i == args.size()) throw UsageError{name + " precisa de um valor."};
        value = args[i];
        return true;
    }
    if (a.rfind(name + "=", 0) == 0) {
        value = a.substr(name.size() + 1);
        return true;
    }
    return false;
}

Command parseCommand(const std::string& word) {
    if (word == "run") return Command::Run;
    if (word == "costs") return Command::Costs;
    throw UsageError{"comando desconhecido '" + word + "' (use: run, costs ou scenarios)."};
}

// Options that belong to one command only are refused with the other.
void checkCombination(const Options& o) {
    if (o.file.empty()) throw UsageError{"falta o arquivo de simulação."};
    if (o.command == Command::Run) {
        if (o.json && o.monthly) throw UsageError{"--json e --monthly não podem ser usados juntos."};
        if (o.detailed) throw UsageError{"--detailed vale apenas para o comando costs."};
        if (o.haveOut) throw UsageError{"--out vale apenas para o comando costs."};
    } else {
        if (o.json) throw UsageError{"--json vale apenas para o comando run."};
        if (o.monthly) throw UsageError{"--monthly vale apenas para o comando run."};
        if (o.haveOut && o.out.empty()) throw UsageError{"--out precisa de um caminho."};
    }
}

Options parse(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{
            "falta o comando (use: vespra-cli run ARQUIVO, costs ARQUIVO ou scenarios DEF --out PASTA)."};
    Options o;
    o.command = parseCommand(args[0]);
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            o.json = true;
        } else if (a == "--monthly") {
            o.monthly = true;
        } else if (a == "--detailed") {
            o.detailed = true;
        } else if (optionValue(args, i, "--locale", o.locale)) {
            o.haveLocale = true;
        } else if (optionValue(args, i, "--out", o.out)) {
            o.haveOut = true;
        } else if (a.rfind("--", 0) == 0) {
            throw UsageError{"opção desconhecida '" + a + "'."};
        } else if (o.file.empty()) {
            o.file = a;
        } else {
            throw UsageError{"mais de um arquivo informado ('" + o.file + "' e '" + a + "')."};
        }
    }
    checkCombination(o);
    return o;
}

// The file's economic analysis as the main window leaves it after the load: the section read,
// the working simulation rebuilt from the loaded (and run) simulation, "Calcular" run. None
// when the file has no section. A malformed section names its line; a refused field is
// reported as the analysis window reports it.
std::optional<TAnaliseArquivo> analiseDoArquivo(const LoadedSimulation& loaded, const LocaleSettings& loc) {
    const auto marker = LinhaMarcadorAnalise(loaded.lines);
    if (!marker) return std::nullopt;
    try {
        return CalculaAnaliseArquivo(loaded.lines, *marker + 1, loaded.sim->base(), loc);
    } catch (const AnaliseError& e) {
        throw std::runtime_error(std::string("Análise econômica do arquivo: ") + e.what());
    }
}

void writeLines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const auto& line : lines) out << line << "\n";
}

void runCommand(const Options& o, const LoadedSimulation& loaded, const LocaleSettings& loc,
                std::ostream& out) {
    const TCaptAguaInterval& sim = *loaded.sim;
    if (o.json) {
        const auto analise = analiseDoArquivo(loaded, loc);
        out << simulationJson(sim, analise ? &analise->resultado : nullptr) << "\n";
    } else if (o.monthly) {
        for (const auto& row : buildMonthlyTable(sim.base(), loc)) {
            std::string line;
            for (std::size_t c = 0; c < row.size(); ++c) line += (c ? ";" : "") + row[c];
            out << line << "\n";
        }
    } else {
        writeLines(out, sim.resultLines(loc));
    }
}

void costsCommand(const Options& o, const LoadedSimulation& loaded, const LocaleSettings& loc,
                  std::ostream& out) {
    const auto analise = analiseDoArquivo(loaded, loc);
    if (!analise) {
        throw std::runtime_error("o arquivo '" + o.file +
                                 "' não traz análise econômica (não há a linha \"ANÁLISE ECONÔMICA\").");
    }
    const auto lines = LinhasExportacaoAnalise(*analise, o.detailed, loc);
    if (o.haveOut) {
        writeTextLines(o.out, lines);
    } else {
        writeLines(out, lines);
    }
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            out << kUsage << kUsageCenarios << kUsageFalha;
            return 0;
        }
        if (a == "--version") {
            out << "vespra-cli (" << programVersionText() << ")\n";
            return 0;
        }
    }
    if (!args.empty() && args[0] == "scenarios") return runScenariosCommand(args, err);
    Options o;
    try {
        o = parse(args);
    } catch (const UsageError& e) {
        err << "vespra-cli: " << e.message << " Veja vespra-cli --help.\n";
        return 2;
    }
    const LocaleSettings loc =
        o.haveLocale ? LocaleSettings::fromName(o.locale) : LocaleSettings::fromEnvironment();
    try {
        const LoadedSimulation loaded = loadAndRunSimulation(o.file, loc);
        // A start date the file does not show the order of: the run goes on, the user is told.
        if (!loaded.dateNotice.empty()) err << "vespra-cli: aviso: " << loaded.dateNotice << "\n";
        if (o.command == Command::Run) {
            runCommand(o, loaded, loc, out);
        } else {
            costsCommand(o, loaded, loc, out);
        }
        out.flush();
        if (!out) {
            err << "vespra-cli: não foi possível escrever a saída.\n";
            return 1;
        }
        return 0;
    } catch (const std::exception& e) {
        err << "vespra-cli: " << e.what() << "\n";
        return 1;
    }
}
