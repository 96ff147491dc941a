// What the sweep chart window opens on the sweep drawn last: its further charts in the
// general chart window, its data sheet and the chart properties, each modally.

#include <QColor>

#include "components/chart_view.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "windows/results/form_grafico.h"
#include "windows/results/results_links.h"

void TformGrafico::BTConsPluvClick() {
    showFurtherChart({{QStringLiteral("Consumo de água pluvial"), &TCaptAgua::dblConsPluvMed}},
                     QStringLiteral("Consumo de água pluvial"),
                     QStringLiteral("Consumo de água pluvial (litros/dia)"), QStringLiteral("litros/dia"),
                     false);
}

void TformGrafico::BTAtendimentoClick() {
    showFurtherChart({{QStringLiteral("Atende completamente"), &TCaptAgua::dblPorcAtendTotal},
                      {QStringLiteral("Atende parcialmente"), &TCaptAgua::dblPorcAtendParc},
                      {QStringLiteral("Não atende"), &TCaptAgua::dblPorcNaoAtend}},
                     QStringLiteral("Atendimento de água pluvial"), QStringLiteral("Percentual"),
                     QStringLiteral("%"), true);
}

void TformGrafico::BTVExtravasadoClick() {
    showFurtherChart({{QStringLiteral("Volume extravasado"), &TCaptAgua::dblVExtravMed}},
                     QStringLiteral("Volume extravasado"), QStringLiteral("Volume extravasado (litros/dia)"),
                     QStringLiteral("litros/dia"), false);
}

// The demand-service chart (serviceShares) shows shares of days: its vertical axis is fixed
// from 0 to 100 % and its legend names the three lines; the others follow their data.
void TformGrafico::showFurtherChart(const std::vector<FurtherLine>& lines, const QString& caption,
                                    const QString& axisTitle, const QString& unit, bool serviceShares) {
    if (simCurrent == nullptr || !furtherChartExists()) return;
    const TCaptAguaInterval& sim = *simCurrent;
    const TCaptAgua* ideal = sim.idealMember();
    std::vector<ChartSeries*> made;
    for (const FurtherLine& line : lines) {
        auto* series = new ChartSeries(line.title, this);
        QList<ChartPoint> points;
        for (std::size_t i = 0; i < sim.vecCaptAgua.size(); ++i)
            points.append({sim.vecCaptAgua[i]->dblResInf, (*sim.vecCaptAgua[i]).*line.value, {}});
        if (ideal != nullptr) points.append({ideal->dblResInf, ideal->*line.value, QColor(Qt::black)});
        series->addPoints(points);
        made.push_back(series);
    }

    clearFurtherChart();
    dropFurtherSeries();
    furtherSeries_ = made;
    execFurtherChart(made, caption, axisTitle, unit, serviceShares);
}

void TformGrafico::dropFurtherSeries() {
    for (ChartSeries* series : furtherSeries_) delete series;  // a view drawing one forgets it
    furtherSeries_.clear();
}

void TformGrafico::BTPlanilhaClick() {
    if (simCurrent == nullptr) return;
    execChartData(*simCurrent);
}

void TformGrafico::Propriedades1Click() {
    if (simCurrent == nullptr || !SeriesSim) return;
    execChartProps(SeriesSim, simCurrent);
}
