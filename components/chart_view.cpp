#include "components/chart_view.h"

#include <QAccessibleWidget>
#include <QCategoryAxis>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

// Automatic series colours: neither black (the ideal volume's marker) nor white (the
// background).
const std::array<QColor, 10> kPalette = {
    QColor(31, 78, 200), QColor(208, 48, 32), QColor(32, 144, 48),  QColor(224, 144, 0), QColor(128, 48, 160),
    QColor(0, 144, 144), QColor(160, 96, 32), QColor(208, 64, 160), QColor(96, 96, 96),  QColor(144, 144, 0),
};

// Diameter of the small dot, in pixels.
constexpr int kSmallDot = 3;

QScatterSeries::MarkerShape qtShape(MarkerStyle style) {
    switch (style) {
        case MarkerStyle::Square:
            return QScatterSeries::MarkerShapeRectangle;
        case MarkerStyle::Triangle:
            return QScatterSeries::MarkerShapeTriangle;
        case MarkerStyle::Circle:
        case MarkerStyle::SmallDot:
            break;
    }
    return QScatterSeries::MarkerShapeCircle;
}

QCategoryAxis* newAxis() {
    auto* axis = new QCategoryAxis;
    // Labels stand at their values, as on a value axis, with the texts the view writes.
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setMinorTickCount(0);
    return axis;
}

bool within(double v, const AxisLimits& limits) {
    const double slack = (limits.maximum - limits.minimum) * 1e-9;
    return v >= limits.minimum - slack && v <= limits.maximum + slack;
}

// Screen readers announce the view as a chart, with its name and description; Qt alone would
// present it as a plain scrolled area.
QAccessibleInterface* chartAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("ChartView") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QChartView(parent) {
    static const bool accessibleAsChart = (QAccessible::installFactory(chartAccessible), true);
    Q_UNUSED(accessibleAsChart);
    setFrameShape(QFrame::NoFrame);
    setRenderHint(QPainter::Antialiasing, false);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);

    QChart* c = chart();
    c->setTheme(QChart::ChartThemeLight);
    c->setAnimationOptions(QChart::NoAnimation);
    c->setBackgroundRoundness(0);
    c->setBackgroundBrush(Qt::white);
    c->legend()->setAlignment(Qt::AlignBottom);
    c->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    c->legend()->hide();

    bottomQt_ = newAxis();
    leftQt_ = newAxis();
    c->addAxis(bottomQt_, Qt::AlignBottom);
    c->addAxis(leftQt_, Qt::AlignLeft);
    bottom_.reset(new ChartAxis(this, bottomQt_));
    left_.reset(new ChartAxis(this, leftQt_));

    dirty_ = true;
    syncNow();
    updateDescription();
}

ChartView::~ChartView() {
    // The chart deletes its Qt series; the series themselves stay with their owners.
    for (const Drawn& d : drawn_) {
        disconnect(d.series, nullptr, this, nullptr);
        d.series->view_ = nullptr;
    }
    drawn_.clear();
}

void ChartView::setTitle(const QString& title) {
    if (title == title_) return;
    title_ = title;
    scheduleSync();
    updateDescription();
}

void ChartView::setTitleVisible(bool visible) {
    if (visible == titleVisible_) return;
    titleVisible_ = visible;
    scheduleSync();
    updateDescription();
}

bool ChartView::isLegendVisible() const {
    return chart()->legend()->isVisible();
}

void ChartView::setLegendVisible(bool visible) {
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->legend()->setVisible(visible);
}

ChartSeries* ChartView::addLineSeries(const QString& title) {
    auto* series = new ChartSeries(title, this);
    addSeries(series);
    return series;
}

void ChartView::addSeries(ChartSeries* series) {
    if (series == nullptr || series->view_ == this) return;
    if (series->view_ != nullptr) series->view_->forget(series);
    if (!series->colour_.isValid()) series->colour_ = nextAutomaticColour();

    auto* line = new QLineSeries;
    auto* markers = new QScatterSeries;
    line->setPointsVisible(false);
    markers->setPen(Qt::NoPen);
    for (QXYSeries* s : {static_cast<QXYSeries*>(line), static_cast<QXYSeries*>(markers)}) {
        chart()->addSeries(s);
        s->attachAxis(bottomQt_);
        s->attachAxis(leftQt_);
    }
    drawn_.push_back(Drawn{series, line, markers});
    series->view_ = this;
    connect(series, &ChartSeries::changed, this, &ChartView::seriesChanged);
    scheduleSync();
    updateDescription();
}

void ChartView::detach(std::size_t at) {
    if (at >= drawn_.size()) return;
    const Drawn d = drawn_[at];
    drawn_.erase(drawn_.begin() + static_cast<std::ptrdiff_t>(at));
    disconnect(d.series, nullptr, this, nullptr);
    d.series->view_ = nullptr;
    for (QXYSeries* s : {static_cast<QXYSeries*>(d.line), static_cast<QXYSeries*>(d.markers)}) {
        chart()->removeSeries(s);
        delete s;
    }
    scheduleSync();
    updateDescription();
}

void ChartView::removeSeries(ChartSeries* series) {
    if (find(series) == nullptr) return;
    forget(series);
    if (series->parent() == this) delete series;
}

void ChartView::forget(const ChartSeries* series) {
    const auto it =
        std::find_if(drawn_.begin(), drawn_.end(), [series](const Drawn& d) { return d.series == series; });
    detach(static_cast<std::size_t>(it - drawn_.begin()));
}

void ChartView::removeAllSeries() {
    while (!drawn_.empty()) removeSeries(drawn_.back().series);
}

