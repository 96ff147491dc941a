#pragma once
// What the main window asks of the other windows of the program. Each call goes through
// that window's global instance and does nothing when the window does not exist (as in
// tests that build only some of the windows).

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "common/arrays.h"
#include "economics/analysis_fields.h"
#include "engine/upper_reservoir.h"

class QWidget;
class TCaptAgua;
class TCaptAguaInterval;

// Upper reservoir dialog.
void updateResSup();            // recomputes the demand-sized volume
QString resSupVolumeText();     // volume box, litres
QString resSupThresholdText();  // pumping threshold box, litres
UpperReservoirMode resSupMode();
void execResSup();              // shows the dialog modally for the main window
// Sets the dialog from a loaded simulation: mode, volume (mode 1) and threshold (modes 0, 1).
void setResSupFromFile(UpperReservoirMode mode, const QString& volume, const QString& threshold);
void clearResSup();  // no upper reservoir, boxes "0", threshold buttons unchecked

// Variable demand and occupants editor.
struct EditedSeries {
    doubleArray values;
    bool monthly = false;
};
// Opens a new editor on the demand (nroMor false) or occupant series of the set's first
// simulation; the values the user finished with, or nullopt when cancelled.
std::optional<EditedSeries> editVariableSeries(QWidget* parent, const TCaptAguaInterval& sim, bool nroMor);
void clearDemandEditor();  // the program's own editor forgets its contents

// Economic analysis.
void setAnaliseVolume(const QString& volume);  // the volume label, and the label after it
bool analiseStarted();                         // its working simulation exists
void recomputeAnalise();                       // rebuilds the working simulation and recalculates
void resimulateAnalise();                      // rebuilds the working simulation only
void showAnalise();
void execVolumeInfAnalise();                  // asks for the volume to analyse, modally
std::vector<std::string> analiseEconLines();  // the file's economic section, empty when none
// The economic section of a file's lines, read for the simulation loaded from it; none when the
// file has none. A malformed section throws its error, which names the line.
std::optional<TDadosAnalise> readAnaliseEcon(const std::vector<std::string>& lines, const TCaptAgua& loaded);
void loadAnaliseEcon(const TDadosAnalise& dados);  // shows the analysis, filled, and recalculates
void clearAnalise();                               // empties and closes the analysis, when started

// Results.
void showSweepChart(TCaptAguaInterval& sim);  // adds the sweep's line and shows the chart
void closeGrafico();
void clearSweepChart();   // removes every line and the chart's titles
void removeSweepLines();  // removes every line only
// The set is about to be released or rebuilt: the chart window stops using it.
void releaseSweep(const TCaptAguaInterval& sim);
void fillMonthlyResults(TCaptAgua& sim);
void showMonthlyResults();

// Menu windows.
void showSimCenarios();
void showCitacao();
void execValidacao();
void execSobre();
void showHelp(QWidget* parent);
