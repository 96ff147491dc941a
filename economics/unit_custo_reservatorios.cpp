#include "economics/unit_custo_reservatorios.h"

TformCustoReservatorios* formCustoReservatorios = nullptr;

TformCustoReservatorios::TformCustoReservatorios(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCustoReservatorios"));
    setWindowTitle(QStringLiteral("Custos iniciais"));
}
