#include "scenarios/unitSimCenariosGrafico.h"

TformSimCenariosGrafico* formSimCenariosGrafico = nullptr;

TformSimCenariosGrafico::TformSimCenariosGrafico(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formSimCenariosGrafico"));
    setWindowTitle(QStringLiteral("Simulação de cenários - Gráfico"));
}
