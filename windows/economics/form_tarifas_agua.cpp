#include "windows/economics/form_tarifas_agua.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "components/app_locale.h"
#include "components/key_filters.h"
#include "components/number_texts.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "economics/economics_errors.h"
#include "economics/tables.h"
#include "engine/capt_agua.h"
#include "windows/economics/economics_controls.h"
#include "windows/economics/economics_links.h"
#include "windows/economics/economics_state.h"

TformTarifasAgua* formTarifasAgua = nullptr;

namespace {

const QString kAbaixoDe = QStringLiteral("Abaixo de");
const QString kEntre = QStringLiteral("Entre");
const QString kAcimaDe = QStringLiteral("Acima de");
const QString kCustoRS = QStringLiteral("Custo (R$)");
const QString kCustoM3 = QStringLiteral("Custo (R$/m³)");

// The captions that change with the choices; the box each one names is read aloud as what it
// holds, with the unit the caption shows.
void legenda(QLabel* label, const QString& caption, QLineEdit* box, const QString& name) {
    label->setText(caption);
    box->setAccessibleName(name);
}

void legendaCusto(QLabel* label, QLineEdit* box, bool fixo) {
    legenda(label, fixo ? kCustoRS : kCustoM3, box,
            fixo ? QStringLiteral("Custo da faixa (R$)") : QStringLiteral("Custo da faixa (R$/m³)"));
}

void legendaEsgoto(QLabel* label, QLineEdit* box, bool percentual) {
    if (percentual)
        legenda(label, QStringLiteral("Percentual da tarifa de água"), box,
                QStringLiteral("Tarifa de esgoto (% da tarifa de água)"));
    else
        legenda(label, kCustoRS, box, QStringLiteral("Tarifa de esgoto (R$)"));
}

TipoFaixa tipoFaixa(const QString& text) {
    if (text == kEntre) return TipoFaixa::Entre;
    if (text == kAcimaDe) return TipoFaixa::AcimaDe;
    return TipoFaixa::AbaixoDe;
}

}  // namespace

TformTarifasAgua::TformTarifasAgua(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formTarifasAgua"));
    setWindowTitle(QStringLiteral("Tarifas de água e esgoto"));
    buildControls();
    primeiraFaixa();

    connect(BTAdicionar, &QPushButton::clicked, this, [this] { BTAdicionarClick(); });
    connect(BTConcluir, &QPushButton::clicked, this, [this] { BTConcluirClick(); });
    connect(BTRemoverFaixa, &QPushButton::clicked, this, [this] { BTRemoverFaixaClick(); });
    connect(StringGrid1, &QTableWidget::itemSelectionChanged, this,
            [this] { BTRemoverFaixa->setEnabled(faixaSelecionada() >= 0); });
    connect(BTLimpar, &QPushButton::clicked, this, [this] { BTLimparClick(); });
    connect(CBVolume, &QComboBox::activated, this, [this] { CBVolumeChange(); });
    connect(ChBCustoFixo, &QCheckBox::clicked, this, [this] { ChBCustoFixoClick(); });
    connect(RGTarEsgoto, &RadioGroup::clicked, this, [this] { RGTarEsgotoClick(); });
    for (QLineEdit* e : {edVol1, edVol2, edCusto})
        connect(e, &QLineEdit::textChanged, this, [this] { edVolChange(); });
    ligaEntradasAnalise({StringGrid1, RGTarEsgoto, edTarEsgoto, edImpFixo, edImpVar});
}

