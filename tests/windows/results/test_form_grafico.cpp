// The sweep chart window: the curves the main window's sweeps draw, the axes and the label
// step, the ideal volume's label and marker, the mouse readout, the further charts, the data
// sheet and the properties it opens, "Limpar", the export to JPEG, closing, and what happens
// when the main window releases the sweep the chart was drawn from.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/chart_view.h"
#include "components/data_grid.h"
#include "components/jpeg_export.h"
#include "components/radio_group.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/sizing_methods.h"
#include "tests/support/sizing_record.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/planted_rows.h"
#include "tests/windows/window_fixture.h"
#include "windows/main/form_main.h"
#include "windows/methods/methods_links.h"
#include "windows/results/form_grafico.h"
#include "windows/results/form_grafico_dados.h"
#include "windows/results/form_grafico_props.h"
#include "windows/results/form_grafico_vextravasado.h"
#include "windows/scenarios/form_sim_cenarios_grid.h"

namespace {

const QString kExamples = QStringLiteral(VESPRA_SOURCE_DIR "/examples/");
const QString kIdealStart = QStringLiteral("Volume ideal para o reservatório inferior: ");

// A sweep as the engine leaves it, without running it: member i at i × interval with the
// given savings (and the other results derived from it, so that every chart differs).
std::unique_ptr<TCaptAguaInterval> makeSweep(double porcSubs, double interval,
                                             const std::vector<double>& econ, std::int32_t ideal) {
    auto sim = std::make_unique<TCaptAguaInterval>();
    sim->vecCaptAgua.clear();
    for (std::size_t i = 0; i < econ.size(); ++i) {
        auto m = std::make_unique<TCaptAgua>();
        m->dblPorcSubs = porcSubs;
        m->dblResInf = static_cast<double>(i) * interval;
        m->dblEconPot = econ[i];
        m->dblConsPluvMed = 10 * econ[i];
        m->dblConsPotMed = 600 - 10 * econ[i];
        m->dblVExtravMed = 900 - 5 * econ[i];
        m->dblPorcAtendTotal = econ[i];
        m->dblPorcAtendParc = 5 + i;
        m->dblPorcNaoAtend = 95 - econ[i] - static_cast<double>(i);
        sim->vecCaptAgua.push_back(std::move(m));
    }
    sim->interval = interval;
    sim->volmax = static_cast<double>(econ.size() - 1) * interval;
    sim->delta = ideal >= 0 ? 2 : 0;
    sim->indVolOtimo = ideal;
    return sim;
}

// Savings of 0 to 10000 litres in steps of 1000; the ideal volume 5000 L at 45.678 %.
std::unique_ptr<TCaptAguaInterval> idealAt5000(std::int32_t ideal = 5) {
    return makeSweep(0.5, 1000, {0, 12.5, 25.25, 33.333, 40.1, 45.678, 47, 48, 48.5, 48.8, 49}, ideal);
}

ChartView* chart() {
    return formGrafico->Chart1;
}

// Moves the mouse over the chart to a point given in the chart's coordinates (by way of a
// corner, since a move to where the mouse already is reports nothing).
void hover(ChartView* view, QPointF at) {
    QTest::mouseMove(view->viewport(), QPoint(1, 1));
    formGrafico->Label1->setText(QStringLiteral("texto anterior"));  // replaced by the move below
    QTest::mouseMove(view->viewport(), at.toPoint() - view->viewport()->pos());
}

}  // namespace

class TestGrafico : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void openingState();
    void contextMenuOpens();
    void twoSweepsFromMainWindow();
    void labelStep_data();
    void labelStep();
    void idealVolume_data();
    void idealVolume();
    void mouseReadout_data();
    void mouseReadout();
    void furtherCharts_data();
    void furtherCharts();
    void serviceChartThenAutomatic_data();
    void serviceChartThenAutomatic();
    void sheetAndPropertiesAfterClear();
    void nothingBeforeFirstSweep();
    void releasedSweepIsForgotten_data();
    void releasedSweepIsForgotten();
    void exportJpeg();
    void exportFailures_data() { addPlantedFailureRows(); }
    void exportFailures();
    void closingWhitensScenarioRows();
    void accessibleTexts();
    void methodVolumesMarked();

  private:
    void start(const char* locale = "pt_BR");
    void showChart();
    void loadSweepExample();

    WindowFixture fx;
    std::unique_ptr<TempDir> tmp;
};

