// The numeric boxes of every window share one rule: typed or pasted, either decimal mark
// becomes the locale's separator and what the box cannot hold is dropped; and a box that does
// not read is named in the message and gets the focus.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "components/radio_group.h"
#include "tests/windows/window_fixture.h"
#include "windows/app_windows.h"
#include "windows/economics/form_custo_manutencao.h"
#include "windows/economics/form_tarifas_agua.h"

namespace {

QWidget* window(const QString& name) {
    for (QWidget* w : createdWindows()) {
        if (w->objectName() == name) return w;
    }
    return nullptr;
}

}  // namespace

class TestNumberBoxes : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }

    void typedAndPasted_data();
    void typedAndPasted();
    void refusedBoxIsNamedAndFocused_data();
    void refusedBoxIsNamedAndFocused();

  private:
    WindowFixture fx;
};

void TestNumberBoxes::typedAndPasted_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");   // what "7.25x" gives under pt_BR
    QTest::addColumn<QString>("pasted");  // what pasting "1.5a" gives

    const QString decimal = QStringLiteral("7,25"), whole = QStringLiteral("725");
    const QString decimalPaste = QStringLiteral("1,5"), wholePaste = QStringLiteral("15");
    const struct {
        const char* window;
        std::vector<const char*> boxes;
        bool whole;
    } groups[] = {
        {"formAnalise", {"edInflacao", "edPeriodoAumento", "edPeriodoAnalise", "edTMA"}, false},
        {"formVolumeInfAnalise", {"EdVolAnalise"}, false},
        {"formTarifasAgua", {"edVol1", "edVol2", "edCusto", "edTarEsgoto", "edImpFixo", "edImpVar"}, false},
        {"formCustoReservatorios",
         {"edCustoInf", "edCustoSup", "edCustoMaoObra", "edCustoTubulacoes", "edCustoAcessorios"},
         false},
        {"formCustoMotobomba",
         {"edPotencia", "edRendimento", "edVazao", "edTempoPartida", "edCusto", "edTarifaEn", "edImpFixo",
          "edImpVar"},
         false},
        {"formCustoManutencao", {"edCoefLinear", "edCoefAng"}, false},
        {"formCustoManutencao", {"edMeses"}, true},
        {"formEditCustoManutencao", {"edCoefLinear", "edCoefAng"}, false},
        {"formEditCustoManutencao", {"edMeses"}, true},
        {"formResSup", {"ed_reservatorio_sup", "edResSupRec", "edPercResSupRec"}, false},
        {"formDemanda", {"EdPeriodo"}, true},
        {"formMain", {"EdIntervaloVols", "EdDiferenca"}, false},
        {"formCenariosDados", {"edValor"}, false},
        {"formCenariosDadosResInf", {"EdVolMaximo", "EdIntervaloVols", "EdDiferenca"}, false},
        {"formDadosPrec", {"edDescartPrec"}, false},
    };
    for (const auto& g : groups) {
        for (const char* box : g.boxes) {
            QTest::addRow("%s.%s", g.window, box)
                << QString::fromLatin1(g.window) << QString::fromLatin1(box) << (g.whole ? whole : decimal)
                << (g.whole ? wholePaste : decimalPaste);
        }
    }
}

void TestNumberBoxes::typedAndPasted() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    fx.start("pt_BR");
    QWidget* w = ::window(window);
    QVERIFY(w);
    auto* edit = w->findChild<QLineEdit*>(box);
    QVERIFY(edit);
    edit->setEnabled(true);
    edit->setVisible(true);
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("7.25x"));
    QCOMPARE(edit->text(), typed);

    edit->clear();
    QApplication::clipboard()->setText(QStringLiteral("1.5a"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), pasted);
}

void TestNumberBoxes::refusedBoxIsNamedAndFocused_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    QTest::newRow("band volume") << "edVol1"
                                 << "Volume (m³): ',' não é um número válido.";
    QTest::newRow("band cost") << "edCusto"
                               << "Custo da faixa (R$): ',' não é um número válido.";
    QTest::newRow("periodicity") << "edMeses"
                                 << "Periodicidade (meses): '' não é um número inteiro válido.";
    QTest::newRow("cost beyond money")
        << "edCoefLinear"
        << "Custo (R$): '99999999999999999999' não é um valor monetário válido.";
}

// "Adicionar" of the tariff and operating cost windows names the box that does not read and
// puts the focus there; nothing is added.
void TestNumberBoxes::refusedBoxIsNamedAndFocused() {
    QFETCH(QString, box);
    QFETCH(QString, message);
    fx.start("pt_BR");
    fx.ui.expectMessage(QStringLiteral("Vespra 4"), message);
    if (box.startsWith(QStringLiteral("edVol")) || box == QStringLiteral("edCusto")) {
        TformTarifasAgua& t = *formTarifasAgua;
        t.show();
        t.edVol1->setText(QStringLiteral("10"));
        t.edCusto->setText(QStringLiteral("20"));
        t.findChild<QLineEdit*>(box)->setText(QStringLiteral(","));
        t.BTAdicionar->click();
        QVERIFY(t.campos().vecTarifas.empty());
        QCOMPARE(t.focusWidget(), t.findChild<QWidget*>(box));
        return;
    }
    TformCustoManutencao& m = *formCustoManutencao;
    m.show();
    m.edNomeManutencao->setText(QStringLiteral("Limpeza"));
    m.edMeses->setText(box == QStringLiteral("edMeses") ? QString() : QStringLiteral("6"));
    m.RGTipoCusto->setItemIndex(0);
    m.edCoefLinear->setText(box == QStringLiteral("edCoefLinear") ? QStringLiteral("99999999999999999999")
                                                                  : QStringLiteral("50"));
    m.BTAdicionar->click();
    QVERIFY(m.vecManutencao.empty());
    QCOMPARE(m.focusWidget(), m.findChild<QWidget*>(box));
}

QTEST_MAIN(TestNumberBoxes)
#include "test_number_boxes.moc"
