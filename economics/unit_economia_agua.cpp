#include "economics/unit_economia_agua.h"

TformEconomiaAgua* formEconomiaAgua = nullptr;

TformEconomiaAgua::TformEconomiaAgua(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formEconomiaAgua"));
    setWindowTitle(QStringLiteral("Estimativas iniciais de consumos e economias mensais de água"));
}
