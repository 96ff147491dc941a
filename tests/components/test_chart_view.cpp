// The chart component: points under the mouse, the ideal volume's black marker, marker
// styles, colours, axis limits, removing lines and the accessible description. Drawings are
// checked on the chart's own image, pixel by pixel (the chart draws without antialiasing).

#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <limits>
#include <memory>

#include "common/locale_settings.h"
#include "components/app_locale.h"
#include "components/chart_view.h"

namespace {

const double kAuto = std::numeric_limits<double>::quiet_NaN();

// The pixels of one exact colour in an area of an image.
struct Blob {
    int count = 0;
    QRect box;
    QPointF centre;
};

Blob findColour(const QImage& image, const QColor& colour, const QRect& area) {
    Blob blob;
    double sx = 0;
    double sy = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != (colour.rgb() & 0xFFFFFF)) continue;
            ++blob.count;
            blob.box = blob.box.united(QRect(x, y, 1, 1));
            sx += x + 0.5;
            sy += y + 0.5;
        }
    }
    if (blob.count > 0) blob.centre = QPointF(sx / blob.count, sy / blob.count);
    return blob;
}

// Whether a colour is drawn within `radius` pixels of a position.
bool colourNear(const QImage& image, const QColor& colour, QPointF at, int radius) {
    const QPoint c = at.toPoint();
    return findColour(image, colour, QRect(c.x() - radius, c.y() - radius, 2 * radius + 1, 2 * radius + 1))
               .count > 0;
}

std::optional<double> fixedOrAuto(double v) {
    if (std::isnan(v)) return std::nullopt;
    return v;
}

bool close(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)});
}

const QColor kLine(90, 90, 90);
const QColor kPointColours[] = {QColor(250, 0, 0), QColor(0, 200, 0), QColor(0, 0, 250), QColor(250, 0, 250)};

}  // namespace

class TestChartView : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void hitTest_data();
    void hitTest();
    void hitTestOrderOfCoincidentPoints();
    void idealPointBlackWithoutSegmentBack_data();
    void idealPointBlackWithoutSegmentBack();
    void markerStyles_data();
    void markerStyles();
    void pointColoursAndSeriesColour();
    void automaticColours();
    void axisLimits_data();
    void axisLimits();
    void axisOnChart_data();
    void axisOnChart();
    void titleAndLegend();
    void removeAllSeries();
    void seriesLifetimes();
    void accessibleDescriptionFollowsChanges();
    void imageAtCurrentSize();

  private:
    QRect plotArea() const { return view->chart()->plotArea().toAlignedRect(); }
    // A grey line through four points of four colours of their own, on fixed axes.
    ChartSeries* fourColouredPoints();
    // Where the chart draws a value, by Qt's own mapping, in widget coordinates.
    QPointF pixelOf(double x, double y) const {
        return view->viewportTransform().map(
            view->chart()->mapToScene(view->chart()->mapToPosition(QPointF(x, y))));
    }

    std::unique_ptr<ChartView> view;
};

