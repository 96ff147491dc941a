// The sweep chart window: its controls, the drawing of a sweep, the mouse readout, the
// context menu and closing. The further charts, the data sheet and the properties are in
// grafico_charts.cpp.

#include "windows/results/form_grafico.h"

#include <QAction>
#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "components/chart_view.h"
#include "components/number_texts.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/engine_error.h"
#include "engine/sizing_methods.h"
#include "windows/results/chart_export.h"
#include "windows/results/results_links.h"

TformGrafico* formGrafico = nullptr;

namespace {

// A curve of this window: line width 2 and circles reaching 4 pixels from their point.
void styleSweepSeries(ChartSeries* series) {
    series->setLineWidth(2);
    series->setMarkerStyle(MarkerStyle::Circle);
    series->setMarkerRadius(4);
    series->setMarkersVisible(true);
}

}  // namespace

TformGrafico::TformGrafico(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formGrafico"));
    setWindowTitle(QStringLiteral("Simulação para reservatórios com diversos volumes "));
    resize(800, 560);
    buildControls();
    buildMenu();
    updateCommands();
}

void TformGrafico::buildControls() {
    auto* bar = new QHBoxLayout;
    const auto button = [&](QPushButton*& target, const char* name, const QString& caption,
                            void (TformGrafico::*click)()) {
        target = makeButton(this, name, caption, false);
        connect(target, &QPushButton::clicked, this, click);
        bar->addWidget(target, 1);  // four equal buttons
    };
    button(BTConsPluv, "BTConsPluv", QStringLiteral("Consumo de água pluvial"),
           &TformGrafico::BTConsPluvClick);
    button(BTAtendimento, "BTAtendimento", QStringLiteral("Atendimento de água pluvial"),
           &TformGrafico::BTAtendimentoClick);
    button(BTVExtravasado, "BTVExtravasado", QStringLiteral("Volume extravasado"),
           &TformGrafico::BTVExtravasadoClick);
    button(BTPlanilha, "BTPlanilha", QStringLiteral("Planilha de dados"), &TformGrafico::BTPlanilhaClick);

    Chart1 = new ChartView(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setAccessibleName(QStringLiteral(
        "Gráfico do potencial de economia de água potável por volume do reservatório inferior"));
    Chart1->bottomAxis().setTitle(QStringLiteral("Volume do reservatório inferior (litros)"));
    Chart1->leftAxis().setTitle(QStringLiteral("Potencial de economia de água potável (%)"));
    Chart1->leftAxis().setGridVisible(true);
    Chart1->leftAxis().setLabelStep(5);
    Chart1->setLegendVisible(false);
    Chart1->setTitle(QStringLiteral("Potencial de Economia de Água Potável"));
    Chart1->setTitleVisible(false);  // until the user gives the chart a title
    connect(Chart1, &ChartView::mouseMoved, this, &TformGrafico::Chart1MouseMove);

    Label1 = makeLabel(this, "Label1", QString(), nullptr, LabelKind::Bold);
    Label2 = makeLabel(this, "Label2", QString(), nullptr, LabelKind::Bold);
    CBMetodos = new QCheckBox(QStringLiteral("Marcar os volumes dos métodos da NBR 15527:2007"), this);
    CBMetodos->setObjectName(QStringLiteral("CBMetodos"));
    CBMetodos->setAccessibleName(CBMetodos->text());
    connect(CBMetodos, &QCheckBox::clicked, this, [this] { CBMetodosClick(); });
    LabelMetodos = makeLabel(this, "LabelMetodos", QString(), nullptr, LabelKind::Wrapped);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(Chart1, 1);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(CBMetodos);
    layout->addWidget(LabelMetodos);
}

void TformGrafico::buildMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [&](QAction*& target, const char* name, const QString& caption,
                          void (TformGrafico::*click)()) {
        target = PopupMenu1->addAction(caption);
        target->setObjectName(QString::fromLatin1(name));
        connect(target, &QAction::triggered, this, click);
    };
    item(Propriedades1, "Propriedades1", QStringLiteral("Propriedades"), &TformGrafico::Propriedades1Click);
    item(Limpar1, "Limpar1", QStringLiteral("Limpar"), &TformGrafico::Limpar1Click);
    item(ExportarparaJPG1, "ExportarparaJPG1", QStringLiteral("Exportar para JPG"),
         &TformGrafico::ExportarparaJPG1Click);
    Chart1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Chart1, &QWidget::customContextMenuRequested, this,
            [this](QPoint pos) { PopupMenu1->popup(Chart1->mapToGlobal(pos)); });
}

// What works on the sweep needs one; until the first sweep (or after its owner released it)
// those commands are disabled rather than working on nothing.
void TformGrafico::updateCommands() {
    const bool sweep = simCurrent != nullptr;
    for (QPushButton* b : {BTConsPluv, BTAtendimento, BTVExtravasado, BTPlanilha}) b->setEnabled(sweep);
    Propriedades1->setEnabled(sweep);
}

