#pragma once
// What the main window asks of the other windows of the program, and what its dialogs ask of
// it. Each call goes through that window's global instance and does nothing when the window
// does not exist (as in tests that build only some of the windows).

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

// The main window, for its dialogs.
void mainInputsChanged();  // a dialog changed an input of the main window's simulation
QWidget* mainWindow();     // the parent of a message about the main window's boxes
// What the demand-sized upper volume is made of: the main window's demand, occupants and
// substitution percentage boxes, as typed, and the means of the series that a "Variável"
// there stands for (none when the simulation has no such series).
struct MainDemandInputs {
    QString demanda;           // litres per person and day
    QString moradores;         // people
    QString porcentagemSubst;  // %
    std::optional<double> demandaMedia;
    std::optional<double> moradoresMedia;
};
// None without the main window or its simulation.
std::optional<MainDemandInputs> mainDemandInputs();

// Upper reservoir: the state the dialog keeps (upper_reservoir_state.h), and the dialog.
UpperReservoirMode resSupMode();
QString resSupVolumeText();     // litres, as typed
QString resSupThresholdText();  // pumping threshold, litres, as typed
void updateResSup();            // recomputes the demand-sized volume
void execResSup();              // shows the dialog modally for the main window
// Sets the dialog from a loaded simulation: mode, volume (mode 1) and threshold (modes 0, 1);
// the state follows the dialog, as it follows the user's changes.
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
// file has none. A malformed section throws its error, which names the line; a band refused
// and left out is told in `avisos`.
std::optional<TDadosAnalise> readAnaliseEcon(const std::vector<std::string>& lines, const TCaptAgua& loaded,
                                             std::vector<std::string>& avisos);
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
void execMetodosDimensionamento(const TCaptAgua& sim);  // the sizing methods' window, modally
void showCitacao();
void execValidacao();
void execSobre();
void showHelp(QWidget* parent);
