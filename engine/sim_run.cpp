// A simulation file loaded and run as the program runs it after a load, for the command line
// and the main window alike.

#include "common/textfile.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/sim_file.h"

LoadedSimulation readSimulationFile(const std::string& path, const LocaleSettings& loc) {
    return readSimulationLines(readTextLines(path), path, loc);
}

LoadedSimulation readSimulationLines(std::vector<std::string> lines, const std::string& path,
                                     const LocaleSettings& loc) {
    LoadedSimulation loaded{std::make_unique<TCaptAguaInterval>(), std::move(lines), {}};
    loaded.dateNotice = loaded.sim->loadSimLines(loaded.lines, path, loc);
    return loaded;
}

void runLoadedSimulation(TCaptAguaInterval& sim, int jobs) {
    TCaptAgua& p = sim.base();
    // A demand-sized upper reservoir follows the loaded demand; without an upper reservoir
    // there is no pumping threshold either.
    if (p.flagResSupDem) {
        p.dblResSup = p.resSupFromDemand();
    } else if (p.dblResSup == 0) {
        p.dblResSupMinRec = 0;
    }
    sim.run(jobs);
}

LoadedSimulation loadAndRunSimulation(const std::string& path, const LocaleSettings& loc, int jobs) {
    LoadedSimulation loaded = readSimulationFile(path, loc);
    runLoadedSimulation(*loaded.sim, jobs);
    return loaded;
}