void TestChartView::init() {
    setAppLocale(LocaleSettings::ptBR());
    view = std::make_unique<ChartView>();
    view->resize(640, 480);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void TestChartView::cleanup() {
    view.reset();
}

ChartSeries* TestChartView::fourColouredPoints() {
    view->bottomAxis().setRange(0, 4000);
    view->leftAxis().setRange(0, 40);
    ChartSeries* s = view->addLineSeries(QStringLiteral("Potencial"));
    s->setColour(kLine);
    s->setLineWidth(2);
    const double ys[] = {5, 20, 30, 35};
    for (int i = 0; i < 4; ++i) s->addPoint(500 + i * 1000, ys[i], kPointColours[i]);
    return s;
}

void TestChartView::hitTest_data() {
    // The mouse stands at the middle of the markers `from` and `to` (the centre of one marker
    // when they are the same; the widget's top left corner for -1), moved by `offset`.
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("expected");
    QTest::newRow("centre of the first point") << 0 << 0 << QPoint(0, 0) << 0;
    QTest::newRow("centre of the last point") << 3 << 3 << QPoint(0, 0) << 3;
    QTest::newRow("on the marker's edge") << 1 << 1 << QPoint(4, -3) << 1;
    QTest::newRow("a little beyond the marker") << 1 << 1 << QPoint(7, 0) << -1;
    QTest::newRow("diagonally beyond the marker") << 2 << 2 << QPoint(5, 5) << -1;
    QTest::newRow("on the line between two points") << 0 << 1 << QPoint(0, 0) << -1;
    QTest::newRow("off the plot") << -1 << -1 << QPoint(5, 5) << -1;
}

void TestChartView::hitTest() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QPoint, offset);
    QFETCH(int, expected);
    ChartSeries* s = fourColouredPoints();
    const QImage image = view->toImage();

    QPointF at;
    if (from >= 0) {
        const Blob a = findColour(image, kPointColours[from], plotArea().adjusted(-6, -6, 6, 6));
        const Blob b = findColour(image, kPointColours[to], plotArea().adjusted(-6, -6, 6, 6));
        QVERIFY2(a.count > 40 && b.count > 40, "a point's marker is not drawn");
        at = (a.centre + b.centre) / 2;
    }
    const QPoint mouse = at.toPoint() + offset;

    QSignalSpy moved(view.get(), &ChartView::mouseMoved);
    QTest::mouseMove(view->viewport(), mouse);
    QTRY_VERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().at(0).toPoint(), mouse);

    QCOMPARE(view->hitTest(s, mouse), expected);
    const std::optional<ChartHit> hit = view->hitTest(mouse);
    QCOMPARE(hit.has_value(), expected >= 0);
    if (hit) {
        QCOMPARE(hit->series, s);
        QCOMPARE(hit->index, expected);
    }
}

void TestChartView::hitTestOrderOfCoincidentPoints() {
    view->bottomAxis().setRange(0, 2000);
    view->leftAxis().setRange(0, 100);
    ChartSeries* first = view->addLineSeries(QStringLiteral("Atende completamente"));
    ChartSeries* second = view->addLineSeries(QStringLiteral("Não atende"));
    for (ChartSeries* s : {first, second}) {
        s->addPoint(0, 10);
        s->addPoint(1000, 50);
        s->addPoint(2000, 60);
    }
    first->addPoint(1000, 50, Qt::black);  // the ideal volume again, on top

    const std::optional<QPointF> at = view->pointPosition(second, 1);
    QVERIFY(at.has_value());
    const std::optional<ChartHit> hit = view->hitTest(at->toPoint());
    QVERIFY(hit.has_value());
    QCOMPARE(hit->series, first);  // the series added first
    QCOMPARE(first->pointColour(hit->index), QColor(Qt::black));
    QCOMPARE(first->point(hit->index).x, 1000.0);
    QCOMPARE(view->hitTest(second, at->toPoint()), 1);
}

void TestChartView::idealPointBlackWithoutSegmentBack_data() {
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("volumes added from the smallest") << false;
    QTest::newRow("volumes added from the largest") << true;
}

void TestChartView::idealPointBlackWithoutSegmentBack() {
    QFETCH(bool, rightToLeft);
    const QColor blue(0, 0, 200);
    view->bottomAxis().setRange(0, 4000);
    view->leftAxis().setRange(0, 40);
    ChartSeries* s = view->addLineSeries(QStringLiteral("Potencial"));
    s->setColour(blue);
    s->setLineWidth(2);
    const double ys[] = {0, 20, 30, 35, 37};  // a concave curve: every chord lies below it
    for (int k = 0; k < 5; ++k) {
        const int i = rightToLeft ? 4 - k : k;
        s->addPoint(i * 1000, ys[i]);
    }
    const int ideal = s->addPoint(1000, 20, Qt::black);
    QCOMPARE(s->count(), 6);

    const QImage image = view->toImage();
    const Blob black = findColour(image, Qt::black, plotArea());
    QVERIFY2(black.count >= 50, qPrintable(QString::number(black.count)));  // a whole 9-pixel marker
    const QPointF where = pixelOf(1000, 20);
    QVERIFY2(QLineF(black.centre, where).length() <= 1.0, "the black marker is not on the ideal volume");
    QCOMPARE(s->pointColour(ideal), QColor(Qt::black));

    // The line runs from left to right through every point...
    QVERIFY(colourNear(image, blue, (pixelOf(2000, 30) + pixelOf(3000, 35)) / 2, 1));
    // ... and nothing runs back from either end to the ideal volume, nor joins the ends.
    const QPointF start = pixelOf(0, 0);
    const QPointF end = pixelOf(4000, 37);
    for (double t : {0.3, 0.5, 0.7}) {
        QVERIFY2(!colourNear(image, blue, end + (where - end) * t, 1),
                 "a segment runs back to the ideal point");
        QVERIFY2(!colourNear(image, blue, start + (end - start) * t, 1), "a segment joins the ends");
    }
}

