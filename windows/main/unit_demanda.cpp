#include "windows/main/unit_demanda.h"

TformDemanda* formDemanda = nullptr;

TformDemanda::TformDemanda(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formDemanda"));
    setWindowTitle(QStringLiteral("Demanda variável"));
}
