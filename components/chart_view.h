#pragma once
// The chart of the result and scenario windows, over Qt Charts: line series (ChartSeries)
// against a bottom and a left axis (ChartAxis), a title that can be hidden, a legend below
// the chart, a hit test of the points under the mouse, and the chart drawn into an image.
// The widget's accessible description sums up what it draws and follows every change.
//
// Series made with addLineSeries belong to the view and are deleted when removed; series
// made elsewhere and attached with addSeries stay their maker's.

#include <QChartView>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "components/chart_axis.h"
#include "components/chart_series.h"

class QCategoryAxis;
class QLineSeries;
class QScatterSeries;

// A point of a series under the mouse.
struct ChartHit {
    ChartSeries* series = nullptr;
    int index = -1;
};

class ChartView : public QChartView {
    Q_OBJECT
  public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    ChartAxis& bottomAxis() { return *bottom_; }
    ChartAxis& leftAxis() { return *left_; }
    const ChartAxis& bottomAxis() const { return *bottom_; }
    const ChartAxis& leftAxis() const { return *left_; }

    // The title keeps its text while hidden.
    QString title() const { return title_; }
    void setTitle(const QString& title);
    bool isTitleVisible() const { return titleVisible_; }
    void setTitleVisible(bool visible);

    // The legend, when shown, stands below the chart and names every series.
    bool isLegendVisible() const;
    void setLegendVisible(bool visible);

    // A new series drawn by the view and owned by it.
    ChartSeries* addLineSeries(const QString& title = {});
    // Draws a series (taking it from another view that drew it); a series without a colour
    // gets the next automatic colour. Ownership does not change.
    void addSeries(ChartSeries* series);
    // Stops drawing a series; the view deletes it when it owns it.
    void removeSeries(ChartSeries* series);
    void removeAllSeries();
    // In the order they were added.
    QList<ChartSeries*> series() const;
    // The first colour of the palette that no series drawn uses.
    QColor nextAutomaticColour() const;

    // The point of the series drawn at or within a few pixels of `pos` (widget coordinates),
    // the nearest one, or the one drawn on top of points at the same place; -1 for none.
    int hitTest(const ChartSeries* series, QPoint pos) const;
    // The point of the first series, in the order added, that has one at `pos`.
    std::optional<ChartHit> hitTest(QPoint pos) const;
    // Where a point of a series is drawn, in widget coordinates (nullopt when the series is
    // not drawn here or the point lies outside the axes' limits).
    std::optional<QPointF> pointPosition(const ChartSeries* series, int index) const;

    // The chart drawn at the widget's current size.
    QImage toImage();

    // The accessible description, built afresh.
    QString describe() const;

  signals:
    // The mouse moved over the chart, with or without a button down (widget coordinates).
    void mouseMoved(QPoint pos);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    friend class ChartAxis;
    friend class ChartSeries;
    struct Drawn {
        ChartSeries* series;
        QLineSeries* line;
        QScatterSeries* markers;
    };

    std::optional<DataExtent> dataExtent(const ChartAxis* axis) const;
    void axisChanged();
    void seriesChanged();
    // Brings the Qt series and axes in line with the series and settings, at once.
    void syncNow() const;
    // Later, once, for a burst of changes (many points added one by one).
    void scheduleSync();
    void syncSeries(const Drawn& drawn) const;
    void updateDescription();
    const Drawn* find(const ChartSeries* series) const;
    void detach(std::size_t at);
    // A series being destroyed: no longer drawn, not deleted again.
    void forget(const ChartSeries* series);
    std::optional<QPointF> positionOf(const Drawn& drawn, const ChartPoint& point, const AxisLimits& x,
                                      const AxisLimits& y) const;

    std::unique_ptr<ChartAxis> bottom_;
    std::unique_ptr<ChartAxis> left_;
    QCategoryAxis* bottomQt_ = nullptr;
    QCategoryAxis* leftQt_ = nullptr;
    std::vector<Drawn> drawn_;
    QString title_;
    bool titleVisible_ = true;
    mutable bool dirty_ = false;
    bool syncScheduled_ = false;
};