void TestGrafico::init() {
    tmp = std::make_unique<TempDir>();
}

void TestGrafico::cleanup() {
    fx.finish();
    tmp.reset();
}

void TestGrafico::start(const char* locale) {
    fx.start(locale);
}

void TestGrafico::showChart() {
    formGrafico->resize(900, 600);
    formGrafico->show();
    QVERIFY(QTest::qWaitForWindowExposed(formGrafico));
}

// The bundled sweep (0 to 20000 L in steps of 1000 L, threshold 2 %/m³, 50 %), loaded and
// run as the user does it.
void TestGrafico::loadSweepExample() {
    formMain->show();
    fx.ui.expectOpenFile(kExamples + QStringLiteral("seattle-faixa-volumes.csv"));
    formMain->BTCarregarClick();
    QCOMPARE(formGrafico->simCurrent, &formMain->sim());
}

// ---------------------------------------------------------------------------------------

void TestGrafico::openingState() {
    start();
    TformGrafico& w = *formGrafico;
    QCOMPARE(w.windowTitle(), QStringLiteral("Simulação para reservatórios com diversos volumes "));
    const QList<QPair<QPushButton*, QString>> buttons{{w.BTConsPluv, "Consumo de água pluvial"},
                                                      {w.BTAtendimento, "Atendimento de água pluvial"},
                                                      {w.BTVExtravasado, "Volume extravasado"},
                                                      {w.BTPlanilha, "Planilha de dados"}};
    for (const auto& [button, caption] : buttons) QCOMPARE(button->text(), caption);
    QStringList items;
    for (QAction* a : w.PopupMenu1->actions()) items << a->text();
    QCOMPARE(items, (QStringList{"Propriedades", "Limpar", "Exportar para JPG"}));
    QCOMPARE(chart()->bottomAxis().title(), QStringLiteral("Volume do reservatório inferior (litros)"));
    QCOMPARE(chart()->leftAxis().title(), QStringLiteral("Potencial de economia de água potável (%)"));
    QCOMPARE(chart()->leftAxis().labelStep(), 5.0);
    QVERIFY(!chart()->isLegendVisible());
    QVERIFY(!chart()->isTitleVisible());
    QCOMPARE(chart()->title(), QStringLiteral("Potencial de Economia de Água Potável"));
}

