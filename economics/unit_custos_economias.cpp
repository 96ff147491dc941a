#include "economics/unit_custos_economias.h"

TformCustosEconomias* formCustosEconomias = nullptr;

TformCustosEconomias::TformCustosEconomias(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCustosEconomias"));
    setWindowTitle(QStringLiteral("Custos e Economias"));
}
