#include "scenarios/result_rows.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "common/numtext.h"
#include "common/platform.h"
#include "common/sheet_cell.h"
#include "common/textfile.h"
#include "common/textfile_batch.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/sim_file.h"
#include "scenarios/batch_tasks.h"
#include "scenarios/scenario_errors.h"

const std::array<const char*, kColunasResultado> kCabecalhosResultado = {
    "Simulação",
    "Dados de precipitação",
    "Descarte precipitação",
    "Área de captação",
    "Demanda de água potável",
    "Número de habitantes",
    "Percentual de substituição",
    "Coeficiente de escoamento superficial",
    "Reservatório superior",
    "Reservatório inferior",
    "Potencial de economia de água potável"};

namespace {

// A vector read after the run: a constant shows its value, anything else "Variável".
std::string textoVetor(const doubleArray& v, const LocaleSettings& loc) {
    return v.size() == 1 ? VectorToString(v, loc) : "Variável";
}

// The member holding the ideal volume, or none.
const TCaptAgua* membroIdeal(const TCaptAguaInterval& sim) {
    if (sim.indVolOtimo < 0 || static_cast<std::size_t>(sim.indVolOtimo) >= sim.vecCaptAgua.size())
        return nullptr;
    return sim.vecCaptAgua[static_cast<std::size_t>(sim.indVolOtimo)].get();
}

}  // namespace

std::string NomeSemPasta(const std::string& caminho) {
    const std::size_t barra = caminho.find_last_of("/\\");
    return barra == std::string::npos ? caminho : caminho.substr(barra + 1);
}

LinhaResultado LinhaDaSimulacao(const TCaptAguaInterval& sim, std::int32_t indVec,
                                const LocaleSettings& loc) {
    const TCaptAgua& Q = sim.base();
    LinhaResultado r;
    r.numero = indVec + 1;
    r.dblDescartPrec = Q.dblDescartPrec;
    r.dblAreaCapt = Q.dblAreaCapt;
    r.dblPorcSubs = Q.dblPorcSubs * 100;
    r.dblCoefAprov = Q.dblCoefAprov;
    auto& t = r.textos;
    t[0] = formatGeneral(r.numero, loc);
    t[1] = NomeSemPasta(Q.strArqPrec);
    t[2] = formatGeneral(Q.dblDescartPrec, loc);
    t[3] = formatGeneral(Q.dblAreaCapt, loc);
    t[4] = textoVetor(Q.vecDemAguaPot, loc);
    t[5] = textoVetor(Q.vecNroMor, loc);
    t[6] = formatGeneral(r.dblPorcSubs, loc);
    t[7] = formatGeneral(Q.dblCoefAprov, loc);
    if (Q.dblResSup > 0) {
        r.dblResSup = Q.dblResSup;
        r.dblResSupPorcRec = Q.dblResSupMinRec * 100 / Q.dblResSup;
        t[8] = formatGeneral(r.dblResSup, loc) + " | " + formatGeneral(r.dblResSupPorcRec, loc) + "%";
    } else {
        t[8] = "0 | 0%";
    }
    r.volumeFixo = sim.interval == 0;
    if (r.volumeFixo) {
        r.dblResInf = Q.dblResInf;
        r.dblEconPot = Q.dblEconPot;
        t[9] = "Fixo: " + formatGeneral(Q.dblResInf, loc);
        t[10] = formatNumber(Q.dblEconPot, 4, 2, loc);
    } else if (const TCaptAgua* ideal = membroIdeal(sim)) {
        r.volumeIdealEncontrado = true;
        r.dblResInf = ideal->dblResInf;
        r.dblEconPot = ideal->dblEconPot;
        t[9] = "Vol ideal: " + formatGeneral(ideal->dblResInf, loc);
        t[10] = formatNumber(ideal->dblEconPot, 4, 2, loc);
    } else {
        t[9] = "Vol ideal: não encontrado";
        t[10] = "0";
    }
    return r;
}

LinhaResultado printResultGrid(const TCombs& combs, std::int32_t indVec, const LocaleSettings& loc) {
    if (!combs.captAguaInterv) throw ScenarioError("Nenhuma combinação foi simulada.");
    return LinhaDaSimulacao(*combs.captAguaInterv, indVec, loc);
}

std::string CabecalhoPlanilha() {
    std::string cab;
    for (const char* c : kCabecalhosResultado) cab += std::string(c) + ";";
    // A caption broken over two lines in the grid is one field in the sheet.
    std::erase(cab, '\r');
    std::erase(cab, '\n');
    return cab;
}

std::string LinhaPlanilha(const LinhaResultado& l) {
    std::string s;
    // A precipitation file named "=1+1.txt" is a text cell, never a formula.
    for (int c = 0; c < kColunasResultado - 1; ++c)
        s += sheetCell(l.textos[static_cast<std::size_t>(c)]) + ";";
    s += sheetCell(l.textos[kColunasResultado - 1]);
    return s;
}

std::vector<std::string> LinhasPlanilha(const std::vector<LinhaResultado>& linhas) {
    std::vector<std::string> out;
    out.reserve(linhas.size() + 1);
    out.push_back(CabecalhoPlanilha());
    for (const auto& l : linhas) out.push_back(LinhaPlanilha(l));
    return out;
}

void SalvarPlanilha(const std::string& path, const std::vector<LinhaResultado>& linhas) {
    writeTextLines(path, LinhasPlanilha(linhas));
}

