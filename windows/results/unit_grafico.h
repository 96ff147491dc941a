#pragma once
// The chart of volume sweeps: potable-water savings potential against the lower-reservoir
// volume. For now GenChart only remembers what it was asked to draw (the chart itself comes
// with the result charts); Chart1 is the chart the main window's clearing empties.

#include <QDialog>
#include <vector>

#include "unit_classe.h"

class QChartView;
class QLabel;

class TformGrafico : public QDialog {
    Q_OBJECT
public:
    explicit TformGrafico(QWidget* parent = nullptr);

    QChartView* Chart1 = nullptr;
    QLabel* Label1 = nullptr;  // mouse readout
    QLabel* Label2 = nullptr;  // ideal volume

    // The sweep drawn last; not owned.
    const TCaptAguaInterval* simCurrent = nullptr;

    // Draws a sweep, first removing every earlier line when flagClearSeries is true.
    void GenChart(TCaptAguaInterval& sim, bool flagClearSeries);
    // Removes every line from the chart.
    void RemoveAllLines();

    struct GenChartCall {
        const TCaptAguaInterval* sim;
        bool flagClearSeries;
    };
    // Every GenChart call so far, in order.
    std::vector<GenChartCall> genChartCalls;
};

extern TformGrafico* formGrafico;
