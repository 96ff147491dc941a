#include "windows/main/form_main.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>

#include "components/alt_typing_guard.h"
#include "components/key_filters.h"
#include "components/number_texts.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/input_rules.h"
#include "windows/main/main_links.h"

TformMain* formMain = nullptr;

namespace {

// True when a focus change means that the user moved to another control of this window
// (not that another window, a menu or a message box took the focus for a while).
bool leavesForAnotherControl(const QFocusEvent* event) {
    switch (event->reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            return false;
        default:
            return true;
    }
}

}  // namespace

TformMain::TformMain(QWidget* parent) : QMainWindow(parent), simMain(std::make_unique<TCaptAguaInterval>()) {
    setObjectName(QStringLiteral("formMain"));
    setWindowTitle(QStringLiteral("Vespra 4"));
    buildControls();
    buildPrecGrid();
    buildMenu();
    installKeyFilters();
    connectReactions();
    connectChangeTracking();
    // "Simular" answers Enter from the start, in either mode, whenever it is enabled.
    BTCalcular->setDefault(true);
    keepWrappedLabelsWhole(this, 2);
}

TformMain::~TformMain() {
    if (formMain == this) formMain = nullptr;
}

void TformMain::newSimMain() {
    releaseSweep(*simMain);
    simMain = std::make_unique<TCaptAguaInterval>();
}

void TformMain::installKeyFilters() {
    for (QLineEdit* edit : {ed_captacao, ed_demanda, ed_porcentagem_subst, ed_coef_aprov, ed_reservatorio_inf,
                            EdVolMaximo, EdIntervaloVols, EdDiferenca})
        installDecimalKeyFilter(edit);
    installIntegerKeyFilter(ed_moradores);
    // The two custom-value boxes check their range when the focus leaves them; the memo
    // drops its placeholder when the focus enters it; the demand and occupants boxes offer
    // to go back to a fixed value when clicked while they hold a series.
    for (QObject* watched : {static_cast<QObject*>(ed_porcentagem_subst),
                             static_cast<QObject*>(ed_coef_aprov), static_cast<QObject*>(MemObservacoes),
                             static_cast<QObject*>(ed_demanda), static_cast<QObject*>(ed_moradores)})
        watched->installEventFilter(this);
    strGridPrec->installEventFilter(this);
    strGridPrec->setItemDelegateForRow(PrecRowDescarte, makeDecimalCellDelegate(strGridPrec));
    // Alt with a letter is for the menus' mnemonics: it never types into a box.
    installAltTypingGuard(this);
}