void TestChartView::markerStyles_data() {
    QTest::addColumn<MarkerStyle>("style");
    QTest::addColumn<int>("minSide");
    QTest::addColumn<int>("maxSide");
    QTest::addColumn<double>("minFill");  // share of the bounding box the marker covers
    QTest::addColumn<double>("maxFill");
    QTest::newRow("Quadrado") << MarkerStyle::Square << 9 << 9 << 1.0 << 1.0;
    QTest::newRow("Círculo") << MarkerStyle::Circle << 9 << 9 << 0.6 << 0.9;
    QTest::newRow("Triângulo") << MarkerStyle::Triangle << 8 << 10 << 0.3 << 0.7;
    QTest::newRow("Sem marcador") << MarkerStyle::SmallDot << 1 << 3 << 0.5 << 1.0;
}

void TestChartView::markerStyles() {
    QFETCH(MarkerStyle, style);
    QFETCH(int, minSide);
    QFETCH(int, maxSide);
    QFETCH(double, minFill);
    QFETCH(double, maxFill);
    const QColor red(250, 0, 0);
    view->bottomAxis().setRange(0, 2000);
    view->leftAxis().setRange(0, 100);
    ChartSeries* s = view->addLineSeries();
    s->setColour(QColor(0, 0, 200));
    s->setMarkerRadius(4);
    s->addPoint(0, 10);
    s->addPoint(1000, 50, red);
    s->addPoint(2000, 60);
    s->setMarkerStyle(style);  // changed after the points, as the properties dialog does
    QCOMPARE(s->markerStyle(), style);

    const Blob marker = findColour(view->toImage(), red, plotArea());
    QVERIFY2(marker.count > 0, "no marker drawn");
    const QSize side = marker.box.size();
    QVERIFY2(side.width() >= minSide && side.width() <= maxSide && side.height() >= minSide &&
                 side.height() <= maxSide,
             qPrintable(QStringLiteral("%1 x %2").arg(side.width()).arg(side.height())));
    const double fill = double(marker.count) / (side.width() * side.height());
    QVERIFY2(fill >= minFill && fill <= maxFill, qPrintable(QString::number(fill)));
}

void TestChartView::pointColoursAndSeriesColour() {
    view->bottomAxis().setRange(0, 2500);  // no marker cut by the plot's edge
    view->leftAxis().setRange(0, 100);
    ChartSeries* s = view->addLineSeries();
    s->setColour(QColor(0, 0, 200));
    s->addPoint(250, 10);
    s->addPoint(1000, 50);
    s->addPoint(2000, 60, QColor(250, 0, 0));
    const QColor green(0, 160, 0);
    s->setColour(green);  // "Linha": the points without a colour of their own follow

    const QImage image = view->toImage();
    QVERIFY(colourNear(image, green, *view->pointPosition(s, 1), 0));
    QVERIFY(colourNear(image, QColor(250, 0, 0), *view->pointPosition(s, 2), 0));
    QCOMPARE(findColour(image, QColor(0, 0, 200), plotArea()).count, 0);
    QCOMPARE(s->pointColour(1), green);
    QCOMPARE(s->pointColour(2), QColor(250, 0, 0));

    // "Marcadores": every point again in one colour, on top of the earlier ones.
    const QColor magenta(250, 0, 250);
    s->addPoints({{250, 10, magenta}, {1000, 50, magenta}, {2000, 60, magenta}});
    QCOMPARE(s->count(), 6);
    const QImage again = view->toImage();
    for (int i = 0; i < s->count(); ++i) QVERIFY(colourNear(again, magenta, *view->pointPosition(s, i), 0));
}

