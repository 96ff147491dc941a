#include "windows/scenarios/form_sim_cenarios_grafico.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "components/app_locale.h"
#include "components/chart_series.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "scenarios/comparative_chart.h"
#include "windows/scenarios/form_sim_cenarios_grid.h"
#include "windows/scenarios/scenarios_links.h"

TformSimCenariosGrafico* formSimCenariosGrafico = nullptr;

namespace {

constexpr std::array<const char*, 8> kNomesCombos = {"CBDadosPrec", "CBAreaCapt",  "CBDemPot", "CBNroMor",
                                                     "CBPorcSubst", "CBCoefAprov", "CBResSup", "CBResInf"};

QComboBox* makeCombo(QWidget* parent, const char* name, const QString& label) {
    auto* cb = new QComboBox(parent);
    cb->setObjectName(QString::fromLatin1(name));
    cb->setAccessibleName(label);
    return cb;
}

}  // namespace

TformSimCenariosGrafico::TformSimCenariosGrafico(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formSimCenariosGrafico"));
    setWindowTitle(QStringLiteral("Simulação de cenários - Gráfico"));
    buildControls();
}

TformSimCenariosGrafico::~TformSimCenariosGrafico() {
    clearComparisonChart();
    for (ChartSeries* s : series_) delete s;
}

void TformSimCenariosGrafico::buildControls() {
    CBParamVar = makeCombo(this, "CBParamVar", QStringLiteral("Parâmetro variável"));
    auto* labelVar = makeLabel(this, "LabelParamVar", QStringLiteral("Parâmetro variável"), CBParamVar,
                               LabelKind::OneLine);
    GroupBox1 = makeGroup(this, "GroupBox1", QStringLiteral("Parâmetros fixos"));
    auto* form = new QFormLayout(GroupBox1);
    for (int p = 0; p < 8; ++p) {
        const QString label = QString::fromUtf8(RotuloComboFixo(p));
        combos_[static_cast<std::size_t>(p)] =
            makeCombo(GroupBox1, kNomesCombos[static_cast<std::size_t>(p)], label);
        form->addRow(
            makeLabel(GroupBox1, "", label, combos_[static_cast<std::size_t>(p)], LabelKind::OneLine),
            combos_[static_cast<std::size_t>(p)]);
    }
    CBDadosPrec = combos_[0];
    CBAreaCapt = combos_[1];
    CBDemPot = combos_[2];
    CBNroMor = combos_[3];
    CBPorcSubst = combos_[4];
    CBCoefAprov = combos_[5];
    CBResSup = combos_[6];
    CBResInf = combos_[7];
    BTGeraGrafs = makeButton(this, "BTGeraGrafs", QStringLiteral("OK"), false);
    BTGeraGrafs->setAccessibleDescription(QStringLiteral("Gerar o gráfico comparativo dos cenários"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labelVar);
    layout->addWidget(CBParamVar);
    layout->addWidget(GroupBox1);
    layout->addWidget(BTGeraGrafs, 0, Qt::AlignRight);
    resize(460, 420);

    connect(CBParamVar, &QComboBox::currentIndexChanged, this,
            [this](int index) { CBParamVarChange(index); });
    connect(BTGeraGrafs, &QPushButton::clicked, this, [this] { BTGeraGrafsClick(); });
}

void TformSimCenariosGrafico::Preenche(std::shared_ptr<const TCombs> combs) {
    combs_ = std::move(combs);
    const TCombs& c = *combs_;
    const LocaleSettings& loc = appLocale();
    const std::vector<ParametroVariavel> variaveis = ParametrosVariaveis(c);
    {
        const QSignalBlocker block(CBParamVar);
        CBParamVar->clear();
        indCBParamVar.clear();
        for (const ParametroVariavel& v : variaveis) {
            CBParamVar->addItem(fromUtf8(v.nome));
            indCBParamVar.push_back(v.param);
        }
        CBParamVar->setCurrentIndex(variaveis.size() == 1 ? 0 : -1);
    }
    if (variaveis.empty()) showErrorBox(this, QString::fromUtf8(kSemVariaveis));

    for (int p = 0; p < 8; ++p) {
        QComboBox* cb = combo(p);
        cb->clear();
        cb->setEnabled(true);
        const std::vector<std::string> itens =
            p == kParamResInf ? ItensResInf(c, loc).textos : ItensCombo(c, p, loc);
        for (const std::string& item : itens) cb->addItem(fromUtf8(item));
        cb->setCurrentIndex(SelecionaPrimeiro(c, p) && cb->count() > 0 ? 0 : -1);
    }
    // The one varying parameter chosen from the program takes no reaction: its combo box
    // stays as filled.
    show();
    raise();
}

void TformSimCenariosGrafico::CBParamVarChange(int index) {
    for (QComboBox* cb : combos_) cb->setEnabled(true);
    if (index < 0 || index >= static_cast<int>(indCBParamVar.size())) return;
    QComboBox* cb = combo(indCBParamVar[static_cast<std::size_t>(index)]);
    cb->setEnabled(false);
    cb->setCurrentIndex(-1);
}

void TformSimCenariosGrafico::BTGeraGrafsClick() {
    if (!combs_) return;
    EscolhaGrafico escolha;
    const int var = CBParamVar->currentIndex();
    if (var >= 0 && var < static_cast<int>(indCBParamVar.size()))
        escolha.paramVariavel = indCBParamVar[static_cast<std::size_t>(var)];
    for (int p = 0; p < 7; ++p) {
        const int i = combo(p)->currentIndex();
        if (i >= 0 && p != escolha.paramVariavel) escolha.selecionados[static_cast<std::size_t>(p)] = i;
    }
    if (CBResInf->currentIndex() >= 0) escolha.faixa = static_cast<std::size_t>(CBResInf->currentIndex());

    const std::string falta = EscolhaIncompleta(*combs_, escolha);
    if (!falta.empty()) {
        showErrorBox(this, fromUtf8(falta));
        return;
    }
    GraficoComparativo grafico;
    try {
        grafico = GeraGraficoComparativo(*combs_, escolha, appLocale());
    } catch (const std::exception& e) {
        showException(this, e);
        return;
    }

    auto* janela = new TformSimCenariosGrid(this);
    janela->setObjectName(QStringLiteral("formSimCenariosGridComparacao"));
    janela->DefineCombs(grafico.combs);
    janela->mostraLinhas(std::move(grafico.linhas));
    janela->hideGrafico();
    janelasResultado.push_back(janela);

    clearComparisonChart();
    for (ChartSeries* s : series_) delete s;
    series_.clear();
    for (const CurvaComparativa& curva : grafico.curvas) {
        auto* serie = new ChartSeries(fromUtf8(curva.titulo), this);
        for (const PontoCurva& p : curva.pontos)
            serie->addPoint(p.dblResInf, p.dblEconPot, p.volumeIdeal ? QColor(Qt::black) : QColor());
        series_.push_back(serie);
        addComparisonSeries(serie);
    }
    janela->show();
    showComparisonChart();
}