void TformMain::connectReactions() {
    connect(BTCarregar, &QPushButton::clicked, this, [this] { BTCarregarClick(); });
    connect(BTResSup, &QPushButton::clicked, this, [this] { BTResSupClick(); });
    connect(BTDemPluvVariavel, &QPushButton::clicked, this, [this] { BTDemPluvVariavelClick(); });
    connect(BTNroMorVariavel, &QPushButton::clicked, this, [this] { BTNroMorVariavelClick(); });
    connect(BTValsMensais, &QPushButton::clicked, this, [this] { BTValsMensaisClick(); });
    connect(BTCalcular, &QPushButton::clicked, this, [this] { BTCalcularClick(); });
    connect(BTSalvar, &QPushButton::clicked, this, [this] { BTSalvarClick(); });
    connect(BTLimpar, &QPushButton::clicked, this, [this] { BTLimparClick(); });
    connect(BTAnalise, &QPushButton::clicked, this, [this] { BTAnaliseClick(); });

    connect(RGResInf, &RadioGroup::clicked, this, [this](int index) { RGResInfClick(index); });
    // The box's state, not the click: a tick through the keyboard, assistive technology or
    // the program reacts the same.
    connect(CBVolIdeal, &QCheckBox::toggled, this, [this] { CBVolIdealClick(); });
    connect(cb_porcentagem_subst, &QComboBox::activated, this,
            [this](int index) { cb_porcentagem_substChange(index); });
    connect(cb_coef_aprov, &QComboBox::activated, this, [this](int index) { cb_coef_aprovChange(index); });

    connect(ed_porcentagem_subst, &QLineEdit::textChanged, this, [this] { ed_porcentagem_substChange(); });
    connect(ed_coef_aprov, &QLineEdit::textChanged, this, [this] { ed_coef_aprovChange(); });
    connect(ed_captacao, &QLineEdit::textChanged, this, [this] { ed_captacaoChange(); });
    connect(ed_demanda, &QLineEdit::textChanged, this, [this] { ed_demandaChange(); });
    connect(ed_moradores, &QLineEdit::textChanged, this, [this] { ed_moradoresChange(); });
    connect(ed_reservatorio_inf, &QLineEdit::textChanged, this, [this] { ed_reservatorio_infChange(); });
    for (QLineEdit* edit : {EdVolMaximo, EdIntervaloVols, EdDiferenca})
        connect(edit, &QLineEdit::textChanged, this, [this] { CheckValidData(); });

    connect(strGridPrec, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int, int) { strGridPrecSelectCell(col, row); });
    connect(strGridPrec, &QTableWidget::cellClicked, this, [this](int row, int col) {
        if (row == PrecRowArquivo && col == 1) strGridPrecClick();
    });

    connect(MenuCarregarSimulacao, &QAction::triggered, this, [this] { BTCarregarClick(); });
    connect(MenuCarregarDadosPrec, &QAction::triggered, this, [this] { choosePrecFile(); });
    connect(MenuImportarEstacao, &QAction::triggered, this, [this] { BTImportarEstacaoClick(); });
    connect(BTImportarEstacao, &QPushButton::clicked, this, [this] { BTImportarEstacaoClick(); });
    connect(MenuSalvarSimulacao, &QAction::triggered, this, [this] { BTSalvarClick(); });
    connect(MenuSimCenarios, &QAction::triggered, this, [this] { MenuSimCenariosClick(); });
    connect(MenuMetodos, &QAction::triggered, this, [this] { MenuMetodosClick(); });
    connect(MenuLimparCampos, &QAction::triggered, this, [this] { BTLimparClick(); });
    connect(MenuSair, &QAction::triggered, this, [this] { close(); });
    connect(MenuAjuda, &QAction::triggered, this, [this] { MenuAjudaClick(); });
    connect(MenuCitacao, &QAction::triggered, this, [this] { MenuCitacaoClick(); });
    connect(MenuValidacao, &QAction::triggered, this, [this] { MenuValidacaoClick(); });
    connect(MenuSobre, &QAction::triggered, this, [this] { MenuSobreClick(); });
}

// ---------------------------------------------------------------------------------------
// Events

