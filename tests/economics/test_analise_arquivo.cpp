// A saved simulation with its economic section, opened again: the analysis recomputed from
// the file gives the figures of the analysis that was saved.

#include <gtest/gtest.h>

#include "common/textfile.h"
#include "economics/core/analise_arquivo.h"
#include "economics/core/secao_arquivo.h"
#include "economics/core/tabelas.h"
#include "tests/economics/economia_casos.h"
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
        const TFaixaLida f = leFaixa(tipo, v1, v2, dec(custo), fixo, loc);
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
        EXPECT_EQ(a.resultado.nroPeriodos, 24);
        EXPECT_EQ(a.resultado.vecEconomias, r.vecEconomias);
        EXPECT_EQ(a.resultado.vecCustos, r.vecCustos);
        EXPECT_EQ(a.resultado.curVPL, r.curVPL);
        EXPECT_EQ(a.resultado.intTempoRetorno, r.intTempoRetorno);
        EXPECT_EQ(a.resultado.dblTIR, r.dblTIR);

        // The export after the load carries the bands as the loader rebuilt them.
        const auto exp = LinhasExportacaoAnalise(a, false, loc);
        EXPECT_EQ(exp[17], d.tarifas.vecLinhasFaixas[0]);
        // Installed in October: month 23 is September.
        EXPECT_EQ(exp.back(),
                  "23 (Setembro) ;" + Fixo2(r.vecEconomias[23], loc) + ";" + Fixo2(r.vecCustos[23], loc));
        EXPECT_EQ(exp.size(), 14u + 1 + 1 + 1 + 3 + 1 + 4 + 1 + 1 + 3 + 1 + 25);
    }
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
