// The properties of the sweep chart: title, axis titles, marker style, line and marker
// colours and the maximum of the vertical axis, on the chart that draws the given series;
// harmless before a series is given and after it is gone.

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "components/app_locale.h"
#include "components/chart_view.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "tests/windows/window_fixture.h"
#include "windows/results/form_grafico_props.h"

namespace {

const QColor kSeriesColour(31, 78, 200);
const QString kBottomTitle = QStringLiteral("Volume do reservatório inferior (litros)");
const QString kLeftTitle = QStringLiteral("Potencial de economia de água potável (%)");
const QString kTooBig = QStringLiteral(
    "O potencial de utilização de água pluvial não pode ser maior que 100%. Defina outro valor "
    "para o campo \"Valor máximo do eixo y\"");

// A sweep of 0, 1000 and 2000 litres whose ideal volume is 1000 litres.
std::unique_ptr<TCaptAguaInterval> sweep() {
    auto set = std::make_unique<TCaptAguaInterval>();
    const double econPot[] = {0, 30, 36};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) set->vecCaptAgua.push_back(std::make_unique<TCaptAgua>());
        set->vecCaptAgua.back()->dblResInf = i * 1000.0;
        set->vecCaptAgua.back()->dblEconPot = econPot[i];
    }
    set->volmax = 2000;
    set->interval = 1000;
    set->indVolOtimo = 1;
    return set;
}

// A chart drawn as the sweep chart draws a sweep: its curve, the ideal volume again in black.
struct SweepChart {
    SweepChart() : set(sweep()) {
        view.resize(640, 420);
        view.bottomAxis().setTitle(kBottomTitle);
        view.leftAxis().setTitle(kLeftTitle);
        view.setTitle(QStringLiteral("Potencial de Economia de Água Potável"));
        view.setTitleVisible(false);
        series = view.addLineSeries(QStringLiteral("Curva"));
        series->setColour(kSeriesColour);
        series->setMarkerStyle(MarkerStyle::Circle);
        for (std::size_t i = 0; i < set->vecCaptAgua.size(); ++i) {
            series->addPoint(static_cast<double>(i) * set->interval, set->vecCaptAgua[i]->dblEconPot,
                             kSeriesColour);
        }
        series->addPoint(1000, 30, Qt::black);
        view.leftAxis().setRange(0, 50);
    }
    std::unique_ptr<TCaptAguaInterval> set;
    ChartView view;
    ChartSeries* series = nullptr;
};

TformGraficoProps& props() {
    return *formGraficoProps;
}

// Gives the dialog the chart's series and sweep and opens it, as the chart's menu does.
void open(SweepChart& chart) {
    props().defineSeries(chart.series);
    props().defineSimCurrent(chart.set.get());
    props().show();
}

}  // namespace

class TestGraficoProps : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }

    void controls();
    void maximumKeys_data();
    void maximumKeys();
    void concluir_data();
    void concluir();
    void axisFieldsShowAndApplyTitles();
    void titleFollowsTheBox();
    void markerStyles_data();
    void markerStyles();
    void lineColour();
    void markerColour();
    void harmlessWithoutSeries();
    void harmlessAfterTheSeriesIsGone();

  private:
    WindowFixture fx;
};

void TestGraficoProps::controls() {
    fx.start("pt_BR");
    QCOMPARE(props().windowTitle(), QStringLiteral("Propriedades do gráfico"));
    FIND_CONTROL(style, QComboBox, formGraficoProps, "CBEstiloMarcador");
    QCOMPARE(style->count(), 4);
    const QStringList items{"Quadrado", "Círculo", "Triângulo", "Sem marcador"};
    for (int i = 0; i < 4; ++i) QCOMPARE(style->itemText(i), items[i]);
    FIND_CONTROL(group, QGroupBox, formGraficoProps, "GBModificarCor");
    QCOMPARE(group->title(), QStringLiteral("Modificar Cor"));
    FIND_CONTROL(linha, QPushButton, formGraficoProps, "BTCorLinha");
    FIND_CONTROL(marc, QPushButton, formGraficoProps, "BTCorMarc");
    FIND_CONTROL(concluir, QPushButton, formGraficoProps, "BTConcluir");
    QCOMPARE(linha->text(), QStringLiteral("Linha"));
    QCOMPARE(marc->text(), QStringLiteral("Marcadores"));
    QCOMPARE(concluir->text(), QStringLiteral("Concluir"));
    for (const char* name : {"EdTitulo", "EdEixoX", "EdEixoY", "EdMaxEixoY"}) {
        QVERIFY2(formGraficoProps->findChild<QLineEdit*>(QString::fromLatin1(name)) != nullptr, name);
    }
}

