#include "windows/economics/form_economia_agua.h"

#include <QVBoxLayout>

#include "components/app_locale.h"
#include "components/data_grid.h"

TformEconomiaAgua* formEconomiaAgua = nullptr;

namespace {
constexpr int kLargurasColunas[8] = {50, 100, 104, 103, 127, 150, 150, 76};
}

TformEconomiaAgua::TformEconomiaAgua(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formEconomiaAgua"));
    setWindowTitle(QStringLiteral("Estimativas iniciais de consumos e economias mensais de água"));

    NextGrid1 = new DataGrid(this);
    NextGrid1->setObjectName(QStringLiteral("NextGrid1"));
    NextGrid1->setAccessibleName(
        QStringLiteral("Tabela das estimativas de consumo e economia de água por mês"));
    NextGrid1->setAccessibleDescription(QStringLiteral(
        "Um mês por linha: consumos de água, volume recalcado, contas sem e com água pluvial e "
        "economia mensal"));
    for (std::size_t c = 0; c < kCabecalhoEstimativas.size(); ++c) {
        const auto& [linha1, linha2] = kCabecalhoEstimativas[c];
        NextGrid1->addColumn(QString::fromUtf8(linha1), QString::fromUtf8(linha2), kLargurasColunas[c]);
    }
    NextGrid1->setReadOnly(true);
    NextGrid1->setShowGrid(true);
    NextGrid1->widenToHeaders();
    NextGrid1->setMinimumWidth(NextGrid1->widthForAllColumns());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NextGrid1);
    resize(900, 420);
}

void TformEconomiaAgua::Preenche(const std::vector<TLinhaEstimativa>& linhas) {
    linhas_ = linhas;
    NextGrid1->setRows(DataGrid::textRows(linhas_));
}

void TformEconomiaAgua::Limpa() {
    linhas_.clear();
    NextGrid1->clearRows();
}