// A right click on the chart opens its menu.
void TestGrafico::contextMenuOpens() {
    start();
    showChart();
    const QPoint at(chart()->width() / 2, chart()->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, chart()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(chart()->viewport(), &event);
    QTRY_VERIFY(formGrafico->PopupMenu1->isVisible());
    formGrafico->PopupMenu1->hide();
}

// Two runs of the main window: the loaded example at 50 % up to 20000 L with an ideal volume,
// then 40 % up to 15000 L without one (delta 0).
void TestGrafico::twoSweepsFromMainWindow() {
    start();
    loadSweepExample();
    TformMain& m = *formMain;
    const TCaptAguaInterval* first = &m.sim();
    QVERIFY(first->indVolOtimo > 0);
    const TCaptAgua& ideal = *first->vecCaptAgua[std::size_t(first->indVolOtimo)];
    QCOMPARE(formGrafico->Label2->text(), kIdealStart + QStringLiteral("6000 litros. ") +
                                              QStringLiteral("Potencial de utilização de água pluvial: ") +
                                              fromUtf8(formatNumber(ideal.dblEconPot, 4, 2, appLocale())) +
                                              QStringLiteral("%"));

    m.ed_porcentagem_subst->setText(QStringLiteral("40"));
    m.EdVolMaximo->setText(QStringLiteral("15000"));
    m.CBVolIdeal->setChecked(false);
    m.CBVolIdealClick();
    QVERIFY(m.BTCalcular->isEnabled());
    m.BTCalcular->click();

    const QList<ChartSeries*> curves = chart()->series();
    QCOMPARE(curves.size(), 2);
    QCOMPARE(formGrafico->SeriesSim.data(), curves[1]);
    QCOMPARE(formGrafico->simCurrent, &m.sim());
    // 21 volumes and the ideal one again in black; then 16 volumes and no ideal volume.
    QCOMPARE(curves[0]->count(), 22);
    QCOMPARE(curves[0]->markedPoints().size(), 1);
    QCOMPARE(curves[0]->markedPoints()[0].x, 6000.0);
    QCOMPARE(curves[0]->markedPoints()[0].colour, QColor(Qt::black));
    QCOMPARE(curves[1]->count(), 16);
    QVERIFY(curves[1]->markedPoints().isEmpty());
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(curves[1]->point(i).x, 1000.0 * i);
        QCOMPARE(curves[1]->point(i).y, m.sim().vecCaptAgua[std::size_t(i)]->dblEconPot);
    }
    QVERIFY(curves[0]->colour() != curves[1]->colour());
    QCOMPARE(formGrafico->Label2->text(), kIdealStart + QStringLiteral("Não determinado"));

    // The vertical axis kept the larger share; the horizontal one is the second sweep's.
    QCOMPARE(chart()->leftAxis().minimum(), 0.0);
    QCOMPARE(chart()->leftAxis().maximum(), 50.0);
    QVERIFY(!chart()->leftAxis().isMaximumAutomatic());
    QCOMPARE(chart()->bottomAxis().minimum(), 0.0);
    QCOMPARE(chart()->bottomAxis().maximum(), 15000.0);
    QCOMPARE(chart()->leftAxis().labelStep(), 5.0);
    QCOMPARE(formGraficoProps->EdMaxEixoY->text(), QStringLiteral("40"));
}

void TestGrafico::labelStep_data() {
    QTest::addColumn<double>("porcSubs");
    QTest::addColumn<double>("step");
    QTest::newRow("0.6") << 0.6 << 5.0;
    QTest::newRow("0.5") << 0.5 << 5.0;
    QTest::newRow("0.6989") << 0.6989 << 5.0;
    QTest::newRow("0.699") << 0.699 << 10.0;
    QTest::newRow("0.7") << 0.7 << 10.0;
    QTest::newRow("1") << 1.0 << 10.0;
}

void TestGrafico::labelStep() {
    QFETCH(double, porcSubs);
    QFETCH(double, step);
    start();
    auto sim = makeSweep(porcSubs, 1000, {0, 20, 30}, -1);
    formGrafico->GenChart(*sim, true);
    QCOMPARE(chart()->leftAxis().labelStep(), step);
    QCOMPARE(chart()->leftAxis().maximum(), porcSubs * 100);
    QCOMPARE(formGraficoProps->EdMaxEixoY->text(), fromUtf8(formatGeneral(porcSubs * 100, appLocale())));
}

void TestGrafico::idealVolume_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("ideal");
    QTest::addColumn<QString>("label");
    QTest::newRow("pt_BR")
        << "pt_BR" << 5
        << "Volume ideal para o reservatório inferior: 5000 litros. Potencial de utilização de "
           "água pluvial: 45,68%";
    QTest::newRow("en_US")
        << "en_US" << 5
        << "Volume ideal para o reservatório inferior: 5000 litros. Potencial de utilização de "
           "água pluvial: 45.68%";
    QTest::newRow("no ideal volume") << "pt_BR" << -1
                                     << "Volume ideal para o reservatório inferior: Não determinado";
    QTest::newRow("index past the members")
        << "pt_BR" << 11 << "Volume ideal para o reservatório inferior: Não determinado";
}

