#pragma once
// The analysis of a saved simulation, as the main window restores it after opening the file:
// the section read into its record, the pump window's "Concluir" applied as the loader
// presses it, the working simulation rebuilt with the saved volume and "Calcular" run. The
// command-line tool reports and exports the same figures.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/locale_settings.h"
#include "economics/analysis.h"
#include "economics/analysis_fields.h"
#include "engine/capt_agua.h"

// Whether the simulation uses an upper reservoir, as the upper reservoir dialog shows it
// once a file is loaded (sized from the demand, or a volume of its own).
bool UsaReservatorioSuperior(const TCaptAgua& sim);

// The index of the section's marker line (the last line equal to it, so that an observation
// line typed as the marker is passed over), if the file has one.
std::optional<std::size_t> LinhaMarcadorAnalise(const std::vector<std::string>& lines);

struct TAnaliseArquivo {
    TDadosAnalise dados;  // as the windows hold it after the load
    bool usaResSup = false;
    // What the reading refused and went on without (a band), as the windows would tell it.
    std::vector<std::string> avisos;
    std::unique_ptr<TCaptAgua> simAnalise;
    TResultadoAnalise resultado;
};

// Reads the section starting at lines[inicio] (the line after the marker) for the loaded
// simulation `base` and runs the analysis. Throws SecaoAnaliseError for a malformed section,
// AnaliseError when "Calcular" refuses a field, or the engine's error when the simulation
// cannot run.
TAnaliseArquivo CalculaAnaliseArquivo(const std::vector<std::string>& lines, std::size_t inicio,
                                      const TCaptAgua& base, const LocaleSettings& loc);

// The costs and savings export of that analysis, in the simplified or the detailed view.
std::vector<std::string> LinhasExportacaoAnalise(const TAnaliseArquivo& a, bool detalhada,
                                                 const LocaleSettings& loc);
