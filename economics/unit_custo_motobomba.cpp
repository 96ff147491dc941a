#include "economics/unit_custo_motobomba.h"

TformCustoMotobomba* formCustoMotobomba = nullptr;

TformCustoMotobomba::TformCustoMotobomba(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCustoMotobomba"));
    setWindowTitle(QStringLiteral("Motobomba"));
}
