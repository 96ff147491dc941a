#include "windows/economics/form_analise.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/app_locale.h"
#include "components/key_filters.h"
#include "components/number_texts.h"
#include "components/ui_seam.h"
#include "economics/analysis.h"
#include "economics/economics_errors.h"
#include "economics/file_section.h"
#include "economics/months.h"
#include "engine/capt_agua.h"
#include "windows/economics/economics_controls.h"
#include "windows/economics/economics_links.h"

TformAnalise* formAnalise = nullptr;

namespace {

constexpr int kLargura = 580;

// A label and its box on one line at height y.
QLineEdit* settingRow(QWidget* parent, QLabel*& label, const char* labelName, const char* editName,
                      const QString& caption, int y) {
    label = makeEconLabel(parent, labelName, caption);
    label->setGeometry(12, y + 4, 440, 20);
    QLineEdit* edit = makeEconEdit(parent, editName, caption, label);
    edit->setGeometry(460, y, 100, 24);
    installDecimalKeyFilter(edit);
    return edit;
}

}  // namespace

TformAnalise::TformAnalise(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formAnalise"));
    setWindowTitle(QStringLiteral("Análise Econômica"));
    buildControls();
    setFixedSize(kLargura, kAlturaInicial);
    edPeriodoAnaliseChange();

    connect(BTCalcular, &QPushButton::clicked, this, [this] { BTCalcularClick(); });
    connect(BTTarifasAgua, &QPushButton::clicked, this, [this] { BTTarifasAguaClick(); });
    connect(BTModificarVol, &QPushButton::clicked, this, [this] { BTModificarVolClick(); });
    connect(BTLimpar, &QPushButton::clicked, this, [this] { BTLimparClick(); });
    connect(BTConsumosEconomias, &QPushButton::clicked, this, [this] { BTConsumosEconomiasClick(); });
    connect(BTCustosEconomia, &QPushButton::clicked, this, [this] { BTCustosEconomiaClick(); });
    connect(BTCustosIniciais, &QPushButton::clicked, this,
            [this] { CategoryButtons1Categories0Items0Click(); });
    connect(BTCustoMotobomba, &QPushButton::clicked, this, [this] { BTsCustosCategories1Items0Click(); });
    connect(BTCustoManutencao, &QPushButton::clicked, this,
            [this] { CategoryButtons1Categories1Items0Click(); });
    connect(edPeriodoAnalise, &QLineEdit::textChanged, this, [this] { edPeriodoAnaliseChange(); });
    ligaEntradasAnalise({edInflacao, edPeriodoAumento, edPeriodoAnalise, edTMA, CBMesIn});
}

TformAnalise::~TformAnalise() = default;