bool TformMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && leavesForAnotherControl(static_cast<QFocusEvent*>(event))) {
        if (watched == ed_porcentagem_subst)
            ed_porcentagem_substExit();
        else if (watched == ed_coef_aprov)
            ed_coef_aprovExit();
    } else if (event->type() == QEvent::FocusIn && watched == MemObservacoes) {
        MemObservacoesEnter();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == ed_demanda)
            ed_demandaClick();
        else if (watched == ed_moradores)
            ed_moradoresClick();
    } else if (event->type() == QEvent::KeyPress && watched == strGridPrec) {
        // The file cell answers Enter and Space as it answers a click.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool activates =
            key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
        if (activates && strGridPrec->currentRow() == PrecRowArquivo && strGridPrec->currentColumn() == 1) {
            strGridPrecClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TformMain::keyPressEvent(QKeyEvent* event) {
    // "Simular" is the window's default button: Enter runs it whenever it can be clicked.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && BTCalcular->isVisible() && BTCalcular->isEnabled()) {
        BTCalcular->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// Any change of an input, by the user or by a dialog of the program, is work a close would
// lose; the program's own refill after a load and a clear are not.
void TformMain::connectChangeTracking() {
    const auto changed = [this] { inputsChanged(); };
    for (QLineEdit* edit : {ed_captacao, ed_demanda, ed_moradores, ed_porcentagem_subst, ed_coef_aprov,
                            ed_reservatorio_inf, EdVolMaximo, EdIntervaloVols, EdDiferenca})
        connect(edit, &QLineEdit::textChanged, this, changed);
    connect(strGridPrec, &QTableWidget::itemChanged, this, changed);
    connect(RGResInf, &RadioGroup::clicked, this, changed);
    connect(CBVolIdeal, &QCheckBox::toggled, this, changed);
    connect(MemObservacoes, &QPlainTextEdit::textChanged, this, [this, changed] {
        memoPlaceholder_ = false;
        changed();
    });
}

void TformMain::closeEvent(QCloseEvent* event) {
    if (!unsaved_) {
        event->accept();
        return;
    }
    const MsgResult answer = ui().message(this, QStringLiteral("Vespra 4"),
                                          QStringLiteral("Deseja salvar a simulação antes de sair?"),
                                          MsgIcon::Question, MsgButtons::YesNoCancel);
    // Sim closes only once the file is written; a cancelled or failed save keeps the window.
    if (answer == MsgResult::No || (answer == MsgResult::Yes && saveCurrent()))
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------------------------------
// Validation, mode and ideal volume

bool TformMain::requiredFilled() const {
    const int mode = RGResInf->itemIndex();
    if (mode != 0 && mode != 1) return false;
    QStringList texts{precCell(PrecRowArquivo),     precCell(PrecRowData), precCell(PrecRowDescarte),
                      ed_captacao->text(),          ed_demanda->text(),    ed_moradores->text(),
                      ed_porcentagem_subst->text(), ed_coef_aprov->text()};
    texts << resSupVolumeText() << resSupThresholdText();
    if (mode == 0) {
        texts << ed_reservatorio_inf->text();
    } else {
        texts << EdVolMaximo->text() << EdIntervaloVols->text();
        if (CBVolIdeal->isChecked()) texts << EdDiferenca->text();
    }
    for (const QString& text : texts)
        if (text.isEmpty()) return false;
    return true;
}

void TformMain::CheckValidData() {
    const bool ok = requiredFilled();
    BTCalcular->setEnabled(ok);
    BTSalvar->setEnabled(ok);
}

void TformMain::RGResInfClick(int index) {
    GBSimulacao->show();
    if (index == 0) {
        GBSimulacao->setTitle(QStringLiteral("Simulação"));
        PagesSimulacao->setCurrentWidget(PanelUmaSimulacao);
        closeGrafico();
        ed_reservatorio_inf->setFocus(Qt::OtherFocusReason);
    } else if (index == 1) {
        GBSimulacao->setTitle(QStringLiteral("Intervalo da simulação"));
        PagesSimulacao->setCurrentWidget(PanelVariasSimulacoes);
        EdVolMaximo->setFocus(Qt::OtherFocusReason);
    }
    for (QPushButton* b : {BTCalcular, BTSalvar, BTLimpar, BTAnalise}) b->show();
}

void TformMain::CBVolIdealClick() {
    const bool on = CBVolIdeal->isChecked();
    Label13->setVisible(on);
    EdDiferenca->setVisible(on);
    if (on) EdDiferenca->setFocus(Qt::OtherFocusReason);
    CheckValidData();
}

// ---------------------------------------------------------------------------------------
// Preset lists and their custom-value boxes

void TformMain::cb_porcentagem_substChange(int index) {
    if (index < 0) return;
    if (index < 10) {
        ed_porcentagem_subst->setText(generalText(10.0 * (index + 1)));
        ed_porcentagem_subst->hide();
    } else {
        ed_porcentagem_subst->clear();
        ed_porcentagem_subst->show();
        ed_porcentagem_subst->setFocus(Qt::OtherFocusReason);
    }
}

void TformMain::ed_porcentagem_substChange() {
    const QString text = ed_porcentagem_subst->text();
    int match = 10;  // "Outro valor"
    for (int i = 0; i < 10; ++i)
        if (text == generalText(10.0 * (i + 1))) {
            match = i;
            break;
        }
    cb_porcentagem_subst->setCurrentIndex(match);
    updateResSup();
    CheckValidData();
}

bool TformMain::ed_porcentagem_substExit() {
    if (exitCheckActive_) return true;
    const auto value = tryReadText(ed_porcentagem_subst->text());
    const auto error = shareError(value.value_or(0));
    if (!error) return true;
    exitCheckActive_ = true;
    showError(this, QString::fromStdString(*error));
    (ed_porcentagem_subst->isVisible() ? static_cast<QWidget*>(ed_porcentagem_subst) : cb_porcentagem_subst)
        ->setFocus(Qt::OtherFocusReason);
    exitCheckActive_ = false;
    return false;
}

void TformMain::cb_coef_aprovChange(int index) {
    if (index < 0) return;
    if (index < 10) {
        ed_coef_aprov->setText(coefficientValues()[index]);
        ed_coef_aprov->hide();
    } else {
        ed_coef_aprov->clear();
        ed_coef_aprov->show();
        ed_coef_aprov->setFocus(Qt::OtherFocusReason);
    }
}

void TformMain::ed_coef_aprovChange() {
    const int match = static_cast<int>(coefficientValues().indexOf(ed_coef_aprov->text()));
    cb_coef_aprov->setCurrentIndex(match < 0 ? 10 : match);
    CheckValidData();
}

bool TformMain::ed_coef_aprovExit() {
    if (exitCheckActive_) return true;
    const auto value = tryReadText(ed_coef_aprov->text());
    const auto error = coefficientError(value.value_or(0));
    if (!error) return true;
    exitCheckActive_ = true;
    showError(this, QString::fromStdString(*error));
    (ed_coef_aprov->isVisible() ? static_cast<QWidget*>(ed_coef_aprov) : cb_coef_aprov)
        ->setFocus(Qt::OtherFocusReason);
    exitCheckActive_ = false;
    return false;
}

// ---------------------------------------------------------------------------------------
// Change reactions of the other boxes

void TformMain::ed_captacaoChange() {
    CheckValidData();
}

void TformMain::ed_demandaChange() {
    updateResSup();
    CheckValidData();
}

void TformMain::ed_moradoresChange() {
    updateResSup();
    CheckValidData();
}

void TformMain::ed_reservatorio_infChange() {
    BTCalcular->setEnabled(!ed_reservatorio_inf->text().isEmpty());
    setAnaliseVolume(ed_reservatorio_inf->text());
}

// ---------------------------------------------------------------------------------------
// Going back from a series to a fixed demand or number of occupants

void TformMain::ed_demandaClick() {
    if (ed_demanda->text() != kTextoVariavel) return;
    if (!askYesNo(this, QStringLiteral("Demanda variável"),
                  QStringLiteral("Deseja alternar Demanda de água potável de variável para fixa?")))
        return;
    ed_demanda->clear();
    clearDemandEditor();
    simMain->base().vecDemAguaPot.clear();
}

void TformMain::ed_moradoresClick() {
    if (ed_moradores->text() != kTextoVariavel) return;
    if (!askYesNo(this, QStringLiteral("Número de moradores variável"),
                  QStringLiteral("Deseja alternar Número de moradores de variável para fixo?")))
        return;
    ed_moradores->clear();
    clearDemandEditor();
    simMain->base().vecNroMor.clear();
}

// ---------------------------------------------------------------------------------------
// Dialogs opened from the window

void TformMain::BTResSupClick() {
    execResSup();
}

// The editor's series go into simMain's first simulation; the box then reads "Variável".
void TformMain::BTDemPluvVariavelClick() {
    const std::optional<EditedSeries> edited = editVariableSeries(this, *simMain, false);
    if (!edited) return;
    TCaptAgua& p = simMain->base();
    p.boolDemAguaPotMensal = edited->monthly;
    if (edited->monthly) {
        p.vecDemAguaPotMensal = edited->values;
        // Monthly values are the building's totals: one "occupant" takes them whole.
        ed_moradores->setText(QStringLiteral("1"));
        p.vecNroMorMensal.clear();
    } else {
        p.vecDemAguaPot = edited->values;
    }
    ed_demanda->setText(kTextoVariavel);
    updateResSup();
    inputsChanged();
}

void TformMain::BTNroMorVariavelClick() {
    const std::optional<EditedSeries> edited = editVariableSeries(this, *simMain, true);
    if (!edited) return;
    TCaptAgua& p = simMain->base();
    p.boolNroMorMensal = edited->monthly;
    (edited->monthly ? p.vecNroMorMensal : p.vecNroMor) = edited->values;
    ed_moradores->setText(kTextoVariavel);
    updateResSup();
    inputsChanged();
}

void TformMain::MenuAjudaClick() {
    showHelp(this);
}
void TformMain::MenuCitacaoClick() {
    showCitacao();
}
void TformMain::MenuValidacaoClick() {
    execValidacao();
}
void TformMain::MenuSobreClick() {
    execSobre();
}
// The methods read the simulation as it last ran (typed or loaded).
void TformMain::MenuMetodosClick() {
    execMetodosDimensionamento(simMain->base());
}

void TformMain::MenuSimCenariosClick() {
    showSimCenarios();
}
