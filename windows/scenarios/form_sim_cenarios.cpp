#include "windows/scenarios/form_sim_cenarios.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/number_texts.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "scenarios/batch_tasks.h"
#include "scenarios/result_rows.h"
#include "scenarios/scenario_definition.h"
#include "scenarios/value_lists.h"
#include "windows/scenarios/form_cenarios_dados.h"
#include "windows/scenarios/progress_panel.h"
#include "windows/scenarios/scenarios_links.h"

TformSimCenarios* formSimCenarios = nullptr;

namespace {

const QString kFiltroCenarios = QStringLiteral("Arquivo de cenários|*.txt|Todos os arquivos|*");

}  // namespace

TformSimCenarios::TformSimCenarios(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formSimCenarios"));
    setWindowTitle(QStringLiteral("Simulação de Cenários"));
    buildControls();
    FormCreate();
}

void TformSimCenarios::buildControls() {
    StringGrid1 = new QTableWidget(kNumParametros + 1, 2, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(QStringLiteral("Tabela dos parâmetros dos cenários"));
    StringGrid1->setAccessibleDescription(QStringLiteral(
        "Um parâmetro por linha com seus valores; um clique na linha abre a lista de valores"));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->setColumnWidth(0, 240);
    connect(StringGrid1, &QTableWidget::cellClicked, this, [this](int row, int) { StringGrid1Click(row); });

    BTSimular = makeButton(this, "BTSimular", QStringLiteral("Simular cenários"), false);
    BTLimpar = makeButton(this, "BTLimpar", QStringLiteral("Limpar"), false);
    BTLimpar->setAccessibleDescription(QStringLiteral("Limpar os valores de todos os parâmetros"));
    BTSalvarCenarios = makeButton(this, "BTSalvarCenarios", QStringLiteral("Salvar cenários"), false);
    BTAbrirCenarios = makeButton(this, "BTAbrirCenarios", QStringLiteral("Abrir cenários"), false);
    connect(BTSimular, &QPushButton::clicked, this, [this] { BTSimularClick(); });
    connect(BTLimpar, &QPushButton::clicked, this, [this] { BTLimparClick(); });
    connect(BTSalvarCenarios, &QPushButton::clicked, this, [this] { BTSalvarCenariosClick(); });
    connect(BTAbrirCenarios, &QPushButton::clicked, this, [this] { BTAbrirCenariosClick(); });

    const PainelProgresso painel =
        makePainelProgresso(this, QStringLiteral("Progresso da simulação de cenários"));
    PanelProgressBar = painel.painel;
    ProgressBar1 = painel.barra;
    BTParar = painel.parar;
    connect(BTParar, &QPushButton::clicked, this, [this] { BTPararClick(); });

    // "Simular cenários" takes three quarters of the bottom bar, "Limpar" one.
    auto* bar = new QHBoxLayout;
    bar->addWidget(BTSimular, 3);
    bar->addWidget(BTLimpar, 1);
    auto* files = new QHBoxLayout;
    files->addWidget(BTAbrirCenarios);
    files->addWidget(BTSalvarCenarios);
    files->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addWidget(StringGrid1, 1);
    layout->addLayout(bar);
    layout->addWidget(PanelProgressBar);
    // Every parameter row shows without scrolling: the table is never shorter than its rows.
    StringGrid1->setMinimumHeight(StringGrid1->verticalHeader()->length() + 2 * StringGrid1->frameWidth());
    resize(720, sizeHint().height());
}

void TformSimCenarios::FormCreate() {
    estado = EstadoSimCenarios{};
    StringGrid1->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Parâmetro")));
    StringGrid1->setItem(0, 1, new QTableWidgetItem(QStringLiteral("Valores")));
    for (int linha = 1; linha <= kNumParametros; ++linha) {
        StringGrid1->setItem(linha, 0, new QTableWidgetItem(QString::fromUtf8(RotuloParametro(linha))));
        StringGrid1->setItem(linha, 1, new QTableWidgetItem(QString()));
    }
    updateSimular();
}

std::string TformSimCenarios::texto(int linha) const {
    const QTableWidgetItem* item = StringGrid1->item(linha, 1);
    return item ? toUtf8(item->text()) : std::string();
}

void TformSimCenarios::setTexto(int linha, const std::string& texto) {
    StringGrid1->item(linha, 1)->setText(fromUtf8(texto));
}

TextosCenarios TformSimCenarios::textos() const {
    TextosCenarios t;
    for (int linha = 1; linha <= kNumParametros; ++linha)
        t[static_cast<std::size_t>(linha - 1)] = texto(linha);
    return t;
}

std::string TformSimCenarios::VectorToString(const doubleArray& vec) {
    return ::VectorToString(vec, appLocale());
}

// A definition file holds eight filled lines, so the set is saved only when it could run.
void TformSimCenarios::updateSimular() {
    const bool completo = PodeSimular(textos());
    BTSimular->setEnabled(completo);
    BTSalvarCenarios->setEnabled(completo);
}

TCombs& TformSimCenarios::combsEditavel() {
    if (estado.combsEntregue) {
        estado.combsCurrent = std::make_shared<TCombs>(*estado.combsCurrent);
        estado.combsCurrent->captAguaInterv.reset();
        estado.combsEntregue = false;
    }
    return *estado.combsCurrent;
}

void TformSimCenarios::StringGrid1Click(int linha) {
    if (linha < 1 || linha > kNumParametros) return;
    TformCenariosDados dialog(this);
    dialog.arrange(linha);
    const LocaleSettings& loc = appLocale();
    try {
        // A row whose text does not read whole opens with the items that do, after a message
        // naming the others, so that the list can be mended.
        const ItensLidos lidos = ItensLegiveisDaLinha(linha, texto(linha), loc);
        if (!lidos.erros.empty()) {
            QString msg =
                QStringLiteral("%1: estes itens não puderam ser lidos e foram retirados da lista:\n")
                    .arg(QString::fromUtf8(RotuloParametro(linha)));
            for (const auto& erro : lidos.erros) msg += QStringLiteral("\n") + QString::fromUtf8(erro);
            showErrorBox(this, msg);
        }
        dialog.setItens(lidos.itens);
        if (ui().execModal(&dialog) == QDialog::Accepted) {
            const std::string novo = dialog.TStringListToString();
            setTexto(linha, novo);
            // An emptied row leaves its list in the set until the run refuses the empty text.
            if (!novo.empty()) PreencheLista(combsEditavel(), linha, novo, loc);
        }
    } catch (const std::exception& e) {
        showConversionError(this, e);
    }
    updateSimular();
}

void TformSimCenarios::setRunning(bool running) {
    if (running) {
        parada_.inicia();
    } else {
        parada_.termina();
    }
    BTSimular->setEnabled(!running);
    BTLimpar->setEnabled(!running);
    StringGrid1->setEnabled(!running);
    BTAbrirCenarios->setEnabled(!running);
    BTSalvarCenarios->setEnabled(!running);
    setScenarioResultsEnabled(!running);
    // Taller by the panel during the run, back to the height it had after. The layout takes
    // the panel in or out first, or it would hold the window at the minimum it had.
    if (running) alturaSemPainel_ = height();
    const int panel = PanelProgressBar->sizeHint().height();
    PanelProgressBar->setVisible(running);
    layout()->activate();
    resize(width(), alturaSemPainel_ + (running ? panel : 0));
    if (!running) updateSimular();
}

void TformSimCenarios::BTSimularClick() {
    auto combs = std::make_shared<TCombs>();
    combs->strPastaBase = estado.pastaBase;
    try {
        PreencheListas(*combs, textos(), appLocale());
        combs->geraCombs(appLocale());
    } catch (const std::exception& e) {
        // Nothing was simulated: the results window keeps the previous run.
        showConversionError(this, e);
        return;
    }
    if (!aceitaForaDosLimites(*combs)) return;
    estado.combsCurrent = combs;
    estado.combsEntregue = true;
    runCombinations(combs);
}

// Values the main window refuses as typed run as written only when the user says so.
bool TformSimCenarios::aceitaForaDosLimites(const TCombs& combs) {
    const auto avisos = ValoresForaDosLimites(combs);
    if (avisos.empty()) return true;
    QString texto = QStringLiteral("Há valores fora dos limites aceitos na janela principal:\n");
    for (const auto& aviso : avisos) texto += QStringLiteral("\n") + QString::fromStdString(aviso);
    texto += QStringLiteral("\n\nDeseja simular os cenários assim mesmo?");
    return askYesNo(this, QStringLiteral("Simular cenários"), texto);
}

void TformSimCenarios::runCombinations(const std::shared_ptr<TCombs>& combs) {
    const std::int32_t n = combs->numCombinacoes();
    startScenarioResults(combs);
    ProgressBar1->setRange(0, n);
    ProgressBar1->setValue(0);
    setRunning(true);
    const LocaleSettings& loc = appLocale();
    LinhaResultado linha;
    std::int32_t falhou = -1;
    try {
        ParaCadaCombinacao(
            n, 1,
            [&](std::int32_t k) {
                falhou = k;
                linha = LinhaDaSimulacao(*combs->simulaComb(k), k, loc);
                falhou = -1;
            },
            [&](std::int32_t feitas, std::int32_t) {
                QApplication::processEvents();
                ProgressBar1->setValue(feitas);
                addScenarioResult(std::move(linha));
                return !parada_.pedido;  // "Parar": the rows done stay
            },
            {});
    } catch (const std::exception& e) {
        setRunning(false);
        const QString texto =
            falhou >= 0 ? QString::fromUtf8(MensagemParada(falhou, e.what(), loc))
                        : QStringLiteral("A simulação de cenários parou: ") + QString::fromUtf8(e.what());
        ui().message(this, QStringLiteral("Vespra 4"), texto, MsgIcon::Error, MsgButtons::Ok);
        showScenarioResults(false);
        return;
    }
    setRunning(false);
    showScenarioResults(TemFaixaDeVolumes(*combs));
    raiseScenarioResults();
}

void TformSimCenarios::BTPararClick() {
    parada_.pede();
}

bool TformSimCenarios::perguntaParar() {
    return parada_.perguntaSeEmCurso(this, QStringLiteral("Simulação de cenários"),
                                     QStringLiteral("Deseja parar a simulação de cenários?"));
}

void TformSimCenarios::reject() {
    if (!perguntaParar()) QDialog::reject();
}

void TformSimCenarios::closeEvent(QCloseEvent* event) {
    if (perguntaParar()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TformSimCenarios::BTLimparClick() {
    if (!askYesNo(this, QStringLiteral("Limpar"),
                  QStringLiteral("Deseja limpar os valores de todos os parâmetros?")))
        return;
    for (int linha = 1; linha <= kNumParametros; ++linha) setTexto(linha, std::string());
    updateSimular();
}

void TformSimCenarios::BTSalvarCenariosClick() {
    // A definition that would not open again is not saved: the message names the row and item.
    try {
        TCombs verificacao;
        PreencheListas(verificacao, textos(), appLocale());
    } catch (const std::exception& e) {
        showException(this, e);
        return;
    }
    const QString path = ui().saveFileName(this, QStringLiteral("Salvar cenários"), QString(),
                                           kFiltroCenarios, QStringLiteral("txt"));
    if (path.isEmpty()) return;
    try {
        GravaDefinicaoCenarios(toUtf8(path), textos(), appLocale());
    } catch (const std::exception& e) {
        showException(this, e);
    }
}

// A definition that does not read opens nothing: the table keeps what it held.
void TformSimCenarios::BTAbrirCenariosClick() {
    const QString path =
        ui().openFileName(this, QStringLiteral("Abrir cenários"), QString(), kFiltroCenarios);
    if (path.isEmpty()) return;
    DefinicaoCenarios def;
    try {
        def = LeDefinicaoCenarios(toUtf8(path), appLocale());
    } catch (const std::exception& e) {
        showException(this, e);
        return;
    }
    for (int linha = 1; linha <= kNumParametros; ++linha)
        setTexto(linha, def.textos[static_cast<std::size_t>(linha - 1)]);
    estado.pastaBase = def.pasta;
    try {
        TCombs& combs = combsEditavel();
        combs.strPastaBase = def.pasta;
        PreencheListas(combs, def.textos, appLocale());
    } catch (const std::exception& e) {
        showException(this, e);
    }
    updateSimular();
}
