#include "windows/economics/form_custo_manutencao.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/key_filters.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "economics/costs.h"
#include "economics/economics_errors.h"
#include "economics/file_section.h"
#include "windows/economics/economics_controls.h"
#include "windows/economics/economics_links.h"

TformCustoManutencao* formCustoManutencao = nullptr;

TformCustoManutencao::TformCustoManutencao(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCustoManutencao"));
    setWindowTitle(QStringLiteral("Outros custos operacionais"));

    constroiCampos(this, QStringLiteral("Nome do custo operacional"));
    BTAdicionar = makeEconButton(this, "BTAdicionar", QStringLiteral("Adicionar"));

    NxGManut = new DataGrid(this);
    NxGManut->setObjectName(QStringLiteral("NxGManut"));
    NxGManut->setAccessibleName(QStringLiteral("Tabela dos custos operacionais"));
    NxGManut->setAccessibleDescription(QStringLiteral(
        "Um custo por linha: nome, período de repetição, coeficiente linear e coeficiente angular; "
        "um clique na linha escolhe o custo a editar"));
    NxGManut->addColumn(QStringLiteral("Nome"), {}, 160);
    NxGManut->addColumn(QStringLiteral("Período de rep."), {}, 90);
    NxGManut->addColumn(QStringLiteral("Coef. linear"), {}, 80);
    NxGManut->addColumn(QStringLiteral("Coef. angular"), {}, 80);
    NxGManut->setReadOnly(true);
    NxGManut->widenToHeaders();
    NxGManut->setMinimumWidth(NxGManut->widthForAllColumns());
    BTEditar = makeEconButton(this, "BTEditar", QStringLiteral("Editar"));
    BTEditar->setAccessibleDescription(QStringLiteral("Editar o custo escolhido na tabela"));
    BTRemover = makeEconButton(this, "BTRemover", QStringLiteral("Remover"));
    BTRemover->setAccessibleDescription(QStringLiteral("Remover o custo escolhido na tabela"));
    BTRemover->setEnabled(false);
    BTConcluir = makeEconButton(this, "BTConcluir", QStringLiteral("Concluir"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(edNomeManutencao, 1, 0);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(edMeses, 3, 0);
    grid->addWidget(RGTipoCusto, 4, 0);
    grid->addWidget(Label6, 5, 0);
    grid->addWidget(edCoefLinear, 6, 0);
    grid->addWidget(Label7, 7, 0);
    grid->addWidget(edCoefAng, 8, 0);
    grid->addWidget(BTAdicionar, 9, 0);
    grid->addWidget(NxGManut, 0, 1, 9, 1);
    auto* botoesLista = new QHBoxLayout;
    botoesLista->addWidget(BTEditar);
    botoesLista->addWidget(BTRemover);
    botoesLista->addStretch();
    grid->addLayout(botoesLista, 9, 1);
    grid->addWidget(BTConcluir, 10, 0, 1, 2, Qt::AlignRight);
    mostraLista(false);

    connect(BTAdicionar, &QPushButton::clicked, this, [this] { BTAdicionarClick(); });
    connect(BTEditar, &QPushButton::clicked, this, [this] { BTEditarClick(); });
    connect(BTRemover, &QPushButton::clicked, this, [this] { BTRemoverClick(); });
    connect(NxGManut, &QTableWidget::itemSelectionChanged, this,
            [this] { BTRemover->setEnabled(itemSelecionado() >= 0); });
    connect(BTConcluir, &QPushButton::clicked, this, [this] { accept(); });
    connect(RGTipoCusto, &RadioGroup::clicked, this, [this] { RGTipoCustoClick(); });
    connect(NxGManut, &DataGrid::cellClick, this, [this](int col, int row) { NxGManutCellClick(col, row); });
    ligaEntradasAnalise({NxGManut});
}

void TformCustoManutencao::mostraLista(bool mostra) {
    NxGManut->setVisible(mostra);
    BTEditar->setVisible(mostra);
    BTRemover->setVisible(mostra);
    // The window's own widths, or wider when the list's columns need it.
    layout()->invalidate();
    setFixedWidth(std::max(mostra ? kLarguraComLista : kLarguraEstreita, layout()->minimumSize().width()));
}

void TformCustoManutencao::RGTipoCustoClick() {
    aplicaTipoCusto(RGTipoCusto->itemIndex());
    edCoefLinear->setFocus();
}

void TformCustoManutencao::BTAdicionarClick() {
    std::optional<TManutencao> lido = leItem(this, RGTipoCusto->itemIndex());
    if (!lido) return;
    TManutencao item = *lido;
    item.Cod = static_cast<std::int32_t>(vecManutencao.size());
    vecManutencao.push_back(item);
    limpaEntrada();
    atualizaGrade();
    edNomeManutencao->setFocus();
    if (vecManutencao.size() == 1) mostraLista(true);
}

void TformCustoManutencao::limpaEntrada() {
    edNomeManutencao->clear();
    edMeses->clear();
    RGTipoCusto->setItemIndex(-1);
    for (QLineEdit* e : {edCoefLinear, edCoefAng}) {
        e->clear();
        e->setEnabled(false);
    }
}

void TformCustoManutencao::atualizaGrade() {
    NxGManut->clearSelection();
    NxGManut->setRows(DataGrid::textRows(LinhasManutencao(vecManutencao, appLocale())));
    BTRemover->setEnabled(itemSelecionado() >= 0);
}

int TformCustoManutencao::itemSelecionado() const {
    const QList<QTableWidgetItem*> itens = NxGManut->selectedItems();
    if (itens.isEmpty()) return -1;
    const int row = itens.first()->row();
    return row >= 0 && row < static_cast<int>(vecManutencao.size()) ? row : -1;
}

void TformCustoManutencao::BTRemoverClick() {
    const int item = itemSelecionado();
    if (item < 0) return;
    Exclui(static_cast<std::size_t>(item));
    // The edit window may show this item or one whose index has moved: it waits for a new click.
    limpaEdicaoManutencao();
    if (vecManutencao.empty()) mostraLista(false);
    NxGManut->setFocus();
}

void TformCustoManutencao::preenche(const std::vector<TManutencao>& itens) {
    vecManutencao = itens;
    for (std::size_t i = 0; i < vecManutencao.size(); ++i)
        vecManutencao[i].Cod = static_cast<std::int32_t>(i);
    atualizaGrade();
    mostraLista(!vecManutencao.empty());
}

void TformCustoManutencao::Limpa() {
    vecManutencao.clear();
    limpaEntrada();
    atualizaGrade();
    mostraLista(false);
    limpaEdicaoManutencao();
}

void TformCustoManutencao::Modifica(std::size_t ind, const TManutencao& item) {
    if (ind >= vecManutencao.size()) return;
    vecManutencao[ind] = item;
    vecManutencao[ind].Cod = static_cast<std::int32_t>(ind);
    atualizaGrade();
}

void TformCustoManutencao::Exclui(std::size_t ind) {
    if (ind >= vecManutencao.size()) return;
    ExcluiManutencao(vecManutencao, ind);
    atualizaGrade();
}

void TformCustoManutencao::NxGManutCellClick(int /*col*/, int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= vecManutencao.size()) return;
    carregaEdicaoManutencao(static_cast<std::size_t>(row), vecManutencao[static_cast<std::size_t>(row)]);
}

void TformCustoManutencao::BTEditarClick() {
    if (edicaoManutencaoCarregada()) {
        mostraEdicaoManutencao();
        return;
    }
    showInformation(this, QStringLiteral("Manutenção"),
                    QStringLiteral("Selecione na lista o tipo de manutenção que você deseja editar."));
}
