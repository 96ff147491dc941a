#pragma once
// What a scenario run shows and writes: one result row per combination (values and the texts
// of the results grid), the sheet of those rows, and one simulation file per combination.
// Built here; the results window only paints the rows.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/locale_settings.h"
#include "common/textfile_batch.h"
#include "engine/capt_agua_interval.h"
#include "engine/engine_error.h"
#include "scenarios/combs.h"

inline constexpr int kColunasResultado = 11;
// The header captions of the results grid and of the sheet, column by column.
extern const std::array<const char*, kColunasResultado> kCabecalhosResultado;

// One combination's row of the results grid.
struct LinhaResultado {
    std::int32_t numero = 0;      // the combination number from 1
    double dblDescartPrec = 0;    // mm
    double dblAreaCapt = 0;       // m²
    double dblPorcSubs = 0;       // %
    double dblCoefAprov = 0;      //
    double dblResSup = 0;         // L, 0 without an upper reservoir
    double dblResSupPorcRec = 0;  // pumping threshold, % of the upper reservoir
    bool volumeFixo = true;       // one lower-reservoir volume (no sweep)
    bool volumeIdealEncontrado = false;
    double dblResInf = 0;   // L: the fixed or the ideal volume (0 when none was found)
    double dblEconPot = 0;  // %: of that volume (0 when no ideal volume was found)
    std::array<std::string, kColunasResultado> textos;
};

// The file name of a path without its folder ("/" and "\" both separate folders, so a
// Windows path written in a definition reads alike everywhere).
std::string NomeSemPasta(const std::string& caminho);

// The row of the simulation `sim` (after its run) shown as combination `indVec` (from 0).
LinhaResultado LinhaDaSimulacao(const TCaptAguaInterval& sim, std::int32_t indVec, const LocaleSettings& loc);
// The row of the set's last simulation (captAguaInterv). Throws ScenarioError when there is none.
LinhaResultado printResultGrid(const TCombs& combs, std::int32_t indVec, const LocaleSettings& loc);

// The sheet: the header line (every caption followed by ";"), then one line per row: the
// texts of columns 0 to 9 each followed by ";", then column 10.
std::vector<std::string> LinhasPlanilha(const std::vector<LinhaResultado>& linhas);
// The sheet's header line, and the line of one row (both without the line end).
std::string CabecalhoPlanilha();
std::string LinhaPlanilha(const LinhaResultado& linha);
// Writes the sheet (Windows-1252, CR LF, replacing the file only once it is whole).
// Throws FileError naming the path.
void SalvarPlanilha(const std::string& path, const std::vector<LinhaResultado>& linhas);

// Told after each combination: how many are done out of how many. Returning false stops the
// run or the export there. With several tasks it is called from the working threads, one call
// at a time.
using ProgressoCenarios = std::function<bool(std::int32_t feitas, std::int32_t total)>;

// Simulates every combination of a set whose table is built and appends their rows, in
// combination order. Each combination's simulation is released once its row is made.
// `tarefas` > 1 simulates that many combinations at once on threads; the rows are the same.
// A failing combination throws its error (EngineError, ScenarioError; with several failing,
// the error of the first) with the rows before it in `linhas`; a stop keeps the rows done
// without a gap.
void SimulaCenarios(const TCombs& combs, const LocaleSettings& loc, std::vector<LinhaResultado>& linhas,
                    const ProgressoCenarios& progresso = {}, int tarefas = 1);

// The message of a run that combination `indVec` (from 0) stopped: "A simulação de cenários
// parou na simulação N: " and why, N as the grid numbers it.
std::string MensagemParada(std::int32_t indVec, std::string_view causa, const LocaleSettings& loc);
// Builds and runs combination `indVec`; a failure throws ScenarioError with MensagemParada.
std::shared_ptr<TCaptAguaInterval> SimulaCombinacao(const TCombs& combs, std::int32_t indVec,
                                                    const LocaleSettings& loc);

// The name of combination k's simulation file: k + 1 and ".csv".
std::string NomeArquivoSimulacao(std::int32_t indVec);
// The names of the files of combinations inicio … fim − 1.
std::vector<std::string> NomesArquivosSimulacao(std::int32_t inicio, std::int32_t fim);
// The combinations inicio … fim − 1 exported as "Exportar planilha e simulações" exports them:
// each one's file written into `lote` under its number in the whole set (put in place only by
// the caller's commit), and its sheet line (LinhaPlanilha) in linhasPlanilha[k − inicio +
// primeira] (the vector is sized here; its first `primeira` entries are left for the caller).
// Only these lines are kept, never the combinations' simulations or rows. Returns how many
// combinations from inicio on were written without a gap; a file that cannot be written throws
// FileError, a failing combination ScenarioError.
std::int32_t ExportaSimulacoes(const TCombs& combs, FileBatch& lote, const LocaleSettings& loc,
                               std::int32_t inicio, std::int32_t fim,
                               std::vector<std::string>& linhasPlanilha, std::size_t primeira = 0,
                               const ProgressoCenarios& progresso = {}, int tarefas = 1);
// "Exportar planilha e simulações": 1.csv … N.csv in `pasta`, one per combination, then
// Planilha.csv; with `quantas` ≥ 0 only the combinations 0 … quantas − 1 (the rows of a run that
// stopped early). Returns how many files were written. The files appear together once all are
// written (FileBatch): a file that cannot be written or a failing combination throws
// (FileError, ScenarioError) and leaves the folder as it was, no file replaced and nothing left
// beside them. A stopped export puts the files of the combinations done without a gap in place,
// without the sheet. `tarefas` > 1 writes that many combinations at once; the files are the same
// bytes.
std::int32_t ExportaPlanilhaESimulacoes(const TCombs& combs, const std::string& pasta,
                                        const LocaleSettings& loc, const ProgressoCenarios& progresso = {},
                                        int tarefas = 1, std::int32_t quantas = -1);
