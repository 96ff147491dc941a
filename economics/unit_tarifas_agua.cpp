#include "economics/unit_tarifas_agua.h"

TformTarifasAgua* formTarifasAgua = nullptr;

TformTarifasAgua::TformTarifasAgua(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formTarifasAgua"));
    setWindowTitle(QStringLiteral("Tarifas de água e esgoto"));
}
