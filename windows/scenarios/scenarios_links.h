#pragma once
// What the scenario windows ask of each other and of the other windows of the program: the
// results window and its comparison chart, the precipitation, variable-series and
// upper-reservoir dialogs made afresh for one use, the sweep chart, the monthly table and the
// general chart window. Each call does nothing when the window it reaches does not exist (as
// in tests that build only some of the windows).

#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "scenarios/value_lists.h"
#include "windows/main/form_importacao.h"

class ChartSeries;
class QWidget;
class TCaptAgua;
class TCaptAguaInterval;
class TCombs;
struct LinhaResultado;

// The results window of a run: emptied and given the run's set, then one row per finished
// combination; usable or not while a run goes on; shown at the end, its chart button enabled
// or not, and raised over the scenario window.
void startScenarioResults(std::shared_ptr<const TCombs> combs);
void addScenarioResult(LinhaResultado&& linha);
void setScenarioResultsEnabled(bool enabled);
void showScenarioResults(bool graficoHabilitado);
void raiseScenarioResults();

// The comparison chart of a set's combinations, filled and shown.
void showScenarioComparison(std::shared_ptr<const TCombs> combs);

// The precipitation dialog, shown modally; its three values after "Concluir", nothing when
// closed another way. Throws ConversionError when the date or the discard does not read.
std::optional<dadosPrecRecord> execDadosPrecCenario(QWidget* parent);

// A weather station's daily file imported (its report shown modally): the record written,
// nothing when cancelled or refused.
std::optional<RegistroGravado> importStationCenario(QWidget* parent);

// The variable-series editor, shown modally; its values joined by "; " after OK.
// The editor is not in this build yet: the user is told so and nothing is returned.
std::optional<std::string> execDemandaCenario(QWidget* parent);

// The upper reservoir dialog in scenario mode, shown modally; after OK what it was set to.
struct ResSupCenario {
    bool dimensionadoPelaDemanda = false;  // its first item: the mean daily rainwater demand
    QString volume;                        // litres, as typed
    QString percentual;                    // pumping threshold, % of the volume, as typed
};
std::optional<ResSupCenario> execResSupCenario(QWidget* parent);

// The sweep chart with only this sweep, shown; the chart refers to it without owning it.
void showSweepChartCenario(TCaptAguaInterval& sim);
// The owner of `sim` is about to release it: the sweep chart stops using it.
void releaseSweepCenario(const TCaptAguaInterval& sim);
// The monthly table of `sim`, filled and shown.
void showMonthlyCenario(TCaptAgua& sim);

// The general chart window for the comparison: its series removed, then each curve added
// (owned by the caller), then the savings axis, the legend and the caption set and shown.
void clearComparisonChart();
void addComparisonSeries(ChartSeries* serie);
void showComparisonChart();
