#include "windows/scenarios/form_sim_cenarios_grid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "engine/capt_agua_interval.h"
#include "windows/scenarios/progress_panel.h"
#include "windows/scenarios/scenarios_links.h"

TformSimCenariosGrid* formSimCenariosGrid = nullptr;

TformSimCenariosGrid::TformSimCenariosGrid(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formSimCenariosGrid"));
    setWindowTitle(QStringLiteral("Simulação de cenários - Resultado"));
    buildControls();
}

TformSimCenariosGrid::~TformSimCenariosGrid() {
    dropClickedSim();
}

QColor TformSimCenariosGrid::corDestaque() {
    return QColor(192, 220, 192);
}

void TformSimCenariosGrid::buildControls() {
    NxGrResult = new DataGrid(this);
    NxGrResult->setObjectName(QStringLiteral("NxGrResult"));
    NxGrResult->setAccessibleName(QStringLiteral("Tabela dos resultados das combinações"));
    NxGrResult->setAccessibleDescription(QStringLiteral(
        "Uma combinação dos cenários por linha, com seus parâmetros e resultados; um clique na "
        "linha mostra o gráfico ou os valores mensais da combinação"));
    for (const char* caption : kCabecalhosResultado) NxGrResult->addColumn(QString::fromUtf8(caption));
    // Every header reads whole; the grid scrolls sideways where the window is narrower.
    for (int col = 0; col < NxGrResult->columnCount(); ++col) {
        const int header = NxGrResult->horizontalHeader()->sectionSizeHint(col);
        NxGrResult->setColumnWidth(col, std::max(NxGrResult->columnWidth(col), header));
    }
    NxGrResult->setReadOnly(true);
    connect(NxGrResult, &DataGrid::cellClick, this,
            [this](int col, int row) { NxGrResultCellClick(col, row); });

    BTExport = new QToolButton(this);
    BTExport->setObjectName(QStringLiteral("BTExport"));
    BTExport->setText(QStringLiteral("Exportar somente planilha"));
    BTExport->setPopupMode(QToolButton::MenuButtonPopup);
    PopupMenu1 = new QMenu(BTExport);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    BTExpSomPlan = PopupMenu1->addAction(QStringLiteral("Exportar somente planilha"));
    BTExpSomPlan->setObjectName(QStringLiteral("BTExpSomPlan"));
    BTExpPlanSims = PopupMenu1->addAction(QStringLiteral("Exportar planilha e simulações"));
    BTExpPlanSims->setObjectName(QStringLiteral("BTExpPlanSims"));
    BTExport->setMenu(PopupMenu1);
    connect(BTExport, &QToolButton::clicked, this, [this] { BTExportClick(); });
    connect(BTExpSomPlan, &QAction::triggered, this, [this] { BTExpSomPlanClick(); });
    connect(BTExpPlanSims, &QAction::triggered, this, [this] { BTExpPlanSimsClick(); });

    BTGrafico = makeButton(this, "BTGrafico", QStringLiteral("Gráfico"), false);
    BTGrafico->setAccessibleDescription(QStringLiteral("Gráfico comparativo dos cenários"));
    BTGrafico->setEnabled(false);
    connect(BTGrafico, &QPushButton::clicked, this, [this] { BTGraficoClick(); });

    const PainelProgresso painel = makePainelProgresso(this, QStringLiteral("Progresso da exportação"));
    PanelProgressBar = painel.painel;
    ProgressBar1 = painel.barra;
    BTParar = painel.parar;
    connect(BTParar, &QPushButton::clicked, this, [this] { BTPararClick(); });

    auto* bar = new QHBoxLayout;
    bar->addWidget(BTExport, 1);
    bar->addWidget(BTGrafico, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NxGrResult, 1);
    layout->addLayout(bar);
    layout->addWidget(PanelProgressBar);
    resize(1000, 400);
}

void TformSimCenariosGrid::DefineCombs(std::shared_ptr<const TCombs> combsOrig) {
    combs_ = std::move(combsOrig);
}

void TformSimCenariosGrid::clearRows() {
    NxGrResult->clearRows();
    linhas_.clear();
}

void TformSimCenariosGrid::printResultGrid(LinhaResultado linha) {
    // One row at a time as the run makes them: the rows already there keep their highlight.
    NxGrResult->appendRow(DataGrid::textRow(linha.textos));
    linhas_.push_back(std::move(linha));
}

void TformSimCenariosGrid::mostraLinhas(std::vector<LinhaResultado> linhas) {
    std::vector<DataGrid::Row> rows;
    rows.reserve(linhas.size());
    for (const LinhaResultado& linha : linhas) rows.push_back(DataGrid::textRow(linha.textos));
    NxGrResult->setRows(rows);
    linhas_ = std::move(linhas);
}

void TformSimCenariosGrid::defineGrafico(bool habilitado) {
    graficoHabilitado_ = habilitado;
    BTGrafico->setEnabled(habilitado);
}

