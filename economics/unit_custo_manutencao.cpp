#include "economics/unit_custo_manutencao.h"

TformCustoManutencao* formCustoManutencao = nullptr;

TformCustoManutencao::TformCustoManutencao(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCustoManutencao"));
    setWindowTitle(QStringLiteral("Outros custos operacionais"));
}
