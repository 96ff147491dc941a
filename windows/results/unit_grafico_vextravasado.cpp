#include "unit_grafico_vextravasado.h"

TformGraficoVextravasado* formGraficoVextravasado = nullptr;

TformGraficoVextravasado::TformGraficoVextravasado(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formGraficoVextravasado"));
    setWindowTitle(QStringLiteral("Volume extravasado"));
}
