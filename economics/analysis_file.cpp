#include "economics/analysis_file.h"

#include "economics/costs.h"
#include "economics/file_section.h"
#include "economics/tables.h"
#include "engine/capt_agua.h"
#include "engine/upper_reservoir.h"

bool UsaReservatorioSuperior(const TCaptAgua& sim) {
    return usesUpperReservoir(upperReservoirMode(sim), sim.dblResSup);
}

std::optional<std::size_t> LinhaMarcadorAnalise(const std::vector<std::string>& lines) {
    // The last one: an observation line typed as the marker comes before the section, and no
    // line the program writes after the marker equals it.
    for (std::size_t i = lines.size(); i-- > 0;) {
        if (lines[i] == kMarcadorAnalise) return i;
    }
    return std::nullopt;
}

TAnaliseArquivo CalculaAnaliseArquivo(const std::vector<std::string>& lines, std::size_t inicio,
                                      const TCaptAgua& base, const LocaleSettings& loc) {
    TAnaliseArquivo a;
    a.usaResSup = UsaReservatorioSuperior(base);
    a.dados = LeSecaoAnalise(lines, inicio, a.usaResSup, loc, a.avisos);
    // The loader presses the pump window's "Concluir": empty energy taxes become "0".
    if (a.usaResSup) ConcluiMotobomba(a.dados.motobomba);
    a.simAnalise = SimulaCaptAgua(base, a.dados.analise.strVolume, loc);
    a.resultado = Calcular(a.dados, a.usaResSup, *a.simAnalise, loc);
    return a;
}

std::vector<std::string> LinhasExportacaoAnalise(const TAnaliseArquivo& a, bool detalhada,
                                                 const LocaleSettings& loc) {
    const TResultadoAnalise& r = a.resultado;
    TExportacao e;
    e.estimativas = TabelaEstimativas(*a.simAnalise, r.contas, loc);
    e.linhasFaixas = a.dados.tarifas.vecLinhasFaixas;
    e.analise = a.dados.analise;
    e.intTempoRetorno = r.intTempoRetorno;
    e.curVPL = r.curVPL;
    e.dblTIR = r.dblTIR;
    const int mesIn = a.dados.analise.indMesIn;
    e.tabela = detalhada ? TabelaDetalhada(r.vecPeriodos, mesIn, loc)
                         : TabelaSimplificada(r.vecEconomias, r.vecCustos, mesIn, loc);
    return LinhasExportacao(e, loc);
}
