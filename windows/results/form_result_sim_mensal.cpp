#include "windows/results/form_result_sim_mensal.h"

#include <QColor>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>

#include "components/app_locale.h"
#include "components/data_grid.h"
#include "engine/monthly_table.h"

TformResultSimMensal* formResultSimMensal = nullptr;

namespace {

struct MonthlyColumn {
    const char* line1;
    const char* line2;
    int width;  // pixels, -1 for the default
};

constexpr MonthlyColumn kColumns[] = {
    {"Mês", "", 72},
    {"Potencial de utilização", "de água pluvial (%)", 151},
    {"Volume consumido de", "água pluvial (litros)", 155},
    {"Volume consumido de", "água potável (litros)", 129},
    {"Volume extravasado", "(litros)", 115},
    {"Atendimento", "completo (%)", 89},
    {"Atendimento", "parcial (%)", 84},
    {"Sem", "atendimento (%)", 97},
    {"Média diária", "de recalques", -1},
};
constexpr int kLastColumn = 8;
constexpr int kClientWidth = 974;
constexpr int kClientHeight = 360;

}  // namespace

TformResultSimMensal::TformResultSimMensal(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formResultSimMensal"));
    setWindowTitle(QStringLiteral("Resultado mensal da simulação"));
    setFixedSize(kClientWidth, kClientHeight);
    buildGrid();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(NextGrid1);
}

QColor TformResultSimMensal::summaryColour() {
    return QColor(192, 220, 192);
}

void TformResultSimMensal::buildGrid() {
    NextGrid1 = new DataGrid(this);
    NextGrid1->setObjectName(QStringLiteral("NextGrid1"));
    NextGrid1->setAccessibleName(QStringLiteral("Tabela do resultado mensal da simulação"));
    NextGrid1->setAccessibleDescription(
        QStringLiteral("Um mês por linha, com os resultados da simulação no mês, e as linhas da média e do "
                       "total do ano"));
    for (const MonthlyColumn& c : kColumns) {
        NextGrid1->addColumn(QString::fromUtf8(c.line1), QString::fromUtf8(c.line2), c.width);
    }
    // The last column takes what the fixed widths leave of the window, without a scroll bar;
    // a smaller header type keeps the two-line captions within those widths.
    int fixedWidths = 0;
    for (const MonthlyColumn& c : kColumns) fixedWidths += std::max(c.width, 0);
    NextGrid1->horizontalHeader()->setMinimumSectionSize(20);
    NextGrid1->setColumnWidth(kLastColumn, kClientWidth - 2 * NextGrid1->frameWidth() - fixedWidths);
    NextGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont headerFont = NextGrid1->horizontalHeader()->font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 0.85);
    NextGrid1->horizontalHeader()->setFont(headerFont);
    NextGrid1->setHeaderHeight(34);
    NextGrid1->setRowHeight(22);
    NextGrid1->setReadOnly(true);
    NextGrid1->setSelectionMode(QAbstractItemView::NoSelection);
}

void TformResultSimMensal::FillGrid() {
    if (!simCurrent) {
        NextGrid1->clearRows();
        return;
    }
    std::vector<DataGrid::Row> rows = DataGrid::textRows(buildMonthlyTable(*simCurrent, appLocale()));
    for (int row : {kRowMedia, kRowTotal}) {
        rows[static_cast<std::size_t>(row)].bold = true;
        rows[static_cast<std::size_t>(row)].colour = summaryColour();
    }
    NextGrid1->setRows(rows);
}