void TformTarifasAgua::buildControls() {
    Label2 = makeEconLabel(this, "Label2", QStringLiteral("Volume (m³)"));
    CBVolume = makeEconCombo(this, "CBVolume", QStringLiteral("Tipo da faixa de consumo"), {kAbaixoDe});
    CBVolume->setAccessibleDescription(QStringLiteral("Abaixo de, entre ou acima de um volume (m³)"));
    edVol1 = makeEconEdit(this, "edVol1", QStringLiteral("Volume (m³)"), Label2);
    Label1 = makeEconLabel(this, "Label1", QStringLiteral("e"));
    edVol2 = makeEconEdit(this, "edVol2", QStringLiteral("Volume final da faixa (m³)"), Label1);
    ChBCustoFixo = makeEconCheck(this, "ChBCustoFixo", QStringLiteral("Custo fixo"));
    Label3 = makeEconLabel(this, "Label3", kCustoRS);
    edCusto = makeEconEdit(this, "edCusto", QString(), Label3);
    legendaCusto(Label3, edCusto, true);
    BTAdicionar = makeEconButton(this, "BTAdicionar", QStringLiteral("Adicionar"));

    StringGrid1 = new QTableWidget(1, 1, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(QStringLiteral("Tabela das faixas de consumo"));
    StringGrid1->setAccessibleDescription(
        QStringLiteral("Uma faixa de consumo por linha, com seus volumes e seu custo"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    BTRemoverFaixa = makeEconButton(this, "BTRemoverFaixa", QStringLiteral("Remover faixa"));
    BTRemoverFaixa->setAccessibleDescription(
        QStringLiteral("Remover a faixa escolhida na tabela das faixas"));
    BTRemoverFaixa->setEnabled(false);

    RGTarEsgoto = new RadioGroup(QStringLiteral("Tarifa de esgoto"),
                                 {QStringLiteral("Fixa"), QStringLiteral("Variável")}, this);
    RGTarEsgoto->setObjectName(QStringLiteral("RGTarEsgoto"));
    Label6 = makeEconLabel(this, "Label6", kCustoRS);
    edTarEsgoto = makeEconEdit(this, "edTarEsgoto", QString(), Label6);
    legendaEsgoto(Label6, edTarEsgoto, false);
    Label4 = makeEconLabel(this, "Label4", QStringLiteral("Imposto fixo (R$)"));
    edImpFixo = makeEconEdit(this, "edImpFixo", Label4->text(), Label4);
    Label5 = makeEconLabel(this, "Label5", QStringLiteral("Imposto variável (%)"));
    edImpVar = makeEconEdit(this, "edImpVar", Label5->text(), Label5);
    for (QLineEdit* e : {edVol1, edVol2, edCusto, edTarEsgoto, edImpFixo, edImpVar})
        installDecimalKeyFilter(e);
    BTLimpar = makeEconButton(this, "BTLimpar", QStringLiteral("Limpar dados"));
    BTConcluir = makeEconButton(this, "BTConcluir", QStringLiteral("Concluir"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label2, 0, 0, 1, 4);
    grid->addWidget(CBVolume, 1, 0);
    grid->addWidget(edVol1, 1, 1);
    grid->addWidget(Label1, 1, 2);
    grid->addWidget(edVol2, 1, 3);
    grid->addWidget(ChBCustoFixo, 2, 0, 1, 2);
    grid->addWidget(Label3, 3, 0, 1, 2);
    grid->addWidget(edCusto, 4, 0, 1, 2);
    grid->addWidget(BTAdicionar, 4, 3);
    grid->addWidget(StringGrid1, 5, 0, 1, 4);
    grid->addWidget(BTRemoverFaixa, 6, 3);
    grid->addWidget(RGTarEsgoto, 7, 0, 2, 2);
    grid->addWidget(Label6, 7, 2, 1, 2);
    grid->addWidget(edTarEsgoto, 8, 2, 1, 2);
    grid->addWidget(Label4, 9, 0, 1, 2);
    grid->addWidget(edImpFixo, 10, 0, 1, 2);
    grid->addWidget(Label5, 9, 2, 1, 2);
    grid->addWidget(edImpVar, 10, 2, 1, 2);
    grid->addWidget(BTLimpar, 11, 0, 1, 2);
    grid->addWidget(BTConcluir, 11, 2, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TformTarifasAgua::primeiraFaixa() {
    CBVolume->clear();
    CBVolume->addItem(kAbaixoDe);
    CBVolume->setCurrentIndex(0);
    edVol1->setEnabled(true);
    edVol1->clear();
    edVol2->clear();
    edVol2->hide();
    Label1->hide();
    legendaCusto(Label3, edCusto, true);
    ChBCustoFixo->show();
    ChBCustoFixo->setChecked(true);
    edCusto->clear();
    BTAdicionar->setDefault(true);
    BTConcluir->setDefault(false);
    edVolChange();
}

void TformTarifasAgua::faixasSeguintes() {
    CBVolume->clear();
    CBVolume->addItems({kEntre, kAcimaDe});
    CBVolume->setCurrentIndex(0);
    Label1->show();
    edVol2->show();
    legendaCusto(Label3, edCusto, false);
    ChBCustoFixo->hide();
    edVol1->setEnabled(false);
    edCusto->clear();
}

TCamposTarifas TformTarifasAgua::campos() const {
    TCamposTarifas c;
    c.vecTarifas = estado.vecTarifas;
    c.vecLinhasFaixas = estado.vecLinhasFaixas;
    c.tipoEsgoto = static_cast<TipoEsgoto>(RGTarEsgoto->itemIndex() < 0 ? -1 : RGTarEsgoto->itemIndex());
    c.strTarEsgoto = textOf(edTarEsgoto);
    c.strImpFixo = textOf(edImpFixo);
    c.strImpVar = textOf(edImpVar);
    return c;
}

void TformTarifasAgua::preenche(const TCamposTarifas& c) {
    LimparTarifas();
    for (std::size_t i = 0; i < c.vecTarifas.size(); ++i) {
        const std::string linha = i < c.vecLinhasFaixas.size() ? c.vecLinhasFaixas[i] : std::string();
        appendFaixa({c.vecTarifas[i], linha});
    }
    entradaAposFaixas();
    RGTarEsgoto->setItemIndex(static_cast<int>(c.tipoEsgoto));
    setTextOf(edTarEsgoto, c.strTarEsgoto);
    setTextOf(edImpFixo, c.strImpFixo);
    setTextOf(edImpVar, c.strImpVar);
}

void TformTarifasAgua::entradaAposFaixas() {
    const TTarifas& t = estado.vecTarifas;
    if (t.empty()) {
        primeiraFaixa();
        return;
    }
    // The entry waits where the last band left it: after a top band, at its start.
    const bool topo = TipoDaFaixa(t, t.size() - 1) == TipoFaixa::AcimaDe;
    faixasSeguintes();
    CBVolume->setCurrentIndex(topo ? 1 : 0);
    CBVolumeChange();
    edVol1->setText(generalText(topo ? t.back().De : t.back().Ate));
}

void TformTarifasAgua::pintaFaixas() {
    StringGrid1->clearSelection();
    StringGrid1->clearContents();
    StringGrid1->setRowCount(static_cast<int>(estado.vecLinhasFaixas.size()) + 1);
    for (std::size_t i = 0; i < estado.vecLinhasFaixas.size(); ++i)
        StringGrid1->setItem(static_cast<int>(i) + 1, 0,
                             new QTableWidgetItem(fromUtf8(estado.vecLinhasFaixas[i])));
    BTRemoverFaixa->setEnabled(faixaSelecionada() >= 0);
}

int TformTarifasAgua::faixaSelecionada() const {
    const QList<QTableWidgetItem*> itens = StringGrid1->selectedItems();
    if (itens.isEmpty()) return -1;
    // The list's first row is empty: band i is row i + 1.
    const int faixa = itens.first()->row() - 1;
    return faixa >= 0 && faixa < static_cast<int>(estado.vecTarifas.size()) ? faixa : -1;
}

void TformTarifasAgua::appendFaixa(const TFaixaLida& lida) {
    estado.vecTarifas.push_back(lida.faixa);
    estado.vecLinhasFaixas.push_back(lida.strLinha);
    const int row = StringGrid1->rowCount();
    StringGrid1->setRowCount(row + 1);
    StringGrid1->setItem(row, 0, new QTableWidgetItem(fromUtf8(lida.strLinha)));
}

void TformTarifasAgua::BTAdicionarClick() {
    const TipoFaixa tipo = tipoFaixa(CBVolume->currentText());
    if (!fieldsRead(this, {edVol1, tipo == TipoFaixa::Entre ? edVol2 : nullptr, edCusto})) return;
    TFaixaLida lida;
    try {
        lida = leFaixa(estado.vecTarifas, tipo, textOf(edVol1), textOf(edVol2), textOf(edCusto),
                       ChBCustoFixo->isChecked(), appLocale());
    } catch (const FaixaRecusada& e) {
        showError(this, fromUtf8(e.what()));
        (tipo == TipoFaixa::Entre ? edVol2 : edVol1->isEnabled() ? edVol1 : edCusto)->setFocus();
        return;
    } catch (const std::exception& e) {
        showException(this, e);
        return;
    }
    appendFaixa(lida);
    switch (tipo) {
        case TipoFaixa::AbaixoDe:
            faixasSeguintes();
            edVol2->setFocus();
            break;
        case TipoFaixa::Entre:
            edVol1->setText(edVol2->text());
            edVol2->setFocus();
            edVol2->clear();
            edCusto->clear();
            break;
        case TipoFaixa::AcimaDe:
            edVol2->clear();
            edCusto->clear();
            break;
    }
}

void TformTarifasAgua::BTConcluirClick() {
    if (const auto recusa = RecusaTabela(estado.vecTarifas, estado.vecLinhasFaixas, appLocale())) {
        showError(this, fromUtf8(*recusa));
        // The entry waits for the top band.
        if (const int acima = CBVolume->findText(kAcimaDe); acima >= 0) {
            CBVolume->setCurrentIndex(acima);
            CBVolumeChange();
        }
        return;
    }
    Conclui();
}

void TformTarifasAgua::Conclui() {
    // The bills price the working simulation; without one there is nothing to price yet.
    const TEstadoAnalise* analise = estadoAnalise();
    const TCaptAgua* sim = analise ? analise->simAnalise.get() : nullptr;
    if (sim) {
        try {
            const TCamposTarifas c = campos();
            estado.contas = CalculaContas(c.vecTarifas, leEsgotoImpostos(c, appLocale()), *sim);
        } catch (const AnaliseError& e) {
            showErrorBox(this, fromUtf8(e.what()));
            edTarEsgoto->setFocus();
            return;
        } catch (const std::exception& e) {
            showException(this, e);
            return;
        }
        preencheEstimativas(TabelaEstimativas(*sim, estado.contas, appLocale()));
        mostraBotaoEstimativas();
    }
    close();
}

void TformTarifasAgua::BTRemoverFaixaClick() {
    const int faixa = faixaSelecionada();
    if (faixa < 0) return;
    if (const auto recusa = RemoveFaixa(estado.vecTarifas, estado.vecLinhasFaixas,
                                        static_cast<std::size_t>(faixa), appLocale())) {
        showError(this, fromUtf8(*recusa));
        return;
    }
    pintaFaixas();
    entradaAposFaixas();
    StringGrid1->setFocus();
}

void TformTarifasAgua::BTLimparClick() {
    if (!askYesNo(this, QStringLiteral("Limpar dados"),
                  QStringLiteral("Você tem certeza de que deseja limpar os dados de tarifas de água?")))
        return;
    LimparTarifas();
    edVol1->setFocus();
}

void TformTarifasAgua::CBVolumeChange() {
    const QString kind = CBVolume->currentText();
    if (kind == kEntre) {
        Label1->show();
        edVol2->show();
    } else if (kind == kAcimaDe) {
        Label1->hide();
        edVol2->hide();
        edCusto->setFocus();
    }
    edVolChange();
}

void TformTarifasAgua::ChBCustoFixoClick() {
    legendaCusto(Label3, edCusto, ChBCustoFixo->isChecked());
}

void TformTarifasAgua::RGTarEsgotoClick() {
    legendaEsgoto(Label6, edTarEsgoto, RGTarEsgoto->itemIndex() == 1);
    edTarEsgoto->setFocus();
}

void TformTarifasAgua::edVolChange() {
    const QLineEdit* volume = CBVolume->currentText() == kEntre ? edVol2 : edVol1;
    BTAdicionar->setEnabled(!volume->text().isEmpty() && !edCusto->text().isEmpty());
}

void TformTarifasAgua::LimparTarifas() {
    estado.vecTarifas.clear();
    estado.vecLinhasFaixas.clear();
    pintaFaixas();
    primeiraFaixa();
    RGTarEsgoto->setItemIndex(-1);
    legendaEsgoto(Label6, edTarEsgoto, false);
    edTarEsgoto->clear();
    edImpFixo->clear();
    edImpVar->clear();
}

void TformTarifasAgua::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (edVol1->isEnabled()) edVol1->setFocus();
}
