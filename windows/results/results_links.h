#pragma once
// What the result windows ask of each other and of the other windows of the program. Each
// call does nothing when the window it reaches does not exist (as in tests that build only
// some of the windows).

#include <vector>

#include "engine/sizing_methods.h"

class ChartSeries;
class QString;
class QWidget;
class TCaptAgua;
class TCaptAguaInterval;

// The parameters of the sizing methods last calculated with (the methods' window keeps them).
ParametrosMetodos methodParameters();

// The scenario rows looked at since the sweep chart was last opened lose their mark.
void whitenScenarioRows();

// The chart properties dialog: the maximum of the vertical axis it offers, and the dialog
// shown modally on the sweep chart's latest curve (neither is owned).
void setChartPropsMaxY(const QString& text);
void execChartProps(ChartSeries* series, const TCaptAguaInterval* sim);

// The data sheet of `sim`, filled and shown modally; it refers to the sweep without owning it.
void execChartData(const TCaptAguaInterval& sim);

// The general chart window for a sweep's further charts: whether it exists, its series
// removed, then `lines` (owned by the caller) shown modally under the caption, the vertical
// axis title and the readout's unit; the service shares' axis is fixed at 0 to 100 % and
// their legend shown.
bool furtherChartExists();
void clearFurtherChart();
void execFurtherChart(const std::vector<ChartSeries*>& lines, const QString& caption,
                      const QString& axisTitle, const QString& unit, bool serviceShares);

// The monthly table of `sim`, filled, shown and raised over `sheet`, a modal window that would
// otherwise block it; and the table a window of its own again once `sheet` hides.
void showMonthlyTableOver(const TCaptAgua& sim, QWidget* sheet);
void releaseMonthlyTableFrom(QWidget* sheet);
