// vespra-export-sheets: writes the chart data sheet of a simulation file's sweep as the data
// sheet window's "Exportar para CSV" writes it (the same lines and the same writer), for
// tools/libreoffice_check.sh; vespra-cli writes the other exports.
//
//   vespra-export-sheets SIMULACAO.csv LOCALE SAIDA.csv

#include <exception>
#include <iostream>
#include <string>

#include "common/locale_settings.h"
#include "common/textfile.h"
#include "engine/sim_file.h"
#include "engine/sweep_table.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "uso: vespra-export-sheets SIMULACAO.csv LOCALE SAIDA.csv\n";
        return 2;
    }
    try {
        const LocaleSettings loc = LocaleSettings::fromName(argv[2]);
        const LoadedSimulation loaded = loadAndRunSimulation(argv[1], loc);
        writeTextLines(argv[3], sweepTableCsv(buildSweepTable(*loaded.sim), loc));
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "vespra-export-sheets: " << e.what() << "\n";
        return 1;
    }
}
