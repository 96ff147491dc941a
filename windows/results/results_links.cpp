#include "windows/results/results_links.h"

#include <QLineEdit>
#include <QWindow>

#include "components/chart_view.h"
#include "components/ui_seam.h"
#include "windows/methods/methods_links.h"
#include "windows/results/form_grafico_dados.h"
#include "windows/results/form_grafico_props.h"
#include "windows/results/form_grafico_vextravasado.h"
#include "windows/results/form_result_sim_mensal.h"
#include "windows/scenarios/form_sim_cenarios_grid.h"

void whitenScenarioRows() {
    if (formSimCenariosGrid) formSimCenariosGrid->whitenGrid();
}

// ---------------------------------------------------------------------------------------
// Chart properties and data sheet

void setChartPropsMaxY(const QString& text) {
    if (formGraficoProps) formGraficoProps->EdMaxEixoY->setText(text);
}

void execChartProps(ChartSeries* series, const TCaptAguaInterval* sim) {
    if (!formGraficoProps) return;
    formGraficoProps->defineSeries(series);
    formGraficoProps->defineSimCurrent(sim);
    ui().execModal(formGraficoProps);
}

void execChartData(const TCaptAguaInterval& sim) {
    if (!formGraficoDados) return;
    formGraficoDados->DefineSim(sim);
    formGraficoDados->FillStrGrid();
    ui().execModal(formGraficoDados);
}

// ---------------------------------------------------------------------------------------
// General chart window

bool furtherChartExists() {
    return formGraficoVextravasado != nullptr;
}

void clearFurtherChart() {
    if (formGraficoVextravasado) formGraficoVextravasado->RemoveLineSeries();
}

void execFurtherChart(const std::vector<ChartSeries*>& lines, const QString& caption,
                      const QString& axisTitle, const QString& unit, bool serviceShares) {
    if (!formGraficoVextravasado) return;
    TformGraficoVextravasado& w = *formGraficoVextravasado;
    for (ChartSeries* series : lines) w.AddLineSeries(series);
    if (serviceShares) w.ChartVextravasado->leftAxis().setRange(0, 100);
    w.ChartVextravasado->setLegendVisible(serviceShares);
    w.setWindowTitle(caption);
    w.LeftAxisTitle(axisTitle);
    w.TextoAdicionalUnid(unit);
    ui().execModal(&w);
}

// ---------------------------------------------------------------------------------------
// Monthly table

void showMonthlyTableOver(const TCaptAgua& sim, QWidget* sheet) {
    if (!formResultSimMensal) return;
    formResultSimMensal->DefineSimCurrent(sim);
    formResultSimMensal->FillGrid();
    formResultSimMensal->show();
    // The sheet is shown modally, and Qt then blocks every other window, even one shown after
    // it; a window standing on the sheet (its transient child) stays usable.
    QWindow* table = formResultSimMensal->windowHandle();
    if (table && sheet->windowHandle() && sheet->isVisible())
        table->setTransientParent(sheet->windowHandle());
    formResultSimMensal->raise();
    formResultSimMensal->activateWindow();
}

void releaseMonthlyTableFrom(QWidget* sheet) {
    QWindow* table = formResultSimMensal ? formResultSimMensal->windowHandle() : nullptr;
    if (table && sheet->windowHandle() && table->transientParent() == sheet->windowHandle())
        table->setTransientParent(nullptr);
}

ParametrosMetodos methodParameters() {
    return lastMethodParameters();
}