QList<ChartSeries*> ChartView::series() const {
    QList<ChartSeries*> list;
    for (const Drawn& d : drawn_) list.append(d.series);
    return list;
}

QColor ChartView::nextAutomaticColour() const {
    for (const QColor& colour : kPalette) {
        const bool used = std::any_of(drawn_.begin(), drawn_.end(), [&](const Drawn& d) {
            return d.series->colour().rgba() == colour.rgba();
        });
        if (!used) return colour;
    }
    return kPalette[drawn_.size() % kPalette.size()];
}

const ChartView::Drawn* ChartView::find(const ChartSeries* series) const {
    const auto it =
        std::find_if(drawn_.begin(), drawn_.end(), [series](const Drawn& d) { return d.series == series; });
    return it == drawn_.end() ? nullptr : &*it;
}

std::optional<DataExtent> ChartView::dataExtent(const ChartAxis* axis) const {
    const bool horizontal = axis == bottom_.get();
    std::optional<DataExtent> extent;
    for (const Drawn& d : drawn_) {
        for (const ChartPoint& p : d.series->points()) {
            const double v = horizontal ? p.x : p.y;
            if (!extent) {
                extent = DataExtent{v, v};
            } else {
                extent->low = std::min(extent->low, v);
                extent->high = std::max(extent->high, v);
            }
        }
    }
    return extent;
}

void ChartView::axisChanged() {
    scheduleSync();
    updateDescription();
}

void ChartView::seriesChanged() {
    scheduleSync();
    updateDescription();
}

void ChartView::scheduleSync() {
    dirty_ = true;
    if (syncScheduled_) return;
    syncScheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            syncScheduled_ = false;
            syncNow();
        },
        Qt::QueuedConnection);
}

void ChartView::syncSeries(const Drawn& drawn) const {
    const ChartSeries& s = *drawn.series;
    QList<QPointF> points;
    points.reserve(s.count());
    QHash<int, QHash<QXYSeries::PointConfiguration, QVariant>> colours;
    for (int i = 0; i < s.count(); ++i) {
        const ChartPoint& p = s.point(i);
        points.append(QPointF(p.x, p.y));
        if (p.colour.isValid()) colours[i][QXYSeries::PointConfiguration::Color] = p.colour;
    }

    QPen pen(s.colour());
    pen.setWidth(s.lineWidth());
    drawn.line->setPen(pen);
    drawn.line->setName(s.title());
    drawn.line->replace(points);

    const bool dot = s.markerStyle() == MarkerStyle::SmallDot;
    drawn.markers->setMarkerShape(qtShape(s.markerStyle()));
    drawn.markers->setMarkerSize(dot ? kSmallDot : 2 * s.markerRadius() + 1);
    drawn.markers->setColor(s.colour());
    drawn.markers->setPen(Qt::NoPen);
    drawn.markers->setPointsVisible(s.markersVisible());
    // The colours first: the markers take them when their points are laid out.
    drawn.markers->setPointsConfiguration(colours);
    drawn.markers->replace(points);
    // The markers are part of the line: only the line is named in the legend.
    for (QLegendMarker* m : chart()->legend()->markers(drawn.markers)) m->setVisible(false);
}

void ChartView::syncNow() const {
    if (dirty_) {
        dirty_ = false;
        for (const Drawn& d : drawn_) syncSeries(d);
        bottom_->apply(bottom_->limits());
        left_->apply(left_->limits());
        chart()->setTitle(titleVisible_ ? title_ : QString());
    }
    // Plot area and axis labels laid out at once (also after a resize), so that positions
    // and images match what the chart shows.
    if (chart()->layout() != nullptr) chart()->layout()->activate();
}

std::optional<QPointF> ChartView::positionOf(const Drawn& drawn, const ChartPoint& point, const AxisLimits& x,
                                             const AxisLimits& y) const {
    if (!within(point.x, x) || !within(point.y, y)) return std::nullopt;
    const QPointF inChart = chart()->mapToPosition(QPointF(point.x, point.y), drawn.line);
    const QPointF inViewport = viewportTransform().map(chart()->mapToScene(inChart));
    return inViewport + QPointF(viewport()->pos());
}

std::optional<QPointF> ChartView::pointPosition(const ChartSeries* series, int index) const {
    const Drawn* d = find(series);
    if (d == nullptr || index < 0 || index >= series->count()) return std::nullopt;
    syncNow();
    return positionOf(*d, series->point(index), bottom_->limits(), left_->limits());
}

int ChartView::hitTest(const ChartSeries* series, QPoint pos) const {
    const Drawn* d = find(series);
    if (d == nullptr) return -1;
    syncNow();
    const AxisLimits x = bottom_->limits();
    const AxisLimits y = left_->limits();
    const double reach = std::max(series->markerRadius(), 3) + 2;
    int best = -1;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int i = 0; i < series->count(); ++i) {
        const std::optional<QPointF> at = positionOf(*d, series->point(i), x, y);
        if (!at) continue;
        const double distance = std::hypot(at->x() - pos.x(), at->y() - pos.y());
        // "<=": of points at one place, the one drawn last (on top) is the one found.
        if (distance <= reach && distance <= bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<ChartHit> ChartView::hitTest(QPoint pos) const {
    for (const Drawn& d : drawn_) {
        const int index = hitTest(d.series, pos);
        if (index >= 0) return ChartHit{d.series, index};
    }
    return std::nullopt;
}

QImage ChartView::toImage() {
    syncNow();
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    render(&painter);
    painter.end();
    return image;
}

void ChartView::updateDescription() {
    const QString text = describe();
    if (text != accessibleDescription()) setAccessibleDescription(text);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint() + viewport()->pos());
    QChartView::mouseMoveEvent(event);
}