void TestChartView::automaticColours() {
    ChartSeries* a = view->addLineSeries();
    ChartSeries* b = view->addLineSeries();
    auto c = std::make_unique<ChartSeries>();
    c->setColour(Qt::darkCyan);  // a colour of its own stays
    view->addSeries(c.get());
    for (ChartSeries* s : {a, b}) {
        QVERIFY(s->colour().isValid());
        QVERIFY(s->colour() != QColor(Qt::black) && s->colour() != QColor(Qt::white));
    }
    QVERIFY(a->colour() != b->colour());
    QCOMPARE(c->colour(), QColor(Qt::darkCyan));
    QVERIFY(view->nextAutomaticColour() != a->colour() && view->nextAutomaticColour() != b->colour());
    view->removeSeries(c.get());
}

void TestChartView::axisLimits_data() {
    QTest::addColumn<double>("fixedMin");  // NaN: automatic
    QTest::addColumn<double>("fixedMax");
    QTest::addColumn<double>("fixedStep");
    QTest::addColumn<bool>("hasData");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("labels");
    // clang-format off
    QTest::newRow("automatic, rounded out to the step") << kAuto << kAuto << kAuto << true << 0.0 << 47.3 << 0.0 << 50.0 << 5.0 << 11;
    QTest::newRow("automatic limits, fixed step") << kAuto << kAuto << 10.0 << true << 3.0 << 62.0 << 0.0 << 70.0 << 10.0 << 8;
    QTest::newRow("fixed range and step") << 0.0 << 70.0 << 5.0 << true << 0.0 << 45.0 << 0.0 << 70.0 << 5.0 << 15;
    QTest::newRow("fixed minimum, automatic maximum") << 0.0 << kAuto << kAuto << true << 12.0 << 118.0 << 0.0 << 120.0 << 20.0 << 7;
    QTest::newRow("fixed 0 to 100, automatic step") << 0.0 << 100.0 << kAuto << true << 3.0 << 40.0 << 0.0 << 100.0 << 10.0 << 11;
    QTest::newRow("fixed maximum within the data") << kAuto << 30.0 << kAuto << true << 10.0 << 60.0 << 10.0 << 30.0 << 2.0 << 11;
    QTest::newRow("data all above a fixed maximum") << kAuto << 30.0 << kAuto << true << 40.0 << 60.0 << 27.0 << 30.0 << 0.5 << 7;
    QTest::newRow("negative data") << kAuto << kAuto << kAuto << true << -12.0 << -3.0 << -12.0 << -3.0 << 1.0 << 10;
    QTest::newRow("no points") << kAuto << kAuto << kAuto << false << 0.0 << 0.0 << 0.0 << 1.0 << 0.1 << 11;
    QTest::newRow("no points, minimum fixed at 0") << 0.0 << kAuto << kAuto << false << 0.0 << 0.0 << 0.0 << 1.0 << 0.1 << 11;
    QTest::newRow("all points equal") << kAuto << kAuto << kAuto << true << 5.0 << 5.0 << 4.5 << 5.5 << 0.1 << 11;
    QTest::newRow("all points 0") << kAuto << kAuto << kAuto << true << 0.0 << 0.0 << 0.0 << 1.0 << 0.1 << 11;
    QTest::newRow("fixed range without width") << 0.0 << 0.0 << kAuto << true << 0.0 << 40.0 << 0.0 << 1.0 << 0.1 << 11;
    QTest::newRow("fixed range reversed") << 100.0 << 0.0 << kAuto << true << 0.0 << 40.0 << 0.0 << 100.0 << 10.0 << 11;
    QTest::newRow("step too small for the range") << 0.0 << 1000.0 << 5.0 << true << 0.0 << 40.0 << 0.0 << 1000.0 << 20.0 << 51;
    QTest::newRow("step far too small") << 0.0 << 100.0 << 1e-300 << true << 0.0 << 40.0 << 0.0 << 100.0 << 2.0 << 51;
    QTest::newRow("step larger than the range") << 0.0 << 100.0 << 1000.0 << true << 0.0 << 40.0 << 0.0 << 100.0 << 1000.0 << 1;
    // clang-format on
}

