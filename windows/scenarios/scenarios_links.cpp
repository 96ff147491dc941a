#include "windows/scenarios/scenarios_links.h"

#include <QLineEdit>
#include <memory>

#include "components/app_locale.h"
#include "components/chart_view.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "scenarios/comparative_chart.h"
#include "windows/main/form_demanda.h"
#include "windows/main/form_res_sup.h"
#include "windows/results/form_grafico.h"
#include "windows/results/form_grafico_vextravasado.h"
#include "windows/results/form_result_sim_mensal.h"
#include "windows/scenarios/form_dados_prec.h"
#include "windows/scenarios/form_sim_cenarios_grafico.h"
#include "windows/scenarios/form_sim_cenarios_grid.h"

// ---------------------------------------------------------------------------------------
// Results of a run

void startScenarioResults(std::shared_ptr<const TCombs> combs) {
    if (!formSimCenariosGrid) return;
    formSimCenariosGrid->clearRows();
    formSimCenariosGrid->DefineCombs(std::move(combs));
}

void addScenarioResult(LinhaResultado&& linha) {
    if (formSimCenariosGrid) formSimCenariosGrid->printResultGrid(std::move(linha));
}

void setScenarioResultsEnabled(bool enabled) {
    if (formSimCenariosGrid) formSimCenariosGrid->setEnabled(enabled);
}

void showScenarioResults(bool graficoHabilitado) {
    if (!formSimCenariosGrid) return;
    formSimCenariosGrid->defineGrafico(graficoHabilitado);
    formSimCenariosGrid->show();
}

void raiseScenarioResults() {
    if (formSimCenariosGrid) formSimCenariosGrid->raise();
}

void showScenarioComparison(std::shared_ptr<const TCombs> combs) {
    if (formSimCenariosGrafico) formSimCenariosGrafico->Preenche(std::move(combs));
}

// ---------------------------------------------------------------------------------------
// Dialogs made for one use

std::optional<dadosPrecRecord> execDadosPrecCenario(QWidget* parent) {
    auto dialog = std::make_unique<TformDadosPrec>(parent);
    if (ui().execModal(dialog.get()) != QDialog::Accepted) return std::nullopt;
    dadosPrecRecord d;
    d.strDadosPrec = dialog->strDadosPrec();
    d.dateDadosPrec = dialog->dateDadosPrec();
    d.dblDescartPrec = dialog->dblDescartPrec();
    return d;
}

std::optional<RegistroGravado> importStationCenario(QWidget* parent) {
    return importarArquivoEstacao(parent);
}

// A new variable-series editor, shown modally; on "Concluir" its values as one text
// ("100; 120; 90"). It shows the captions of its last use.
std::optional<std::string> execDemandaCenario(QWidget* parent) {
    auto editor = std::make_unique<TformDemanda>(parent);
    if (ui().execModal(editor.get()) != QDialog::Accepted) return std::nullopt;
    return toUtf8(editor->StrGridToStr());
}

std::optional<ResSupCenario> execResSupCenario(QWidget* parent) {
    auto dialog = std::make_unique<TformResSup>(parent);
    dialog->defineFlagSimCen(true);
    if (ui().execModal(dialog.get()) != QDialog::Accepted) return std::nullopt;
    ResSupCenario r;
    r.dimensionadoPelaDemanda = dialog->mode() == UpperReservoirMode::FromDemand;
    r.volume = dialog->ed_reservatorio_sup->text();
    r.percentual = dialog->edPercResSupRec->text();
    return r;
}

// ---------------------------------------------------------------------------------------
// Result windows

void showSweepChartCenario(TCaptAguaInterval& sim) {
    if (!formGrafico) return;
    formGrafico->GenChart(sim, true);
    formGrafico->show();
}

void releaseSweepCenario(const TCaptAguaInterval& sim) {
    if (formGrafico) formGrafico->forgetSim(&sim);
}

void showMonthlyCenario(TCaptAgua& sim) {
    if (!formResultSimMensal) return;
    formResultSimMensal->DefineSimCurrent(sim);
    formResultSimMensal->FillGrid();
    formResultSimMensal->show();
}

void clearComparisonChart() {
    if (formGraficoVextravasado) formGraficoVextravasado->RemoveLineSeries();
}

void addComparisonSeries(ChartSeries* serie) {
    if (formGraficoVextravasado) formGraficoVextravasado->AddLineSeries(serie);
}

void showComparisonChart() {
    TformGraficoVextravasado* w = formGraficoVextravasado;
    if (!w) return;
    w->LeftAxisTitle(QString::fromUtf8(kTituloEixoEconomia));
    w->ChartVextravasado->leftAxis().setMinimum(0);
    w->ChartVextravasado->leftAxis().setMaximumAutomatic();
    w->ChartVextravasado->setLegendVisible(true);
    w->TextoAdicionalUnid(QString::fromUtf8(kUnidadeLeitura));
    w->setWindowTitle(QString::fromUtf8(kTituloJanelaGrafico));
    w->ChartVextravasado->setAccessibleName(
        QStringLiteral("Gráfico do potencial de economia por volume do reservatório inferior, uma linha por "
                       "valor do parâmetro variável"));
    w->show();
}
