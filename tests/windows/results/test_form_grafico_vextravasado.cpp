// The general chart window: the series other windows hand it, the readout naming the first
// series with a point under the mouse, the export to JPEG, and the empty, automatic chart
// it goes back to when closed.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <memory>

#include "components/chart_view.h"
#include "components/jpeg_export.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/window_fixture.h"
#include "windows/results/form_grafico_vextravasado.h"

namespace {

TformGraficoVextravasado& win() {
    return *formGraficoVextravasado;
}
ChartView* chart() {
    return formGraficoVextravasado->ChartVextravasado;
}

// Moves the mouse over the chart to a point given in the chart's coordinates (by way of a
// corner, since a move to where the mouse already is reports nothing).
void hover(QPointF at) {
    QTest::mouseMove(chart()->viewport(), QPoint(1, 1));
    win().Label1->setText(QStringLiteral("texto anterior"));  // replaced by the move below
    QTest::mouseMove(chart()->viewport(), at.toPoint() - chart()->viewport()->pos());
}

}  // namespace

class TestGraficoVextravasado : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void openingState();
    void addAndRemove();
    void seriesDeletedByItsMaker();
    void readout_data();
    void readout();
    void closingEmptiesAndMakesAutomatic();
    void exportJpeg();
    void exportFailure();

  private:
    void start(const char* locale = "pt_BR");
    void showWindow();
    // Two series as a caller makes them: "Volume extravasado" and "Consumo de água pluvial".
    // They meet at 2000 L; the first has 1234.567 at 4000 L, the second nothing there.
    void addTwoSeries();

    WindowFixture fx;
    std::unique_ptr<TempDir> tmp;
    std::unique_ptr<QObject> maker;  // owns the series, as the calling window would
    ChartSeries* overflow = nullptr;
    ChartSeries* consumption = nullptr;
};

void TestGraficoVextravasado::init() {
    tmp = std::make_unique<TempDir>();
    maker = std::make_unique<QObject>();
}

void TestGraficoVextravasado::cleanup() {
    maker.reset();
    fx.finish();
    tmp.reset();
}

void TestGraficoVextravasado::start(const char* locale) {
    fx.start(locale);
}

void TestGraficoVextravasado::showWindow() {
    win().resize(900, 600);
    win().show();
    QVERIFY(QTest::qWaitForWindowExposed(&win()));
}

void TestGraficoVextravasado::addTwoSeries() {
    overflow = new ChartSeries(QStringLiteral("Volume extravasado"), maker.get());
    overflow->addPoints(
        {{0, 300, {}}, {1000, 200, {}}, {2000, 123.456, {}}, {3000, 100, {}}, {4000, 1234.567, {}}});
    consumption = new ChartSeries(QStringLiteral("Consumo de água pluvial"), maker.get());
    consumption->addPoints({{0, 500, {}}, {1000, 600, {}}, {2000, 123.456, {}}, {3000, 700, {}}});
    win().RemoveLineSeries();
    win().AddLineSeries(overflow);
    win().AddLineSeries(consumption);
}

// ---------------------------------------------------------------------------------------

