#pragma once
// The simulation file: its series lines, and loading and running a file as the program does.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/capt_agua_interval.h"

// The series lines of a simulation file: the header "C;F;L" (C = 10000 values per full line,
// F full lines, L values on the last line), the full lines and the last line (empty when L = 0).
std::vector<std::string> chunkVector(const doubleArray& values, const LocaleSettings& loc);
// The series a set's file holds: the precipitation after the first-flush discard (what a run
// of the set gives, also before its first run).
doubleArray savedSeries(const TCaptAgua& p);
// The series lines (chunkVector) as file bytes (Windows-1252, CR LF).
std::string seriesFileBytes(const doubleArray& series, const LocaleSettings& loc);
// The bytes saveSim writes for the set. `series`, when given, is
// seriesFileBytes(savedSeries(sim.base()), loc) made before: the sets of a scenario batch that
// share a record and its discard share that text, most of each file.
std::string simFileBytes(const TCaptAguaInterval& sim, const std::vector<std::string>& dataAnaliseEcon,
                         const LocaleSettings& loc, const std::string* series = nullptr);
// Reads the series back from `lines` starting at the header line `first`; returns the values
// and sets `next` to the line after the last series line. Throws EngineError naming the line.
doubleArray unchunkVector(const std::vector<std::string>& lines, std::size_t first, std::size_t& next,
                          const LocaleSettings& loc);

// Loading a simulation file and running it as the program does after a load. The file is
// read once: its lines stay with the set for the sections other parts of the program read.
struct LoadedSimulation {
    std::unique_ptr<TCaptAguaInterval> sim;
    std::vector<std::string> lines;
    std::string dateNotice;  // which start date was taken when the file does not show the order
};
// Reads the file into a new set; throws FileError or EngineError as loadSim does.
LoadedSimulation readSimulationFile(const std::string& path, const LocaleSettings& loc);
// The same for a file's lines already in memory; `path` is what the set records as its source.
LoadedSimulation readSimulationLines(std::vector<std::string> lines, const std::string& path,
                                     const LocaleSettings& loc);
// Runs a loaded set: the demand-sized upper reservoir sized again from the loaded demand, then
// the sweep when the file gives a maximum volume, else the single volume, the sweep's members on
// up to `jobs` threads. Throws EngineError.
void runLoadedSimulation(TCaptAguaInterval& sim, int jobs = 1);
// Both of the above.
LoadedSimulation loadAndRunSimulation(const std::string& path, const LocaleSettings& loc, int jobs = 1);
