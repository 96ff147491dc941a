// The controls and the menu bar of the main window, with their captions, items and
// opening state.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <tuple>

#include "components/number_texts.h"
#include "components/radio_group.h"
#include "components/window_controls.h"
#include "windows/main/form_main.h"

QStringList TformMain::percentageItems() {
    return {QStringLiteral("10%"),  QStringLiteral("20%"),        QStringLiteral("30%"),
            QStringLiteral("40%"),  QStringLiteral("50%"),        QStringLiteral("60%"),
            QStringLiteral("70%"),  QStringLiteral("80%"),        QStringLiteral("90%"),
            QStringLiteral("100%"), QStringLiteral("Outro valor")};
}

QStringList TformMain::coefficientItems() {
    return {QStringLiteral("0,1 (10% de aproveitamento)"),
            QStringLiteral("0,2 (20% de aproveitamento)"),
            QStringLiteral("0,3 (30% de aproveitamento)"),
            QStringLiteral("0,4 (40% de aproveitamento)"),
            QStringLiteral("0,5 (50% de aproveitamento)"),
            QStringLiteral("0,6 (60% de aproveitamento)"),
            QStringLiteral("0,7 (70% de aproveitamento)"),
            QStringLiteral("0,8 (80% de aproveitamento)"),
            QStringLiteral("0,9 (90% de aproveitamento)"),
            QStringLiteral("1 (100% de aproveitamento)"),
            QStringLiteral("Outro valor")};
}

QStringList TformMain::coefficientValues() {
    QStringList values;
    for (int tenth = 1; tenth <= 9; ++tenth) values << generalText(tenth / 10.0);
    values << QStringLiteral("1");
    return values;
}

QStringList TformMain::placeholderObservacoes() {
    return {QStringLiteral("Preencha este campo para consultas futuras,"),
            QStringLiteral("caso queira salvar a simulação. "),
            QStringLiteral("Este campo não afeta os cálculos.")};
}

// ---------------------------------------------------------------------------------------
// Building the window