void TestGraficoProps::maximumKeys_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("pt_BR: letters and a second comma dropped") << "pt_BR"
                                                               << "1a0,5,2b"
                                                               << "10,52";
    QTest::newRow("pt_BR: the point types the comma") << "pt_BR"
                                                      << "8.5"
                                                      << "8,5";
    QTest::newRow("en_US: the point, once") << "en_US"
                                            << "a9.5.5,x"
                                            << "9.55";
    QTest::newRow("blanks and signs dropped") << "pt_BR"
                                              << " -7+ "
                                              << "7";
}

void TestGraficoProps::maximumKeys() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    fx.start(locale.toLatin1().constData());
    props().EdMaxEixoY->clear();
    QTest::keyClicks(props().EdMaxEixoY, typed);
    QCOMPARE(props().EdMaxEixoY->text(), kept);
    QTest::keyClick(props().EdMaxEixoY, Qt::Key_Backspace);
    QCOMPARE(props().EdMaxEixoY->text(), kept.chopped(1));
}

void TestGraficoProps::concluir_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<double>("maximum");   // the left axis afterwards
    QTest::addColumn<QString>("message");  // "" for none
    QTest::addColumn<bool>("emptied");     // the box emptied after the message
    const QString none;
    QTest::newRow("100 accepted") << "pt_BR" << QStringLiteral("100") << true << 100.0 << none << false;
    QTest::newRow("decimal comma accepted")
        << "pt_BR" << QStringLiteral("62,5") << true << 62.5 << none << false;
    QTest::newRow("100,5 refused") << "pt_BR" << QStringLiteral("100,5") << false << 50.0 << kTooBig << true;
    QTest::newRow("100.5 refused (en_US)")
        << "en_US" << QStringLiteral("100.5") << false << 50.0 << kTooBig << true;
    QTest::newRow("empty: nothing happens") << "pt_BR" << none << false << 50.0 << none << false;
    // Pasted text is not filtered: the read refuses it, naming it.
    QTest::newRow("pasted text is no number")
        << "pt_BR" << QStringLiteral("1,2,3") << false << 50.0 << QStringLiteral("'1,2,3'") << false;
}

void TestGraficoProps::concluir() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, closes);
    QFETCH(double, maximum);
    QFETCH(QString, message);
    QFETCH(bool, emptied);
    fx.start(locale.toLatin1().constData());
    SweepChart chart;
    open(chart);
    props().setResult(QDialog::Rejected);
    props().EdTitulo->setFocus();
    props().EdMaxEixoY->setText(text);
    if (emptied) {
        fx.ui.expectMessage(QStringLiteral("Erro"), message, MsgIcon::Information);
    } else if (!message.isEmpty()) {
        fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), message);
    }
    props().BTConcluir->click();

    QCOMPARE(props().isVisible(), !closes);
    QCOMPARE(props().result(), closes ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(chart.view.leftAxis().minimum(), 0.0);
    QCOMPARE(chart.view.leftAxis().maximum(), maximum);
    QVERIFY(!chart.view.leftAxis().isMaximumAutomatic());
    if (!message.isEmpty()) {
        QCOMPARE(props().EdMaxEixoY->text(), emptied ? QString() : text);
        QCOMPARE(props().focusWidget(), static_cast<QWidget*>(props().EdMaxEixoY));
    }
}

