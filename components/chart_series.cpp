#include "components/chart_series.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "components/chart_view.h"

ChartSeries::ChartSeries(const QString& title, QObject* parent) : QObject(parent), title_(title) {}

ChartSeries::~ChartSeries() {
    if (view_ != nullptr) view_->forget(this);
}

void ChartSeries::setTitle(const QString& title) {
    if (title == title_) return;
    title_ = title;
    emit changed();
}

void ChartSeries::setColour(const QColor& colour) {
    if (colour == colour_) return;
    colour_ = colour;
    emit changed();
}

void ChartSeries::setLineWidth(int pixels) {
    pixels = std::max(pixels, 0);
    if (pixels == lineWidth_) return;
    lineWidth_ = pixels;
    emit changed();
}

void ChartSeries::setMarkerStyle(MarkerStyle style) {
    if (style == markerStyle_) return;
    markerStyle_ = style;
    emit changed();
}

void ChartSeries::setMarkerRadius(int pixels) {
    pixels = std::clamp(pixels, 1, 50);
    if (pixels == markerRadius_) return;
    markerRadius_ = pixels;
    emit changed();
}

void ChartSeries::setMarkersVisible(bool visible) {
    if (visible == markersVisible_) return;
    markersVisible_ = visible;
    emit changed();
}

int ChartSeries::insertSorted(const ChartPoint& point) {
    if (!std::isfinite(point.x) || !std::isfinite(point.y)) return -1;
    // After every point of the same x, so that the later point is drawn on top.
    const auto at = std::upper_bound(points_.begin(), points_.end(), point.x,
                                     [](double x, const ChartPoint& p) { return x < p.x; });
    const auto index = at - points_.begin();
    points_.insert(index, point);
    return static_cast<int>(index);
}

int ChartSeries::addPoint(double x, double y, const QColor& colour) {
    const int index = insertSorted(ChartPoint{x, y, colour});
    if (index >= 0) emit changed();
    return index;
}

void ChartSeries::addPoints(const QList<ChartPoint>& points) {
    bool added = false;
    for (const ChartPoint& p : points) added = insertSorted(p) >= 0 || added;
    if (added) emit changed();
}

void ChartSeries::clearPoints() {
    if (points_.isEmpty()) return;
    points_.clear();
    emit changed();
}

QColor ChartSeries::pointColour(int index) const {
    const QColor& own = points_.at(index).colour;
    return own.isValid() ? own : colour_;
}

QList<ChartPoint> ChartSeries::markedPoints() const {
    struct Use {
        double x, y;
        bool onePlace = true;
    };
    std::map<QRgb, Use> uses;
    for (const ChartPoint& p : points_) {
        if (!p.colour.isValid() || p.colour.rgba() == colour_.rgba()) continue;
        const auto [it, added] = uses.try_emplace(p.colour.rgba(), Use{p.x, p.y});
        if (!added && (it->second.x != p.x || it->second.y != p.y)) it->second.onePlace = false;
    }
    QList<ChartPoint> marked;
    for (const ChartPoint& p : points_) {  // in x order; a later point at a place wins
        const auto it = p.colour.isValid() ? uses.find(p.colour.rgba()) : uses.end();
        if (it == uses.end() || !it->second.onePlace) continue;
        if (!marked.isEmpty() && marked.last().x == p.x && marked.last().y == p.y) {
            marked.last().colour = p.colour;
        } else {
            marked.append(p);
        }
    }
    return marked;
}
