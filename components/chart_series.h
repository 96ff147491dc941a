#pragma once
// One line of a chart: a title, a line colour and width, markers of one style and size, and
// points that each may carry a colour of their own (the ideal volume's point in black).
// Points are kept in ascending x order, a point added with an x already present going after
// the points of that x: the line then runs through the points from left to right, and a point
// added again (in another colour) is drawn on top of the earlier one without a segment running
// back to it from the end of the line.
//
// A series belongs to whoever made it (its QObject parent); a ChartView draws it while it is
// attached (ChartView::addSeries) and is told of every change through `changed`.

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>

class ChartView;

enum class MarkerStyle { Square, Circle, Triangle, SmallDot };

struct ChartPoint {
    double x = 0;
    double y = 0;
    QColor colour;  // invalid: the point is drawn in the series colour
};

class ChartSeries : public QObject {
    Q_OBJECT
  public:
    explicit ChartSeries(const QString& title = {}, QObject* parent = nullptr);
    ~ChartSeries() override;

    QString title() const { return title_; }
    void setTitle(const QString& title);
    // Invalid until set; a view gives a series without a colour its next automatic colour.
    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);
    int lineWidth() const { return lineWidth_; }
    void setLineWidth(int pixels);

    MarkerStyle markerStyle() const { return markerStyle_; }
    void setMarkerStyle(MarkerStyle style);
    // How far a marker reaches from its point in each direction: a radius of 4 draws a
    // marker 9 pixels across. The small dot keeps its own size of 3 pixels.
    int markerRadius() const { return markerRadius_; }
    void setMarkerRadius(int pixels);
    bool markersVisible() const { return markersVisible_; }
    void setMarkersVisible(bool visible);

    // Adds a point in its place by x and returns its index; a point with a coordinate that is
    // not a finite number is not added (-1).
    int addPoint(double x, double y, const QColor& colour = {});
    // The same for several points at once, with one notice of the change.
    void addPoints(const QList<ChartPoint>& points);
    void clearPoints();
    int count() const { return static_cast<int>(points_.size()); }
    const QList<ChartPoint>& points() const { return points_; }
    // Index 0 to count() - 1.
    const ChartPoint& point(int index) const { return points_.at(index); }
    // The colour the point is drawn in: its own, or else the series colour.
    QColor pointColour(int index) const;
    // The points that stand out, in x order: those drawn in a colour of their own, other than
    // the series colour, that the series draws at one place only (the ideal volume in black
    // on a curve of another colour). Each place is given once, with the colour drawn last.
    QList<ChartPoint> markedPoints() const;

    // The view that draws the series, or nullptr.
    ChartView* view() const { return view_; }

  signals:
    void changed();

  private:
    friend class ChartView;
    int insertSorted(const ChartPoint& point);

    QString title_;
    QColor colour_;
    int lineWidth_ = 1;
    MarkerStyle markerStyle_ = MarkerStyle::Circle;
    int markerRadius_ = 4;
    bool markersVisible_ = true;
    QList<ChartPoint> points_;
    ChartView* view_ = nullptr;
};
