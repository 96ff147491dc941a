// What a screen reader finds in the program's windows: every control a user reaches (box,
// list, check box, option and group of options, button, table, chart, menu item) has a name,
// hidden controls included; tables and charts are named after what they show; names that
// carry a unit or a parameter follow the caption beside the box. Read through Qt's
// accessibility interfaces, as the AT-SPI bridge reads them (tools/atspi_check.sh applies the
// same rule to the running program).

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "components/accessible_names.h"
#include "components/chart_view.h"
#include "components/radio_group.h"
#include "scenarios/value_lists.h"
#include "tests/windows/window_fixture.h"
#include "windows/app_windows.h"
#include "windows/economics/form_custo_manutencao.h"
#include "windows/economics/form_tarifas_agua.h"
#include "windows/methods/form_metodos.h"
#include "windows/scenarios/form_cenarios_dados.h"

namespace {

QAccessibleInterface* accessible(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

QString spokenName(QWidget* w) {
    QAccessibleInterface* iface = accessible(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QWidget* control(const char* window, const char* name) {
    for (QWidget* w : createdWindows()) {
        if (w->objectName() == QLatin1String(window)) return w->findChild<QWidget*>(QLatin1String(name));
    }
    return nullptr;
}

struct NamedView {
    const char* window;
    const char* control;
    QAccessible::Role role;
    const char* name;
};

// Each grid and chart of the windows, with the name a screen reader announces.
const NamedView kViews[] = {
    {"formMain", "strGridPrec", QAccessible::Table, "Dados de precipitação"},
    {"formTarifasAgua", "StringGrid1", QAccessible::Table, "Tabela das faixas de consumo"},
    {"formCustoManutencao", "NxGManut", QAccessible::Table, "Tabela dos custos operacionais"},
    {"formCustosEconomias", "SGCustosEconomias", QAccessible::Table, "Tabela de custos e economias por mês"},
    {"formEconomiaAgua", "NextGrid1", QAccessible::Table,
     "Tabela das estimativas de consumo e economia de água por mês"},
    {"formSimCenarios", "StringGrid1", QAccessible::Table, "Tabela dos parâmetros dos cenários"},
    {"formSimCenariosGrid", "NxGrResult", QAccessible::Table, "Tabela dos resultados das combinações"},
    {"formCenariosDados", "LBDados", QAccessible::List, "Lista de valores"},
    {"formGraficoDados", "NextGrid1", QAccessible::Table, "Tabela dos dados do gráfico"},
    {"formResultSimMensal", "NextGrid1", QAccessible::Table, "Tabela do resultado mensal da simulação"},
    {"formGrafico", "Chart1", QAccessible::Chart,
     "Gráfico do potencial de economia de água potável por volume do reservatório inferior"},
    {"formGraficoVextravasado", "ChartVextravasado", QAccessible::Chart,
     "Gráfico: Volume extravasado por volume do reservatório inferior"},
    {"formSimCenarios", "ProgressBar1", QAccessible::ProgressBar, "Progresso da simulação de cenários"},
    {"formSimCenariosGrid", "ProgressBar1", QAccessible::ProgressBar, "Progresso da exportação"},
};

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }

    void everyControlIsNamed();
    void viewsNamedAfterWhatTheyShow();
    void namesFollowCaptions();
    void ruleFindsUnnamedControls();

  private:
    WindowFixture fx;
};

void TestAccessibility::everyControlIsNamed() {
    fx.start("pt_BR");
    QStringList unnamed;
    for (QWidget* window : createdWindows()) {
        const AccessibleControls controls = accessibleControls(window);
        QVERIFY2(!controls.named.isEmpty(), qPrintable(window->objectName()));
        unnamed << controls.unnamed;
    }
    QCOMPARE(createdWindows().size(), std::size_t{27});
    // Windows made afresh for one use are the same classes in another state.
    auto valores = std::make_unique<TformCenariosDados>();
    for (int linha = 1; linha <= kNumParametros; ++linha) {
        valores->arrange(linha);
        unnamed << accessibleControls(valores.get()).unnamed;
    }
    auto metodos = std::make_unique<TformMetodos>();
    unnamed << accessibleControls(metodos.get()).unnamed;
    QVERIFY2(unnamed.isEmpty(),
             qPrintable(QStringLiteral("controles sem nome:\n") + unnamed.join(QLatin1Char('\n'))));
}

void TestAccessibility::viewsNamedAfterWhatTheyShow() {
    fx.start("pt_BR");
    for (const NamedView& v : kViews) {
        const QString where = QString::fromLatin1(v.window) + QLatin1Char('.') + QLatin1String(v.control);
        QWidget* w = control(v.window, v.control);
        QVERIFY2(w, qPrintable(where));
        QAccessibleInterface* iface = accessible(w);
        QVERIFY2(iface, qPrintable(where));
        QCOMPARE(iface->role(), v.role);
        QCOMPARE(iface->text(QAccessible::Name), QString::fromUtf8(v.name));
    }
    // A chart describes what it draws: its axes and lines.
    auto* chart = qobject_cast<ChartView*>(control("formGrafico", "Chart1"));
    QVERIFY(chart);
    QVERIFY(accessible(chart)->text(QAccessible::Description).contains(QStringLiteral("Eixo horizontal")));
}

void TestAccessibility::namesFollowCaptions() {
    fx.start("pt_BR");
    TformTarifasAgua& t = *formTarifasAgua;
    QCOMPARE(spokenName(t.edCusto), QStringLiteral("Custo da faixa (R$)"));
    t.ChBCustoFixo->click();  // a cost per m³
    QCOMPARE(t.Label3->text(), QStringLiteral("Custo (R$/m³)"));
    QCOMPARE(spokenName(t.edCusto), QStringLiteral("Custo da faixa (R$/m³)"));
    QCOMPARE(spokenName(t.edTarEsgoto), QStringLiteral("Tarifa de esgoto (R$)"));
    t.RGTarEsgoto->setItemIndex(1);
    QCOMPARE(spokenName(t.edTarEsgoto), QStringLiteral("Tarifa de esgoto (% da tarifa de água)"));
    t.RGTarEsgoto->setItemIndex(0);
    QCOMPARE(spokenName(t.edTarEsgoto), QStringLiteral("Tarifa de esgoto (R$)"));

    TformCustoManutencao& m = *formCustoManutencao;
    m.RGTipoCusto->setItemIndex(0);
    QCOMPARE(spokenName(m.edCoefLinear), QStringLiteral("Custo (R$)"));
    m.RGTipoCusto->setItemIndex(1);
    QCOMPARE(spokenName(m.edCoefLinear), QStringLiteral("Coeficiente linear (R$)"));

    formCenariosDados->arrange(kLinhaAreaCapt);
    QCOMPARE(spokenName(formCenariosDados->LBDados), QStringLiteral("Lista de valores: Área de captação"));
    QCOMPARE(accessible(formCenariosDados->edValor)->text(QAccessible::Description),
             QStringLiteral("Novo valor para a lista: Área de captação"));
}

// The rule on a small window: what it calls unnamed, and what names a control.
void TestAccessibility::ruleFindsUnnamedControls() {
    QDialog window;
    window.setObjectName(QStringLiteral("janela"));
    auto* labelled = new QLineEdit(&window);
    labelled->setObjectName(QStringLiteral("rotulada"));
    (new QLabel(QStringLiteral("Área (m²)"), &window))->setBuddy(labelled);
    (new QLineEdit(&window))->setObjectName(QStringLiteral("caixa"));
    (new QPushButton(&window))->setObjectName(QStringLiteral("botao"));
    (new QPushButton(QStringLiteral("Concluir"), &window))->setObjectName(QStringLiteral("concluir"));
    (new QCheckBox(&window))->setObjectName(QStringLiteral("marca"));
    auto* options = new RadioGroup(QString(), {QStringLiteral("Sim"), QStringLiteral("Não")}, &window);
    options->setObjectName(QStringLiteral("opcoes"));
    // A list's name on Linux is its current item: it needs a label, or a name and a description.
    auto* list = new QComboBox(&window);
    list->setObjectName(QStringLiteral("lista"));
    list->addItems({QStringLiteral("CV"), QStringLiteral("W")});
    list->setAccessibleName(QStringLiteral("Unidade"));
    (new QListWidget(&window))->setObjectName(QStringLiteral("valores"));
    (new ChartView(&window))->setObjectName(QStringLiteral("grafico"));

    const QStringList unnamed = accessibleControls(&window).unnamed;
    const QStringList expected = {
        QStringLiteral("janela/caixa (QLineEdit, caixa de texto): "),
        QStringLiteral("janela/botao (QPushButton, botão): "),
        QStringLiteral("janela/marca (QCheckBox, caixa de seleção): "),
        QStringLiteral("janela/opcoes (RadioGroup, grupo de opções): "),
        QStringLiteral("janela/lista (QComboBox, lista suspensa): "),
        QStringLiteral("janela/valores (QListWidget, lista): "),
        QStringLiteral("janela/grafico (ChartView, gráfico): "),
    };
    QCOMPARE(unnamed, expected);

    list->setAccessibleDescription(QStringLiteral("Unidade da potência"));
    QVERIFY(!accessibleControls(&window).unnamed.contains(expected[4]));
    const QStringList named = accessibleControls(&window).named;
    QVERIFY(named.contains(QStringLiteral("janela/rotulada (QLineEdit, caixa de texto): Área (m²)")));
    QVERIFY(named.contains(QStringLiteral("janela/concluir (QPushButton, botão): Concluir")));
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
