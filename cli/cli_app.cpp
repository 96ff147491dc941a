#include "cli/cli_app.h"

#include <ostream>
#include <utility>

#include "cli/commands.h"
#include "cli/interrupts.h"
#include "cli/options.h"
#include "common/version.h"

namespace {

const char* const kUsage =
    "Uso: vespra-cli run ARQUIVO [--locale NOME] [--json | --monthly] [--jobs N]\n"
    "     vespra-cli costs ARQUIVO [--detailed] [--out CAMINHO] [--locale NOME] [--jobs N]\n"
    "     vespra-cli import FONTE --out REGISTRO [--format auto|inmet|ana|ghcn|noaa|csv]\n"
    "                       [--gaps refuse|zero|longest] [--units mm|in] [--json] [--locale NOME]\n"
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
    "  --jobs N        simula os volumes de uma faixa em até N núcleos (padrão: os núcleos que\n"
    "                  o processo pode usar); os resultados são os mesmos para qualquer N.\n"
    "  --help          mostra esta ajuda.\n"
    "  --version       mostra a versão do programa.\n"
    "\n";

const char* const kUsageImport =
    "Uso: vespra-cli import FONTE --out REGISTRO [--format auto|inmet|ana|ghcn|noaa|csv]\n"
    "                       [--gaps refuse|zero|longest] [--units mm|in] [--json] [--locale NOME]\n"
    "\n"
    "Lê o arquivo de chuva diária de uma estação meteorológica e grava REGISTRO como um arquivo\n"
    "de dados de precipitação do programa: um valor por linha, sem datas, CR LF, a marca decimal\n"
    "do locale, cada valor como foi lido. A data do primeiro dia gravado é a \"Data inicial\" do\n"
    "registro. Um dia listado sem valor, um dia que falta, um valor negativo ou marcado como\n"
    "suspeito é uma lacuna; uma data repetida com o mesmo valor conta uma vez.\n"
    "\n"
    "  --out REGISTRO  o arquivo de precipitação gravado.\n"
    "  --format F      o formato da fonte (padrão: auto, reconhecido pelo conteúdo):\n"
    "                    inmet  CSV diário do BDMEP (coluna \"PRECIPITACAO TOTAL, DIARIO\")\n"
    "                    ana    CSV \"Chuvas\" do HidroWeb (nível 2 no lugar do nível 1)\n"
    "                    ghcn   arquivo .dly do GHCN-Daily (PRCP em décimos de mm)\n"
    "                    noaa   CSV de resumos diários da NOAA (colunas \"DATE\" e \"PRCP\")\n"
    "                    csv    CSV com uma coluna de datas e uma de chuva\n"
    "  --gaps P        o que fazer com as lacunas: refuse (padrão: nada é gravado), zero (gravadas\n"
    "                  como 0 mm) ou longest (o trecho mais longo sem lacunas).\n"
    "  --units U       mm (padrão) ou in: polegadas, multiplicadas por 25,4 (NOAA e CSV).\n"
    "  --json          o relatório como um objeto JSON (formato, estacao, inicio, fim, dias,\n"
    "                  faltantes, lacunas, preenchidos, duplicados).\n"
    "  --locale NOME   locale da marca decimal do registro e das datas do relatório.\n"
    "Uma recusa é uma linha na saída de erros, o código de saída 1 e nada gravado.\n";

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
    "Uso: vespra-cli scenarios DEF --out PASTA [--locale NOME] [--jobs N] [--shard K/N | --merge]\n"
    "\n"
    "Simula todas as combinações de um conjunto de cenários e grava em PASTA o que\n"
    "\"Exportar planilha e simulações\" grava: Planilha.csv e 1.csv … N.csv.\n"
    "DEF é um arquivo de texto de exatamente 8 linhas, as listas de valores das linhas 1 a 8\n"
    "da tabela de cenários (o que \"Salvar cenários\" grava); um arquivo de precipitação com\n"
    "caminho relativo é procurado na pasta de DEF. O progresso sai na saída de erros.\n"
    "\n"
    "  --out PASTA     pasta dos arquivos gravados (criada se não existir).\n"
    "  --locale NOME   locale dos números e datas de DEF e dos arquivos gravados.\n"
    "  --jobs N        simula N combinações ao mesmo tempo (padrão: os núcleos que o processo\n"
    "                  pode usar, os que um escalonador lhe dá);\n"
    "                  os arquivos são os mesmos para qualquer N.\n"
    "  --shard K/N     simula só a K-ésima de N partes seguidas das combinações (1 ≤ K ≤ N):\n"
    "                  grava os arquivos delas com os números do estudo inteiro e a parte da\n"
    "                  planilha Planilha.parte-K-de-N.csv, nunca Planilha.csv. As partes rodam\n"
    "                  em qualquer ordem, ao mesmo tempo ou em outras máquinas.\n"
    "  --merge         confere que PASTA tem todas as partes de um mesmo N feitas com esta DEF,\n"
    "                  grava Planilha.csv (igual à de uma execução única) e apaga as partes;\n"
    "                  uma parte de outra DEF ou de outro N, ou uma parte que falta, é um erro\n"
    "                  e nada é gravado nem apagado.\n"
    "Ctrl-C ou SIGTERM param na próxima combinação, sem deixar arquivos temporários, com uma\n"
    "linha que diz onde parou e o código de saída 130 (SIGINT) ou 143 (SIGTERM).\n";

// The command named first, given the arguments after its name.
int runNamedCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        throw UsageError{
            "falta o comando (use: vespra-cli run ARQUIVO, costs ARQUIVO, scenarios DEF --out PASTA ou "
            "import FONTE --out REGISTRO)."};
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "scenarios") return scenariosCommand(rest, out, err);
    using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);
    const std::pair<const char*, Command> kCommands[] = {
        {"run", runCommand}, {"costs", costsCommand}, {"import", importCommand}, {"methods", methodsCommand}};
    for (const auto& [name, command] : kCommands) {
        if (args[0] != name) continue;
        // Each writes one file at most: a signal ends it at once.
        const StopAtOnce stop(name);
        return command(rest, out, err);
    }
    throw UsageError{"comando desconhecido '" + args[0] +
                     "' (use: run, costs, scenarios, import ou methods)."};
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // Help and version win wherever they stand, even as another option's value; the help of
    // import alone after its name.
    for (const auto& a : args) {
        if ((a == "--help" || a == "-h") && args[0] == "import") {
            out << kUsageImport;
            return 0;
        }
        if (a == "--help" || a == "-h") {
            // The methods command's own help; every other asks for the whole help.
            if (args.front() == "methods") {
                out << kUsageMethods << kUsageFailure;
                return 0;
            }
            out << kUsage << kUsageScenarios << "\n"
                << kUsageImport << "\n"
                << kUsageMethods << kUsageFailure;
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
