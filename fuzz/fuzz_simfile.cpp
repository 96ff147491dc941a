// Simulation files with their economic section, as the program opens and saves them. The file
// is loaded (A) and run, saved as the program writes it to disk and reopened (B): every input
// the file holds must come back as its written text reads, and the section as it was written.
// B is then run, saved and reopened (C) and run: the second save must give the same bytes as
// the first, and C the same results as B, the economic analysis included. Byte 0: the locale
// (low bits); bit 7 also builds the texts shown after A's run (results block, monthly table,
// sweep sheet, costs and savings export), which are most of a run's time and so left out of
// half the runs; bit 6 picks the export's detailed view. The rest: the file's bytes.

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "common/numtext.h"
#include "common/textfile.h"
#include "economics/analysis_file.h"
#include "economics/costs.h"
#include "economics/economics_errors.h"
#include "economics/file_section.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/engine_error.h"
#include "engine/month_array.h"
#include "engine/monthly_table.h"
#include "engine/sim_file.h"
#include "engine/sweep_table.h"
#include "fuzz/fuzz_support.h"
#include "tests/support/result_fields.h"

namespace {

// Days of balance a run may take here (members × days of the series): enough for every
// sweep a small file describes, while a file asking for the program's largest sweep over a
// long series (bounded by the engine itself) is only loaded and saved, so that a run stays quick.
constexpr double kMaxDiasSimulados = 5000;
constexpr const char* kCaminho = "/fuzz/simulacao.csv";

bool runIsSmall(const TCaptAguaInterval& sim) {
    const double days = static_cast<double>(sim.base().vecDadosPrecOrig.size());
    double members = 1;
    if (sim.isSweep() && sim.interval > 0) members += std::max(0.0, std::floor(sim.volmax / sim.interval));
    return members * days <= kMaxDiasSimulados;
}

// The bytes writeTextLines puts on disk: each line in Windows-1252, ended by CR LF.
std::string savedBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += utf8ToCp1252(line) + "\r\n";
    return bytes;
}

// The lines saved to disk and opened again; a saved file that does not open is a finding.
LoadedSimulation reopen(const std::string& bytes, const LocaleSettings& loc) {
    try {
        return readSimulationLines(decodeTextLines(bytes), kCaminho, loc);
    } catch (const EngineError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        fuzz::broken("a saved simulation does not open again");
    }
}

// A number as the file holds it: its text in the general format, read back.
double asSaved(double v, const LocaleSettings& loc) {
    const std::optional<double> back = tryReadNumber(formatGeneral(v, loc), loc);
    fuzz::require(back.has_value(), "a number written to the file reads back");
    return *back;
}

bool sameAsSaved(const doubleArray& reopened, const doubleArray& saved, const LocaleSettings& loc) {
    if (reopened.size() != saved.size()) return false;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (reopened[i] != asSaved(saved[i], loc)) return false;
    }
    return true;
}

