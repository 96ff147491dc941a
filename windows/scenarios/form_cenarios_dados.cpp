#include "windows/scenarios/form_cenarios_dados.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "components/app_locale.h"
#include "components/key_filters.h"
#include "components/number_texts.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "scenarios/item_rules.h"
#include "scenarios/value_lists.h"
#include "windows/scenarios/form_cenarios_dados_res_inf.h"
#include "windows/scenarios/scenarios_links.h"

TformCenariosDados* formCenariosDados = nullptr;

TformCenariosDados::TformCenariosDados(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCenariosDados"));
    setWindowTitle(QStringLiteral("Dados do cenário"));
    buildControls();
}

void TformCenariosDados::buildControls() {
    Panel6 = new QWidget(this);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    edValor = makeEdit(Panel6, "edValor", QStringLiteral("Valor"));
    installDecimalKeyFilter(edValor);
    Label1 = makeLabel(Panel6, "Label1", QStringLiteral("Valor"), edValor, LabelKind::OneLine);
    auto* valueLayout = new QVBoxLayout(Panel6);
    valueLayout->setContentsMargins(0, 0, 0, 0);
    valueLayout->addWidget(Label1);
    valueLayout->addWidget(edValor);

    Panel5 = new QWidget(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    btAdicionar = makeButton(Panel5, "btAdicionar", QStringLiteral("Adicionar"));
    btAdicionar->setDefault(true);
    btAdicionar->setEnabled(false);
    btVariavel = makeButton(Panel5, "btVariavel", QStringLiteral("Variável"), false);
    btVariavel->setAccessibleDescription(QStringLiteral("Adicionar valores que variam por dia ou por mês"));
    btIntervlResInf = makeButton(Panel5, "btIntervlResInf", QStringLiteral("Intervalo"), false);
    btIntervlResInf->setAccessibleDescription(
        QStringLiteral("Adicionar uma faixa de volumes: volume máximo e intervalo entre volumes"));
    btCarregar = makeButton(Panel5, "btCarregar", QStringLiteral("..."), false);
    btCarregar->setAccessibleName(QStringLiteral("Escolher dados de precipitação"));
    btResSup = makeButton(Panel5, "btResSup", QStringLiteral("Reservatório superior"), false);
    btResSup->setAccessibleDescription(QStringLiteral("Adicionar um reservatório superior à lista"));
    auto* buttons = new QHBoxLayout(Panel5);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {btAdicionar, btVariavel, btIntervlResInf, btCarregar, btResSup})
        buttons->addWidget(b);

    auto* top = new QHBoxLayout;
    top->addWidget(Panel6, 1);
    top->addWidget(Panel5, 0, Qt::AlignBottom | Qt::AlignRight);

    LBDados = new QListWidget(this);
    LBDados->setObjectName(QStringLiteral("LBDados"));
    LBDados->setAccessibleName(QStringLiteral("Lista de valores"));
    LBDados->installEventFilter(this);

    btAcima = makeButton(this, "btAcima", QStringLiteral("Acima"), false);
    btAbaixo = makeButton(this, "btAbaixo", QStringLiteral("Abaixo"), false);
    btExcluir = makeButton(this, "btExcluir", QStringLiteral("Excluir"), false);
    btSort = makeButton(this, "btSort", QStringLiteral("Ordenar"), false);
    btAcima->setAccessibleDescription(QStringLiteral("Mover o valor escolhido uma posição acima"));
    btAbaixo->setAccessibleDescription(QStringLiteral("Mover o valor escolhido uma posição abaixo"));
    btExcluir->setAccessibleDescription(QStringLiteral("Excluir o valor escolhido da lista"));
    btSort->setAccessibleDescription(QStringLiteral("Ordenar os valores da lista"));
    btConcluir = makeButton(this, "btConcluir", QStringLiteral("Concluir"), false);
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {btAcima, btAbaixo, btExcluir, btSort}) side->addWidget(b);
    side->addStretch(1);
    side->addWidget(btConcluir);

    auto* middle = new QHBoxLayout;
    middle->addWidget(LBDados, 1);
    middle->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    resize(520, 320);

    connect(edValor, &QLineEdit::textChanged, this, [this] { edValorChange(); });
    connect(btAdicionar, &QPushButton::clicked, this, [this] { btAdicionarClick(); });
    connect(btCarregar, &QPushButton::clicked, this, [this] { btCarregarClick(); });
    connect(btVariavel, &QPushButton::clicked, this, [this] { btVariavelClick(); });
    connect(btIntervlResInf, &QPushButton::clicked, this, [this] { btIntervlResInfClick(); });
    connect(btResSup, &QPushButton::clicked, this, [this] { btResSupClick(); });
    connect(btAcima, &QPushButton::clicked, this, [this] { btAcimaClick(); });
    connect(btAbaixo, &QPushButton::clicked, this, [this] { btAbaixoClick(); });
    connect(btExcluir, &QPushButton::clicked, this, [this] { btExcluirClick(); });
    connect(btSort, &QPushButton::clicked, this, [this] { btSortClick(); });
    connect(btConcluir, &QPushButton::clicked, this, [this] { btConcluirClick(); });
}

