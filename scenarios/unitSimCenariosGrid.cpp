#include "scenarios/unitSimCenariosGrid.h"

#include <QColor>
#include <QVBoxLayout>

#include "components/data_grid.h"

TformSimCenariosGrid* formSimCenariosGrid = nullptr;

TformSimCenariosGrid::TformSimCenariosGrid(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formSimCenariosGrid"));
    setWindowTitle(QStringLiteral("Simulação de cenários - Resultado"));
    NxGrResult = new DataGrid(this);
    NxGrResult->setObjectName(QStringLiteral("NxGrResult"));
    NxGrResult->setAccessibleName(QStringLiteral("Resultados das combinações"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NxGrResult);
}

void TformSimCenariosGrid::whitenGrid() {
    NxGrResult->setAllCellsColour(Qt::white);
}