void TestGrafico::idealVolume() {
    QFETCH(QString, locale);
    QFETCH(int, ideal);
    QFETCH(QString, label);
    start(locale.toUtf8().constData());
    auto sim = idealAt5000(ideal);
    formGrafico->GenChart(*sim, false);
    QCOMPARE(formGrafico->Label2->text(), label);
    const bool marked = ideal >= 0 && ideal < 11;
    ChartSeries* s = formGrafico->SeriesSim;
    QCOMPARE(s->count(), marked ? 12 : 11);
    const QList<ChartPoint> black = s->markedPoints();
    QCOMPARE(black.size(), marked ? 1 : 0);
    if (marked) {
        QCOMPARE(black[0].x, 5000.0);
        QCOMPARE(black[0].y, 45.678);
        QCOMPARE(black[0].colour, QColor(Qt::black));
        // The black point stands on the curve, after the coloured one of the same volume:
        // the line runs on from there, with no segment back.
        QCOMPARE(s->point(5).x, 5000.0);
        QCOMPARE(s->point(6).colour, QColor(Qt::black));
        QCOMPARE(s->point(7).x, 6000.0);
    }
    QCOMPARE(s->lineWidth(), 2);
    QCOMPARE(s->markerStyle(), MarkerStyle::Circle);
    QCOMPARE(s->markerRadius(), 4);
    QVERIFY(s->markersVisible());
}

void TestGrafico::mouseReadout_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("series");  // 0: the earlier curve, 1: the latest
    QTest::addColumn<int>("index");   // -1: a place away from every point
    QTest::addColumn<QString>("readout");
    QTest::newRow("point of the latest curve")
        << "pt_BR" << 1 << 3
        << "Volume do reservatório inferior: 3000 litros. Potencial de utilização de água pluvial: 33,33%";
    QTest::newRow("en_US") << "en_US" << 1 << 2
                           << "Volume do reservatório inferior: 2000 litros. Potencial de utilização de água "
                              "pluvial: 25.25%";
    QTest::newRow("ideal volume's black point")
        << "pt_BR" << 1 << 6
        << "Volume do reservatório inferior: 5000 litros. Potencial de utilização de água pluvial: 45,68%";
    QTest::newRow("point of an earlier curve only") << "pt_BR" << 0 << 4 << "";
    QTest::newRow("off every point") << "pt_BR" << 1 << -1 << "";
}

void TestGrafico::mouseReadout() {
    QFETCH(QString, locale);
    QFETCH(int, series);
    QFETCH(int, index);
    QFETCH(QString, readout);
    start(locale.toUtf8().constData());
    auto earlier = makeSweep(0.5, 1000, {0, 5, 10, 15, 20, 22, 23, 24, 25, 26, 27}, -1);
    auto latest = idealAt5000();
    formGrafico->GenChart(*earlier, false);
    formGrafico->GenChart(*latest, false);
    showChart();
    ChartSeries* s = chart()->series().at(series);
    const QPointF at = index >= 0 ? *chart()->pointPosition(s, index) : QPointF(chart()->width() - 3, 3);
    hover(chart(), at);
    QTRY_COMPARE(formGrafico->Label1->text(), readout);
}

void TestGrafico::furtherCharts_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("axisTitle");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("service");
    QTest::newRow("rainwater consumption") << "BTConsPluv"
                                           << "Consumo de água pluvial"
                                           << "Consumo de água pluvial (litros/dia)"
                                           << "litros/dia" << QStringList{"Consumo de água pluvial"} << false;
    QTest::newRow("demand service") << "BTAtendimento"
                                    << "Atendimento de água pluvial"
                                    << "Percentual"
                                    << "%"
                                    << QStringList{"Atende completamente", "Atende parcialmente",
                                                   "Não atende"}
                                    << true;
    QTest::newRow("overflow") << "BTVExtravasado"
                              << "Volume extravasado"
                              << "Volume extravasado (litros/dia)"
                              << "litros/dia" << QStringList{"Volume extravasado"} << false;
}

