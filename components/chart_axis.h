#pragma once
// An axis of a ChartView: a title, a minimum and a maximum that are each fixed or follow the
// data, a label step (the distance between labels and grid lines) that is fixed or chosen from
// the range, and grid lines. Labels are written in the user's locale.

#include <QList>
#include <QString>
#include <optional>

class ChartView;
class QCategoryAxis;

// The limits an axis is drawn with.
struct AxisLimits {
    double minimum = 0;
    double maximum = 1;
    double step = 0.1;
};

// The settings of an axis, apart from its title and grid.
struct AxisScale {
    std::optional<double> minimum;  // nullopt: automatic
    std::optional<double> maximum;
    std::optional<double> step;
};

// The smallest or largest data value on an axis.
struct DataExtent {
    double low = 0;
    double high = 0;
};

// Limits of a scale over data (nullopt: there are no points). An automatic limit is the data's
// limit rounded outwards to the label step; an automatic step is 1, 2 or 5 times a power of
// ten giving at most ten intervals. The range drawn is never empty, and a fixed step is
// widened when it would draw more than 50 labels.
AxisLimits computeAxisLimits(const AxisScale& scale, std::optional<DataExtent> data);
// The label values of limits: the multiples of the step from the minimum to the maximum.
QList<double> axisLabelValues(const AxisLimits& limits);

class ChartAxis {
  public:
    ChartAxis(const ChartAxis&) = delete;
    ChartAxis& operator=(const ChartAxis&) = delete;

    QString title() const { return title_; }
    void setTitle(const QString& title);

    // Fixes both limits.
    void setRange(double minimum, double maximum);
    void setMinimum(double minimum);
    void setMaximum(double maximum);
    void setMinimumAutomatic();
    void setMaximumAutomatic();
    // Minimum, maximum and label step all automatic.
    void setAutomatic();
    bool isMinimumAutomatic() const { return !scale_.minimum.has_value(); }
    bool isMaximumAutomatic() const { return !scale_.maximum.has_value(); }

    // A step that is not a positive finite number makes the step automatic.
    void setLabelStep(double step);
    void setLabelStepAutomatic();
    bool isLabelStepAutomatic() const { return !scale_.step.has_value(); }

    // As drawn, fixed or automatic.
    double minimum() const { return limits().minimum; }
    double maximum() const { return limits().maximum; }
    double labelStep() const { return limits().step; }
    AxisLimits limits() const;
    // The label texts as drawn, from the minimum up.
    QStringList labels() const;

    bool isGridVisible() const { return gridVisible_; }
    void setGridVisible(bool visible);

  private:
    friend class ChartView;
    ChartAxis(ChartView* view, QCategoryAxis* axis) : view_(view), axis_(axis) {}
    // Writes the limits and labels onto the Qt axis.
    void apply(const AxisLimits& limits);
    void changed();

    ChartView* view_;
    QCategoryAxis* axis_;
    QString title_;
    AxisScale scale_;
    bool gridVisible_ = true;
};
