#include "cli/cli_app.h"

#include <ostream>

#include "cli/commands.h"
#include "cli/options.h"
#include "common/version.h"

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

const char* const kUsageMethods =
    "Uso: vespra-cli methods ARQUIVO [--locale NOME] [--json] [--dry-months T]\n"
    "                        [--interception MM] [--confidence PCT]\n"
    "\n"
    "Compara os métodos de dimensionamento do Anexo A da NBR 15527:2007 (Rippl diário e\n"
    "mensal, Azevedo Neto, prático alemão, inglês e australiano) com a simulação diária:\n"
    "carrega o arquivo de simulação, calcula o volume de cada método sobre a série de\n"
    "precipitação dele e simula cada volume com todos os outros dados do arquivo.\n"
    "Saída (UTF-8): P (mm/ano), T (meses secos) e a tabela Método; Volume (litros);\n"
    "Potencial de economia (%); Atende completamente (%); Parcialmente (%); Não atende (%),\n"
    "com o motivo no lugar do volume de um método que não se aplica.\n"
    "\n"
    "  --json               um objeto JSON: P_anual, meses_secos e metodos (metodo, volume,\n"
    "                       motivo: null, \"demanda\", \"meses\" ou \"confianca\", e os resultados\n"
    "                       dblEconPot, dblPorcAtendTotal, dblPorcAtendParc, dblPorcNaoAtend)\n"
    "  --dry-months T       meses secos de Azevedo Neto, inteiro de 0 a 12 (padrão: contados\n"
    "                       no ano médio)\n"
    "  --interception MM    interceptação do método australiano em mm (padrão: 2)\n"
    "  --confidence PCT     confiança do método australiano em % (padrão: 90)\n"
    "  --locale NOME        locale dos números e datas do arquivo e da saída.\n"
    "Os números das opções aceitam vírgula ou ponto como separador decimal.\n";

const char* const kUsageFailure =
    "\nUma falha é uma linha na saída de erros e um código de saída diferente de zero.\n";

const char* const kUsageScenarios =
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

// The command named first, given the arguments after its name.
int runNamedCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        throw UsageError{
            "falta o comando (use: vespra-cli run ARQUIVO, costs ARQUIVO ou scenarios DEF --out PASTA)."};
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "run") return runCommand(rest, out, err);
    if (args[0] == "costs") return costsCommand(rest, out, err);
    if (args[0] == "scenarios") return scenariosCommand(rest, out, err);
    if (args[0] == "methods") return methodsCommand(rest, out, err);
    throw UsageError{"comando desconhecido '" + args[0] + "' (use: run, costs, scenarios ou methods)."};
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // Help and version win wherever they stand, even as another option's value.
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            // The methods command's own help; every other asks for the whole help.
            if (args.front() == "methods") {
                out << kUsageMethods << kUsageFailure;
                return 0;
            }
            out << kUsage << kUsageScenarios << "\n" << kUsageMethods << kUsageFailure;
            return 0;
        }
        if (a == "--version") {
            out << "vespra-cli (" << programVersionText() << ")\n";
            return 0;
        }
    }
    try {
        return runNamedCommand(args, out, err);
    } catch (const UsageError& e) {
        return reportUsageError(e, err);
    }
}
