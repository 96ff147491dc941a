#include "windows/economics/form_custos_economias.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "windows/economics/economics_links.h"
#include "windows/economics/economics_state.h"

TformCustosEconomias* formCustosEconomias = nullptr;

TformCustosEconomias::TformCustosEconomias(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCustosEconomias"));
    setWindowTitle(QStringLiteral("Custos e Economias"));
    if (const TEstadoAnalise* analise = estadoAnalise(); analise && analise->resultado)
        resultado_ = *analise->resultado;
    // The months are named from the month the calculation counted from, whatever the
    // analysis window's box shows now.
    mesIn_ = resultado_.mesIn;

    RGDados = new RadioGroup(QStringLiteral("Dados"),
                             {QStringLiteral("Simplificados"), QStringLiteral("Detalhados")}, this);
    RGDados->setObjectName(QStringLiteral("RGDados"));
    RGDados->setColumns(2);
    SGCustosEconomias = new DataGrid(this);
    SGCustosEconomias->setObjectName(QStringLiteral("SGCustosEconomias"));
    SGCustosEconomias->setAccessibleName(QStringLiteral("Tabela de custos e economias por mês"));
    SGCustosEconomias->setAccessibleDescription(
        QStringLiteral("Um mês por linha; a primeira linha traz os títulos das colunas"));
    // The header is the grid's first row, as the copy and the export count it; the cells read
    // from the left and wrap at blanks, as a plain table's do.
    for (int c = 0; c < 3; ++c) {
        SGCustosEconomias->addColumn(QString());
        SGCustosEconomias->setColumnAlignment(c, Qt::AlignLeft | Qt::AlignVCenter);
    }
    SGCustosEconomias->horizontalHeader()->hide();
    SGCustosEconomias->setWordWrap(true);
    SGCustosEconomias->setReadOnly(true);
    SGCustosEconomias->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGCustosEconomias->setSelectionMode(QAbstractItemView::ContiguousSelection);
    SGCustosEconomias->installEventFilter(this);
    BTExportar = new QPushButton(QStringLiteral("Exportar"), this);
    BTExportar->setObjectName(QStringLiteral("BTExportar"));
    BTExportar->setAccessibleName(BTExportar->text());
    BTExportar->setAccessibleDescription(QStringLiteral("Exportar a tabela para um arquivo CSV"));
    BTExportar->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RGDados);
    layout->addWidget(SGCustosEconomias, 1);
    layout->addWidget(BTExportar, 0, Qt::AlignLeft);
    resize(580, 520);

    connect(RGDados, &RadioGroup::clicked, this, [this] { RGDadosClick(); });
    RGDados->setItemIndex(0);
    connect(BTExportar, &QPushButton::clicked, this, [this] { BTExportarClick(); });
}

void TformCustosEconomias::showEvent(QShowEvent* event) {
    if (RGDados->itemIndex() != 0)
        RGDados->setItemIndex(0);
    else
        PreencheSimplificado();
    QDialog::showEvent(event);
}

void TformCustosEconomias::RGDadosClick() {
    if (RGDados->itemIndex() == 1)
        PreencheDetalhado();
    else
        PreencheSimplificado();
}

void TformCustosEconomias::LimpaStringGrid() {
    SGCustosEconomias->clearContents();
}

void TformCustosEconomias::PreencheSimplificado() {
    pinta(TabelaSimplificada(resultado_.vecEconomias, resultado_.vecCustos, mesIn_, appLocale()),
          {75, 230, 230});
}

void TformCustosEconomias::PreencheDetalhado() {
    pinta(TabelaDetalhada(resultado_.vecPeriodos, mesIn_, appLocale()), {});
}

void TformCustosEconomias::pinta(const TTabelaCustos& tabela, const std::vector<int>& larguras) {
    tabela_ = tabela;
    DataGrid* grid = SGCustosEconomias;
    for (std::size_t c = 0; c < larguras.size(); ++c) grid->setColumnWidth(static_cast<int>(c), larguras[c]);
    std::vector<DataGrid::Row> rows = DataGrid::textRows(tabela_);
    if (!rows.empty()) rows.front().bold = true;  // the header row
    grid->setRows(rows);
    // The month and item names are read whole: the first column widens to its longest text
    // ("23 (Fevereiro)", "Economia de água potável") where the font needs more than its width.
    const int needed = static_cast<const QAbstractItemView*>(grid)->sizeHintForColumn(0);
    grid->setColumnWidth(0, std::max(grid->columnWidth(0), needed));
}

void TformCustosEconomias::copiaSelecao() {
    const QList<QTableWidgetSelectionRange> ranges = SGCustosEconomias->selectedRanges();
    if (ranges.isEmpty()) return;
    const QTableWidgetSelectionRange& s = ranges.first();
    QApplication::clipboard()->setText(
        fromUtf8(TextoCopia(tabela_, s.topRow(), s.leftColumn(), s.bottomRow(), s.rightColumn())));
}

bool TformCustosEconomias::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SGCustosEconomias && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        if (key->key() == Qt::Key_C && mods == Qt::ControlModifier) {
            copiaSelecao();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TformCustosEconomias::BTExportarClick() {
    const QString path = ui().saveFileName(this, QStringLiteral("Exportar"), QString(),
                                           QStringLiteral("Arquivo CSV|*.csv"), QStringLiteral("csv"));
    if (path.isEmpty()) return;
    TExportacao e = exportacaoAnalise();
    e.tabela = tabela_;
    try {
        writeTextLines(toUtf8(path), LinhasExportacao(e, appLocale()));
    } catch (const std::exception& error) {
        showException(this, error);
    }
}
