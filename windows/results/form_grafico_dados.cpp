#include "windows/results/form_grafico_dados.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "engine/sweep_table.h"
#include "windows/results/results_links.h"

TformGraficoDados* formGraficoDados = nullptr;

namespace {

constexpr int kGridHeight = 360;  // pixels

}  // namespace

TformGraficoDados::TformGraficoDados(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formGraficoDados"));
    setWindowTitle(QStringLiteral("Planilha de dados"));
    buildGrid();

    Button1 = makeButton(this, "Button1", QStringLiteral("Exportar para CSV"), false);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NextGrid1);
    layout->addLayout(buttons);
    // Every column in view, when the screen is wide enough (FormShow fits it to the screen).
    const QMargins margins = layout->contentsMargins();
    resize(gridWidth_ + margins.left() + margins.right(), sizeHint().height());
}

void TformGraficoDados::buildGrid() {
    NextGrid1 = new DataGrid(this);
    NextGrid1->setObjectName(QStringLiteral("NextGrid1"));
    NextGrid1->setAccessibleName(QStringLiteral("Tabela dos dados do gráfico"));
    NextGrid1->setAccessibleDescription(
        QStringLiteral("Um volume do reservatório inferior por linha, com os resultados da sua simulação"));
    // A smaller header type keeps the nine two-line captions within a laptop screen's width.
    QFont headerFont = NextGrid1->horizontalHeader()->font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 0.85);
    NextGrid1->horizontalHeader()->setFont(headerFont);
    const QFontMetrics metrics(headerFont);
    const QFontMetrics cellMetrics(NextGrid1->font());
    int totalWidth = 0;
    for (const SweepColumn& c : kSweepTableColumns) {
        const QString line1 = QString::fromUtf8(c.line1);
        const QString line2 = QString::fromUtf8(c.line2);
        // Wide enough for the longer caption line and for volumes of a million litres.
        const int width = std::max({metrics.horizontalAdvance(line1), metrics.horizontalAdvance(line2),
                                    cellMetrics.horizontalAdvance(QStringLiteral("1000000,00"))}) +
                          16;
        NextGrid1->addColumn(line1, line2, width);
        totalWidth += width;
    }
    NextGrid1->setHeaderHeight(2 * metrics.lineSpacing() + 10);
    NextGrid1->setRowHeight(22);
    NextGrid1->setReadOnly(true);
    NextGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    NextGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    NextGrid1->setMinimumHeight(kGridHeight);
    gridWidth_ =
        totalWidth + 2 * NextGrid1->frameWidth() + NextGrid1->verticalScrollBar()->sizeHint().width();
    connect(NextGrid1, &DataGrid::cellClick, this,
            [this](int col, int row) { NextGrid1CellClick(col, row); });
}

void TformGraficoDados::FillStrGrid() {
    table_ = sim ? buildSweepTable(*sim) : SweepTable{};
    std::vector<DataGrid::Row> rows = DataGrid::numberRows(sweepTableTexts(table_, appLocale()), table_.rows);
    if (table_.idealRow >= 0 && static_cast<std::size_t>(table_.idealRow) < rows.size())
        rows[static_cast<std::size_t>(table_.idealRow)].colour = idealColour();
    NextGrid1->setRows(rows);
}

void TformGraficoDados::NextGrid1CellClick(int /*ACol*/, int ARow) {
    if (!sim) return;
    if (ARow < 0 || static_cast<std::size_t>(ARow) >= sim->vecCaptAgua.size()) return;
    showMonthlyTableOver(*sim->vecCaptAgua[static_cast<std::size_t>(ARow)], this);
}

void TformGraficoDados::hideEvent(QHideEvent* event) {
    // The monthly table, opened from here, becomes a window of its own again.
    releaseMonthlyTableFrom(this);
    QDialog::hideEvent(event);
}

// The exact values of the table the sheet shows, not the one or two decimals it paints.
std::vector<std::string> TformGraficoDados::csvLines() const {
    return sweepTableCsv(table_, appLocale());
}

void TformGraficoDados::Button1Click() {
    const QString path = ui().saveFileName(this, QStringLiteral("Exportar para CSV"), QString(),
                                           QStringLiteral("Arquivo CSV|*.csv"), QStringLiteral("csv"));
    if (path.isEmpty()) return;
    try {
        writeTextLines(toUtf8(path), csvLines());
    } catch (const FileError& error) {
        showException(this, error);
    }
}

void TformGraficoDados::FormShow() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect available = s->availableGeometry();
    // Frame included: the window never reaches past the screen's right or bottom edge.
    const QSize frame = frameGeometry().size() - size();
    resize(std::min(width(), available.width() - frame.width()),
           std::min(height(), available.height() - frame.height()));
    move(available.topLeft());
}

void TformGraficoDados::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}
