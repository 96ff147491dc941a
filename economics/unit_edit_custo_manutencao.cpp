#include "economics/unit_edit_custo_manutencao.h"

TformEditCustoManutencao* formEditCustoManutencao = nullptr;

TformEditCustoManutencao::TformEditCustoManutencao(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formEditCustoManutencao"));
    setWindowTitle(QStringLiteral("Custo de Manutenção"));
}
