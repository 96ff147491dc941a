// The precipitation grid of the main window: the record's file, its number of daily
// values, its start date and the first-flush discard.

#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

#include "common/numtext.h"
#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/file_filters.h"
#include "components/ui_seam.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/precipitation_file.h"
#include "windows/main/form_importacao.h"
#include "windows/main/form_main.h"
#include "windows/main/main_links.h"

namespace {

// Column 0 holds the labels: shown like a header, never selected or edited.
QTableWidgetItem* labelItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(QPalette().button());
    return item;
}

}  // namespace

QString TformMain::precDateLabel() {
    return QStringLiteral("Data inicial (") + fromUtf8(appLocale().shortDatePattern) + QStringLiteral(")");
}

void TformMain::buildPrecGrid() {
    strGridPrec->setAccessibleName(QStringLiteral("Dados de precipitação"));
    strGridPrec->horizontalHeader()->hide();
    strGridPrec->verticalHeader()->hide();
    strGridPrec->horizontalHeader()->setDefaultSectionSize(170);
    strGridPrec->verticalHeader()->setDefaultSectionSize(21);
    strGridPrec->setSelectionMode(QAbstractItemView::SingleSelection);
    strGridPrec->setTabKeyNavigation(false);
    strGridPrec->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strGridPrec->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strGridPrec->setFixedHeight(4 * 21 + 2 * strGridPrec->frameWidth());
    strGridPrec->setMinimumWidth(2 * 170 + 2 * strGridPrec->frameWidth());
    const QStringList labels{QStringLiteral("Carregar dados de precipitação"),
                             QStringLiteral("Número de registros"), precDateLabel(),
                             QStringLiteral("Descarte escoamento inicial (mm)")};
    for (int row = 0; row < 4; ++row) {
        strGridPrec->setItem(row, 0, labelItem(labels[row]));
        auto* value = new QTableWidgetItem;
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (row == PrecRowData || row == PrecRowDescarte) flags |= Qt::ItemIsEditable;
        value->setFlags(flags);
        value->setToolTip(labels[row]);
        strGridPrec->setItem(row, 1, value);
    }
    // The labels are read whole: the first column takes their width, the values the rest.
    strGridPrec->resizeColumnToContents(0);
    strGridPrec->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    strGridPrec->setMinimumWidth(strGridPrec->columnWidth(0) + 170 + 2 * strGridPrec->frameWidth());
    strGridPrecSelectCell(1, PrecRowArquivo);
}

QString TformMain::precCell(int row) const {
    const QTableWidgetItem* item = strGridPrec->item(row, 1);
    return item ? item->text() : QString();
}

void TformMain::setPrecCell(int row, const QString& text) {
    if (QTableWidgetItem* item = strGridPrec->item(row, 1)) item->setText(text);
}

// Only the start date and the discard are typed in place; the file name and the number
// of values are written by the program.
void TformMain::strGridPrecSelectCell(int /*col*/, int row) {
    const bool editable = row == PrecRowData || row == PrecRowDescarte;
    strGridPrec->setEditTriggers(
        editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                       QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                 : QAbstractItemView::NoEditTriggers);
}

void TformMain::strGridPrecClick() {
    if (strGridPrec->currentRow() != PrecRowArquivo) return;
    choosePrecFile();
}

void TformMain::choosePrecFile() {
    const QString path = ui().openFileName(this, QStringLiteral("Carregar dados de precipitação"),
                                           lastOpenDir_, kFiltroPrecipitacao);
    if (path.isEmpty()) return;
    lastOpenDir_ = QFileInfo(path).absolutePath();
    loadPrecFile(path);
}

bool TformMain::loadPrecFile(const QString& path) {
    // The record is read into a new set first, so that a file that cannot be read leaves
    // the current one as it was.
    auto fresh = std::make_unique<TCaptAguaInterval>();
    TCaptAgua& p = fresh->base();
    p.strArqPrec = toUtf8(path);
    PrecUnreadLines unread;
    try {
        unread = p.loadPrec(appLocale());
    } catch (const FileError& e) {
        showException(this, e);
        return false;
    }
    // Series typed through "Variável..." belong to the household, not to the record: they
    // go over to the new set while their boxes still say so.
    const TCaptAgua& old = simMain->base();
    if (ed_demanda->text() == kTextoVariavel) {
        p.vecDemAguaPot = old.vecDemAguaPot;
        p.vecDemAguaPotMensal = old.vecDemAguaPotMensal;
        p.boolDemAguaPotMensal = old.boolDemAguaPotMensal;
    }
    if (ed_moradores->text() == kTextoVariavel) {
        p.vecNroMor = old.vecNroMor;
        p.vecNroMorMensal = old.vecNroMorMensal;
        p.boolNroMorMensal = old.boolNroMorMensal;
    }
    setPrecCell(PrecRowArquivo, QFileInfo(path).fileName());
    releaseSweep(*simMain);
    simMain = std::move(fresh);
    const std::size_t count = simMain->base().vecDadosPrecOrig.size();
    // A short record and lines that are not numbers are told in one box; the record stays.
    const std::string warning = precDataWarning(count, unread, appLocale());
    if (!warning.empty())
        ui().message(this, QStringLiteral("Dados de precipitação"), fromUtf8(warning), MsgIcon::Warning,
                     MsgButtons::Ok);
    setPrecCell(PrecRowRegistros, fromUtf8(formatGeneral(static_cast<double>(count), appLocale())));
    return true;
}

void TformMain::BTImportarEstacaoClick() {
    const std::optional<RegistroGravado> gravado = importarArquivoEstacao(this, lastOpenDir_);
    if (!gravado) return;
    lastOpenDir_ = QFileInfo(gravado->caminho).absolutePath();
    if (!loadPrecFile(gravado->caminho)) return;
    setPrecCell(PrecRowData, fromUtf8(formatDate(gravado->inicio, appLocale())));
}