// Each button draws the last sweep in the general chart window, also after "Limpar" emptied
// the chart and after another sweep's chart was shown there.
void TestGrafico::furtherCharts() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, axisTitle);
    QFETCH(QString, unit);
    QFETCH(QStringList, titles);
    QFETCH(bool, service);
    start();
    auto sim = idealAt5000();
    formGrafico->GenChart(*sim, false);
    fx.ui.expectModal(QStringLiteral("formGraficoVextravasado"),
                      [](QDialog*) { return int(QDialog::Rejected); });
    formGrafico->BTVExtravasado->click();  // an earlier chart, left open
    formGrafico->Limpar1->trigger();
    QCOMPARE(chart()->series().size(), 1);
    QCOMPARE(chart()->series()[0]->count(), 0);

    const std::vector<double TCaptAgua::*> values =
        service ? std::vector<double TCaptAgua::*>{&TCaptAgua::dblPorcAtendTotal,
                                                   &TCaptAgua::dblPorcAtendParc, &TCaptAgua::dblPorcNaoAtend}
        : button == QLatin1String("BTConsPluv") ? std::vector<double TCaptAgua::*>{&TCaptAgua::dblConsPluvMed}
                                                : std::vector<double TCaptAgua::*>{&TCaptAgua::dblVExtravMed};
    bool shown = false;
    fx.ui.expectModal(QStringLiteral("formGraficoVextravasado"), [&](QDialog* d) {
        shown = true;
        auto* w = static_cast<TformGraficoVextravasado*>(d);
        ChartView* c = w->ChartVextravasado;
        const QList<ChartSeries*> lines = c->series();
        [&] {
            QCOMPARE(w->windowTitle(), caption);
            QCOMPARE(c->leftAxis().title(), axisTitle);
            QCOMPARE(w->sTextoAdicionalUnid, unit);
            QCOMPARE(c->isLegendVisible(), service);
            QCOMPARE(lines.size(), titles.size());
            QCOMPARE(w->listSeries.size(), titles.size());
            for (int k = 0; k < lines.size(); ++k) {
                const ChartSeries* s = lines[k];
                QCOMPARE(s->title(), titles[k]);
                QCOMPARE(s->count(), 12);
                for (int i = 0, j = 0; i < 11; ++i, ++j) {
                    if (s->point(j).colour.isValid()) ++j;  // the black point of the ideal volume
                    QCOMPARE(s->point(j).x, 1000.0 * i);
                    QCOMPARE(s->point(j).y, (*sim->vecCaptAgua[std::size_t(i)]).*values[std::size_t(k)]);
                }
                QCOMPARE(s->markedPoints().size(), 1);
                QCOMPARE(s->markedPoints()[0].x, 5000.0);
                QCOMPARE(s->markedPoints()[0].y, (*sim->vecCaptAgua[5]).*values[std::size_t(k)]);
                QCOMPARE(s->markedPoints()[0].colour, QColor(Qt::black));
            }
            if (service) {
                QVERIFY(!c->leftAxis().isMinimumAutomatic());
                QVERIFY(!c->leftAxis().isMaximumAutomatic());
                QCOMPARE(c->leftAxis().minimum(), 0.0);
                QCOMPARE(c->leftAxis().maximum(), 100.0);
                QVERIFY(c->leftAxis().isLabelStepAutomatic());
            } else {
                QVERIFY(c->leftAxis().isMinimumAutomatic());
                QVERIFY(c->leftAxis().isMaximumAutomatic());
            }
        }();
        return int(QDialog::Rejected);
    });
    formGrafico->findChild<QPushButton*>(button)->click();
    QVERIFY(shown);
}

void TestGrafico::serviceChartThenAutomatic_data() {
    QTest::addColumn<bool>("closed");  // the user closed the window (else it only went away)
    QTest::newRow("closed") << true;
    QTest::newRow("not closed") << false;
}

