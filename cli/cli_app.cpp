#include "cli/cli_app.h"

#include <ostream>

#include "cli/json_out.h"
#include "common/numtext.h"
#include "common/textfile.h"
#include "engine/unit_classe.h"

namespace {

const char* const kUsage =
    "Uso: vespra-cli run ARQUIVO [--locale NOME] [--json | --monthly]\n"
    "\n"
    "Carrega um arquivo de simulação salvo pelo Vespra 4 e simula-o como a janela principal\n"
    "faz ao carregá-lo: a faixa de volumes quando o arquivo traz volume máximo, intervalo e\n"
    "diferença; senão, o volume único do reservatório inferior.\n"
    "\n"
    "Saída (UTF-8):\n"
    "  (padrão)    o bloco \"RESULTADO DA SIMULAÇÃO\" tal como é gravado no arquivo\n"
    "  --monthly   a tabela mensal da simulação de base: 14 linhas de 9 textos separados por ';'\n"
    "  --json      um objeto JSON com os resultados de cada volume simulado\n"
    "\n"
    "  --locale NOME   locale dos números e datas do arquivo e da saída (pt_BR, en_US, ...);\n"
    "                  sem ele vale o locale do ambiente (LC_ALL, LC_NUMERIC, LANG).\n"
    "  --help          mostra esta ajuda.\n";

struct Options {
    std::string file;
    std::string locale;
    bool haveLocale = false;
    bool json = false;
    bool monthly = false;
};

struct UsageError {
    std::string message;
};

Options parse(const std::vector<std::string>& args) {
    if (args.empty()) throw UsageError{"falta o comando (use: vespra-cli run ARQUIVO)."};
    if (args[0] != "run") throw UsageError{"comando desconhecido '" + args[0] + "' (use: run)."};
    Options o;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            o.json = true;
        } else if (a == "--monthly") {
            o.monthly = true;
        } else if (a == "--locale" || a.rfind("--locale=", 0) == 0) {
            if (a == "--locale") {
                if (++i == args.size()) throw UsageError{"--locale precisa de um nome de locale."};
                o.locale = args[i];
            } else {
                o.locale = a.substr(9);
            }
            o.haveLocale = true;
        } else if (a.rfind("--", 0) == 0) {
            throw UsageError{"opção desconhecida '" + a + "'."};
        } else if (o.file.empty()) {
            o.file = a;
        } else {
            throw UsageError{"mais de um arquivo informado ('" + o.file + "' e '" + a + "')."};
        }
    }
    if (o.file.empty()) throw UsageError{"falta o arquivo de simulação."};
    if (o.json && o.monthly) throw UsageError{"--json e --monthly não podem ser usados juntos."};
    return o;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return 0;
        }
    }
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
        const TCaptAguaInterval& sim = *loaded.sim;
        // A start date the file does not show the order of: the run goes on, the user is told.
        if (!loaded.dateNotice.empty()) err << "vespra-cli: aviso: " << loaded.dateNotice << "\n";
        if (o.json) {
            out << simulationJson(sim) << "\n";
        } else if (o.monthly) {
            for (const auto& row : buildMonthlyTable(sim.base(), loc)) {
                std::string line;
                for (std::size_t c = 0; c < row.size(); ++c) line += (c ? ";" : "") + row[c];
                out << line << "\n";
            }
        } else {
            for (const auto& line : sim.resultLines(loc)) out << line << "\n";
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