void TestChartView::axisLimits() {
    QFETCH(double, fixedMin);
    QFETCH(double, fixedMax);
    QFETCH(double, fixedStep);
    QFETCH(bool, hasData);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, step);
    QFETCH(int, labels);
    const AxisScale scale{fixedOrAuto(fixedMin), fixedOrAuto(fixedMax), fixedOrAuto(fixedStep)};
    const std::optional<DataExtent> data = hasData ? std::optional(DataExtent{low, high}) : std::nullopt;
    const AxisLimits limits = computeAxisLimits(scale, data);
    QVERIFY2(close(limits.minimum, min), qPrintable(QString::number(limits.minimum, 'g', 17)));
    QVERIFY2(close(limits.maximum, max), qPrintable(QString::number(limits.maximum, 'g', 17)));
    QVERIFY2(close(limits.step, step), qPrintable(QString::number(limits.step, 'g', 17)));
    const QList<double> values = axisLabelValues(limits);
    QCOMPARE(values.size(), labels);
    QVERIFY(values.first() >= limits.minimum - 1e-9 && values.last() <= limits.maximum + 1e-9);
}

void TestChartView::axisOnChart_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("comma locale") << QStringLiteral("pt_BR")
                                  << QStringList{"0", "0,5", "1", "1,5", "2", "2,5", "3"};
    QTest::newRow("point locale") << QStringLiteral("en_US")
                                  << QStringList{"0", "0.5", "1", "1.5", "2", "2.5", "3"};
}

void TestChartView::axisOnChart() {
    QFETCH(QString, locale);
    QFETCH(QStringList, labels);
    setAppLocale(LocaleSettings::fromName(locale.toStdString()));
    ChartSeries* s = view->addLineSeries();
    s->addPoint(0, 0.2);
    s->addPoint(1000, 2.6);
    auto* left = qobject_cast<QCategoryAxis*>(view->chart()->axes(Qt::Vertical).value(0));
    QVERIFY(left != nullptr);

    view->leftAxis().setLabelStep(0.5);
    QVERIFY(!view->leftAxis().isLabelStepAutomatic());
    QCOMPARE(view->leftAxis().labels(), labels);
    view->toImage();  // drawn: the axis as the chart shows it
    QCOMPARE(left->categoriesLabels(), labels);
    QCOMPARE(left->min(), 0.0);
    QCOMPARE(left->max(), 3.0);

    view->leftAxis().setRange(0, 100);
    view->leftAxis().setLabelStepAutomatic();
    QVERIFY(!view->leftAxis().isMinimumAutomatic() && !view->leftAxis().isMaximumAutomatic());
    view->toImage();
    QCOMPARE(left->max(), 100.0);
    QCOMPARE(left->categoriesLabels().size(), 11);
    QCOMPARE(view->leftAxis().maximum(), 100.0);

    // Back to automatic: the limits follow the points again, also as they are added.
    view->leftAxis().setAutomatic();
    QVERIFY(view->leftAxis().isMinimumAutomatic() && view->leftAxis().isMaximumAutomatic());
    QCOMPARE(view->leftAxis().maximum(), 3.0);
    s->addPoint(2000, 7.2);
    QCOMPARE(view->leftAxis().maximum(), 8.0);
    view->toImage();
    QCOMPARE(left->max(), 8.0);
    QCOMPARE(view->bottomAxis().maximum(), 2000.0);

    // A limit that is not a number leaves the axis as it was.
    view->leftAxis().setMaximum(std::numeric_limits<double>::infinity());
    QVERIFY(view->leftAxis().isMaximumAutomatic());
}

