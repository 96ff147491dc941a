#include "unit_grafico.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QVBoxLayout>

TformGrafico* formGrafico = nullptr;

TformGrafico::TformGrafico(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formGrafico"));
    setWindowTitle(QStringLiteral("Simulação para reservatórios com diversos volumes "));
    resize(800, 560);

    Chart1 = new QChartView(new QChart(), this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setAccessibleName(QStringLiteral("Potencial de Economia de Água Potável"));
    Chart1->chart()->legend()->hide();
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Chart1, 1);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
}

void TformGrafico::GenChart(TCaptAguaInterval& sim, bool flagClearSeries) {
    if (flagClearSeries) RemoveAllLines();
    genChartCalls.push_back({&sim, flagClearSeries});
    simCurrent = &sim;
}

void TformGrafico::RemoveAllLines() {
    Chart1->chart()->removeAllSeries();
}