void TformAnalise::buildControls() {
    // Label11 follows Label10's width and the result lines sit below the first height of the
    // window, so the controls are placed by hand.
    Label9 = makeEconLabel(this, "Label9", QStringLiteral("Volume do reservatório inferior:"));
    Label9->move(12, 12);
    Label9->adjustSize();
    Label10 = makeEconLabel(this, "Label10", QString());
    Label10->move(Label9->x() + Label9->width() + 5, 12);
    Label11 = makeEconLabel(this, "Label11", QStringLiteral("litros"));
    Label11->move(Label10->x() + 5, 12);
    Label11->adjustSize();
    BTModificarVol = makeEconButton(this, "BTModificarVol", QStringLiteral("Modificar volume"));
    BTModificarVol->setGeometry(12, 36, 160, 26);

    BTTarifasAgua = makeEconButton(this, "BTTarifasAgua", QStringLiteral("Definir tarifas de água e esgoto"));
    BTTarifasAgua->setGeometry(12, 72, 240, 26);
    BTConsumosEconomias =
        makeEconButton(this, "BTConsumosEconomias", QStringLiteral("Estimativas de consumo de água"));
    BTConsumosEconomias->setGeometry(320, 72, 240, 26);
    BTConsumosEconomias->hide();

    edInflacao = settingRow(this, Label6, "Label6", "edInflacao", QStringLiteral("Inflação (% ao mês)"), 110);
    edPeriodoAumento =
        settingRow(this, Label7, "Label7", "edPeriodoAumento",
                   QStringLiteral("Reajuste das tarifas de água e energia elétrica (meses)"), 140);
    edPeriodoAnalise = settingRow(this, Label1, "Label1", "edPeriodoAnalise",
                                  QStringLiteral("Período de análise (anos)"), 170);
    edTMA = settingRow(this, Label2, "Label2", "edTMA",
                       QStringLiteral("Taxa mínima de atratividade (% ao mês)"), 200);
    Label8 = makeEconLabel(this, "Label8",
                           QStringLiteral("Mês de instalação do sistema de captação de águas pluviais"));
    Label8->setGeometry(12, 234, 440, 20);
    QStringList meses;
    for (std::string_view m : kMesesAbrev)
        meses << QString::fromUtf8(m.data(), static_cast<qsizetype>(m.size()));
    CBMesIn = makeEconCombo(this, "CBMesIn", Label8->text(), meses);
    CBMesIn->setGeometry(460, 230, 100, 24);
    CBMesIn->setCurrentIndex(0);
    Label8->setBuddy(CBMesIn);

    BTsCustos = new QWidget(this);
    BTsCustos->setObjectName(QStringLiteral("BTsCustos"));
    BTsCustos->setGeometry(12, 262, 548, 150);
    auto* categorias = new QVBoxLayout(BTsCustos);
    categorias->setContentsMargins(0, 0, 0, 0);
    auto categoria = [&](const char* name, const QString& caption) {
        QLabel* label = makeEconLabel(BTsCustos, name, caption);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        categorias->addWidget(label);
    };
    categoria("CategoriaCustosIniciais", QStringLiteral("Custos iniciais"));
    BTCustosIniciais = makeEconButton(BTsCustos, "BTCustosIniciais",
                                      QStringLiteral("Reservatorios / Tubulações / Mão de obra"));
    BTCustosIniciais->setAccessibleDescription(QStringLiteral("Custos iniciais"));
    categorias->addWidget(BTCustosIniciais);
    categoria("CategoriaCustosOperacionais", QStringLiteral("Custos operacionais"));
    BTCustoMotobomba = makeEconButton(BTsCustos, "BTCustoMotobomba", QStringLiteral("Motobomba"));
    BTCustoMotobomba->setAccessibleDescription(QStringLiteral("Custos operacionais"));
    categorias->addWidget(BTCustoMotobomba);
    BTCustoManutencao = makeEconButton(BTsCustos, "BTCustoManutencao",
                                       QStringLiteral("Manutenção / Tratamento de água / Outros"));
    BTCustoManutencao->setAccessibleDescription(QStringLiteral("Custos operacionais"));
    categorias->addWidget(BTCustoManutencao);

    BTCalcular = makeEconButton(this, "BTCalcular", QStringLiteral("Calcular"));
    BTCalcular->setDefault(true);  // Enter in a box of the window calculates
    BTCalcular->setGeometry(12, 430, 160, 30);
    BTCustosEconomia = makeEconButton(this, "BTCustosEconomia", QStringLiteral("Economia e custos mensais"));
    BTCustosEconomia->setGeometry(320, 430, 240, 30);
    BTCustosEconomia->hide();

    int y = 482;
    for (auto [label, name] : {std::pair{&Label3, "Label3"}, {&Label4, "Label4"}, {&Label5, "Label5"}}) {
        *label = makeEconLabel(this, name, QString());
        QFont bold = (*label)->font();
        bold.setBold(true);
        (*label)->setFont(bold);
        (*label)->setGeometry(12, y, 548, 20);
        y += 22;
    }
    BTLimpar = makeEconButton(this, "BTLimpar", QStringLiteral("Limpar análise econômica"));
    BTLimpar->setGeometry(12, 548, 200, 26);
}

void TformAnalise::showEvent(QShowEvent* event) {
    if (const QWidget* main = janelaPrincipal()) move(main->width(), 0);
    QDialog::showEvent(event);
}

void TformAnalise::defineVolume(const QString& volume) {
    if (toUtf8(volume) != estado.strVolume) descartaResultado();
    estado.defineVolume(toUtf8(volume), appLocale());
    Label10->setText(volume);
    Label10->adjustSize();
    Label11->move(Label10->geometry().right() + 1 + 5, Label11->y());
}

