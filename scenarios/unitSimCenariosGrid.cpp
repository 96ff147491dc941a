#include "unitSimCenariosGrid.h"

TformSimCenariosGrid* formSimCenariosGrid = nullptr;

TformSimCenariosGrid::TformSimCenariosGrid(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formSimCenariosGrid"));
    setWindowTitle(QStringLiteral("Simulação de cenários - Resultado"));
}