void TformCenariosDados::arrange(int linha) {
    linha_ = linha;
    setWindowTitle(QString::fromUtf8(RotuloParametro(linha)));
    // The list and the box are read aloud with the parameter they hold.
    LBDados->setAccessibleName(QStringLiteral("Lista de valores: ") + windowTitle());
    edValor->setAccessibleDescription(QStringLiteral("Novo valor para a lista: ") + windowTitle());
    const bool prec = linha == kLinhaArqPrec;
    const bool vetor = linha == kLinhaDemPot || linha == kLinhaNroMor;
    const bool resSup = linha == kLinhaResSup;
    const bool resInf = linha == kLinhaResInf;
    Panel6->setVisible(!resSup);
    btAdicionar->setVisible(!prec && !resSup);
    btVariavel->setVisible(vetor);
    btIntervlResInf->setVisible(resInf);
    btCarregar->setVisible(prec);
    btResSup->setVisible(resSup);
    // The button panel's width per row; the upper reservoir's button fills the top area.
    if (resSup) {
        Panel5->setMinimumWidth(0);
        Panel5->setMaximumWidth(QWIDGETSIZE_MAX);
        Panel5->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    } else {
        const int width = prec ? 24 : (vetor || resInf) ? 200 : 98;
        Panel5->setMinimumWidth(width);
    }
}

void TformCenariosDados::setItens(std::vector<std::string> itens) {
    itens_ = std::move(itens);
    paintList(-1);
}

std::string TformCenariosDados::TStringListToString() const {
    return ::TStringListToString(itens_);
}

void TformCenariosDados::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (Panel6->isVisible()) edValor->setFocus();
}

bool TformCenariosDados::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LBDados && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        btExcluirClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TformCenariosDados::addItem(std::string item) {
    if (const auto erro = ErroDoItem(linha_, item, appLocale())) {
        showErrorBox(this, QString::fromUtf8(*erro));
        return false;
    }
    if (ordenado_) {
        InsereOrdenado(itens_, std::move(item));
    } else {
        itens_.push_back(std::move(item));
    }
    paintList(LBDados->currentRow());
    return true;
}

void TformCenariosDados::paintList(int selected) {
    LBDados->clear();
    for (const std::string& item : itens_) LBDados->addItem(fromUtf8(item));
    if (selected >= 0 && selected < LBDados->count()) LBDados->setCurrentRow(selected);
}

void TformCenariosDados::edValorChange() {
    btAdicionar->setEnabled(!edValor->text().isEmpty());
}

void TformCenariosDados::btAdicionarClick() {
    if (edValor->text().isEmpty()) return;
    // A value refused stays in the box, to be corrected.
    if (addItem(ItemAdicionado(linha_, toUtf8(edValor->text())))) {
        edValor->clear();
    } else {
        edValor->selectAll();
    }
    edValor->setFocus();
}

void TformCenariosDados::btCarregarClick() {
    try {
        const std::optional<dadosPrecRecord> d = execDadosPrecCenario(this);
        if (!d) return;
        // The value-list text separates items with "(", ")", ";" and " | ": a path holding
        // one of them would come back split.
        if (!CaminhoPrecRepresentavel(d->strDadosPrec)) {
            showErrorBox(this, QStringLiteral("O caminho do arquivo de precipitação não pode conter \"(\", "
                                              "\")\", \";\" nem \" | \". Renomeie ou mova o arquivo e "
                                              "escolha-o novamente."));
            return;
        }
        addItem(ItemDadosPrec(*d, appLocale()));
    } catch (const std::exception& e) {
        showConversionError(this, e);
    }
}

void TformCenariosDados::btVariavelClick() {
    if (const std::optional<std::string> valores = execDemandaCenario(this)) addItem(*valores);
}

void TformCenariosDados::btIntervlResInfClick() {
    TformCenariosDadosResInf dialog(this);
    if (ui().execModal(&dialog) == QDialog::Accepted) addItem(dialog.ResInfToStr());
}

void TformCenariosDados::btResSupClick() {
    const std::optional<ResSupCenario> r = execResSupCenario(this);
    if (!r) return;
    addItem(ItemResSupDialogo(r->dimensionadoPelaDemanda, toUtf8(r->volume), toUtf8(r->percentual)));
}

void TformCenariosDados::swapSelected(int delta) {
    const int row = LBDados->currentRow();
    const int other = row + delta;
    if (row < 0 || other < 0 || other >= static_cast<int>(itens_.size())) return;
    std::swap(itens_[static_cast<std::size_t>(row)], itens_[static_cast<std::size_t>(other)]);
    paintList(other);
}

void TformCenariosDados::btAcimaClick() {
    swapSelected(-1);
}

void TformCenariosDados::btAbaixoClick() {
    swapSelected(+1);
}

void TformCenariosDados::btExcluirClick() {
    const int row = LBDados->currentRow();
    if (row < 0 || row >= static_cast<int>(itens_.size())) return;
    itens_.erase(itens_.begin() + row);
    paintList(std::min(row, static_cast<int>(itens_.size()) - 1));
}

void TformCenariosDados::btSortClick() {
    OrdenaItens(itens_);
    ordenado_ = true;
    paintList(-1);
}

void TformCenariosDados::btConcluirClick() {
    RemoveRepetidos(itens_);
    paintList(-1);
    accept();
}