void TformMain::buildControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("PanelPrincipal"));
    setCentralWidget(central);
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    BTCarregar = makeButton(central, "BTCarregar", QStringLiteral("Carregar simulação previamente salva"));
    left->addWidget(BTCarregar);

    strGridPrec = new QTableWidget(4, 2, central);
    strGridPrec->setObjectName(QStringLiteral("strGridPrec"));
    left->addWidget(strGridPrec);
    BTImportarEstacao =
        makeButton(central, "BTImportarEstacao", QStringLiteral("Importar arquivo de estação..."), false);
    BTImportarEstacao->setAccessibleDescription(QStringLiteral(
        "Gravar o registro de precipitação a partir do arquivo diário de uma estação meteorológica"));
    left->addWidget(BTImportarEstacao, 0, Qt::AlignLeft);

    auto* params = new QGridLayout;
    left->addLayout(params);
    std::tie(LabelCaptacao, ed_captacao) =
        makeLabelledEdit(central, "LabelCaptacao", "ed_captacao", QStringLiteral("Área de captação (m²)"));
    params->addWidget(LabelCaptacao, 0, 0);
    params->addWidget(ed_captacao, 0, 1);

    std::tie(LabelDemanda, ed_demanda) =
        makeLabelledEdit(central, "LabelDemanda", "ed_demanda",
                         QStringLiteral("Demanda total de água (litros per capita/dia)"));
    BTDemPluvVariavel = makeButton(central, "BTDemPluvVariavel", QStringLiteral("Variável..."));
    BTDemPluvVariavel->setAccessibleDescription(QStringLiteral("Demanda total de água variável"));
    params->addWidget(LabelDemanda, 1, 0);
    params->addWidget(ed_demanda, 1, 1);
    params->addWidget(BTDemPluvVariavel, 1, 2);

    std::tie(LabelMoradores, ed_moradores) =
        makeLabelledEdit(central, "LabelMoradores", "ed_moradores", QStringLiteral("Número de moradores"));
    BTNroMorVariavel = makeButton(central, "BTNroMorVariavel", QStringLiteral("Variável..."));
    BTNroMorVariavel->setAccessibleDescription(QStringLiteral("Número de moradores variável"));
    params->addWidget(LabelMoradores, 2, 0);
    params->addWidget(ed_moradores, 2, 1);
    params->addWidget(BTNroMorVariavel, 2, 2);

    const QString porcCaption =
        QStringLiteral("Percentual da demanda total a ser substituída por água pluvial");
    cb_porcentagem_subst = new QComboBox(central);
    cb_porcentagem_subst->setObjectName(QStringLiteral("cb_porcentagem_subst"));
    cb_porcentagem_subst->setAccessibleName(porcCaption);
    cb_porcentagem_subst->addItems(percentageItems());
    cb_porcentagem_subst->setCurrentIndex(-1);
    ed_porcentagem_subst =
        makeEdit(central, "ed_porcentagem_subst", porcCaption + QStringLiteral(" (outro valor, %)"));
    ed_porcentagem_subst->hide();
    LabelPorcentagemSubst = makeLabel(central, "LabelPorcentagemSubst", porcCaption, cb_porcentagem_subst);
    params->addWidget(LabelPorcentagemSubst, 3, 0);
    params->addWidget(cb_porcentagem_subst, 3, 1);
    params->addWidget(ed_porcentagem_subst, 3, 2);

    const QString coefCaption = QStringLiteral("Coeficiente de escoamento superficial");
    cb_coef_aprov = new QComboBox(central);
    cb_coef_aprov->setObjectName(QStringLiteral("cb_coef_aprov"));
    cb_coef_aprov->setAccessibleName(coefCaption);
    cb_coef_aprov->addItems(coefficientItems());
    cb_coef_aprov->setCurrentIndex(-1);
    ed_coef_aprov = makeEdit(central, "ed_coef_aprov", coefCaption + QStringLiteral(" (outro valor)"));
    ed_coef_aprov->hide();
    LabelCoefAprov = makeLabel(central, "LabelCoefAprov", coefCaption, cb_coef_aprov);
    params->addWidget(LabelCoefAprov, 4, 0);
    params->addWidget(cb_coef_aprov, 4, 1);
    params->addWidget(ed_coef_aprov, 4, 2);
    params->setColumnStretch(0, 1);

    MemObservacoes = new QPlainTextEdit(central);
    MemObservacoes->setObjectName(QStringLiteral("MemObservacoes"));
    MemObservacoes->setAccessibleName(QStringLiteral("Observações"));
    MemObservacoes->setTabChangesFocus(true);
    MemObservacoes->setPlainText(placeholderObservacoes().join(QLatin1Char('\n')));
    LabelObservacoes = makeLabel(central, "LabelObservacoes", QStringLiteral("Observações"), MemObservacoes);
    left->addWidget(LabelObservacoes);
    left->addWidget(MemObservacoes);

    BTResSup = makeButton(central, "BTResSup", QStringLiteral("Reservatório superior"));
    right->addWidget(BTResSup);

    RGResInf = new RadioGroup(QStringLiteral("Reservatório inferior"),
                              {QStringLiteral("Simulação para reservatório com volume conhecido"),
                               QStringLiteral("Simulação para reservatórios com diversos volumes")},
                              central);
    RGResInf->setObjectName(QStringLiteral("RGResInf"));
    RGResInf->setAccessibleName(QStringLiteral("Reservatório inferior"));
    right->addWidget(RGResInf);

    GBSimulacao = makeGroup(central, "GBSimulacao", QString());
    GBSimulacao->hide();
    right->addWidget(GBSimulacao);
    auto* gbLayout = new QVBoxLayout(GBSimulacao);
    PagesSimulacao = new QStackedWidget(GBSimulacao);
    PagesSimulacao->setObjectName(QStringLiteral("PagesSimulacao"));
    gbLayout->addWidget(PagesSimulacao);

    // One known volume, with its results.
    PanelUmaSimulacao = new QWidget(PagesSimulacao);
    PanelUmaSimulacao->setObjectName(QStringLiteral("PanelUmaSimulacao"));
    PagesSimulacao->addWidget(PanelUmaSimulacao);
    auto* one = new QVBoxLayout(PanelUmaSimulacao);
    std::tie(LabelReservatorioInf, ed_reservatorio_inf) =
        makeLabelledEdit(PanelUmaSimulacao, "LabelReservatorioInf", "ed_reservatorio_inf",
                         QStringLiteral("Volume do Reservatório inferior (litros):"),
                         QStringLiteral("Volume do Reservatório inferior (litros)"));
    one->addWidget(LabelReservatorioInf);
    one->addWidget(ed_reservatorio_inf);
    PanelResultados = new QWidget(PanelUmaSimulacao);
    PanelResultados->setObjectName(QStringLiteral("PanelResultados"));
    PanelResultados->setAccessibleName(QStringLiteral("Resultados da simulação"));
    PanelResultados->hide();
    one->addWidget(PanelResultados);
    one->addStretch(1);
    auto* results = new QVBoxLayout(PanelResultados);
    // The savings line stands on one line: a wrapped label here would get one line's height
    // at the window's minimum width (its text comes with the first run, after the layout has
    // taken the captions' sizes) and the second line would be cut.
    Label5 = makeLabel(PanelResultados, "Label5", QString(), nullptr, LabelKind::Bold);
    Label11 = makeLabel(
        PanelResultados, "Label11",
        QStringLiteral("Percentual de dias no período de análise em que a demanda de água pluvial é "
                       "atendida:"));
    Label12 = makeLabel(PanelResultados, "Label12", QString());
    Label14 = makeLabel(PanelResultados, "Label14", QString());
    Label15 = makeLabel(PanelResultados, "Label15", QString());
    BTValsMensais = makeButton(PanelResultados, "BTValsMensais", QStringLiteral("Valores mensais"));
    for (QWidget* w : {static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label11),
                       static_cast<QWidget*>(Label12), static_cast<QWidget*>(Label14),
                       static_cast<QWidget*>(Label15), static_cast<QWidget*>(BTValsMensais)})
        results->addWidget(w);

    // A sweep of volumes.
    PanelVariasSimulacoes = new QWidget(PagesSimulacao);
    PanelVariasSimulacoes->setObjectName(QStringLiteral("PanelVariasSimulacoes"));
    PagesSimulacao->addWidget(PanelVariasSimulacoes);
    auto* sweep = new QVBoxLayout(PanelVariasSimulacoes);
    std::tie(LabelVolMaximo, EdVolMaximo) = makeLabelledEdit(
        PanelVariasSimulacoes, "LabelVolMaximo", "EdVolMaximo", QStringLiteral("Volume máximo (litros)"));
    std::tie(LabelIntervaloVols, EdIntervaloVols) =
        makeLabelledEdit(PanelVariasSimulacoes, "LabelIntervaloVols", "EdIntervaloVols",
                         QStringLiteral("Intervalo entre volumes (litros)"));
    CBVolIdeal = new QCheckBox(QStringLiteral("Indicar volume ideal para o reservatório inferior"),
                               PanelVariasSimulacoes);
    CBVolIdeal->setObjectName(QStringLiteral("CBVolIdeal"));
    CBVolIdeal->setAccessibleName(CBVolIdeal->text());
    const QString diffCaption = QStringLiteral(
        "Diferença entre potenciais de economia de água potável por meio do aproveitamento de água pluvial "
        "(%/m³)");
    std::tie(Label13, EdDiferenca) =
        makeLabelledEdit(PanelVariasSimulacoes, "Label13", "EdDiferenca", diffCaption);
    Label13->hide();
    EdDiferenca->hide();
    for (QWidget* w : {static_cast<QWidget*>(LabelVolMaximo), static_cast<QWidget*>(EdVolMaximo),
                       static_cast<QWidget*>(LabelIntervaloVols), static_cast<QWidget*>(EdIntervaloVols),
                       static_cast<QWidget*>(CBVolIdeal), static_cast<QWidget*>(Label13),
                       static_cast<QWidget*>(EdDiferenca)})
        sweep->addWidget(w);
    sweep->addStretch(1);

    auto* commands = new QGridLayout;
    right->addLayout(commands);
    right->addStretch(1);
    BTCalcular = makeButton(central, "BTCalcular", QStringLiteral("Simular"));
    BTSalvar = makeButton(central, "BTSalvar", QStringLiteral("Salvar simulação atual"));
    BTLimpar = makeButton(central, "BTLimpar", QStringLiteral("Limpar campos"));
    BTAnalise = makeButton(central, "BTAnalise", QStringLiteral("Análise Econômica"));
    commands->addWidget(BTCalcular, 0, 0);
    commands->addWidget(BTSalvar, 0, 1);
    commands->addWidget(BTLimpar, 1, 0);
    commands->addWidget(BTAnalise, 1, 1);
    for (QPushButton* b : {BTCalcular, BTSalvar, BTLimpar, BTAnalise}) b->hide();
    BTAnalise->setEnabled(false);
    BTCalcular->setEnabled(false);
    BTSalvar->setEnabled(false);
}

