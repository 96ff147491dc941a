#include "components/chart_axis.h"

#include <QCategoryAxis>
#include <algorithm>
#include <cmath>

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/chart_view.h"

namespace {

constexpr int kAutoIntervals = 10;
constexpr int kMaxLabels = 50;
// Relative slack for values that land on a multiple of the step up to rounding.
constexpr double kSlack = 1e-9;

bool isFinite(double v) {
    return std::isfinite(v);
}

// The smallest 1, 2 or 5 times a power of ten that divides the span into at most
// kAutoIntervals intervals.
double niceStep(double span) {
    const double raw = span / kAutoIntervals;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw * (1 - kSlack)) return m * power;
    }
    return 10 * power;
}

// A range with nothing between its limits widened on its automatic side.
void widenEmptyRange(const AxisScale& scale, double& lo, double& hi) {
    const double pad = lo == 0 ? 1.0 : std::abs(lo) * 0.1;
    if (!scale.minimum && !scale.maximum) {
        if (lo == 0) {
            hi = 1;
        } else {
            lo -= pad;
            hi += pad;
        }
    } else if (!scale.minimum) {
        lo = hi - pad;
    } else {
        hi = lo + pad;
    }
}

double chooseStep(const AxisScale& scale, double span) {
    if (scale.step) {
        const double intervals = span / *scale.step;
        if (intervals <= kMaxLabels) return *scale.step;
        // Too many labels: a multiple of the chosen step keeps the labels on its multiples.
        if (isFinite(intervals)) return *scale.step * std::ceil(intervals / kMaxLabels);
    }
    return niceStep(span);
}

}  // namespace

AxisLimits computeAxisLimits(const AxisScale& scale, std::optional<DataExtent> data) {
    const DataExtent extent = data.value_or(DataExtent{});
    double lo = scale.minimum.value_or(extent.low);
    double hi = scale.maximum.value_or(extent.high);
    if (lo > hi) {
        if (!scale.minimum) {
            lo = hi;  // data above a fixed maximum
        } else if (!scale.maximum) {
            hi = lo;  // data below a fixed minimum
        } else {
            std::swap(lo, hi);
        }
    }
    if (!(hi > lo)) widenEmptyRange(scale, lo, hi);
    if (!isFinite(lo) || !isFinite(hi) || !isFinite(hi - lo)) return AxisLimits{};

    const double step = chooseStep(scale, hi - lo);
    if (!scale.minimum) lo = std::floor(lo / step + kSlack) * step;
    if (!scale.maximum) hi = std::ceil(hi / step - kSlack) * step;
    return AxisLimits{lo, hi, step};
}

QList<double> axisLabelValues(const AxisLimits& limits) {
    QList<double> values;
    const double first = std::ceil(limits.minimum / limits.step - kSlack);
    const double last = std::floor(limits.maximum / limits.step + kSlack);
    // The step allows some 60 labels at most; the bound keeps a bad range from looping long.
    for (double k = first; k <= last && values.size() < 1000; ++k) {
        const double v = k * limits.step;
        values.append(std::abs(v) < limits.step * kSlack ? 0.0 : v);
    }
    return values;
}

void ChartAxis::setTitle(const QString& title) {
    if (title == title_) return;
    title_ = title;
    axis_->setTitleText(title);
    changed();
}

void ChartAxis::setRange(double minimum, double maximum) {
    if (!isFinite(minimum) || !isFinite(maximum)) return;
    scale_.minimum = minimum;
    scale_.maximum = maximum;
    changed();
}

void ChartAxis::setMinimum(double minimum) {
    if (!isFinite(minimum)) return;
    scale_.minimum = minimum;
    changed();
}

void ChartAxis::setMaximum(double maximum) {
    if (!isFinite(maximum)) return;
    scale_.maximum = maximum;
    changed();
}

void ChartAxis::setMinimumAutomatic() {
    scale_.minimum.reset();
    changed();
}

void ChartAxis::setMaximumAutomatic() {
    scale_.maximum.reset();
    changed();
}

void ChartAxis::setAutomatic() {
    scale_ = AxisScale{};
    changed();
}

void ChartAxis::setLabelStep(double step) {
    if (isFinite(step) && step > 0) {
        scale_.step = step;
    } else {
        scale_.step.reset();
    }
    changed();
}

void ChartAxis::setLabelStepAutomatic() {
    scale_.step.reset();
    changed();
}

AxisLimits ChartAxis::limits() const {
    return computeAxisLimits(scale_, view_->dataExtent(this));
}

namespace {
QStringList labelTexts(const QList<double>& values) {
    QStringList texts;
    for (double v : values) texts.append(fromUtf8(formatGeneral(v, appLocale())));
    return texts;
}
}  // namespace

QStringList ChartAxis::labels() const {
    return labelTexts(axisLabelValues(limits()));
}

void ChartAxis::setGridVisible(bool visible) {
    gridVisible_ = visible;
    axis_->setGridLineVisible(visible);
}

void ChartAxis::apply(const AxisLimits& limits) {
    axis_->setRange(limits.minimum, limits.maximum);
    const QList<double> values = axisLabelValues(limits);
    const QStringList texts = labelTexts(values);
    if (texts == axis_->categoriesLabels() && axis_->startValue() == limits.minimum) return;
    for (const QString& old : axis_->categoriesLabels()) axis_->remove(old);
    axis_->setStartValue(limits.minimum);
    for (qsizetype i = 0; i < values.size() && i < texts.size(); ++i) axis_->append(texts[i], values[i]);
}

void ChartAxis::changed() {
    view_->axisChanged();
}
