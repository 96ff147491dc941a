#pragma once
// A scenario set: for each of the eight parameters the list of values the user gave, the
// table of every combination of them, the precipitation series of every file of the set, and
// the simulation of the combination simulated last. One combination becomes one ordinary
// simulation of the engine: a volume sweep, or one lower-reservoir volume.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/locale_settings.h"
#include "engine/capt_agua_interval.h"
#include "scenarios/value_lists.h"

// More combinations than this are a typing slip in the lists, not a study: the table alone
// would take gigabytes and the run days.
inline constexpr std::int64_t kMaxCombinacoes = 1000000;

class TCombs {
  public:
    dadosPrecRecordArray vecArqPrec;  // parameter 1: precipitation files
    doubleArray vecAreaCapt;          // parameter 2: catchment areas, m²
    doubleArrayArray vecDemPot;       // parameter 3: demand vectors, L/person/day
    doubleArrayArray vecNroMor;       // parameter 4: occupants vectors
    doubleArray vecPorcSubst;         // parameter 5: substitution, % (0 to 100)
    doubleArray vecCoefAprov;         // parameter 6: runoff coefficients
    resSupRecordArray vecResSup;      // parameter 7: upper reservoirs
    resInfRecordArray vecResInf;      // parameter 8: lower reservoirs
    doubleArrayArray matDadosPrec;    // the series of each entry of vecArqPrec, mm/day
    intArrayArray matCombs;           // one row per combination: the eight positions
    // The simulation of the combination simulated last, or none. Shared, so that a chart or
    // table window that was handed it keeps it after the set moves on.
    std::shared_ptr<TCaptAguaInterval> captAguaInterv;
    // The folder a relative precipitation path is found in (the definition file's folder);
    // empty: the working folder. The paths themselves stay as written.
    std::string strPastaBase;

    // The combination table from the eight lists, then the series of every file. Throws
    // ScenarioError when a list is empty or the lists give more than kMaxCombinacoes
    // combinations, FileError when a file cannot be read; the set then keeps its old table
    // and series.
    void geraCombs(const LocaleSettings& loc);
    // The combination table only, for a set whose series are already in matDadosPrec.
    void geraTabela();
    // The number of combinations alone, checked as geraCombs checks it, with no table kept:
    // each combination's positions are then worked out from its number (posicoes), so that a
    // batch over a block of a large study holds nothing per combination of the study. The
    // series are read apart (loadPrecFiles).
    void geraContagem();
    // Reads every precipitation file of vecArqPrec into matDadosPrec, each once; matDadosPrec
    // changes only when every file was read (FileError otherwise).
    void loadPrecFiles(const LocaleSettings& loc);

    // Builds and runs combination `ind` (from 0) and leaves it in captAguaInterv.
    void simulaCombIndiv(std::int32_t ind);
    // The same without touching the set: the combination's simulation, built and run. Safe to
    // call from several threads at once on one set.
    std::shared_ptr<TCaptAguaInterval> simulaComb(std::int32_t ind) const;

    std::int32_t numCombinacoes() const {
        return matCombs.empty() ? semTabela_ : static_cast<std::int32_t>(matCombs.size());
    }
    // The eight positions of combination `ind`: its row of the table, or, without a table
    // (geraContagem), the same positions worked out from the number.
    intArray posicoes(std::int32_t ind) const;
    // The path a precipitation file is read from: strPastaBase joined to a relative path.
    std::string caminhoLeitura(const std::string& strDadosPrec) const;
    // The lengths of the eight lists, in parameter order.
    std::array<std::size_t, kNumParametros> tamanhos() const;

  private:
    std::int32_t semTabela_ = 0;  // the number of combinations counted by geraContagem
};

// The eight value-list texts of the scenario window's rows 1 to 8, in row order.
using TextosCenarios = std::array<std::string, kNumParametros>;

// "Simular cenários" is enabled exactly when all eight rows hold a value-list text.
bool PodeSimular(const TextosCenarios& textos);
// "Gráfico" is enabled after a run exactly when a lower reservoir of its set is a range.
bool TemFaixaDeVolumes(const TCombs& combs);

// The values of the set's lists that the main window would refuse as typed (a share, a
// coefficient, an upper reservoir's pumping threshold out of its range), and the ranges of
// volumes written with a step of 0 (run as their fixed largest volume), one message each
// naming the list and the item. The batch runs them as written; the callers warn.
std::vector<std::string> ValoresForaDosLimites(const TCombs& combs);

// Reads the eight texts into the set's lists with each row's parser and delimiter. An empty
// text or one that does not read throws ScenarioError naming the row's label and the item;
// the set's lists are then left as they were.
void PreencheListas(TCombs& combs, const TextosCenarios& textos, const LocaleSettings& loc);
// The same for one row, as the list dialog's "Concluir" replaces one list.
void PreencheLista(TCombs& combs, int linha, std::string_view texto, const LocaleSettings& loc);