void TestChartView::titleAndLegend() {
    view->setTitle(QStringLiteral("Potencial de Economia de Água Potável"));
    view->toImage();
    QCOMPARE(view->chart()->title(), QStringLiteral("Potencial de Economia de Água Potável"));
    view->setTitleVisible(false);
    view->toImage();
    QVERIFY(view->chart()->title().isEmpty());
    QCOMPARE(view->title(), QStringLiteral("Potencial de Economia de Água Potável"));  // kept while hidden
    view->setTitleVisible(true);
    view->toImage();
    QCOMPARE(view->chart()->title(), view->title());

    QVERIFY(!view->isLegendVisible());
    ChartSeries* s = view->addLineSeries(QStringLiteral("Consumo de água pluvial"));
    s->addPoint(0, 1);
    view->setLegendVisible(true);
    QVERIFY(view->isLegendVisible());
    QCOMPARE(view->chart()->legend()->alignment(), Qt::AlignBottom);
    view->toImage();
    // One entry for the line: its markers are part of it.
    int shown = 0;
    for (QLegendMarker* m : view->chart()->legend()->markers()) {
        if (!m->isVisible()) continue;
        ++shown;
        QCOMPARE(m->label(), QStringLiteral("Consumo de água pluvial"));
    }
    QCOMPARE(shown, 1);
}

void TestChartView::removeAllSeries() {
    view->bottomAxis().setRange(0, 2000);
    view->leftAxis().setRange(0, 100);
    QPointer<ChartSeries> owned = view->addLineSeries(QStringLiteral("Potencial"));
    owned->setColour(QColor(0, 0, 200));
    auto foreign = std::make_unique<ChartSeries>(QStringLiteral("Volume extravasado"));
    foreign->setColour(QColor(0, 160, 0));
    view->addSeries(foreign.get());
    for (ChartSeries* s : {owned.data(), foreign.get()}) {
        s->addPoint(0, 10);
        s->addPoint(1000, 50, Qt::black);
        s->addPoint(2000, 60);
    }
    QCOMPARE(view->series().size(), 2);

    view->removeAllSeries();
    QVERIFY(owned.isNull());             // the view's own series is deleted
    QCOMPARE(foreign->view(), nullptr);  // the other stays with its maker
    QCOMPARE(foreign->count(), 3);
    QVERIFY(view->series().isEmpty());
    QVERIFY(view->chart()->series().isEmpty());
    const QImage image = view->toImage();
    for (const QColor& c : {QColor(0, 0, 200), QColor(0, 160, 0), QColor(Qt::black)}) {
        QCOMPARE(findColour(image, c, plotArea()).count, 0);
    }
    QVERIFY(view->accessibleDescription().contains(QStringLiteral("Nenhuma linha.")));
    QCOMPARE(view->leftAxis().maximum(), 100.0);  // fixed limits stay

    // The same series can be drawn again.
    view->addSeries(foreign.get());
    QCOMPARE(foreign->view(), view.get());
    QVERIFY(findColour(view->toImage(), QColor(0, 160, 0), plotArea()).count > 0);
}

void TestChartView::seriesLifetimes() {
    // A series deleted by its maker while drawn leaves the chart.
    auto* dropped = new ChartSeries(QStringLiteral("a"));
    view->addSeries(dropped);
    dropped->addPoint(1, 1);
    delete dropped;
    QVERIFY(view->series().isEmpty());
    QVERIFY(view->chart()->series().isEmpty());

    // A view's own series deleted directly is not deleted again.
    ChartSeries* own = view->addLineSeries();
    delete own;
    QVERIFY(view->series().isEmpty());

    // A series moves from one view to another; a view that goes leaves it to its maker.
    ChartSeries keeper(QStringLiteral("b"));
    auto other = std::make_unique<ChartView>();
    other->addSeries(&keeper);
    view->addSeries(&keeper);
    QVERIFY(other->series().isEmpty());
    QCOMPARE(keeper.view(), view.get());
    other->addSeries(&keeper);
    other.reset();
    QCOMPARE(keeper.view(), nullptr);
    QVERIFY(view->series().isEmpty());

    // Points that are not numbers are not added.
    ChartSeries* s = view->addLineSeries();
    QCOMPARE(s->addPoint(std::nan(""), 1), -1);
    QCOMPARE(s->addPoint(1, std::numeric_limits<double>::infinity()), -1);
    QCOMPARE(s->count(), 0);
    view->removeAllSeries();
}

