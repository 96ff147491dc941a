#pragma once
// What the run and costs commands share: the simulation file loaded and run as the main window
// does when it opens it, the economic analysis it carries, and how their output ends.

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "common/locale_settings.h"
#include "economics/analysis_file.h"
#include "engine/sim_file.h"

// The command line of run or costs: FILE and the options of both commands (--json, --monthly,
// --detailed, --locale NAME, --out PATH, --jobs N), so that each refuses the other's by name.
ParsedOptions parseFileCommandOptions(const std::vector<std::string>& args);

// Loads and runs `file` (a sweep's members on up to `jobs` threads), says on `err` which start date was taken
// when the file does not show the order of its date and which values the main window would refuse as typed,
// and hands the loaded simulation to `write`. Returns 0; or 1 with one line on `err` when anything fails or
// `out` could not be written.
int writeFromLoadedFile(const std::string& file, const LocaleSettings& loc, int jobs, std::ostream& out,
                        std::ostream& err, const std::function<void(const LoadedSimulation&)>& write);

// The file's economic analysis as the main window leaves it after the load: the section read,
// the working simulation rebuilt from the loaded (and run) simulation, "Calcular" run. None
// when the file has no section. A malformed section names its line; a refused field is
// reported as the analysis window reports it. A tariff band the reading refused and went on
// without is told on `err` as a warning.
std::optional<TAnaliseArquivo> fileAnalysis(const LoadedSimulation& loaded, const LocaleSettings& loc,
                                            std::ostream& err);

// `lines` on `out`, each ended by "\n".
void writeLines(std::ostream& out, const std::vector<std::string>& lines);