// Every input the file holds, from the set saved (a) and the set reopened (b): the numbers as
// their texts read, the rest alike.
void inputsKept(const TCaptAguaInterval& sa, const TCaptAguaInterval& sb, const LocaleSettings& loc) {
    const TCaptAgua& a = sa.base();
    const TCaptAgua& b = sb.base();
    // The file holds the series after the first-flush discard.
    TCaptAgua discarded;
    discarded.vecDadosPrecOrig = a.vecDadosPrecOrig;
    discarded.dblDescartPrec = a.dblDescartPrec;
    discarded.descartPrec();
    fuzz::require(sameAsSaved(b.vecDadosPrecOrig, discarded.vecDadosPrec, loc),
                  "the precipitation series kept");
    fuzz::require(b.dblDescartPrec == asSaved(a.dblDescartPrec, loc), "the first-flush discard kept");
    fuzz::require(b.dateDadosPrec == a.dateDadosPrec, "the start date kept");
    fuzz::require(b.dblAreaCapt == asSaved(a.dblAreaCapt, loc), "the catchment area kept");
    fuzz::require(b.boolDemAguaPotMensal == a.boolDemAguaPotMensal, "the demand's periodicity kept");
    fuzz::require(a.boolDemAguaPotMensal ? sameAsSaved(b.vecDemAguaPotMensal, a.vecDemAguaPotMensal, loc)
                                         : sameAsSaved(b.vecDemAguaPot, a.vecDemAguaPot, loc),
                  "the demand kept");
    fuzz::require(b.boolNroMorMensal == a.boolNroMorMensal, "the occupants' periodicity kept");
    fuzz::require(a.boolNroMorMensal ? sameAsSaved(b.vecNroMorMensal, a.vecNroMorMensal, loc)
                                     : sameAsSaved(b.vecNroMor, a.vecNroMor, loc),
                  "the occupants kept");
    fuzz::require(b.dblPorcSubs == asSaved(a.dblPorcSubs, loc), "the substitution share kept");
    fuzz::require(b.dblCoefAprov == asSaved(a.dblCoefAprov, loc), "the runoff coefficient kept");
    fuzz::require(b.dblResSup == asSaved(a.dblResSup, loc), "the upper reservoir kept");
    fuzz::require(b.flagResSupDem == a.flagResSupDem, "the upper reservoir's sizing from the demand kept");
    fuzz::require(b.dblResSupMinRec == asSaved(a.dblResSupMinRec, loc), "the pumping threshold kept");
    // Texts go to disk in Windows-1252: a character it lacks is written as "?".
    const TObsList noObs;
    const TObsList& obsA = a.strObs ? *a.strObs : noObs;
    const TObsList& obsB = b.strObs ? *b.strObs : noObs;
    fuzz::require(obsB.size() == obsA.size(), "the observation lines kept");
    for (std::size_t k = 0; k < obsA.size(); ++k)
        fuzz::require(obsB[k] == cp1252ToUtf8(utf8ToCp1252(obsA[k])), "each observation line kept");
    // The file tells a sweep by its members: a set of one member (not run yet, or a sweep
    // whose maximum is below its step) is saved as the single volume of that member.
    const bool sweep = sa.vecCaptAgua.size() > 1;
    fuzz::require(sb.isSweep() == sweep, "a sweep stays a sweep");
    if (sweep) {
        fuzz::require(sb.volmax == asSaved(sa.volmax, loc), "the sweep's maximum volume kept");
        fuzz::require(sb.interval == asSaved(sa.interval, loc), "the sweep's step kept");
        fuzz::require(sb.delta == asSaved(sa.delta, loc), "the sweep's ideal-volume criterion kept");
    } else {
        fuzz::require(b.dblResInf == asSaved(a.dblResInf, loc), "the lower reservoir kept");
    }
}

// The economic section as the program holds it after loading the file: read for the loaded
// simulation and the pump window's "Concluir" pressed. Nothing when the file has none or it
// does not read.
std::optional<TDadosAnalise> sectionRead(const LoadedSimulation& loaded, const LocaleSettings& loc) {
    const auto marker = LinhaMarcadorAnalise(loaded.lines);
    if (!marker) return std::nullopt;
    const bool usaResSup = UsaReservatorioSuperior(loaded.sim->base());
    TDadosAnalise dados;
    std::vector<std::string> avisos;  // bands refused and left out, as the windows tell them
    try {
        dados = LeSecaoAnalise(loaded.lines, *marker + 1, usaResSup, loc, avisos);
    } catch (const SecaoAnaliseError&) {
        return std::nullopt;  // a malformed section: the user is told which line
    }
    if (usaResSup) ConcluiMotobomba(dados.motobomba);
    return dados;
}

// The section's lines as the program saves them; throws SecaoAnaliseError when a text cannot
// be written.
std::vector<std::string> sectionAsSaved(const LoadedSimulation& loaded, const LocaleSettings& loc) {
    const auto dados = sectionRead(loaded, loc);
    if (!dados) return {};
    return LinhasSecaoAnalise(*dados, UsaReservatorioSuperior(loaded.sim->base()), loc);
}