void TestGrafico::serviceChartThenAutomatic() {
    QFETCH(bool, closed);
    start();
    auto sim = idealAt5000();
    formGrafico->GenChart(*sim, false);
    ChartView* c = formGraficoVextravasado->ChartVextravasado;
    fx.ui.expectModal(QStringLiteral("formGraficoVextravasado"), [&](QDialog* d) {
        if (closed) d->reject();
        return int(QDialog::Rejected);
    });
    formGrafico->BTAtendimento->click();
    if (closed) {
        QVERIFY(c->series().isEmpty());
        QVERIFY(formGraficoVextravasado->listSeries.isEmpty());
        QVERIFY(c->leftAxis().isMaximumAutomatic());
    }
    bool automatic = false;
    fx.ui.expectModal(QStringLiteral("formGraficoVextravasado"), [&](QDialog*) {
        const ChartAxis& left = c->leftAxis();
        automatic = left.isMinimumAutomatic() && left.isMaximumAutomatic() && left.isLabelStepAutomatic();
        return int(QDialog::Rejected);
    });
    formGrafico->BTVExtravasado->click();
    QVERIFY(automatic);
    // Overflow of 900 - 5 × savings: an automatic axis ends near the data, not at 100.
    QVERIFY(c->leftAxis().maximum() >= 900.0);
    QVERIFY(c->leftAxis().maximum() < 1000.0);
}

void TestGrafico::sheetAndPropertiesAfterClear() {
    start();
    auto sim = idealAt5000();
    formGrafico->GenChart(*sim, false);
    formGrafico->Limpar1->trigger();
    QCOMPARE(
        formGrafico->Label2->text(),
        QStringLiteral("Volume ideal para o reservatório inferior: 5000 litros. Potencial de utilização de "
                       "água pluvial: 45,68%"));
    QCOMPARE(chart()->leftAxis().maximum(), 50.0);
    QCOMPARE(chart()->bottomAxis().maximum(), 10000.0);

    int rows = -1;
    fx.ui.expectModal(QStringLiteral("formGraficoDados"), [&](QDialog*) {
        rows = formGraficoDados->NextGrid1->rowCount();
        return int(QDialog::Rejected);
    });
    formGrafico->BTPlanilha->click();
    QCOMPARE(rows, 11);
    QCOMPARE(formGraficoDados->sim, sim.get());

    fx.ui.expectModal(QStringLiteral("formGraficoProps"), [](QDialog*) { return int(QDialog::Rejected); });
    formGrafico->Propriedades1->trigger();
    QCOMPARE(formGraficoProps->SeriesSim.data(), formGrafico->SeriesSim.data());
    QCOMPARE(formGraficoProps->simCurrent, sim.get());
    QCOMPARE(formGraficoProps->chart(), chart());

    // The next sweep does not keep the empty curve "Limpar" left.
    auto next = makeSweep(0.4, 1000, {0, 10, 20}, -1);
    formGrafico->GenChart(*next, false);
    QCOMPARE(chart()->series().size(), 1);
    QCOMPARE(chart()->series()[0]->count(), 3);
}

// No sweep yet: the commands that need one are disabled and, reached anyway, open nothing.
void TestGrafico::nothingBeforeFirstSweep() {
    start();
    TformGrafico& w = *formGrafico;
    for (QPushButton* b : {w.BTConsPluv, w.BTAtendimento, w.BTVExtravasado, w.BTPlanilha})
        QVERIFY(!b->isEnabled());
    QVERIFY(!w.Propriedades1->isEnabled());
    QVERIFY(w.Limpar1->isEnabled());
    QVERIFY(w.ExportarparaJPG1->isEnabled());
    w.BTConsPluvClick();
    w.BTAtendimentoClick();
    w.BTVExtravasadoClick();
    w.BTPlanilhaClick();
    w.Propriedades1Click();
    w.Chart1MouseMove(QPoint(100, 100));
    QCOMPARE(w.Label1->text(), QString());
    w.Limpar1Click();
    QCOMPARE(chart()->series().size(), 1);
    QVERIFY(fx.ui.shown().empty());

    auto sim = idealAt5000();
    w.GenChart(*sim, false);
    for (QPushButton* b : {w.BTConsPluv, w.BTAtendimento, w.BTVExtravasado, w.BTPlanilha})
        QVERIFY(b->isEnabled());
    QVERIFY(w.Propriedades1->isEnabled());
}

void TestGrafico::releasedSweepIsForgotten_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("new precipitation file") << "record";
    QTest::newRow("simulation of one volume loaded") << "load";
    QTest::newRow("fields cleared") << "clear";
    QTest::newRow("run for one volume") << "one volume";
}

