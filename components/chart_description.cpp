// The accessible description of a chart: what a screen reader says of it in place of the
// drawing. Numbers are in the user's locale, with up to 6 significant digits.

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/chart_view.h"

namespace {

// Marked points named one by one up to this many; beyond it only their number.
constexpr qsizetype kMarkedNamed = 5;

QString number(double v) {
    return fromUtf8(formatGeneral6(v, appLocale()));
}

QString titleOr(const QString& title) {
    return title.isEmpty() ? QStringLiteral("sem título") : title;
}

QString axisText(const QString& name, const ChartAxis& axis) {
    const AxisLimits limits = axis.limits();
    return QStringLiteral("%1: %2, de %3 a %4.")
        .arg(name, titleOr(axis.title()), number(limits.minimum), number(limits.maximum));
}

QString pointCount(int count) {
    if (count == 0) return QStringLiteral("nenhum ponto");
    if (count == 1) return QStringLiteral("1 ponto");
    return QStringLiteral("%1 pontos").arg(count);
}

QString place(const ChartPoint& p) {
    return QStringLiteral("x = %1 e y = %2").arg(number(p.x), number(p.y));
}

QString markedText(const QList<ChartPoint>& marked) {
    if (marked.isEmpty()) return {};
    if (marked.size() == 1) return QStringLiteral(", ponto destacado em ") + place(marked.first());
    if (marked.size() > kMarkedNamed) return QStringLiteral(", %1 pontos destacados").arg(marked.size());
    QStringList places;
    for (const ChartPoint& p : marked) places.append(place(p));
    return QStringLiteral(", pontos destacados em ") + places.join(QStringLiteral("; "));
}

QString seriesText(int number, const ChartSeries& series) {
    return QStringLiteral("Linha %1: %2, %3%4.")
        .arg(number)
        .arg(titleOr(series.title()), pointCount(series.count()), markedText(series.markedPoints()));
}

}  // namespace

QString ChartView::describe() const {
    QStringList parts;
    if (titleVisible_ && !title_.isEmpty()) {
        parts.append(QStringLiteral("Gráfico \u201C%1\u201D.").arg(title_));
    } else {
        parts.append(QStringLiteral("Gráfico sem título."));
    }
    parts.append(axisText(QStringLiteral("Eixo horizontal"), *bottom_));
    parts.append(axisText(QStringLiteral("Eixo vertical"), *left_));
    if (drawn_.empty()) {
        parts.append(QStringLiteral("Nenhuma linha."));
    } else {
        parts.append(drawn_.size() == 1 ? QStringLiteral("1 linha.")
                                        : QStringLiteral("%1 linhas.").arg(drawn_.size()));
        int n = 0;
        for (const Drawn& d : drawn_) parts.append(seriesText(++n, *d.series));
    }
    return parts.join(QLatin1Char(' '));
}
