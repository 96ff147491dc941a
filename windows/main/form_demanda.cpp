#include "windows/main/form_demanda.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/key_filters.h"
#include "components/number_texts.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/demand_series.h"

bool flagNroMor = false;
TformDemanda* formDemanda = nullptr;

namespace {

constexpr int kColLabel = 0;
constexpr int kColValue = 1;
const QString kPeriodoLabel = QStringLiteral("Período de repetição");

std::vector<std::string> toStdTexts(const QStringList& texts) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& t : texts) out.push_back(t.toStdString());
    return out;
}

// "Valor muito elevado" is a plain message, without an icon.
void showTooLong(QWidget* parent) {
    ui().message(parent, QStringLiteral("Vespra 4"), QStringLiteral("Valor muito elevado"), MsgIcon::None,
                 MsgButtons::Ok);
}

}  // namespace

TformDemanda::TformDemanda(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formDemanda"));
    buildControls();
    connectReactions();
    FormShow();
}

void TformDemanda::buildControls() {
    rgPeriodicidade = new RadioGroup(QStringLiteral("Periodicidade dos dados"),
                                     {QStringLiteral("Diária"), QStringLiteral("Mensal")}, this);
    rgPeriodicidade->setObjectName(QStringLiteral("rgPeriodicidade"));
    rgPeriodicidade->setColumns(2);
    rgPeriodicidade->setItemIndex(ItemDiaria);
    std::tie(Label15, EdPeriodo) =
        makeLabelledEdit(this, "Label15", "EdPeriodo", kPeriodoLabel,
                         QStringLiteral("Período de repetição (dias)"), LabelKind::OneLine);
    installIntegerKeyFilter(EdPeriodo);
    EdPeriodo->installEventFilter(this);
    BTOK = makeButton(this, "BTOK", QStringLiteral("OK"));
    BTOK->setAccessibleDescription(
        QStringLiteral("Uma linha na tabela por dia ou mês do período de repetição"));
    BTOK->setDefault(true);
    BTOK->setEnabled(false);
    BTCarregar = makeButton(this, "BTCarregar", QStringLiteral("Carregar arquivo"), false);

    SGDemandaVar = new DataGrid(this);
    SGDemandaVar->setObjectName(QStringLiteral("SGDemandaVar"));
    SGDemandaVar->addColumn(QStringLiteral("Dia"), QString(), 39);
    SGDemandaVar->addColumn(QString(), QString(), 242);
    SGDemandaVar->setColumnReadOnly(kColLabel, true);
    SGDemandaVar->setRowHeight(18);
    SGDemandaVar->setItemDelegateForColumn(kColValue, makeDecimalCellDelegate(SGDemandaVar));
    SGDemandaVar->installEventFilter(this);
    SGDemandaVar->addRow();
    SGDemandaVar->setMinimumHeight(240);

    BTConcluir = makeButton(this, "BTConcluir", QStringLiteral("Concluir"), false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(rgPeriodicidade, 0, 0, 1, 3);
    grid->addWidget(Label15, 1, 0);
    grid->addWidget(EdPeriodo, 1, 1);
    grid->addWidget(BTOK, 1, 2);
    grid->addWidget(BTCarregar, 2, 0, 1, 3, Qt::AlignLeft);
    grid->addWidget(SGDemandaVar, 3, 0, 1, 3);
    grid->addWidget(BTConcluir, 4, 0, 1, 3, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TformDemanda::connectReactions() {
    connect(rgPeriodicidade, &RadioGroup::clicked, this, [this](int index) { rgPeriodicidadeClick(index); });
    connect(EdPeriodo, &QLineEdit::textChanged, this, [this] { EdPeriodoChange(); });
    connect(BTOK, &QPushButton::clicked, this, [this] { BTOKClick(); });
    connect(BTCarregar, &QPushButton::clicked, this, [this] { BTCarregarClick(); });
    connect(BTConcluir, &QPushButton::clicked, this, [this] { BTConcluirClick(); });
    connect(SGDemandaVar, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == kColValue) refreshAccessibleText(item->row() + 1);
    });
}

// ---------------------------------------------------------------------------------------
// The grid as the user sees it

QString TformDemanda::cornerText() const {
    return SGDemandaVar->headerLines(kColLabel).value(0);
}

QString TformDemanda::headerText() const {
    return SGDemandaVar->headerLines(kColValue).value(0);
}

int TformDemanda::valueRowCount() const {
    return SGDemandaVar->rowCount();
}

QString TformDemanda::rowLabel(int row) const {
    return SGDemandaVar->cellText(kColLabel, row - 1);
}

QString TformDemanda::valueText(int row) const {
    return SGDemandaVar->cellText(kColValue, row - 1);
}

void TformDemanda::setValueText(int row, const QString& text) {
    SGDemandaVar->setCellText(kColValue, row - 1, text);
}

QStringList TformDemanda::valueTexts() const {
    QStringList texts;
    for (int row = 1; row <= valueRowCount(); ++row) texts << valueText(row);
    return texts;
}

void TformDemanda::setCorner(const QString& text) {
    SGDemandaVar->setHeaderLines(kColLabel, text);
}

void TformDemanda::setColumnHeader() {
    const QString header = QString::fromStdString(demandColumnHeader(flagNroMor, isMensal()));
    SGDemandaVar->setHeaderLines(kColValue, header);
    SGDemandaVar->setAccessibleName(header);
    SGDemandaVar->widenToHeaders();
    SGDemandaVar->setMinimumWidth(SGDemandaVar->widthForAllColumns());
}

// A screen reader reads a value with its row: "Jan: 120".
void TformDemanda::refreshAccessibleText(int row) {
    if (refreshingAccessible_) return;
    QTableWidgetItem* item = SGDemandaVar->item(row - 1, kColValue);
    if (!item) return;
    const QString text = valueText(row).isEmpty() ? QStringLiteral("vazio") : valueText(row);
    refreshingAccessible_ = true;
    item->setData(Qt::AccessibleTextRole, rowLabel(row) + QStringLiteral(": ") + text);
    refreshingAccessible_ = false;
}

void TformDemanda::applyLayout(const DemandGridLayout& layout) {
    const QStringList kept = valueTexts();
    setCorner(QString::fromStdString(layout.corner));
    SGDemandaVar->setColumnWidth(kColLabel, layout.labelWidth);
    SGDemandaVar->clearRows();
    for (std::size_t i = 0; i < layout.rowLabels.size(); ++i) {
        const int row = SGDemandaVar->addRow() + 1;
        SGDemandaVar->setCellText(kColLabel, row - 1, QString::fromStdString(layout.rowLabels[i]));
        if (row - 1 < kept.size()) setValueText(row, kept[row - 1]);
        refreshAccessibleText(row);
    }
}

bool TformDemanda::isMensal() const {
    return rgPeriodicidade->itemIndex() == ItemMensal;
}

// ---------------------------------------------------------------------------------------
// Reactions

void TformDemanda::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TformDemanda::FormShow() {
    setWindowTitle(flagNroMor ? QStringLiteral("Número de moradores variável")
                              : QStringLiteral("Demanda variável"));
    setCorner(QString::fromStdString(demandCorner(isMensal())));
    setColumnHeader();
}

// Under "Mensal" the period is the 12 months: the box shows "12" and takes no typing.
void TformDemanda::lockPeriodForMonths() {
    EdPeriodo->setEnabled(!isMensal());
}

void TformDemanda::rgPeriodicidadeClick(int index) {
    lockPeriodForMonths();
    if (index == ItemMensal) {
        EdPeriodo->setText(QStringLiteral("12"));
        // Only "OK" and a file change the width of the labels.
        const int width = SGDemandaVar->columnWidth(kColLabel);
        applyLayout(monthlyLayout());
        SGDemandaVar->setColumnWidth(kColLabel, width);
    } else {
        // The rows stay until "OK" lays the grid out again.
        setCorner(QString::fromStdString(demandCorner(false)));
    }
    setColumnHeader();
}

void TformDemanda::EdPeriodoChange() {
    const QString text = EdPeriodo->text();
    BTOK->setEnabled(!text.isEmpty() && text != QLatin1String("0"));
}

// The same rule as a change: a period of "0" never enables "OK".
void TformDemanda::EdPeriodoEnter() {
    EdPeriodoChange();
}

void TformDemanda::BTOKClick() {
    setCorner(QString::fromStdString(demandCorner(false)));
    try {
        applyLayout(periodLayout(EdPeriodo->text().toStdString(), isMensal()));
    } catch (const SeriesTooLongError&) {
        showTooLong(this);
        return;
    } catch (const ConversionError& e) {
        showConversionError(this, FieldConversionError(kPeriodoLabel, e, EdPeriodo));
        return;
    }
    SGDemandaVar->setFocus(Qt::OtherFocusReason);
}

// A value file, one number per line: its count becomes the period and its values fill the
// rows. A file that cannot be used changes nothing.
void TformDemanda::BTCarregarClick() {
    const QString path = ui().openFileName(this, QStringLiteral("Carregar arquivo"), QString(),
                                           QStringLiteral("Arquivo CSV|*.csv"));
    if (path.isEmpty()) return;
    std::optional<doubleArray> values;
    DemandGridLayout layout;
    QString period;
    try {
        values = readSeriesFile(path.toStdString(), appLocale());
        if (!values) return;
        period = fromUtf8(formatGeneral(static_cast<double>(values->size()), appLocale()));
        layout = periodLayout(period.toStdString(), isMensal());
    } catch (const SeriesTooLongError&) {
        showTooLong(this);
        return;
    } catch (const std::exception& e) {
        showException(this, e);
        return;
    }
    // Under "Mensal" the grid has the 12 months: a file of another count is not a year.
    if (layout.rowLabels.size() != values->size()) {
        showError(
            this,
            QStringLiteral("O arquivo contém %1 valores; a planilha mensal tem 12 linhas.").arg(period));
        return;
    }
    EdPeriodo->setText(period);
    BTOKClick();
    const std::vector<std::string> texts = seriesTexts(*values, appLocale());
    for (std::size_t i = 0; i < texts.size(); ++i)
        setValueText(static_cast<int>(i) + 1, QString::fromStdString(texts[i]));
}

void TformDemanda::BTConcluirClick() {
    std::size_t count = 0;
    try {
        count = seriesRowCount(EdPeriodo->text().toStdString(), isMensal());
    } catch (const ConversionError& e) {
        showConversionError(this, FieldConversionError(kPeriodoLabel, e, EdPeriodo));
        return;
    }
    // A period typed without "OK" would keep some other number of rows than the grid shows.
    const std::optional<std::string> pending =
        count == 0 ? std::nullopt : periodGridDisagreement(count, static_cast<std::size_t>(valueRowCount()));
    if (pending) {
        showInformation(this, kPeriodoLabel, QString::fromStdString(*pending));
        EdPeriodo->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (count == 0 || anySeriesValueMissing(toStdTexts(valueTexts()), count)) {
        showInformation(this, QStringLiteral("Dados não preenchidos"),
                        QStringLiteral("Há dados não preenchidos na planilha"));
        SGDemandaVar->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A pasted text that is not a number, or a negative one, keeps the editor open.
    try {
        seriesValues();
    } catch (const ConversionError& e) {
        showException(this, e);
        SGDemandaVar->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}

doubleArray TformDemanda::seriesValues() const {
    const std::size_t count = seriesRowCount(EdPeriodo->text().toStdString(), isMensal());
    QStringList labels;
    for (int row = 1; row <= valueRowCount(); ++row) labels << rowLabel(row);
    return readSeriesValues(toStdTexts(valueTexts()), toStdTexts(labels), count, appLocale());
}

// ---------------------------------------------------------------------------------------
// Keys

bool TformDemanda::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EdPeriodo && event->type() == QEvent::FocusIn) EdPeriodoEnter();
    if (watched == SGDemandaVar && event->type() == QEvent::KeyPress &&
        gridKeyPress(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

// Ctrl+C copies the current cell, Ctrl+V pastes the clipboard's column from it down; a typed
// character the value cell would refuse is discarded. True when the key was taken.
bool TformDemanda::gridKeyPress(QKeyEvent* key) {
    const int row = SGDemandaVar->currentRow() + 1;
    const int col = SGDemandaVar->currentColumn();
    if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_C || key->key() == Qt::Key_V)) {
        if (row < 1 || col < 0) return true;
        if (key->key() == Qt::Key_C) {
            QApplication::clipboard()->setText(SGDemandaVar->cellText(col, row - 1));
        } else if (col == kColValue) {
            pasteColumn(row, QApplication::clipboard()->text());
        }
        return true;
    }
    const QString typed = key->text();
    if (typed.isEmpty() || !typed.at(0).isPrint() ||
        (key->modifiers() & ~Qt::ShiftModifier & ~Qt::KeypadModifier))
        return false;
    const char separator = appLocale().decimalSeparator;
    const QString current = row >= 1 ? valueText(row) : QString();
    return !keyFilterAccepts(KeyFilterKind::Decimal, current,
                             keyFilterText(KeyFilterKind::Decimal, typed, separator), separator);
}

// As a spreadsheet pastes a column: each line into a row from `firstRow` down, filtered as if
// typed into the cell. Lines below the last row have no row to go to.
void TformDemanda::pasteColumn(int firstRow, const QString& clipboard) {
    const char separator = appLocale().decimalSeparator;
    const std::vector<std::string> texts = pastedColumnTexts(clipboard.toStdString());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int row = firstRow + static_cast<int>(i);
        if (row > valueRowCount()) break;
        setValueText(row, keyFilterPaste(KeyFilterKind::Decimal, QString(), QString::fromStdString(texts[i]),
                                         separator));
    }
}

// ---------------------------------------------------------------------------------------
// Filling from a simulation and reading back

void TformDemanda::loadSeries(const doubleArray& daily, const doubleArray& monthly, bool isMonthly) {
    const DemandEditorContents c = demandEditorContents(daily, monthly, isMonthly, appLocale());
    rgPeriodicidade->setItemIndex(c.monthly ? ItemMensal : ItemDiaria);  // its reaction included
    EdPeriodo->setText(QString::fromStdString(c.period));
    applyLayout(c.layout);
    for (std::size_t i = 0; i < c.values.size() && i < c.layout.rowLabels.size(); ++i)
        setValueText(static_cast<int>(i) + 1, QString::fromStdString(c.values[i]));
}

void TformDemanda::LoadDemAguaPot(const TCaptAguaInterval& mCaptAguaInterval) {
    const TCaptAgua& p = mCaptAguaInterval.base();
    loadSeries(p.vecDemAguaPot, p.vecDemAguaPotMensal, p.boolDemAguaPotMensal);
}

void TformDemanda::LoadNroMor(const TCaptAguaInterval& mCaptAguaInterval) {
    const TCaptAgua& p = mCaptAguaInterval.base();
    loadSeries(p.vecNroMor, p.vecNroMorMensal, p.boolNroMorMensal);
}

QString TformDemanda::StrGridToStr() const {
    return QString::fromStdString(joinSeriesTexts(toStdTexts(valueTexts())));
}

void TformDemanda::LimparDemandaVar() {
    // Back to "Diária": under "Mensal" the box takes no period.
    rgPeriodicidade->setItemIndex(ItemDiaria);
    EdPeriodo->clear();
    SGDemandaVar->clearRows();
    SGDemandaVar->addRow();
}