TDadosAnalise TformAnalise::dados() const {
    TDadosAnalise d;
    d.analise.strVolume = estado.strVolume;
    d.analise.strInflacao = textOf(edInflacao);
    d.analise.strPeriodoAumento = textOf(edPeriodoAumento);
    d.analise.strPeriodoAnalise = textOf(edPeriodoAnalise);
    d.analise.strTMA = textOf(edTMA);
    d.analise.indMesIn = CBMesIn->currentIndex();
    d.tarifas = camposTarifas();
    d.iniciais = camposCustosIniciais();
    d.motobomba = camposMotobomba();
    d.vecManutencao = itensManutencao();
    return d;
}

TExportacao TformAnalise::dadosExportacao() const {
    TExportacao e;
    e.estimativas = linhasEstimativas();
    e.linhasFaixas = camposTarifas().vecLinhasFaixas;
    e.analise = dados().analise;
    e.intTempoRetorno = estado.linhas.intTempoRetorno;
    e.curVPL = estado.linhas.curVPL;
    e.dblTIR = estado.linhas.dblTIR;
    return e;
}

void TformAnalise::simulaCaptAgua() {
    estado.simAnalise.reset();
    const TCaptAgua* base = simulacaoPrincipal();
    if (!base) return;
    try {
        estado.simAnalise = SimulaCaptAgua(*base, estado.strVolume, appLocale());
    } catch (const std::exception& e) {
        showException(this, e);
    }
}

QLineEdit* TformAnalise::campo(int campoAnalise) const {
    switch (static_cast<CampoAnalise>(campoAnalise)) {
        case CampoAnalise::PeriodoAnalise:
            return edPeriodoAnalise;
        case CampoAnalise::Inflacao:
            return edInflacao;
        case CampoAnalise::PeriodoAumento:
            return edPeriodoAumento;
        case CampoAnalise::TMA:
            return edTMA;
        default:
            return nullptr;
    }
}

// A refused "Calcular": the message, then the field to mend (or the pump window).
void TformAnalise::recusa(const AnaliseError& e, bool peloUsuario) {
    if (e.campo == CampoAnalise::MotobombaIncompleta) {
        // Asked for when the user calculates; a new run or a file read (whose pump window has
        // said what is missing) leaves the analysis without a result and opens nothing.
        if (!peloUsuario) return;
        showErrorBox(this, fromUtf8(e.what()));
        execMotobomba();
        return;
    }
    showErrorBox(this, fromUtf8(e.what()));
    if (QLineEdit* edit = campo(static_cast<int>(e.campo))) {
        if (e.esvaziaCampo) edit->clear();
        edit->setFocus();
        return;
    }
    // A box of another window: that window opens on it, when the user asked for the calculation.
    if (peloUsuario) abreCampoRecusado(static_cast<int>(e.campo), fromUtf8(e.what()));
}

void TformAnalise::BTCalcularClick() {
    calcula(true);
}

void TformAnalise::calcula(bool peloUsuario) {
    // Fields filled before the tariff window was ever opened still have a simulation to price.
    if (!estado.simAnalise) simulaCaptAgua();
    if (!estado.simAnalise) return;
    TResultadoAnalise r;
    try {
        r = Calcular(dados(), usaReservatorioSuperior(), *estado.simAnalise, appLocale());
    } catch (const AnaliseError& e) {
        // The lines shown belong to other inputs than those refused.
        descartaResultado();
        recusa(e, peloUsuario);
        return;
    } catch (const std::exception& e) {
        descartaResultado();
        showException(this, e);
        return;
    }
    preencheEstimativas(TabelaEstimativas(*estado.simAnalise, r.contas, appLocale()));
    BTConsumosEconomias->show();
    estado.defineResultado(std::move(r));
    mostraResultado();
}

void TformAnalise::recalcula() {
    simulaCaptAgua();
    calcula(false);
}

void TformAnalise::descartaResultado() {
    if (!estado.resultado) return;
    estado.resultado.reset();
    mostraResultado();
}

void TformAnalise::mostraResultado() {
    if (!estado.resultado) {
        // The lines keep their texts out of sight.
        BTCustosEconomia->hide();
        setFixedHeight(kAlturaInicial);
        return;
    }
    const LocaleSettings& loc = appLocale();
    Label3->setText(fromUtf8(TextoVPL(estado.linhas.curVPL, loc)));
    Label4->setText(fromUtf8(TextoTempoRetorno(estado.linhas.intTempoRetorno)));
    Label5->setText(fromUtf8(TextoTIR(estado.linhas.dblTIR, loc)));
    setFixedHeight(kAlturaCalculada);
    BTCustosEconomia->show();
}