void SimulaCenarios(const TCombs& combs, const LocaleSettings& loc, std::vector<LinhaResultado>& linhas,
                    const ProgressoCenarios& progresso, int tarefas) {
    const std::int32_t n = combs.numCombinacoes();
    std::vector<LinhaResultado> feitas(static_cast<std::size_t>(n));
    ParaCadaCombinacao(
        n, tarefas,
        [&](std::int32_t k) {
            feitas[static_cast<std::size_t>(k)] = LinhaDaSimulacao(*combs.simulaComb(k), k, loc);
        },
        progresso,
        [&](std::int32_t prontas) {
            linhas.insert(linhas.end(), std::make_move_iterator(feitas.begin()),
                          std::make_move_iterator(feitas.begin() + prontas));
        });
}

std::string MensagemParada(std::int32_t indVec, std::string_view causa, const LocaleSettings& loc) {
    return "A simulação de cenários parou na simulação " +
           formatGeneral(static_cast<double>(indVec) + 1, loc) + ": " + std::string(causa);
}

std::shared_ptr<TCaptAguaInterval> SimulaCombinacao(const TCombs& combs, std::int32_t indVec,
                                                    const LocaleSettings& loc) {
    try {
        return combs.simulaComb(indVec);
    } catch (const std::exception& e) {
        throw ScenarioError(MensagemParada(indVec, e.what(), loc));
    }
}

std::string NomeArquivoSimulacao(std::int32_t indVec) {
    return std::to_string(static_cast<std::int64_t>(indVec) + 1) + ".csv";
}

namespace {

// The series texts of one export, by the series' bits: the combinations of a record and its
// discard share one (most of each file), made once instead of once per combination.
class TextosDasSeries {
  public:
    std::shared_ptr<const std::string> de(const TCaptAgua& p, const LocaleSettings& loc) {
        // After the run the set holds its series; only a set not run makes it.
        doubleArray feita;
        const doubleArray& serie =
            p.vecDadosPrec.size() == p.vecDadosPrecOrig.size() ? p.vecDadosPrec : (feita = savedSeries(p));
        const auto mesma = [&](const doubleArray& v) {
            return v.size() == serie.size() &&
                   std::memcmp(v.data(), serie.data(), v.size() * sizeof(double)) == 0;
        };
        const std::lock_guard<std::mutex> guarda(trava_);
        for (const auto& [v, texto] : feitos_) {
            if (mesma(v)) return texto;
        }
        auto texto = std::make_shared<const std::string>(seriesFileBytes(serie, loc));
        // A study of many records keeps the first few; the others are made each time.
        if (feitos_.size() < kGuardados) feitos_.emplace_back(serie, texto);
        return texto;
    }

  private:
    static constexpr std::size_t kGuardados = 16;
    std::mutex trava_;
    std::vector<std::pair<doubleArray, std::shared_ptr<const std::string>>> feitos_;
};

// Combination k's file written into the batch; its sheet line.
std::string GravaSimulacao(const TCombs& combs, std::int32_t indVec, FileBatch& lote, TextosDasSeries& series,
                           const LocaleSettings& loc) {
    const auto sim = SimulaCombinacao(combs, indVec, loc);
    const auto serie = series.de(sim->base(), loc);
    lote.write(NomeArquivoSimulacao(indVec), simFileBytes(*sim, {}, loc, serie.get()));
    return LinhaPlanilha(LinhaDaSimulacao(*sim, indVec, loc));
}

}  // namespace

std::vector<std::string> NomesArquivosSimulacao(std::int32_t inicio, std::int32_t fim) {
    std::vector<std::string> nomes;
    for (std::int32_t k = inicio; k < fim; ++k) nomes.push_back(NomeArquivoSimulacao(k));
    return nomes;
}

std::int32_t ExportaSimulacoes(const TCombs& combs, FileBatch& lote, const LocaleSettings& loc,
                               std::int32_t inicio, std::int32_t fim,
                               std::vector<std::string>& linhasPlanilha, std::size_t primeira,
                               const ProgressoCenarios& progresso, int tarefas) {
    const std::int32_t n = std::max<std::int32_t>(fim - inicio, 0);
    linhasPlanilha.resize(primeira + static_cast<std::size_t>(n));
    TextosDasSeries series;
    return ParaCadaCombinacao(n, tarefas,
                              [&](std::int32_t i) {
                                  linhasPlanilha[primeira + static_cast<std::size_t>(i)] =
                                      GravaSimulacao(combs, inicio + i, lote, series, loc);
                              },
                              progresso, {});
}

std::int32_t ExportaPlanilhaESimulacoes(const TCombs& combs, const std::string& pasta,
                                        const LocaleSettings& loc, const ProgressoCenarios& progresso,
                                        int tarefas, std::int32_t quantas) {
    const std::int32_t n = quantas >= 0 ? std::min(quantas, combs.numCombinacoes()) : combs.numCombinacoes();
    FileBatch lote(pasta);
    // The sheet's lines only, the header first: a row's line is all the sheet needs of it.
    std::vector<std::string> linhas;
    const std::int32_t prontas = ExportaSimulacoes(combs, lote, loc, 0, n, linhas, 1, progresso, tarefas);
    std::vector<std::string> nomes = NomesArquivosSimulacao(0, prontas);
    if (prontas == n) {
        linhas[0] = CabecalhoPlanilha();
        lote.writeLines("Planilha.csv", linhas);
        nomes.emplace_back("Planilha.csv");
    }
    lote.commit(nomes);
    return static_cast<std::int32_t>(nomes.size());
}