// The main window replaces or rebuilds the set the chart was drawn from: the chart keeps its
// curves, but nothing reads the released set any more (the sanitizer build would catch it).
void TestGrafico::releasedSweepIsForgotten() {
    QFETCH(QString, action);
    start();
    loadSweepExample();
    TformMain& m = *formMain;
    if (action == QLatin1String("record")) {
        fx.ui.expectOpenFile(kExamples + QStringLiteral("seattle-2012-2015.txt"));
        m.choosePrecFile();
    } else if (action == QLatin1String("load")) {
        fx.ui.expectOpenFile(kExamples + QStringLiteral("seattle-volume-unico.csv"));
        m.BTCarregarClick();
    } else if (action == QLatin1String("clear")) {
        fx.ui.expectMessage(QStringLiteral("Limpar campos"),
                            QStringLiteral("Você tem certeza de que deseja limpar TODOS os campos?"),
                            MsgIcon::Question, MsgResult::Yes);
        m.MenuLimparCampos->trigger();
    } else {
        m.RGResInf->setItemIndex(0);
        m.ed_reservatorio_inf->setText(QStringLiteral("1500"));
        m.BTCalcular->click();
        QCOMPARE(m.sim().vecCaptAgua.size(), std::size_t{1});
    }
    TformGrafico& w = *formGrafico;
    QCOMPARE(w.simCurrent, nullptr);
    for (QPushButton* b : {w.BTConsPluv, w.BTAtendimento, w.BTVExtravasado, w.BTPlanilha})
        QVERIFY(!b->isEnabled());
    QVERIFY(!w.Propriedades1->isEnabled());
    const std::size_t dialogs = fx.ui.shown().size();
    w.BTConsPluvClick();
    w.BTAtendimentoClick();
    w.BTVExtravasadoClick();
    w.BTPlanilhaClick();
    w.Propriedades1Click();
    QCOMPARE(fx.ui.shown().size(), dialogs);

    // The next sweep brings the commands back.
    auto sim = idealAt5000();
    w.GenChart(*sim, false);
    QVERIFY(w.BTVExtravasado->isEnabled());
    fx.ui.expectModal(QStringLiteral("formGraficoVextravasado"),
                      [](QDialog*) { return int(QDialog::Rejected); });
    w.BTVExtravasadoClick();
}

void TestGrafico::exportJpeg() {
    start();
    auto sim = idealAt5000();
    formGrafico->GenChart(*sim, false);
    showChart();
    const QString path = QString::fromStdString(tmp->file("grafico.jpg"));
    fx.ui.expectSaveFile(path);
    formGrafico->ExportarparaJPG1->trigger();
    QCOMPARE(fx.ui.shown().back().kind, QStringLiteral("save"));
    QCOMPARE(fx.ui.shown().back().text, QStringLiteral("Imagem JPEG|*.jpg"));
    const QImage image = readJpeg(path);
    QCOMPARE(image.size(), chart()->size());
    // The curve is in the picture: not every pixel is white.
    const QImage plain = image.convertToFormat(QImage::Format_RGB32);
    bool drawn = false;
    for (int y = 0; y < plain.height() && !drawn; ++y)
        for (int x = 0; x < plain.width() && !drawn; ++x) drawn = qGray(plain.pixel(x, y)) < 128;
    QVERIFY(drawn);

    fx.ui.expectSaveFile(QString());  // cancelled: nothing written, nothing said
    formGrafico->ExportarparaJPG1->trigger();
    QCOMPARE(QDir(QString::fromStdString(tmp->file(""))).entryList(QDir::Files), QStringList{"grafico.jpg"});
}

// The export that cannot write its file says so and leaves what stands there as it was.
void TestGrafico::exportFailures() {
    const PlantedFailure& failure = plantedFailure();
    start();
    auto sim = idealAt5000();
    formGrafico->GenChart(*sim, false);
    showChart();
    const std::string path = plantFailure(*tmp, failure.obstacle, "grafico.jpg");
    const auto before = snapshot(tmp->file(""));
    fx.ui.expectSaveFile(QString::fromStdString(path));
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QString::fromStdString(path));
    {
        FullDiskWhile full(failure.obstacle == Obstacle::FullDisk);
        formGrafico->ExportarparaJPG1->trigger();
    }
    verifyRefusedWrite(fx.ui, failure, path, *tmp, before);
}

