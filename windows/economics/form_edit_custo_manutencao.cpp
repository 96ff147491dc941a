#include "windows/economics/form_edit_custo_manutencao.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "components/app_locale.h"
#include "components/key_filters.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "economics/costs.h"
#include "economics/economics_errors.h"
#include "windows/economics/economics_controls.h"
#include "windows/economics/economics_links.h"

TformEditCustoManutencao* formEditCustoManutencao = nullptr;

TformEditCustoManutencao::TformEditCustoManutencao(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formEditCustoManutencao"));
    setWindowTitle(QStringLiteral("Custo de Manutenção"));

    constroiCampos(this, QStringLiteral("Tipo de manutenção"));
    BTModificar = makeEconButton(this, "BTModificar", QStringLiteral("Modificar"));
    BTExcluir = makeEconButton(this, "BTExcluir", QStringLiteral("Excluir"));
    edCod = makeEconEdit(this, "edCod", QStringLiteral("Número do custo na tabela"));
    edCod->hide();

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(edNomeManutencao, 1, 0, 1, 2);
    grid->addWidget(Label2, 2, 0, 1, 2);
    grid->addWidget(edMeses, 3, 0, 1, 2);
    grid->addWidget(RGTipoCusto, 4, 0, 1, 2);
    grid->addWidget(Label6, 5, 0, 1, 2);
    grid->addWidget(edCoefLinear, 6, 0, 1, 2);
    grid->addWidget(Label7, 7, 0, 1, 2);
    grid->addWidget(edCoefAng, 8, 0, 1, 2);
    grid->addWidget(BTModificar, 9, 0);
    grid->addWidget(BTExcluir, 9, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(BTModificar, &QPushButton::clicked, this, [this] { BTModificarClick(); });
    connect(BTExcluir, &QPushButton::clicked, this, [this] { BTExcluirClick(); });
    connect(RGTipoCusto, &RadioGroup::clicked, this, [this] { RGTipoCustoClick(); });
}

std::size_t TformEditCustoManutencao::indice() const {
    return static_cast<std::size_t>(edCod->text().toULongLong());
}

void TformEditCustoManutencao::Carrega(std::size_t ind, const TManutencao& item) {
    const auto linha = LinhaManutencao(item, appLocale());
    edCod->setText(QString::number(ind));
    setTextOf(edNomeManutencao, linha[0]);
    setTextOf(edMeses, linha[1]);
    const int tipo = item.CoefAngular != 0 ? 1 : 0;
    {
        // Choosing the type here sets the labels and boxes as a click does, focus aside.
        const QSignalBlocker block(RGTipoCusto);
        RGTipoCusto->setItemIndex(tipo);
    }
    aplicaTipoCusto(tipo);
    setTextOf(edCoefLinear, linha[2]);
    setTextOf(edCoefAng, linha[3]);
}

void TformEditCustoManutencao::Limpa() {
    edCod->clear();
    for (QLineEdit* e : {edNomeManutencao, edMeses, edCoefLinear, edCoefAng}) e->clear();
    RGTipoCusto->setItemIndex(-1);
    edCoefLinear->setEnabled(false);
    edCoefAng->setEnabled(false);
}

void TformEditCustoManutencao::RGTipoCustoClick() {
    aplicaTipoCusto(RGTipoCusto->itemIndex());
    edCoefLinear->setFocus();
}

void TformEditCustoManutencao::BTModificarClick() {
    if (!temListaManutencao() || edCod->text().isEmpty()) return;
    std::optional<TManutencao> lido = leItem(this, RGTipoCusto->itemIndex() == 1 ? 1 : 0);
    if (!lido) return;
    TManutencao item = *lido;
    modificaItemManutencao(indice(), item);
    close();
}

void TformEditCustoManutencao::BTExcluirClick() {
    if (!temListaManutencao() || edCod->text().isEmpty()) return;
    excluiItemManutencao(indice());
    // The item shown is gone: nothing is left to edit until another row is clicked.
    Limpa();
    close();
}
