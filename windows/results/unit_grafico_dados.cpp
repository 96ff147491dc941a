#include "windows/results/unit_grafico_dados.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "common/numtext.h"
#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/ui_seam.h"
#include "windows/results/unitResultSimMensal.h"

TformGraficoDados* formGraficoDados = nullptr;

namespace {

struct ColumnSpec {
    const char* line1;
    const char* line2;
    int decimals;  // of the display mask
};

// The blanks inside the captions are part of them: the export writes the captions as they
// stand, their two lines run together.
constexpr ColumnSpec kColumns[] = {
    {"Volume", " (litros)", 1},
    {"Potencial de economia ", "de água potável (%)", 2},
    {"Volume consumido de ", "água pluvial (litros/dia)", 2},
    {" Volume consumido de ", "água potável (litros/dia)", 2},
    {"Volume extravasado ", "        (litros/dia)", 2},
    {"Demanda de água pluvial é", "atendida completamente (%)", 2},
    {"Demanda de água pluvial é ", " atendida parcialmente (%)", 2},
    {"Demanda de água pluvial ", "     não é atendida (%)", 2},
    {"  Diferença entre potenciais", "de atendimento pluvial (%/m³)", 2},
};
constexpr int kColGain = 8;
constexpr int kGridHeight = 360;  // pixels

// The ideal-volume rule's gain per cubic metre of the volume actually added from `prev`.
double gainPerM3(const TCaptAgua& cur, const TCaptAgua& prev) {
    return volumeGain(cur, prev, cur.dblResInf - prev.dblResInf);
}

}  // namespace

TformGraficoDados::TformGraficoDados(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formGraficoDados"));
    setWindowTitle(QStringLiteral("Planilha de dados"));
    buildGrid();

    Button1 = new QPushButton(QStringLiteral("Exportar para CSV"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
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
    NextGrid1->setAccessibleName(windowTitle());
    // A smaller header type keeps the nine two-line captions within a laptop screen's width.
    QFont headerFont = NextGrid1->horizontalHeader()->font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 0.85);
    NextGrid1->horizontalHeader()->setFont(headerFont);
    const QFontMetrics metrics(headerFont);
    const QFontMetrics cellMetrics(NextGrid1->font());
    int totalWidth = 0;
    for (const ColumnSpec& c : kColumns) {
        const QString line1 = QString::fromUtf8(c.line1);
        const QString line2 = QString::fromUtf8(c.line2);
        // Wide enough for the longer caption line and for volumes of a million litres.
        const int width = std::max({metrics.horizontalAdvance(line1), metrics.horizontalAdvance(line2),
                                    cellMetrics.horizontalAdvance(QStringLiteral("1000000,00"))}) +
                          16;
        const int col = NextGrid1->addColumn(line1, line2, width);
        NextGrid1->setColumnMask(col, DataGrid::fixedMask(c.decimals));
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
    NextGrid1->clearRows();
    if (!sim) return;
    const auto& members = sim->vecCaptAgua;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const TCaptAgua& m = *members[i];
        const int row = NextGrid1->addRow();
        const double values[] = {static_cast<double>(i) * sim->interval,
                                 m.dblEconPot,
                                 m.dblConsPluvMed,
                                 m.dblConsPotMed,
                                 m.dblVExtravMed,
                                 m.dblPorcAtendTotal,
                                 m.dblPorcAtendParc,
                                 m.dblPorcNaoAtend,
                                 i == 0 ? 0.0 : gainPerM3(m, *members[i - 1])};
        for (int col = 0; col <= kColGain; ++col) NextGrid1->setCellNumber(col, row, values[col]);
    }
    // A sweep names its ideal volume from member 1 on; 0 is what an object holds before any.
    const int ideal = sim->indVolOtimo;
    if (ideal > 0 && ideal < NextGrid1->rowCount()) NextGrid1->setRowColour(ideal, idealColour());
}

void TformGraficoDados::NextGrid1CellClick(int /*ACol*/, int ARow) {
    if (!sim || !formResultSimMensal) return;
    if (ARow < 0 || static_cast<std::size_t>(ARow) >= sim->vecCaptAgua.size()) return;
    formResultSimMensal->DefineSimCurrent(*sim->vecCaptAgua[static_cast<std::size_t>(ARow)]);
    formResultSimMensal->FillGrid();
    formResultSimMensal->show();
    // The sheet is shown modally, and Qt then blocks every other window, even one shown after
    // it; a window standing on the sheet (its transient child) stays usable.
    QWindow* table = formResultSimMensal->windowHandle();
    if (table && windowHandle() && isVisible()) table->setTransientParent(windowHandle());
    formResultSimMensal->raise();
    formResultSimMensal->activateWindow();
}

void TformGraficoDados::hideEvent(QHideEvent* event) {
    // The monthly table, opened from here, becomes a window of its own again.
    QWindow* table = formResultSimMensal ? formResultSimMensal->windowHandle() : nullptr;
    if (table && windowHandle() && table->transientParent() == windowHandle())
        table->setTransientParent(nullptr);
    QDialog::hideEvent(event);
}

std::vector<std::string> TformGraficoDados::csvLines() const {
    std::vector<std::string> lines;
    QString header;
    for (int col = 0; col < NextGrid1->columnCount(); ++col) header += NextGrid1->headerCaption(col) + u';';
    header.remove(QStringLiteral("\r\n"));
    lines.push_back(toUtf8(header));
    // The exact values, not the one or two decimals the grid shows.
    for (int row = 0; row < NextGrid1->rowCount(); ++row) {
        std::string line;
        for (int col = 0; col < NextGrid1->columnCount(); ++col) {
            line += formatGeneral(NextGrid1->cellNumber(col, row), appLocale()) + ";";
        }
        lines.push_back(std::move(line));
    }
    return lines;
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
