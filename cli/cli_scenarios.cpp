#include "cli/cli_scenarios.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <thread>

#include "common/numtext.h"
#include "common/platform.h"
#include "common/system_message.h"
#include "common/textfile.h"
#include "scenarios/result_rows.h"
#include "scenarios/scenario_definition.h"

const char* const kUsageCenarios =
    "Uso: vespra-cli scenarios DEF --out PASTA [--locale NOME] [--jobs N]\n"
    "\n"
    "Simula todas as combinações de um conjunto de cenários e grava em PASTA o que\n"
    "\"Exportar planilha e simulações\" grava: Planilha.csv e 1.csv … N.csv.\n"
    "DEF é um arquivo de texto de exatamente 8 linhas, as listas de valores das linhas 1 a 8\n"
    "da tabela de cenários (o que \"Salvar cenários\" grava); um arquivo de precipitação com\n"
    "caminho relativo é procurado na pasta de DEF. O progresso sai na saída de erros.\n"
    "\n"
    "  --out PASTA     pasta dos arquivos gravados (criada se não existir).\n"
    "  --locale NOME   locale dos números e datas de DEF e dos arquivos gravados.\n"
    "  --jobs N        simula N combinações ao mesmo tempo (padrão: os núcleos da máquina);\n"
    "                  os arquivos são os mesmos para qualquer N.\n";

namespace {

struct OpcoesCenarios {
    std::string definicao;
    std::string pasta;
    std::string locale;
    bool temLocale = false;
    int tarefas = 0;  // 0: the machine's cores
};

struct ErroUso {
    std::string mensagem;
};

// The value of an option given as "--nome VALOR" or "--nome=VALOR"; advances i past it.
std::string valorOpcao(const std::vector<std::string>& args, std::size_t& i, const std::string& nome,
                       const char* falta) {
    const std::string& a = args[i];
    if (a == nome) {
        if (++i == args.size()) throw ErroUso{falta};
        return args[i];
    }
    return a.substr(nome.size() + 1);
}

bool ehOpcao(const std::string& a, const std::string& nome) {
    return a == nome || a.rfind(nome + "=", 0) == 0;
}

int leTarefas(const std::string& texto) {
    const auto n = tryReadInteger(texto);
    if (!n || *n < 1 || *n > 1024) {
        throw ErroUso{"--jobs precisa de um número inteiro de 1 a 1024 ('" + texto + "')."};
    }
    return static_cast<int>(*n);
}

OpcoesCenarios leOpcoes(const std::vector<std::string>& args) {
    OpcoesCenarios o;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (ehOpcao(a, "--out")) {
            o.pasta = valorOpcao(args, i, "--out", "--out precisa de uma pasta.");
        } else if (ehOpcao(a, "--locale")) {
            o.locale = valorOpcao(args, i, "--locale", "--locale precisa de um nome de locale.");
            o.temLocale = true;
        } else if (ehOpcao(a, "--jobs")) {
            o.tarefas = leTarefas(valorOpcao(args, i, "--jobs", "--jobs precisa de um número."));
        } else if (a.rfind("--", 0) == 0) {
            throw ErroUso{"opção desconhecida '" + a + "'."};
        } else if (o.definicao.empty()) {
            o.definicao = a;
        } else {
            throw ErroUso{"mais de um arquivo de cenários informado ('" + o.definicao + "' e '" + a + "')."};
        }
    }
    if (o.definicao.empty()) throw ErroUso{"falta o arquivo de cenários."};
    if (o.pasta.empty()) throw ErroUso{"falta a pasta de saída (--out PASTA)."};
    return o;
}

int tarefasPadrao() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// The output folder, made when it is not there yet; a path that cannot be a folder is a
// write failure named like the program's other file errors, with the reason.
void preparaPasta(const std::string& pasta) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path caminho = pathFromUtf8(pasta);
    fs::create_directories(caminho, ec);
    std::error_code ecPasta;
    const fs::file_status st = fs::status(caminho, ecPasta);
    if (fs::is_directory(st)) return;
    const std::string motivo = fs::exists(st) ? "existe um arquivo com esse nome" : systemMessage(ec);
    throw FileError("Não foi possível criar a pasta \"" + pasta + "\": " + motivo + ".");
}

}  // namespace

int runScenariosCommand(const std::vector<std::string>& args, std::ostream& err) {
    OpcoesCenarios o;
    try {
        o = leOpcoes(args);
    } catch (const ErroUso& e) {
        err << "vespra-cli: " << e.mensagem << " Veja vespra-cli --help.\n";
        return 2;
    }
    const LocaleSettings loc =
        o.temLocale ? LocaleSettings::fromName(o.locale) : LocaleSettings::fromEnvironment();
    try {
        const DefinicaoCenarios def = LeDefinicaoCenarios(o.definicao, loc);
        TCombs combs = CombsDaDefinicao(def, loc);
        combs.geraCombs(loc);
        preparaPasta(o.pasta);
        const auto progresso = [&err, &loc](std::int32_t feitas, std::int32_t total) {
            err << "vespra-cli: combinação " << formatGeneral(feitas, loc) << " de "
                << formatGeneral(total, loc) << "\n";
            return true;
        };
        ExportaPlanilhaESimulacoes(combs, o.pasta, loc, progresso,
                                   o.tarefas > 0 ? o.tarefas : tarefasPadrao());
        err.flush();
        return 0;
    } catch (const std::exception& e) {
        err << "vespra-cli: " << e.what() << "\n";
        return 1;
    }
}