void TformSimCenariosGrid::hideGrafico() {
    graficoOculto_ = true;
    BTGrafico->hide();
}

void TformSimCenariosGrid::whitenGrid() {
    NxGrResult->setAllCellsColour(Qt::white);
}

void TformSimCenariosGrid::dropClickedSim() {
    if (simClicada_) releaseSweepCenario(*simClicada_);
    simClicada_.reset();
}

void TformSimCenariosGrid::NxGrResultCellClick(int /*ACol*/, int ARow) {
    if (ARow < 0 || ARow >= static_cast<int>(linhas_.size())) return;
    NxGrResult->setRowColour(ARow, corDestaque());
    if (!combs_ || ARow >= combs_->numCombinacoes()) return;
    std::shared_ptr<TCaptAguaInterval> sim;
    try {
        sim = combs_->simulaComb(ARow);
    } catch (const std::exception& e) {
        showException(this, e);
        return;
    }
    // The chart and the table refer to the simulation: it lives here until the next click.
    std::shared_ptr<TCaptAguaInterval> anterior = std::move(simClicada_);
    simClicada_ = sim;
    if (sim->interval != 0) {
        showSweepChartCenario(*sim);
    } else {
        showMonthlyCenario(*sim->vecCaptAgua[0]);
    }
    if (anterior) releaseSweepCenario(*anterior);
}

void TformSimCenariosGrid::BTExportClick() {
    BTExpSomPlanClick();
}

void TformSimCenariosGrid::BTExpSomPlanClick() {
    const QString path = ui().saveFileName(this, QStringLiteral("Exportar somente planilha"), QString(),
                                           QStringLiteral("Arquivo CSV|*.csv"), QStringLiteral("csv"));
    if (path.isEmpty()) return;
    try {
        SalvarPlanilha(toUtf8(path), linhas_);
    } catch (const std::exception& e) {
        showException(this, e);
    }
}

void TformSimCenariosGrid::BTExpPlanSimsClick() {
    // Held here: a run started from the scenario window while events are processed gives
    // this window a new set, and the export goes on with the one it began.
    const std::shared_ptr<const TCombs> combs = combs_;
    if (!combs) return;
    const QString pasta = ui().folderName(this, QStringLiteral("Select a directory"), QString());
    if (pasta.isEmpty()) return;
    // The combinations the grid shows: after a run that stopped, those that ran.
    const auto quantas = static_cast<std::int32_t>(
        std::min<std::size_t>(linhas_.size(), static_cast<std::size_t>(combs->numCombinacoes())));
    NxGrResult->setEnabled(false);
    BTExport->setEnabled(false);
    BTGrafico->setEnabled(false);
    ProgressBar1->setRange(0, quantas);
    ProgressBar1->setValue(0);
    PanelProgressBar->show();
    parada_.inicia();
    std::int32_t gravados = -1;
    try {
        gravados = ExportaPlanilhaESimulacoes(
            *combs, toUtf8(pasta), appLocale(),
            [this](std::int32_t feitas, std::int32_t) {
                ProgressBar1->setValue(feitas);
                QApplication::processEvents();
                return !parada_.pedido;
            },
            1, quantas);
    } catch (const std::exception& e) {
        showException(this, e);
    }
    parada_.termina();
    NxGrResult->setEnabled(true);
    BTExport->setEnabled(true);
    BTGrafico->setEnabled(graficoHabilitado_);
    PanelProgressBar->hide();
    if (gravados >= 0) {
        const QString quantos = gravados == 1 ? QStringLiteral("%1 arquivo gravado em %2")
                                              : QStringLiteral("%1 arquivos gravados em %2");
        showInformation(
            this, QStringLiteral("Exportar planilha e simulações"),
            quantos.arg(QString::fromUtf8(formatGeneral(static_cast<double>(gravados), appLocale())),
                        QDir::toNativeSeparators(pasta)));
    }
}

void TformSimCenariosGrid::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QMargins m = layout()->contentsMargins();
    int largura = std::max(width(), NxGrResult->widthForAllColumns() + m.left() + m.right());
    if (s) largura = std::min(largura, s->availableGeometry().width() - (frameGeometry().width() - width()));
    resize(largura, height());
}

void TformSimCenariosGrid::BTPararClick() {
    parada_.pede();
}

bool TformSimCenariosGrid::perguntaParar() {
    return parada_.perguntaSeEmCurso(this, QStringLiteral("Exportar planilha e simulações"),
                                     QStringLiteral("Deseja parar a exportação?"));
}

void TformSimCenariosGrid::reject() {
    if (!perguntaParar()) QDialog::reject();
}

void TformSimCenariosGrid::closeEvent(QCloseEvent* event) {
    if (perguntaParar()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TformSimCenariosGrid::BTGraficoClick() {
    if (combs_) showScenarioComparison(combs_);
}