void TestChartView::accessibleDescriptionFollowsChanges() {
    QCOMPARE(view->accessibleDescription(),
             QStringLiteral("Gráfico sem título. Eixo horizontal: sem título, de 0 a 1. "
                            "Eixo vertical: sem título, de 0 a 1. Nenhuma linha."));
    view->setTitle(QStringLiteral("Potencial de Economia de Água Potável"));
    view->bottomAxis().setTitle(QStringLiteral("Volume do reservatório inferior (litros)"));
    view->leftAxis().setTitle(QStringLiteral("Potencial de economia de água potável (%)"));
    view->leftAxis().setRange(0, 70);
    ChartSeries* s = view->addLineSeries(QStringLiteral("Potencial"));
    for (int i = 0; i <= 4; ++i) s->addPoint(i * 1000, 10.25 * i);
    QCOMPARE(view->accessibleDescription(),
             QStringLiteral("Gráfico \u201CPotencial de Economia de Água Potável\u201D. "
                            "Eixo horizontal: Volume do reservatório inferior (litros), de 0 a 4000. "
                            "Eixo vertical: Potencial de economia de água potável (%), de 0 a 70. "
                            "1 linha. Linha 1: Potencial, 5 pontos."));

    s->addPoint(2000, 20.5, Qt::black);
    QVERIFY(view->accessibleDescription().endsWith(
        QStringLiteral("Linha 1: Potencial, 6 pontos, ponto destacado em x = 2000 e y = 20,5.")));
    // Every point again in one colour: the black point alone still stands out.
    for (int i = 0; i <= 4; ++i) s->addPoint(i * 1000, 10.25 * i, Qt::red);
    s->addPoint(2000, 20.5, Qt::black);
    QVERIFY(view->accessibleDescription().endsWith(
        QStringLiteral("Linha 1: Potencial, 12 pontos, ponto destacado em x = 2000 e y = 20,5.")));

    view->setTitleVisible(false);
    QVERIFY(view->accessibleDescription().startsWith(QStringLiteral("Gráfico sem título. ")));
    view->leftAxis().setMaximumAutomatic();
    QVERIFY(view->accessibleDescription().contains(QStringLiteral("(%), de 0 a 45.")));
    s->setTitle(QStringLiteral("Outra"));
    QVERIFY(view->accessibleDescription().contains(QStringLiteral("Linha 1: Outra, 12 pontos")));
    ChartSeries* t = view->addLineSeries();
    QVERIFY(
        view->accessibleDescription().endsWith(QStringLiteral("2 linhas. Linha 1: Outra, 12 pontos, "
                                                              "ponto destacado em x = 2000 e y = 20,5. "
                                                              "Linha 2: sem título, nenhum ponto.")));
    view->removeSeries(t);
    s->clearPoints();
    QVERIFY(view->accessibleDescription().endsWith(QStringLiteral("1 linha. Linha 1: Outra, nenhum ponto.")));
    view->removeAllSeries();
    QVERIFY(view->accessibleDescription().endsWith(QStringLiteral("Nenhuma linha.")));
}

void TestChartView::imageAtCurrentSize() {
    view->resize(517, 333);
    ChartSeries* s = view->addLineSeries();
    s->setColour(QColor(0, 0, 200));
    s->setLineWidth(2);
    s->addPoint(0, 0);
    s->addPoint(1000, 10);
    // Drawn at once, without waiting for the event loop.
    const QImage image = view->toImage();
    QCOMPARE(image.size(), QSize(517, 333));
    QVERIFY(findColour(image, QColor(0, 0, 200), image.rect()).count > 50);
}

QTEST_MAIN(TestChartView)
#include "test_chart_view.moc"