void TformGrafico::GenChart(TCaptAguaInterval& sim, bool flagClearSeries) {
    if (sim.vecCaptAgua.empty()) return;
    if (flagClearSeries) {
        RemoveAllLines();
    } else if (SeriesSim && SeriesSim->count() == 0) {
        // The empty curve "Limpar" leaves in place of the last one draws nothing.
        Chart1->removeSeries(SeriesSim);
    }
    const TCaptAgua& q = *sim.vecCaptAgua[0];

    SeriesSim = Chart1->addLineSeries();  // the next automatic colour
    styleSweepSeries(SeriesSim);
    Chart1->leftAxis().setLabelStep(q.dblPorcSubs < 0.699 ? 5 : 10);
    QList<ChartPoint> points;
    for (std::size_t i = 0; i < sim.vecCaptAgua.size(); ++i)
        points.append({sim.vecCaptAgua[i]->dblResInf, sim.vecCaptAgua[i]->dblEconPot, {}});
    SeriesSim->addPoints(points);

    // Overlaid sweeps never shrink the vertical axis: it reaches the largest substitution
    // share drawn (or the maximum the user fixed).
    ChartAxis& left = Chart1->leftAxis();
    const double current = left.isMaximumAutomatic() ? 0.0 : left.maximum();
    left.setRange(0, std::max(current, q.dblPorcSubs * 100.0));
    setChartPropsMaxY(generalText(q.dblPorcSubs * 100.0));
    Chart1->bottomAxis().setRange(0, sim.volmax);

    drawIdealVolume(sim);
    simCurrent = &sim;
    updateCommands();
    drawMethodVolumes();
}

void TformGrafico::CBMetodosClick() {
    drawMethodVolumes();
}

// One series a method, a single triangle each, so that no line joins volumes of different
// methods; the volume's own run gives its height, a point of the savings curve.
void TformGrafico::drawMethodVolumes() {
    for (const auto& s : methodSeries_)
        if (s) Chart1->removeSeries(s);
    methodSeries_.clear();
    LabelMetodos->clear();
    if (!CBMetodos->isChecked() || !simCurrent) return;
    ResultadoMetodos r;
    try {
        r = calculaMetodos(simCurrent->base(), methodParameters());
    } catch (const EngineError& e) {
        CBMetodos->setChecked(false);
        showException(this, e);
        return;
    }
    QStringList listed;
    for (const auto& m : r.metodos) {
        if (!m.volume) continue;
        const QString name = QString::fromStdString(m.nome);
        ChartSeries* s = Chart1->addLineSeries(name);
        s->setColour(Qt::red);
        s->setMarkerStyle(MarkerStyle::Triangle);
        s->setMarkerRadius(5);
        s->setMarkersVisible(true);
        s->addPoint(*m.volume, m.dblEconPot);
        methodSeries_.emplace_back(s);
        listed << name + QStringLiteral(": ") + generalText(*m.volume) + QStringLiteral(" litros (") +
                      savingsText(m.dblEconPot) + QStringLiteral("%)");
    }
    LabelMetodos->setText(QStringLiteral("Métodos: ") + (listed.isEmpty()
                                                             ? QStringLiteral("nenhum se aplica")
                                                             : listed.join(QStringLiteral("; "))));
}

void TformGrafico::drawIdealVolume(const TCaptAguaInterval& sim) {
    const QString start = QStringLiteral("Volume ideal para o reservatório inferior: ");
    const TCaptAgua* ideal = sim.idealMember();
    if (ideal == nullptr) {
        Label2->setText(start + QStringLiteral("Não determinado"));
        return;
    }
    Label2->setText(start + generalText(ideal->dblResInf) + QStringLiteral(" litros. ") +
                    QStringLiteral("Potencial de utilização de água pluvial: ") +
                    savingsText(ideal->dblEconPot) + QStringLiteral("%"));
    SeriesSim->addPoint(ideal->dblResInf, ideal->dblEconPot, Qt::black);
}

void TformGrafico::RemoveAllLines() {
    Chart1->removeAllSeries();
    SeriesSim = nullptr;
    Label1->clear();
    Label2->clear();
    LabelMetodos->clear();
}

void TformGrafico::forgetSim(const TCaptAguaInterval* sim) {
    if (sim == nullptr || sim != simCurrent) return;
    simCurrent = nullptr;
    updateCommands();
}

void TformGrafico::Chart1MouseMove(QPoint pos) {
    const int index = SeriesSim ? Chart1->hitTest(SeriesSim, pos) : -1;
    if (index < 0) {
        Label1->clear();
        return;
    }
    const ChartPoint& p = SeriesSim->point(index);
    Label1->setText(QStringLiteral("Volume do reservatório inferior: ") + generalText(p.x) +
                    QStringLiteral(" litros. Potencial de utilização de água pluvial: ") + savingsText(p.y) +
                    QStringLiteral("%"));
}

// The curves go; the sweep, the axes and the ideal volume's label stay, and an empty curve
// takes the last one's place for the properties dialog.
void TformGrafico::Limpar1Click() {
    Chart1->removeAllSeries();
    SeriesSim = Chart1->addLineSeries();
    styleSweepSeries(SeriesSim);
    Label1->clear();
}

void TformGrafico::ExportarparaJPG1Click() {
    exportChartJpeg(this, Chart1);
}

// The scenario rows looked at since the chart was last opened lose their mark.
void TformGrafico::FormClose() {
    whitenScenarioRows();
}

void TformGrafico::done(int result) {
    FormClose();
    QDialog::done(result);
}
