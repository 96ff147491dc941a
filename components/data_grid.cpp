#include "components/data_grid.h"

#include <QFont>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QScrollBar>

#include "common/numtext.h"
#include "components/app_locale.h"

namespace {
// A numeric cell's value, and the text the program showed with it: a text that differs from
// the latter was typed over it.
constexpr int kValueRole = Qt::UserRole + 1;
constexpr int kShownRole = Qt::UserRole + 2;
}  // namespace

DataGrid::Mask DataGrid::fixedMask(int decimals) {
    return [decimals](double value) { return fromUtf8(formatFixed(value, 15, decimals, appLocale())); };
}

DataGrid::DataGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setWordWrap(false);
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int col) { emit cellClick(col, row); });
    // A number the user types over replaces the value the program had put there.
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (settingCell_) return;
        const QVariant v = item->data(kValueRole);
        if (v.isValid() && item->text() != item->data(kShownRole).toString()) {
            const QScopedValueRollback<bool> guard(settingCell_, true);
            item->setData(kValueRole, QVariant());
            item->setData(kShownRole, QVariant());
        }
    });
}

int DataGrid::addColumn(const QString& line1, const QString& line2, int width) {
    const int col = columnCount();
    ColumnInfo info;
    info.lines << line1;
    if (!line2.isEmpty()) info.lines << line2;
    columns_.push_back(info);
    setColumnCount(col + 1);
    auto* header = new QTableWidgetItem(info.lines.join(QLatin1Char('\n')));
    header->setTextAlignment(Qt::AlignCenter);
    setHorizontalHeaderItem(col, header);
    if (width >= 0) setColumnWidth(col, width);
    for (int row = 0; row < rowCount(); ++row) {
        setItem(row, col, new QTableWidgetItem());
        cell(col, row)->setTextAlignment(info.alignment);
        applyFlags(col, row);
    }
    return col;
}

void DataGrid::setColumnMask(int col, Mask mask) {
    if (validColumn(col)) columns_[static_cast<std::size_t>(col)].mask = std::move(mask);
}

void DataGrid::setColumnAlignment(int col, Qt::Alignment alignment) {
    if (!validColumn(col)) return;
    columns_[static_cast<std::size_t>(col)].alignment = alignment;
    for (int row = 0; row < rowCount(); ++row) cell(col, row)->setTextAlignment(alignment);
}

void DataGrid::setHeaderLines(int col, const QString& line1, const QString& line2) {
    if (!validColumn(col)) return;
    QStringList& lines = columns_[static_cast<std::size_t>(col)].lines;
    lines = QStringList{line1};
    if (!line2.isEmpty()) lines << line2;
    if (QTableWidgetItem* header = horizontalHeaderItem(col)) header->setText(lines.join(QLatin1Char('\n')));
}

void DataGrid::widenToHeaders() {
    for (int col = 0; col < columnCount(); ++col) {
        const int needed = horizontalHeader()->sectionSizeHint(col);
        if (columnWidth(col) < needed) setColumnWidth(col, needed);
    }
}

QStringList DataGrid::headerLines(int col) const {
    return validColumn(col) ? column(col).lines : QStringList();
}

QString DataGrid::headerCaption(int col) const {
    return headerLines(col).join(QStringLiteral("\r\n"));
}

int DataGrid::widthForAllColumns() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    if (verticalHeader()->isVisible()) width += verticalHeader()->width();
    for (int col = 0; col < columnCount(); ++col) width += columnWidth(col);
    return width;
}

void DataGrid::setHeaderHeight(int pixels) {
    horizontalHeader()->setFixedHeight(pixels);
}

void DataGrid::setRowHeight(int pixels) {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(pixels);
}

void DataGrid::setShowRowNumbers(bool show) {
    verticalHeader()->setVisible(show);
}

void DataGrid::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    applyFlagsAll();
}

void DataGrid::setColumnReadOnly(int col, bool readOnly) {
    if (!validColumn(col)) return;
    columns_[static_cast<std::size_t>(col)].readOnly = readOnly;
    for (int row = 0; row < rowCount(); ++row) applyFlags(col, row);
}

void DataGrid::setRowReadOnly(int row, bool readOnly) {
    if (row < 0 || row >= rowCount()) return;
    rowReadOnly_[static_cast<std::size_t>(row)] = readOnly;
    for (int col = 0; col < columnCount(); ++col) applyFlags(col, row);
}

bool DataGrid::isCellEditable(int col, int row) const {
    if (!cell(col, row)) return false;
    return !readOnly_ && !column(col).readOnly && !rowReadOnly_[static_cast<std::size_t>(row)];
}

int DataGrid::addRow() {
    const int row = rowCount();
    insertRow(row);
    rowReadOnly_.push_back(false);
    for (int col = 0; col < columnCount(); ++col) {
        auto* item = new QTableWidgetItem();
        item->setTextAlignment(column(col).alignment);
        setItem(row, col, item);
        if (column(col).mask) setCellNumber(col, row, 0.0);
        applyFlags(col, row);
    }
    return row;
}

