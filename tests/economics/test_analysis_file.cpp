// A saved simulation with its economic section, opened again: the analysis recomputed from
// the file gives the figures of the analysis that was saved.

#include <gtest/gtest.h>

#include "common/textfile.h"
#include "economics/analysis_file.h"
#include "economics/file_section.h"
#include "economics/tables.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/sim_file.h"
#include "tests/economics/economics_cases.h"
#include "tests/support/systems.h"
#include "tests/support/temp_dir.h"

namespace {

TDadosAnalise analiseDigitada(const LocaleSettings& loc) {
    TDadosAnalise d;
    const char sep = loc.decimalSeparator;
    const auto dec = [sep](std::string s) {
        for (char& c : s) {
            if (c == ',') c = sep;
        }
        return s;
    };
    d.analise = {"4000", dec("0,4"), "12", "2", dec("0,7"), 9};
    for (const auto& [tipo, v1, v2, custo, fixo] :
         {std::tuple{TipoFaixa::AbaixoDe, "10", "", "30", true},
          std::tuple{TipoFaixa::Entre, "10", "20", "4,5", false},
          std::tuple{TipoFaixa::AcimaDe, "20", "", "7,25", false}}) {
        const TFaixaLida f = leFaixa(d.tarifas.vecTarifas, tipo, v1, v2, dec(custo), fixo, loc);
        d.tarifas.vecTarifas.push_back(f.faixa);
        d.tarifas.vecLinhasFaixas.push_back(f.strLinha);
    }
    d.tarifas.tipoEsgoto = TipoEsgoto::Variavel;
    d.tarifas.strTarEsgoto = "80";
    d.iniciais = {"1800", "600", "500", dec("250,4"), "90"};
    // Energy taxes left empty: the loader's "Concluir" turns them into 0.
    d.motobomba = {false, "1/2", 0, "55", "1200", "8", "420", dec("0,72"), "", ""};
    d.vecManutencao = {{0, "Limpeza e manutenção", 60, 0, 6}, {1, "Cloro", 1, 0.8, 1}};
    return d;
}

// The 24-month analysis opened from a file, figure for figure as computed where it was saved.
void expectSameResults(const TResultadoAnalise& aberto, const TResultadoAnalise& esperado) {
    EXPECT_EQ(aberto.nroPeriodos, 24);
    EXPECT_EQ(aberto.vecEconomias, esperado.vecEconomias);
    EXPECT_EQ(aberto.vecCustos, esperado.vecCustos);
    EXPECT_EQ(aberto.curVPL, esperado.curVPL);
    EXPECT_EQ(aberto.intTempoRetorno, esperado.intTempoRetorno);
    EXPECT_EQ(aberto.dblTIR, esperado.dblTIR);
}

TEST(AnaliseArquivo, SavedAndOpenedGivesTheSameFigures) {
    for (const LocaleSettings& loc : {LocaleSettings::ptBR(), LocaleSettings::enUS()}) {
        auto set = testsys::household(1200);
        set->base().dblResSup = 300;
        set->base().dblResSupMinRec = 100;
        const TDadosAnalise d = analiseDigitada(loc);
        TempDir dir;
        const std::string path = dir.file("sim.csv");
        set->saveSim(path, LinhasSecaoAnalise(d, true, loc), loc);

        TCaptAguaInterval aberta;
        aberta.loadSim(path, loc);
        const std::vector<std::string> lines = readTextLines(path);
        const auto marcador = LinhaMarcadorAnalise(lines);
        ASSERT_TRUE(marcador.has_value());
        const TAnaliseArquivo a = CalculaAnaliseArquivo(lines, *marcador + 1, aberta.base(), loc);
        EXPECT_TRUE(a.usaResSup);
        EXPECT_EQ(a.dados.motobomba.strImpFixo, "0");
        EXPECT_EQ(a.dados.motobomba.strImpVar, "0");
        // An accented name comes back through the file's 8-bit code page.
        EXPECT_EQ(a.dados.vecManutencao[0].Nome, "Limpeza e manutenção");

        // The same analysis computed on the simulation that was saved.
        TDadosAnalise esperado = d;
        ConcluiMotobomba(esperado.motobomba);
        const auto sim = SimulaCaptAgua(set->base(), "4000", loc);
        const TResultadoAnalise r = Calcular(esperado, true, *sim, loc);
        expectSameResults(a.resultado, r);

        // The export after the load carries the bands as the loader rebuilt them.
        const auto exp = LinhasExportacaoAnalise(a, false, loc);
        EXPECT_EQ(exp[17], d.tarifas.vecLinhasFaixas[0]);
        // Installed in October: month 23 is September.
        EXPECT_EQ(exp.back(),
                  "23 (Setembro) ;" + Fixo2(r.vecEconomias[23], loc) + ";" + Fixo2(r.vecCustos[23], loc));
        EXPECT_EQ(exp.size(), 14u + 1 + 1 + 1 + 3 + 1 + 4 + 1 + 1 + 3 + 1 + 25);
    }
}

// A file saved under one locale opens under the other: the same simulation (inputs, start date,
// record) and, from its economic section, the same analysis, figure for figure.
TEST(AnaliseArquivo, SavedUnderOneLocaleOpensUnderTheOther) {
    const LocaleSettings pt = LocaleSettings::ptBR(), en = LocaleSettings::enUS();
    for (const auto& [salvo, aberto] : {std::pair{pt, en}, std::pair{en, pt}}) {
        SCOPED_TRACE(std::string("decimal mark of the saving machine: ") + salvo.decimalSeparator);
        auto set = testsys::household(500);
        TCaptAgua& p = set->base();
        p.dateDadosPrec = *TDate::fromYMD(2013, 3, 25);  // a day that reads only in its own order
        p.dblResSup = 250.5;
        p.dblResSupMinRec = 100;
        p.dblCoefAprov = 0.85;
        p.dblDescartPrec = 1.5;
        const TDadosAnalise d = analiseDigitada(salvo);
        TempDir dir;
        const std::string path = dir.file("sim.csv");
        set->saveSim(path, LinhasSecaoAnalise(d, true, salvo), salvo);

        TCaptAguaInterval aberta, emCasa;
        aberta.loadSim(path, aberto);
        emCasa.loadSim(path, salvo);  // as the saving machine opens it
        const TCaptAgua& q = aberta.base();
        const TCaptAgua& c = emCasa.base();
        EXPECT_EQ(q.dateDadosPrec, p.dateDadosPrec);
        EXPECT_EQ(q.vecDadosPrecOrig, c.vecDadosPrecOrig);
        EXPECT_EQ(q.vecDadosPrec, c.vecDadosPrec);
        EXPECT_EQ(q.dblAreaCapt, p.dblAreaCapt);
        EXPECT_EQ(q.dblCoefAprov, 0.85);
        EXPECT_EQ(q.dblDescartPrec, 1.5);
        EXPECT_EQ(q.dblPorcSubs, p.dblPorcSubs);
        EXPECT_EQ(q.vecDemAguaPot, p.vecDemAguaPot);
        EXPECT_EQ(q.dblResSup, 250.5);
        EXPECT_EQ(q.dblResInf, p.dblResInf);
        EXPECT_EQ(aberta.simLines({}, salvo), emCasa.simLines({}, salvo));

        const std::vector<std::string> lines = readTextLines(path);
        const auto marcador = LinhaMarcadorAnalise(lines);
        ASSERT_TRUE(marcador.has_value());
        const TAnaliseArquivo a = CalculaAnaliseArquivo(lines, *marcador + 1, q, aberto);
        TDadosAnalise esperado = d;
        ConcluiMotobomba(esperado.motobomba);
        const TResultadoAnalise r = Calcular(esperado, true, *SimulaCaptAgua(p, "4000", salvo), salvo);
        expectSameResults(a.resultado, r);
        EXPECT_EQ(a.dados.vecManutencao[1].Nome, "Cloro");
    }
}

// An observation line that reads as the section's marker: the section saved after it is the
// one read back, and the observations stay as typed.
TEST(AnaliseArquivo, ObservationLineLikeTheMarker) {
    const LocaleSettings loc = LocaleSettings::ptBR();
    auto set = testsys::household(400);
    set->base().dblResSup = 300;
    set->base().strObs->assign({"Notas", kMarcadorAnalise, "Volume do reservatorio inferior;1"});
    const TDadosAnalise d = analiseDigitada(loc);
    TempDir dir;
    const std::string path = dir.file("sim.csv");
    set->saveSim(path, LinhasSecaoAnalise(d, true, loc), loc);

    const LoadedSimulation aberta = readSimulationFile(path, loc);
    EXPECT_EQ(*aberta.sim->base().strObs, *set->base().strObs);
    const auto marcador = LinhaMarcadorAnalise(aberta.lines);
    ASSERT_TRUE(marcador.has_value());
    const TAnaliseArquivo a = CalculaAnaliseArquivo(aberta.lines, *marcador + 1, aberta.sim->base(), loc);
    EXPECT_EQ(a.dados.analise.strVolume, "4000");
    EXPECT_EQ(a.dados.vecManutencao.size(), 2u);
}

TEST(AnaliseArquivo, FileWithoutSection) {
    auto set = testsys::household(100);
    const auto lines = set->simLines({}, LocaleSettings::ptBR());
    EXPECT_FALSE(LinhaMarcadorAnalise(lines).has_value());
    EXPECT_FALSE(UsaReservatorioSuperior(set->base()));
    set->base().flagResSupDem = true;
    EXPECT_TRUE(UsaReservatorioSuperior(set->base()));
}

}  // namespace