void TestGraficoProps::axisFieldsShowAndApplyTitles() {
    fx.start("pt_BR");
    SweepChart chart;
    props().EdEixoX->clear();
    props().EdEixoY->clear();
    open(chart);
    QCOMPARE(props().EdEixoX->text(), kBottomTitle);
    QCOMPARE(props().EdEixoY->text(), kLeftTitle);

    // Nothing reaches the axes before "Concluir", nor when it refuses the maximum.
    props().EdEixoX->setText(QStringLiteral("Volume da cisterna (litros)"));
    props().EdEixoY->setText(QStringLiteral("Economia (%)"));
    props().EdMaxEixoY->setText(QStringLiteral("120"));
    fx.ui.expectMessage(QStringLiteral("Erro"), kTooBig, MsgIcon::Information);
    props().BTConcluir->click();
    QCOMPARE(chart.view.bottomAxis().title(), kBottomTitle);
    QCOMPARE(chart.view.leftAxis().title(), kLeftTitle);

    props().EdMaxEixoY->setText(QStringLiteral("80"));
    props().BTConcluir->click();
    QCOMPARE(chart.view.bottomAxis().title(), QStringLiteral("Volume da cisterna (litros)"));
    QCOMPARE(chart.view.leftAxis().title(), QStringLiteral("Economia (%)"));
    QCOMPARE(chart.view.leftAxis().maximum(), 80.0);

    // Opened again, the fields show the titles the chart now has.
    props().EdEixoX->clear();
    open(chart);
    QCOMPARE(props().EdEixoX->text(), QStringLiteral("Volume da cisterna (litros)"));
    QVERIFY(chart.view.describe().contains(QStringLiteral("Economia (%)")));
}

void TestGraficoProps::titleFollowsTheBox() {
    fx.start("pt_BR");
    SweepChart chart;
    open(chart);
    QVERIFY(!chart.view.isTitleVisible());
    QTest::keyClicks(props().EdTitulo, QStringLiteral("Casa 1"));
    QVERIFY(chart.view.isTitleVisible());
    QCOMPARE(chart.view.title(), QStringLiteral("Casa 1"));
    props().EdTitulo->selectAll();
    QTest::keyClick(props().EdTitulo, Qt::Key_Backspace);
    QVERIFY(!chart.view.isTitleVisible());
    // The main window's clearing empties the box: the title stays hidden.
    props().EdTitulo->setText(QStringLiteral("Outro"));
    props().EdTitulo->clear();
    QVERIFY(!chart.view.isTitleVisible());
}

void TestGraficoProps::markerStyles_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<MarkerStyle>("style");
    QTest::newRow("Quadrado") << 0 << MarkerStyle::Square;
    QTest::newRow("Círculo") << 1 << MarkerStyle::Circle;
    QTest::newRow("Triângulo") << 2 << MarkerStyle::Triangle;
    QTest::newRow("Sem marcador: small dots") << 3 << MarkerStyle::SmallDot;
}

void TestGraficoProps::markerStyles() {
    QFETCH(int, item);
    QFETCH(MarkerStyle, style);
    fx.start("pt_BR");
    SweepChart chart;
    open(chart);
    QCOMPARE(props().CBEstiloMarcador->currentIndex(), 1);  // the series' circles
    const int other = (item + 1) % 4;
    props().CBEstiloMarcador->setCurrentIndex(other);
    props().CBEstiloMarcador->setCurrentIndex(item);
    QCOMPARE(chart.series->markerStyle(), style);
    QVERIFY(chart.series->markersVisible());  // small dots are still markers

    // Opened again, the list shows the series' style.
    props().hide();
    props().CBEstiloMarcador->blockSignals(true);
    props().CBEstiloMarcador->setCurrentIndex(other);
    props().CBEstiloMarcador->blockSignals(false);
    open(chart);
    QCOMPARE(props().CBEstiloMarcador->currentIndex(), item);
}