void TestGraficoVextravasado::openingState() {
    start();
    QCOMPARE(win().windowTitle(), QStringLiteral("Volume extravasado"));
    QCOMPARE(chart()->bottomAxis().title(), QStringLiteral("Volume do reservatório inferior (litros)"));
    QVERIFY(!chart()->isLegendVisible());
    QCOMPARE(win().PopupMenu1->actions().size(), 1);
    QCOMPARE(win().ExportarparaJPG1->text(), QStringLiteral("Exportar para JPG"));
    QVERIFY(chart()->series().isEmpty());
    // The chart is named after the window's caption, which each caller sets.
    QCOMPARE(chart()->accessibleName(),
             QStringLiteral("Gráfico: Volume extravasado por volume do reservatório inferior"));
    win().setWindowTitle(QStringLiteral("Consumo de água pluvial"));
    QCOMPARE(chart()->accessibleName(),
             QStringLiteral("Gráfico: Consumo de água pluvial por volume do reservatório inferior"));
    QCOMPARE(win().Label1->textFormat(), Qt::PlainText);

    showWindow();
    const QPoint at(chart()->width() / 2, chart()->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, chart()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(chart()->viewport(), &event);
    QTRY_VERIFY(win().PopupMenu1->isVisible());
    win().PopupMenu1->hide();
}

// Added series are styled and kept in order; removing them leaves them to their maker and
// makes the vertical axis automatic again.
void TestGraficoVextravasado::addAndRemove() {
    start();
    addTwoSeries();
    QCOMPARE(chart()->series(), (QList<ChartSeries*>{overflow, consumption}));
    QCOMPARE(win().listSeries.size(), 2);
    for (ChartSeries* s : {overflow, consumption}) {
        QCOMPARE(s->markerStyle(), MarkerStyle::Circle);
        QVERIFY(s->markersVisible());
        QCOMPARE(s->lineWidth(), 2);
    }
    win().LeftAxisTitle(QStringLiteral("Percentual"));
    win().TextoAdicionalUnid(QStringLiteral("%"));
    QCOMPARE(chart()->leftAxis().title(), QStringLiteral("Percentual"));
    QCOMPARE(win().sTextoAdicionalUnid, QStringLiteral("%"));
    chart()->leftAxis().setRange(0, 100);
    chart()->leftAxis().setLabelStep(25);

    win().RemoveLineSeries();
    QVERIFY(chart()->series().isEmpty());
    QVERIFY(win().listSeries.isEmpty());
    QVERIFY(chart()->leftAxis().isMinimumAutomatic());
    QVERIFY(chart()->leftAxis().isMaximumAutomatic());
    QVERIFY(chart()->leftAxis().isLabelStepAutomatic());
    // The series are their maker's: still there, with their points.
    QCOMPARE(overflow->count(), 5);
    QCOMPARE(overflow->view(), nullptr);
}

// A window that made the series deletes them while they are shown: the readout skips them.
void TestGraficoVextravasado::seriesDeletedByItsMaker() {
    start();
    addTwoSeries();
    showWindow();
    delete overflow;
    QCOMPARE(chart()->series(), QList<ChartSeries*>{consumption});
    QCOMPARE(win().listSeries.size(), 2);  // the deleted one is null there
    win().TextoAdicionalUnid(QStringLiteral("litros/dia"));
    hover(*chart()->pointPosition(consumption, 3));
    QTRY_COMPARE(
        win().Label1->text(),
        QStringLiteral("Volume do reservatório inferior: 3000 litros. Consumo de água pluvial: 700,00 "
                       "litros/dia"));
}

void TestGraficoVextravasado::readout_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("series");  // 0: added first, 1: added second
    QTest::addColumn<int>("index");   // -1: away from every point
    QTest::addColumn<QString>("readout");
    QTest::newRow("two series meet: the first added")
        << "pt_BR" << 1 << 2
        << "Volume do reservatório inferior: 2000 litros. Volume extravasado: 123,50 litros/dia";
    QTest::newRow("point of the second only")
        << "pt_BR" << 1 << 1
        << "Volume do reservatório inferior: 1000 litros. Consumo de água pluvial: 600,00 litros/dia";
    QTest::newRow("grouping") << "pt_BR" << 0 << 4
                              << "Volume do reservatório inferior: 4000 litros. Volume extravasado: 1.235,00 "
                                 "litros/dia";
    QTest::newRow("en_US")
        << "en_US" << 0 << 4
        << "Volume do reservatório inferior: 4000 litros. Volume extravasado: 1,235.00 litros/dia";
    QTest::newRow("off every point") << "pt_BR" << 0 << -1 << "";
}

void TestGraficoVextravasado::readout() {
    QFETCH(QString, locale);
    QFETCH(int, series);
    QFETCH(int, index);
    QFETCH(QString, readout);
    start(locale.toUtf8().constData());
    addTwoSeries();
    win().TextoAdicionalUnid(QStringLiteral("litros/dia"));
    showWindow();
    ChartSeries* s = series == 0 ? overflow : consumption;
    const QPointF at = index >= 0 ? *chart()->pointPosition(s, index) : QPointF(chart()->width() - 3, 3);
    hover(at);
    QTRY_COMPARE(win().Label1->text(), readout);
}

// Closed by the user: the next use starts empty with an automatic vertical axis, also after
// a chart fixed it.
void TestGraficoVextravasado::closingEmptiesAndMakesAutomatic() {
    start();
    addTwoSeries();
    chart()->leftAxis().setRange(0, 100);
    chart()->setLegendVisible(true);
    showWindow();
    win().close();
    QVERIFY(!win().isVisible());
    QVERIFY(chart()->series().isEmpty());
    QVERIFY(win().listSeries.isEmpty());
    QVERIFY(chart()->leftAxis().isMinimumAutomatic());
    QVERIFY(chart()->leftAxis().isMaximumAutomatic());
    QCOMPARE(win().Label1->text(), QString());
}

void TestGraficoVextravasado::exportJpeg() {
    start();
    addTwoSeries();
    showWindow();
    const QString path = QString::fromStdString(tmp->file("extravasado.jpg"));
    fx.ui.expectSaveFile(path);
    win().ExportarparaJPG1->trigger();
    QCOMPARE(fx.ui.shown().back().text, QStringLiteral("Imagem JPEG|*.jpg"));
    QCOMPARE(readJpeg(path).size(), chart()->size());
}

// A name whose folder is an earlier export (a file): the message, and the file as it was.
void TestGraficoVextravasado::exportFailure() {
    start();
    addTwoSeries();
    showWindow();
    const std::string earlier = tmp->write("grafico.jpg", "imagem anterior");
    const QString path = QString::fromStdString(tmp->file("grafico.jpg/novo.jpg"));
    fx.ui.expectSaveFile(path);
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"),
                                  QStringLiteral("grafico.jpg\" não é uma pasta."));
    win().ExportarparaJPG1->trigger();
    QCOMPARE(TempDir::read(earlier), std::string("imagem anterior"));
}

QTEST_MAIN(TestGraficoVextravasado)
#include "test_form_grafico_vextravasado.moc"