void TformAnalise::BTTarifasAguaClick() {
    simulaCaptAgua();
    execTarifas();
}

void TformAnalise::BTModificarVolClick() {
    pedeVolumeAnalise();
    if (!estado.simAnalise) return;
    try {
        // A volume that does not read says why, as its read does.
        const double volume =
            estado.dblVolume ? *estado.dblVolume : readStrictText(fromUtf8(estado.strVolume));
        if (volume == estado.simAnalise->dblResInf) return;
        estado.simAnalise->dblResInf = volume;
        estado.simAnalise->simula();
    } catch (const std::exception& e) {
        showException(this, e);
    }
}

void TformAnalise::BTLimparClick() {
    if (askYesNo(
            this, QStringLiteral("Limpar dados"),
            QStringLiteral("Você tem certeza de que deseja limpar TODOS os dados da análise econômica?")))
        LimparAnaliseEcon();
}

void TformAnalise::BTConsumosEconomiasClick() {
    mostraEstimativas();
}

void TformAnalise::BTCustosEconomiaClick() {
    // Every click opens another window, a snapshot of this calculation; closing it deletes it,
    // and those still open go with the analysis window.
    abreCustosEconomias(this);
}

void TformAnalise::CategoryButtons1Categories0Items0Click() {
    execCustosIniciais();
}

void TformAnalise::BTsCustosCategories1Items0Click() {
    if (!usaReservatorioSuperior()) {
        showInformation(this, QStringLiteral("Custo"),
                        QStringLiteral("Este custo não se aplica, pois a simulação não está considerando a "
                                       "utilização de um reservatório superior"));
        return;
    }
    execMotobomba();
}

void TformAnalise::CategoryButtons1Categories1Items0Click() {
    execManutencao();
}

void TformAnalise::edPeriodoAnaliseChange() {
    estado.strPeriodo = textOf(edPeriodoAnalise);
    BTsCustos->setEnabled(estado.temAnalise());
}

std::vector<std::string> TformAnalise::SalvarAnaliseEcon() const {
    return LinhasSecaoAnalise(dados(), usaReservatorioSuperior(), appLocale());
}

void TformAnalise::CarregaAnaliseEcon(const std::vector<std::string>& lines, std::size_t index) {
    if (index == 0) return;
    TDadosAnalise d;
    std::vector<std::string> avisos;
    try {
        d = LeSecaoAnalise(lines, index, usaReservatorioSuperior(), appLocale(), avisos);
    } catch (const std::exception& e) {
        showException(this, e);
        return;
    }
    if (!avisos.empty()) {
        QStringList textos;
        for (const std::string& aviso : avisos) textos << fromUtf8(aviso);
        showError(this, textos.join(QLatin1Char('\n')));
    }
    CarregaAnaliseEcon(d);
}

void TformAnalise::CarregaAnaliseEcon(const TDadosAnalise& d) {
    defineVolume(fromUtf8(d.analise.strVolume));
    simulaCaptAgua();
    carregaTarifas(d.tarifas);
    setTextOf(edInflacao, d.analise.strInflacao);
    setTextOf(edPeriodoAumento, d.analise.strPeriodoAumento);
    setTextOf(edPeriodoAnalise, d.analise.strPeriodoAnalise);
    setTextOf(edTMA, d.analise.strTMA);
    CBMesIn->setCurrentIndex(d.analise.indMesIn);
    carregaCustosIniciais(d.iniciais);
    if (usaReservatorioSuperior()) carregaMotobomba(d.motobomba);
    carregaManutencao(d.vecManutencao);
    calcula(false);
}

void TformAnalise::LimparAnaliseEcon() {
    limpaTarifas();
    limpaEstimativas();
    BTConsumosEconomias->hide();
    for (QLineEdit* e : {edInflacao, edPeriodoAumento, edPeriodoAnalise, edTMA}) e->clear();
    limpaCustosIniciais();
    limpaMotobomba();
    limpaManutencao();
    estado.limpa();
    mostraResultado();
}
