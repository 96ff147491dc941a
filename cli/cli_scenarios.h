#pragma once
// vespra-cli scenarios: a scenario set from its definition file, every combination simulated
// and written as "Exportar planilha e simulações" writes it.

#include <iosfwd>
#include <string>
#include <vector>

// The help lines of the command, shown by vespra-cli --help.
extern const char* const kUsageCenarios;

// Runs `vespra-cli scenarios DEF --out DIR [--locale NOME] [--jobs N]` (`args` without the
// program name, "scenarios" first). Progress and failures go to `err`; returns the exit status.
int runScenariosCommand(const std::vector<std::string>& args, std::ostream& err);
