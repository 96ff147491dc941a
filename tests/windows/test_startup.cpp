// Start-up of the program: the 26 windows in their order with their captions, only the main
// window shown, the main window alone keeping the program alive; the information dialogs;
// the accessibility of every window's input controls.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "tests/windows/window_fixture.h"
#include "windows/app_windows.h"
#include "windows/main/form_citacao.h"
#include "windows/main/form_importacao.h"
#include "windows/main/form_main.h"
#include "windows/main/form_res_sup.h"
#include "windows/main/form_sobre.h"
#include "windows/main/form_validacao.h"

namespace {

struct StartWindow {
    const char* global;
    const char* className;
    const char* caption;
};

// In the order of creation.
const StartWindow kWindows[] = {
    {"formMain", "TformMain", "Vespra 4"},
    {"formAnalise", "TformAnalise", "Análise Econômica"},
    {"formTarifasAgua", "TformTarifasAgua", "Tarifas de água e esgoto"},
    {"formCustoMotobomba", "TformCustoMotobomba", "Motobomba"},
    {"formCustoReservatorios", "TformCustoReservatorios", "Custos iniciais"},
    {"formCustoManutencao", "TformCustoManutencao", "Outros custos operacionais"},
    {"formCustosEconomias", "TformCustosEconomias", "Custos e Economias"},
    {"formValidacao", "TformValidacao", "Validação"},
    {"formCitacao", "TformCitacao", "Citação"},
    {"formDemanda", "TformDemanda", "Demanda variável"},
    {"formGrafico", "TformGrafico", "Simulação para reservatórios com diversos volumes "},
    {"formGraficoDados", "TformGraficoDados", "Planilha de dados"},
    {"formGraficoProps", "TformGraficoProps", "Propriedades do gráfico"},
    {"formSobre", "TformSobre", "Sobre"},
    {"formGraficoVextravasado", "TformGraficoVextravasado", "Volume extravasado"},
    {"formVolumeInfAnalise", "TformVolumeInfAnalise", "Reservatório inferior"},
    {"formEconomiaAgua", "TformEconomiaAgua", "Estimativas iniciais de consumos e economias mensais de água"},
    {"formEditCustoManutencao", "TformEditCustoManutencao", "Custo de Manutenção"},
    {"formCenariosDados", "TformCenariosDados", nullptr},  // each use names it after its parameter
    {"formSimCenarios", "TformSimCenarios", "Simulação de Cenários"},
    {"formCenariosDadosResInf", "TformCenariosDadosResInf", "Dados reservatório inferior"},
    {"formDadosPrec", "TformDadosPrec", "Dados de precipitação"},
    {"formSimCenariosGrafico", "TformSimCenariosGrafico", "Simulação de cenários - Gráfico"},
    {"formResultSimMensal", "TformResultSimMensal", "Resultado mensal da simulação"},
    {"formSimCenariosGrid", "TformSimCenariosGrid", "Simulação de cenários - Resultado"},
    {"formResSup", "TformResSup", "Reservatório superior"},
    {"formImportacao", "TformImportacao", "Importar arquivo de estação"},
};

QString accessibleName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }

    void windowsInOrder();
    void onlyMainWindowShown();
    void closingMainWindowEndsProgram();
    void controlsAreNamedAndLabelled();
    void helpMessage();
    void citationCopies();
    void aboutAndValidation();

  private:
    WindowFixture fx;
};

void TestStartup::windowsInOrder() {
    fx.start("pt_BR");
    const std::vector<QWidget*>& windows = createdWindows();
    QCOMPARE(windows.size(), std::size(kWindows));
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const StartWindow& expected = kWindows[i];
        QWidget* w = windows[i];
        QVERIFY(w);
        QCOMPARE(w->objectName(), QString::fromLatin1(expected.global));
        QCOMPARE(w->metaObject()->className(), expected.className);
        if (expected.caption) QCOMPARE(w->windowTitle(), QString::fromUtf8(expected.caption));
        QVERIFY2(w->isWindow(), expected.global);
    }
    QCOMPARE(windows.front(), static_cast<QWidget*>(formMain));
    QCOMPARE(windows.back(), static_cast<QWidget*>(formImportacao));
    QCOMPARE(windows[8], static_cast<QWidget*>(formCitacao));

    destroyWindows();
    QVERIFY(createdWindows().empty());
    QVERIFY(formMain == nullptr && formResSup == nullptr && formCitacao == nullptr);
}

void TestStartup::onlyMainWindowShown() {
    fx.start("en_US");
    formMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(formMain));
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QCOMPARE(w->isVisible(), w == formMain);
    }
}

