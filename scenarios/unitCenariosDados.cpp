#include "scenarios/unitCenariosDados.h"

TformCenariosDados* formCenariosDados = nullptr;

TformCenariosDados::TformCenariosDados(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCenariosDados"));
    setWindowTitle(QStringLiteral("Dados do cenário"));
}
