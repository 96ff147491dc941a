#include "app/start_args.h"

namespace {

bool isOption(const std::string& a) {
    return a.size() > 1 && a[0] == '-';
}

StartArgs error(std::string message) {
    StartArgs r;
    r.kind = StartArgs::Kind::Error;
    r.message = "vespra: " + message + " Veja vespra --help.";
    return r;
}

}  // namespace

StartArgs parseStartArgs(const std::vector<std::string>& args, bool earlyOnly) {
    // --help and --version win wherever they stand, as in vespra-cli.
    for (const auto& a : args) {
        if (a == "--") break;
        if (a == "--help" || a == "-h") return {StartArgs::Kind::Help, {}, {}};
        if (a == "--version") return {StartArgs::Kind::Version, {}, {}};
    }
    if (earlyOnly) return {};
    StartArgs r;
    bool optionsEnded = false;
    for (const auto& a : args) {
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && isOption(a)) return error("opção desconhecida: " + a + ".");
        if (!r.file.empty())
            return error("abre-se um arquivo de simulação por vez; foram dados \"" + r.file + "\" e \"" + a +
                         "\".");
        if (a.empty()) return error("o nome do arquivo de simulação está vazio.");
        r.file = a;
    }
    return r;
}

const char* startUsage() {
    return "Uso: vespra [ARQUIVO]\n"
           "Dimensionamento de reservatórios de aproveitamento de água de chuva.\n"
           "\n"
           "  ARQUIVO      abre uma simulação salva pelo programa, como \"Carregar simulação\n"
           "               previamente salva\"; um nome que começa com '-' vem depois de --.\n"
           "  --help, -h   mostra esta ajuda.\n"
           "  --version    mostra a versão do programa.\n"
           "\n"
           "Para simular sem interface gráfica, use vespra-cli (veja vespra-cli --help).\n";
}