void TestGraficoProps::lineColour() {
    fx.start("pt_BR");
    SweepChart chart;
    open(chart);
    fx.ui.expectColour(std::nullopt);  // cancelled
    props().BTCorLinha->click();
    QCOMPARE(chart.series->colour(), kSeriesColour);
    fx.ui.expectColour(QColor(Qt::red));
    props().BTCorLinha->click();
    QCOMPARE(chart.series->colour(), QColor(Qt::red));
    QCOMPARE(chart.series->count(), 4);
}

void TestGraficoProps::markerColour() {
    fx.start("pt_BR");
    SweepChart chart;
    open(chart);
    fx.ui.expectColour(std::nullopt);
    props().BTCorMarc->click();
    QCOMPARE(chart.series->count(), 4);

    const QColor green(0, 160, 0);
    fx.ui.expectColour(green);
    props().BTCorMarc->click();
    // The earlier points stay; every volume again in green, then the ideal one in black.
    QCOMPARE(chart.series->count(), 8);
    int greens = 0;
    for (int i = 0; i < chart.series->count(); ++i) {
        if (chart.series->pointColour(i) == green) ++greens;
    }
    QCOMPARE(greens, 3);
    for (double x : {0.0, 2000.0}) {
        int last = -1;
        for (int i = 0; i < chart.series->count(); ++i) {
            if (chart.series->point(i).x == x) last = i;
        }
        QCOMPARE(chart.series->pointColour(last), green);  // drawn on top at that volume
    }
    int lastIdeal = -1, blacks = 0;
    for (int i = 0; i < chart.series->count(); ++i) {
        if (chart.series->point(i).x == 1000.0) lastIdeal = i;
        if (chart.series->pointColour(i) == QColor(Qt::black)) ++blacks;
    }
    QCOMPARE(blacks, 2);
    QCOMPARE(chart.series->pointColour(lastIdeal), QColor(Qt::black));
    QCOMPARE(chart.series->point(lastIdeal).y, 30.0);

    // Without an ideal volume no black point is added.
    chart.set->indVolOtimo = -1;
    fx.ui.expectColour(green);
    props().BTCorMarc->click();
    QCOMPARE(chart.series->count(), 11);
}

void TestGraficoProps::harmlessWithoutSeries() {
    fx.start("pt_BR");
    // No colour dialog is expected: the colour buttons do nothing without a series.
    props().show();
    props().EdTitulo->setText(QStringLiteral("Título"));
    props().CBEstiloMarcador->setCurrentIndex(3);
    props().BTCorLinha->click();
    props().BTCorMarc->click();
    props().EdMaxEixoY->setText(QStringLiteral("150"));
    fx.ui.expectMessage(QStringLiteral("Erro"), kTooBig, MsgIcon::Information);
    props().BTConcluir->click();
    QVERIFY(props().isVisible());
    props().EdMaxEixoY->setText(QStringLiteral("50"));
    props().BTConcluir->click();
    QVERIFY(!props().isVisible());

    // A sweep without a series still gets no colour dialog for its markers.
    const auto set = sweep();
    props().defineSimCurrent(set.get());
    props().BTCorMarc->click();
}

void TestGraficoProps::harmlessAfterTheSeriesIsGone() {
    fx.start("pt_BR");
    SweepChart chart;
    open(chart);
    props().hide();
    // The chart is cleared: the series it drew are deleted.
    chart.view.removeAllSeries();
    QVERIFY(props().SeriesSim.isNull());
    props().show();
    QCOMPARE(props().EdEixoY->text(), kLeftTitle);
    props().CBEstiloMarcador->setCurrentIndex(2);
    props().BTCorLinha->click();
    props().BTCorMarc->click();
    // The chart itself is still there for the title and the axis.
    props().EdTitulo->setText(QStringLiteral("Vazio"));
    QVERIFY(chart.view.isTitleVisible());
    props().EdMaxEixoY->setText(QStringLiteral("40"));
    props().BTConcluir->click();
    QCOMPARE(chart.view.leftAxis().maximum(), 40.0);
}

QTEST_MAIN(TestGraficoProps)
#include "test_form_grafico_props.moc"