void TestStartup::closingMainWindowEndsProgram() {
    fx.start("pt_BR");
    formMain->show();
    formCitacao->show();  // a window that does not block the main one
    QVERIFY(QTest::qWaitForWindowExposed(formCitacao));
    // The program's event loop ends when the main window closes, the citation still open.
    QTimer::singleShot(0, formMain, [] { formMain->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

void TestStartup::controlsAreNamedAndLabelled() {
    fx.start("pt_BR");
    for (QWidget* window : createdWindows()) {
        const QString where = window->objectName();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (qobject_cast<QComboBox*>(w->parentWidget())) continue;  // a list's own edit box
            const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                               qobject_cast<QComboBox*>(w) || qobject_cast<QTableWidget*>(w);
            if (input) {
                QVERIFY2(!w->objectName().isEmpty(),
                         qPrintable(where + QStringLiteral(": unnamed ") +
                                    QString::fromLatin1(w->metaObject()->className())));
                QVERIFY2(!accessibleName(w).isEmpty(), qPrintable(where + QLatin1Char('.') + w->objectName() +
                                                                  QStringLiteral(" has no label")));
            }
            // (Qt's own parts, such as an item view's corner button, are not the program's.)
            if (auto* b = qobject_cast<QAbstractButton*>(w);
                b && !b->objectName().startsWith(QStringLiteral("qt_")) &&
                !qobject_cast<QAbstractItemView*>(b->parentWidget())) {
                QVERIFY2(!accessibleName(b).isEmpty(),
                         qPrintable(where + QLatin1Char('.') + b->objectName() + QStringLiteral(" (") +
                                    QString::fromLatin1(b->metaObject()->className()) +
                                    QStringLiteral(") has no caption")));
            }
        }
    }
}

void TestStartup::helpMessage() {
    fx.start("pt_BR");
    fx.ui.expectMessageContaining(QStringLiteral("Manual Vespra 4"), QStringLiteral("docs/guia/README.md"));
    exibeAjuda(formMain);
    QCOMPARE(fx.ui.shown().back().icon, MsgIcon::Information);
}

void TestStartup::citationCopies() {
    fx.start("pt_BR");
    FIND_CONTROL(label, QLabel, formCitacao, "Label1");
    QCOMPARE(label->text(),
             QStringLiteral("Ao utilizar e mencionar o programa Vespra em publicações, solicitamos a "
                            "citação da seguinte forma:"));
    FIND_CONTROL(memo, QPlainTextEdit, formCitacao, "Memo1");
    FIND_CONTROL(edit, QLineEdit, formCitacao, "Edit1");
    FIND_CONTROL(copy, QPushButton, formCitacao, "Button1");
    FIND_CONTROL(ok, QPushButton, formCitacao, "Button2");
    QCOMPARE(copy->text(), QStringLiteral("Copiar"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(memo->isReadOnly());
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(QStringLiteral("EQUIPE VESPRA. Vespra 4. Programa computacional.")));
    QVERIFY(lines[1].startsWith(QStringLiteral("Disponível em: docs/VALIDATION.md")));
    QCOMPARE(edit->text(), lines.join(QLatin1Char(' ')));
    QVERIFY(edit->isHidden());

    formCitacao->show();
    for (int i = 0; i < 2; ++i) {
        QApplication::clipboard()->setText(QStringLiteral("outro texto"));
        fx.ui.expectMessage(QStringLiteral("Citação copiada"),
                            QStringLiteral("Citação copiada para a área de transferência"),
                            MsgIcon::Information);
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), edit->text());
        QVERIFY(formCitacao->isVisible());
    }
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!formCitacao->isVisible());
    QCOMPARE(memo->toPlainText(), lines.join(QLatin1Char('\n')));  // kept for the next showing
}

void TestStartup::aboutAndValidation() {
    fx.start("pt_BR");
    FIND_CONTROL(label1, QLabel, formSobre, "Label1");
    QCOMPARE(label1->text(), QStringLiteral("O programa Vespra 4 foi desenvolvido por:"));
    QVERIFY(formSobre->Label2->font().bold());
    QCOMPARE(formSobre->Label2->text(), QStringLiteral("Equipe Vespra"));
    QVERIFY(!formSobre->Label4->font().bold());
    FIND_CONTROL(okSobre, QPushButton, formSobre, "Button1");
    QCOMPARE(okSobre->text(), QStringLiteral("OK"));
    formSobre->show();
    QTest::mouseClick(okSobre, Qt::LeftButton);
    QVERIFY(!formSobre->isVisible());

    FIND_CONTROL(memo, QPlainTextEdit, formValidacao, "Memo1");
    QVERIFY(memo->isReadOnly());
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[2].isEmpty());
    QVERIFY(lines[4].startsWith(QStringLiteral("docs/VALIDATION.md")));
    FIND_CONTROL(okVal, QPushButton, formValidacao, "Button1");
    formValidacao->show();
    QTest::mouseClick(okVal, Qt::LeftButton);
    QVERIFY(!formValidacao->isVisible());

    // The program points to a document it ships, and names no web or e-mail address.
    QVERIFY(QFile::exists(QStringLiteral(VESPRA_SOURCE_DIR "/docs/VALIDATION.md")));
    const QString all = memo->toPlainText() + formCitacao->Edit1->text() + formSobre->Label2->text() +
                        formSobre->Label3->text() + formSobre->Label4->text();
    QVERIFY(!all.contains(QLatin1Char('@')));
    QVERIFY(!all.contains(QStringLiteral("http")));
    QVERIFY(!all.contains(QStringLiteral("www.")));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