void DataGrid::clearRows() {
    setRowCount(0);
    rowReadOnly_.clear();
}

void DataGrid::setRows(const std::vector<Row>& rows) {
    clearRows();
    setRowCount(static_cast<int>(rows.size()));
    rowReadOnly_.assign(rows.size(), false);
    for (std::size_t r = 0; r < rows.size(); ++r) paintRow(static_cast<int>(r), rows[r]);
}

int DataGrid::appendRow(const Row& row) {
    const int index = rowCount();
    insertRow(index);
    rowReadOnly_.push_back(false);
    paintRow(index, row);
    return index;
}

DataGrid::Row DataGrid::textRow(std::span<const std::string> texts) {
    Row row;
    row.texts.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& t : texts) row.texts << fromUtf8(t);
    return row;
}

// Every cell made whole before it enters the table, so no change is signalled for it.
void DataGrid::paintRow(int row, const Row& r) {
    QFont font;
    font.setBold(true);
    for (int col = 0; col < columnCount(); ++col) {
        auto* item = new QTableWidgetItem();
        item->setTextAlignment(column(col).alignment);
        const auto c = static_cast<std::size_t>(col);
        if (col < r.texts.size()) {
            item->setText(r.texts[col]);
            if (c < r.values.size()) {
                item->setData(kValueRole, r.values[c]);
                item->setData(kShownRole, r.texts[col]);
            }
        }
        if (r.bold) item->setFont(font);
        if (r.colour.isValid()) item->setBackground(r.colour);
        setItem(row, col, item);
        applyFlags(col, row);
    }
}

void DataGrid::setCellText(int col, int row, const QString& text) {
    QTableWidgetItem* item = cell(col, row);
    if (!item) return;
    const QScopedValueRollback<bool> guard(settingCell_, true);
    item->setData(kValueRole, QVariant());
    item->setData(kShownRole, QVariant());
    item->setText(text);
}

QString DataGrid::cellText(int col, int row) const {
    const QTableWidgetItem* item = cell(col, row);
    return item ? item->text() : QString();
}

void DataGrid::setCellNumber(int col, int row, double value) {
    QTableWidgetItem* item = cell(col, row);
    if (!item) return;
    const QScopedValueRollback<bool> guard(settingCell_, true);
    const QString text = displayText(col, value);
    item->setData(kValueRole, value);
    item->setData(kShownRole, text);
    item->setText(text);
}

QString DataGrid::displayText(int col, double value) const {
    const Mask& mask = column(col).mask;
    return mask ? mask(value) : fromUtf8(formatGeneral(value, appLocale()));
}

double DataGrid::cellNumber(int col, int row) const {
    const QTableWidgetItem* item = cell(col, row);
    if (!item) return 0.0;
    const QVariant v = item->data(kValueRole);
    return v.isValid() ? v.toDouble() : readLenient(toUtf8(item->text()), appLocale());
}

void DataGrid::setCellColour(int col, int row, const QColor& colour) {
    if (QTableWidgetItem* item = cell(col, row)) item->setBackground(colour);
}

QColor DataGrid::cellColour(int col, int row) const {
    const QTableWidgetItem* item = cell(col, row);
    if (!item) return {};
    const QBrush brush = item->background();
    return brush.style() == Qt::NoBrush ? QColor(Qt::white) : brush.color();
}

void DataGrid::setRowColour(int row, const QColor& colour) {
    for (int col = 0; col < columnCount(); ++col) setCellColour(col, row, colour);
}

void DataGrid::setAllCellsColour(const QColor& colour) {
    for (int row = 0; row < rowCount(); ++row) setRowColour(row, colour);
}

void DataGrid::setCellBold(int col, int row, bool bold) {
    QTableWidgetItem* item = cell(col, row);
    if (!item) return;
    QFont f = item->font();
    f.setBold(bold);
    item->setFont(f);
}

bool DataGrid::isCellBold(int col, int row) const {
    const QTableWidgetItem* item = cell(col, row);
    return item && item->font().bold();
}

void DataGrid::setRowBold(int row, bool bold) {
    for (int col = 0; col < columnCount(); ++col) setCellBold(col, row, bold);
}

QTableWidgetItem* DataGrid::cell(int col, int row) const {
    if (!validColumn(col) || row < 0 || row >= rowCount()) return nullptr;
    return item(row, col);
}

void DataGrid::applyFlags(int col, int row) {
    QTableWidgetItem* item = cell(col, row);
    if (!item) return;  // a cell emptied by clearContents
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isCellEditable(col, row)) flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
}

void DataGrid::applyFlagsAll() {
    for (int row = 0; row < rowCount(); ++row)
        for (int col = 0; col < columnCount(); ++col) applyFlags(col, row);
}