void TestGrafico::closingWhitensScenarioRows() {
    start();
    DataGrid* grid = formSimCenariosGrid->NxGrResult;
    grid->addColumn(QStringLiteral("Simulação"));
    grid->addColumn(QStringLiteral("Reservatório inferior"));
    for (int r = 0; r < 3; ++r) grid->addRow();
    const QColor looked(192, 220, 192);
    grid->setRowColour(0, looked);
    grid->setRowColour(2, looked);
    auto sim = idealAt5000();
    formGrafico->GenChart(*sim, true);
    showChart();
    QCOMPARE(grid->cellColour(1, 2), looked);  // the marks stay while the chart is open
    formGrafico->close();
    QVERIFY(!formGrafico->isVisible());
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c) QCOMPARE(grid->cellColour(c, r), QColor(Qt::white));
}

// The chart is painted: screen readers get its name and a description of what it draws;
// the two labels are plain text.
void TestGrafico::accessibleTexts() {
    start();
    QVERIFY(!chart()->accessibleName().isEmpty());
    auto sim = idealAt5000();
    formGrafico->GenChart(*sim, false);
    showChart();
    const QString description = chart()->accessibleDescription();
    QVERIFY2(description.contains(QStringLiteral("1 linha")), qPrintable(description));
    QVERIFY2(description.contains(QStringLiteral("12 pontos")), qPrintable(description));
    QVERIFY2(description.contains(QStringLiteral("ponto destacado em x = 5000")), qPrintable(description));
    QVERIFY2(description.contains(QStringLiteral("de 0 a 10000")), qPrintable(description));
    for (QLabel* label : {formGrafico->Label1, formGrafico->Label2}) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
        QVERIFY(a != nullptr);
        QCOMPARE(a->text(QAccessible::Name), label->text());
    }
    QAccessibleInterface* c = QAccessible::queryAccessibleInterface(chart());
    QVERIFY(c != nullptr);
    QCOMPARE(c->text(QAccessible::Name), chart()->accessibleName());
    QCOMPARE(c->text(QAccessible::Description), description);
}

// A sweep of the hand-computable record (tests/support/sizing_record.h) from 0 to 2000 L: the
// check box marks each method's volume at its own run's savings, one series a method, lists
// them below, follows the next sweep drawn, and takes the marks away when unchecked.
void TestGrafico::methodVolumesMarked() {
    start();
    auto sim = sizingrec::record();
    sim->setSweep(2000, 100, 0);
    sim->run();
    formGrafico->GenChart(*sim, true);
    const int curves = static_cast<int>(chart()->series().size());
    QVERIFY(!formGrafico->CBMetodos->isChecked());
    formGrafico->CBMetodos->click();
    QCOMPARE(static_cast<int>(chart()->series().size()), curves + 6);
    const ResultadoMetodos r = calculaMetodos(sim->base(), lastMethodParameters());
    ChartSeries* rippl = chart()->series().at(curves);
    QCOMPARE(rippl->title(), QStringLiteral("Rippl (diário)"));
    QCOMPARE(rippl->count(), 1);
    QCOMPARE(rippl->point(0).x, 1065.0);
    QCOMPARE(rippl->point(0).y, r.metodos[0].dblEconPot);
    QVERIFY(formGrafico->LabelMetodos->text().startsWith(
        QStringLiteral("Métodos: Rippl (diário): 1065 litros (")));
    formGrafico->GenChart(*sim, true);  // a new sweep: its curve and its marks
    QCOMPARE(static_cast<int>(chart()->series().size()), 1 + 6);
    formGrafico->CBMetodos->click();
    QCOMPARE(static_cast<int>(chart()->series().size()), 1);
    QVERIFY(formGrafico->LabelMetodos->text().isEmpty());
}

QTEST_MAIN(TestGrafico)
#include "test_form_grafico.moc"
