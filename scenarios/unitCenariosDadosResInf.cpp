#include "scenarios/unitCenariosDadosResInf.h"

TformCenariosDadosResInf* formCenariosDadosResInf = nullptr;

TformCenariosDadosResInf::TformCenariosDadosResInf(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCenariosDadosResInf"));
    setWindowTitle(QStringLiteral("Dados reservatório inferior"));
}