// Each caption carries an Alt mnemonic (the underlined letter, marked "&"); the captions'
// letters are those of the menu as quoted.
void TformMain::buildMenu() {
    auto addAction = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    MenuSimulacao = menuBar()->addMenu(QStringLiteral("&Simulação"));
    MenuSimulacao->setObjectName(QStringLiteral("MenuSimulacao"));
    MenuCarregar = MenuSimulacao->addMenu(QStringLiteral("&Carregar"));
    MenuCarregar->setObjectName(QStringLiteral("MenuCarregar"));
    MenuCarregarSimulacao =
        addAction(MenuCarregar, "MenuCarregarSimulacao", QStringLiteral("&Simulação previamente salva"));
    MenuCarregarDadosPrec =
        addAction(MenuCarregar, "MenuCarregarDadosPrec", QStringLiteral("&Dados de precipitação"));
    MenuImportarEstacao =
        addAction(MenuCarregar, "MenuImportarEstacao", QStringLiteral("&Arquivo de estação..."));
    MenuSalvarSimulacao =
        addAction(MenuSimulacao, "MenuSalvarSimulacao", QStringLiteral("&Salvar simulação"));
    MenuSimulacao->addSeparator();
    MenuSimCenarios = addAction(MenuSimulacao, "MenuSimCenarios", QStringLiteral("Simulação de c&enários"));
    MenuMetodos = addAction(MenuSimulacao, "MenuMetodos",
                            QStringLiteral("&Métodos de dimensionamento (NBR 15527:2007)"));
    MenuMetodos->setEnabled(false);
    MenuSimulacao->addSeparator();
    MenuLimparCampos = addAction(MenuSimulacao, "MenuLimparCampos", QStringLiteral("&Limpar campos"));
    MenuSair = addAction(MenuSimulacao, "MenuSair", QStringLiteral("Sai&r"));

    auto addCommand = [this](const char* name, const QString& caption) {
        QAction* action = menuBar()->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    MenuAjuda = addCommand("MenuAjuda", QStringLiteral("&Ajuda"));
    MenuCitacao = addCommand("MenuCitacao", QStringLiteral("&Citação"));
    MenuValidacao = addCommand("MenuValidacao", QStringLiteral("&Validação"));
    MenuSobre = addCommand("MenuSobre", QStringLiteral("S&obre"));
}