// What the section's fields hold once saved and reopened (b) against what was saved (a): texts
// as Windows-1252 keeps them, numbers written in the general format as the same texts.
void sectionKept(const TDadosAnalise& a, const TDadosAnalise& b, bool usaResSup, const LocaleSettings& loc) {
    const auto text = [](const std::string& s) { return cp1252ToUtf8(utf8ToCp1252(s)); };
    const auto number = [&loc](double x, double y) { return formatGeneral(x, loc) == formatGeneral(y, loc); };
    const auto same = [&](const std::string& x, const std::string& y, const char* what) {
        fuzz::require(y == text(x), what);
    };
    same(a.analise.strVolume, b.analise.strVolume, "the analysed volume kept");
    same(a.analise.strInflacao, b.analise.strInflacao, "the inflation kept");
    same(a.analise.strPeriodoAumento, b.analise.strPeriodoAumento, "the tariff adjustment period kept");
    same(a.analise.strPeriodoAnalise, b.analise.strPeriodoAnalise, "the analysis period kept");
    same(a.analise.strTMA, b.analise.strTMA, "the minimum attractive rate kept");
    fuzz::require(a.analise.indMesIn == b.analise.indMesIn, "the installation month kept");
    const TTarifas& ta = a.tarifas.vecTarifas;
    const TTarifas& tb = b.tarifas.vecTarifas;
    fuzz::require(ta.size() == tb.size(), "the tariff bands kept");
    for (std::size_t i = 0; i < ta.size(); ++i) {
        fuzz::require(number(ta[i].De, tb[i].De) && number(ta[i].Ate, tb[i].Ate) &&
                          number(ta[i].Valor, tb[i].Valor) && ta[i].Fixo == tb[i].Fixo,
                      "each tariff band kept");
    }
    // A sewer value without a kind chosen is billed and saved as "Variável"; with neither, no
    // sewer line is saved.
    const bool semTipo = a.tarifas.tipoEsgoto == TipoEsgoto::Nenhum;
    const bool semValor = semTipo && a.tarifas.strTarEsgoto.empty();
    const TipoEsgoto tipoSalvo = semTipo && !semValor ? TipoEsgoto::Variavel : a.tarifas.tipoEsgoto;
    fuzz::require(b.tarifas.tipoEsgoto == tipoSalvo, "the sewer tariff's kind kept");
    if (!semValor) same(a.tarifas.strTarEsgoto, b.tarifas.strTarEsgoto, "the sewer tariff kept");
    same(a.tarifas.strImpFixo, b.tarifas.strImpFixo, "the water's fixed tax kept");
    same(a.tarifas.strImpVar, b.tarifas.strImpVar, "the water's variable tax kept");
    same(a.iniciais.strCustoInf, b.iniciais.strCustoInf, "the lower reservoir's cost kept");
    same(a.iniciais.strCustoSup, b.iniciais.strCustoSup, "the upper reservoir's cost kept");
    same(a.iniciais.strCustoMaoObra, b.iniciais.strCustoMaoObra, "the labour cost kept");
    same(a.iniciais.strCustoTubulacoes, b.iniciais.strCustoTubulacoes, "the piping cost kept");
    same(a.iniciais.strCustoAcessorios, b.iniciais.strCustoAcessorios, "the fittings' cost kept");
    if (usaResSup) {
        const TCamposMotobomba& ma = a.motobomba;
        const TCamposMotobomba& mb = b.motobomba;
        fuzz::require(ma.boolReserva == mb.boolReserva, "the spare pump kept");
        same(ma.strPotencia, mb.strPotencia, "the pump's power kept");
        fuzz::require(ma.indPotUnid == mb.indPotUnid, "the pump's power unit kept");
        same(ma.strRendimento, mb.strRendimento, "the pump's efficiency kept");
        same(ma.strVazao, mb.strVazao, "the pump's flow kept");
        same(ma.strTempoPartida, mb.strTempoPartida, "the pump's start time kept");
        same(ma.strCusto, mb.strCusto, "the pump's cost kept");
        same(ma.strTarifaEn, mb.strTarifaEn, "the electricity tariff kept");
        same(ma.strImpFixo, mb.strImpFixo, "the electricity's fixed tax kept");
        same(ma.strImpVar, mb.strImpVar, "the electricity's variable tax kept");
    }
    fuzz::require(a.vecManutencao.size() == b.vecManutencao.size(), "the operating cost items kept");
    for (std::size_t i = 0; i < a.vecManutencao.size(); ++i) {
        const TManutencao& x = a.vecManutencao[i];
        const TManutencao& y = b.vecManutencao[i];
        fuzz::require(x.Cod == y.Cod && y.Nome == text(x.Nome) && x.Periodo == y.Periodo &&
                          number(x.CoefLinear, y.CoefLinear) && number(x.CoefAngular, y.CoefAngular),
                      "each operating cost item kept");
    }
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool sameBits(const MonthArray<double>& a, const MonthArray<double>& b) {
    for (int m = 1; m <= 12; ++m) {
        if (!sameBits(a[m], b[m])) return false;
    }
    return true;
}

bool sameBits(const MonthArray<std::int32_t>& a, const MonthArray<std::int32_t>& b) {
    return a == b;
}

// Every result of a run, bit for bit (a result that is not a number included), of the member
// at the same volume.
bool sameResults(const TCaptAgua& a, const TCaptAgua& b) {
    const auto bits = [](const auto& x, const auto& y) { return sameBits(x, y); };
    return vespra_test::differingResults(a, b, bits).empty() && a.dblResInf == b.dblResInf;
}

bool runs(TCaptAguaInterval& sim) {
    try {
        runLoadedSimulation(sim);
        return true;
    } catch (const EngineError&) {
        return false;  // a file that cannot run: the user is told why
    }
}

// The analysis of a loaded and run file as the main window restores it: its export in the
// view asked, or nothing when the section is missing or "Calcular" refuses it.
std::optional<std::vector<std::string>> analysis(const LoadedSimulation& loaded, bool detalhada,
                                                 const LocaleSettings& loc) {
    const auto marker = LinhaMarcadorAnalise(loaded.lines);
    if (!marker) return std::nullopt;
    try {
        const TAnaliseArquivo a = CalculaAnaliseArquivo(loaded.lines, *marker + 1, loaded.sim->base(), loc);
        return LinhasExportacaoAnalise(a, detalhada, loc);
    } catch (const SecaoAnaliseError&) {
    } catch (const AnaliseError&) {
    } catch (const EngineError&) {
    }
    return std::nullopt;
}

// The file once reopened (b), run when small, saved and reopened (c): the same bytes when
// saved again, and when run the same results, the economic analysis's included.
void savesAlikeAgain(LoadedSimulation& b, bool small, bool detalhada, const LocaleSettings& loc) {
    const bool ranB = small && runs(*b.sim);
    const std::string first = savedBytes(b.sim->simLines(sectionAsSaved(b, loc), loc));
    LoadedSimulation c = reopen(first, loc);
    if (ranB) fuzz::require(runs(*c.sim), "a saved file runs as it ran");
    const std::string second = savedBytes(c.sim->simLines(sectionAsSaved(c, loc), loc));
    fuzz::require(second == first, "a file saved, reopened and saved again gives the same bytes");
    if (!ranB) return;
    fuzz::require(c.sim->vecCaptAgua.size() == b.sim->vecCaptAgua.size(),
                  "a saved file runs as many volumes");
    for (std::size_t i = 0; i < b.sim->vecCaptAgua.size(); ++i)
        fuzz::require(sameResults(*c.sim->vecCaptAgua[i], *b.sim->vecCaptAgua[i]),
                      "a saved file gives the same results");
    fuzz::require(c.sim->indVolOtimo == b.sim->indVolOtimo, "a saved file gives the same ideal volume");
    fuzz::require(analysis(c, detalhada, loc) == analysis(b, detalhada, loc),
                  "a saved file gives the same economic analysis");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const LocaleSettings loc = fuzz::localeOf(data[0] & 0x3F);
    const bool textos = (data[0] & 0x80) != 0;
    const bool detalhada = (data[0] & 0x40) != 0;
    LoadedSimulation a;
    try {
        a = readSimulationLines(decodeTextLines(fuzz::rest(data, size, 1)), kCaminho, loc);
    } catch (const EngineError&) {
        return 0;  // a malformed file: the user is told which line
    }
    // Run as the program runs a file it opens, when the run is small.
    const bool small = runIsSmall(*a.sim);
    if (small && runs(*a.sim) && textos) {
        (void)a.sim->resultLines(loc);
        (void)sweepTableCsv(buildSweepTable(*a.sim), loc);
        (void)buildMonthlyTable(a.sim->base(), loc);
    }
    std::vector<std::string> sectionA;
    try {
        sectionA = sectionAsSaved(a, loc);
    } catch (const SecaoAnaliseError&) {
        // A text that cannot be written: the save refuses it, and the file goes without it here.
    }
    if (textos) (void)analysis(a, detalhada, loc);
    LoadedSimulation b = reopen(savedBytes(a.sim->simLines(sectionA, loc)), loc);
    inputsKept(*a.sim, *b.sim, loc);
    // The section as written reads back and is written again alike.
    fuzz::require(UsaReservatorioSuperior(b.sim->base()) == UsaReservatorioSuperior(a.sim->base()),
                  "the upper reservoir's use kept");
    if (!sectionA.empty()) {
        const auto readA = sectionRead(a, loc);
        const auto readB = sectionRead(b, loc);
        fuzz::require(readB.has_value(), "a saved economic section reads back");
        sectionKept(*readA, *readB, UsaReservatorioSuperior(a.sim->base()), loc);
        try {
            fuzz::require(savedBytes(sectionAsSaved(b, loc)) == savedBytes(sectionA),
                          "the economic section saved again gives the same lines");
        } catch (const SecaoAnaliseError& e) {
            std::fprintf(stderr, "%s\n", e.what());
            fuzz::broken("a saved economic section cannot be saved again");
        }
    }
    savesAlikeAgain(b, small, detalhada, loc);
    return 0;
}
