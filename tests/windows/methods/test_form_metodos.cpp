// The sizing methods' window on the hand-computable record of tests/support/sizing_record.h:
// reached from the main window once a simulation has run, "Calcular" paints the engine's table,
// "Exportar" writes it as the other exports do, and a wrong parameter is named in its message.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/data_grid.h"
#include "engine/sizing_methods.h"
#include "tests/support/sizing_record.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/planted_rows.h"
#include "tests/windows/window_fixture.h"
#include "windows/main/form_main.h"
#include "windows/methods/form_metodos.h"
#include "windows/methods/methods_links.h"

class TestFormMetodos : public QObject {
    Q_OBJECT
    WindowFixture fx;

  private slots:
    void cleanup() {
        setLastMethodParameters({});
        fx.finish();
    }
    void reachedFromTheMainWindowAfterARun();
    void calcularFillsTheTable();
    void exportWritesTheTable();
    void failedExportKeepsTheOldFile_data() { addPlantedFailureRows(); }
    void failedExportKeepsTheOldFile();
    void wrongParameterIsNamed();
};

void TestFormMetodos::reachedFromTheMainWindowAfterARun() {
    fx.start("pt_BR");
    QVERIFY(!formMain->MenuMetodos->isEnabled());
    TempDir dir;
    const std::string path = dir.file("metodos.csv");
    sizingrec::record()->saveSim(path, {}, LocaleSettings::ptBR());
    formMain->loadSimulation(QString::fromStdString(path));
    QVERIFY(formMain->MenuMetodos->isEnabled());
    QString rippl;
    fx.ui.expectModal(QStringLiteral("formMetodos"), [&rippl](QDialog* d) {
        auto* w = static_cast<TformMetodos*>(d);
        w->BTCalcular->click();
        rippl = w->NxGrMetodos->cellText(1, 0);
        return int(QDialog::Accepted);
    });
    formMain->MenuMetodos->trigger();
    QCOMPARE(rippl, QStringLiteral("1065"));
    formMain->LimparCampos();
    QVERIFY(!formMain->MenuMetodos->isEnabled());
}

void TestFormMetodos::calcularFillsTheTable() {
    fx.start("pt_BR");
    auto set = sizingrec::record();
    TformMetodos w;
    w.DefineSimCurrent(set->base());
    QCOMPARE(w.EdMesesSecos->text(), QString());
    QCOMPARE(w.EdInterceptacao->text(), QStringLiteral("2"));
    QCOMPARE(w.EdConfianca->text(), QStringLiteral("90"));
    QVERIFY(!w.BTExportar->isEnabled());
    w.EdConfianca->setText(QStringLiteral("100"));
    w.BTCalcular->click();
    QCOMPARE(w.LabelPrecAnual->text(), QStringLiteral("P (mm/ano): 360"));
    QCOMPARE(w.LabelMesesSecosCalc->text(), QStringLiteral("T (meses secos): 6"));
    QCOMPARE(w.NxGrMetodos->rowCount(), 6);
    const QString expected[][2] = {{"Rippl (diário)", "1065"}, {"Rippl (mensal)", "920"},
                                   {"Azevedo Neto", "907,2"},  {"Prático alemão", "109,5"},
                                   {"Prático inglês", "180"},  {"Prático australiano", "1000"}};
    for (int r = 0; r < 6; ++r) {
        QCOMPARE(w.NxGrMetodos->cellText(0, r), expected[r][0]);
        QCOMPARE(w.NxGrMetodos->cellText(1, r), expected[r][1]);
    }
    // The figures are the engine's, painted as the table gives them.
    ParametrosMetodos p;
    p.confianca = 100;
    const auto table = tabelaMetodos(calculaMetodos(set->base(), p), appLocale());
    for (int c = 2; c < 6; ++c) QCOMPARE(w.NxGrMetodos->cellText(c, 0), QString::fromStdString(table[1][c]));
    QVERIFY(w.BTExportar->isEnabled());
    // A method that does not apply shows its reason in words.
    auto shortSet = sizingrec::record(200);
    w.DefineSimCurrent(shortSet->base());
    w.BTCalcular->click();
    QCOMPARE(w.NxGrMetodos->cellText(1, 1), QString::fromStdString(motivoTexto(MotivoMetodo::Meses)));
    QCOMPARE(w.LabelPrecAnual->text(), QStringLiteral("P (mm/ano): não se aplica"));
    // The parameters calculated with open the next window.
    TformMetodos next;
    QCOMPARE(next.EdConfianca->text(), QStringLiteral("100"));
}

void TestFormMetodos::exportWritesTheTable() {
    fx.start("pt_BR");
    auto set = sizingrec::record();
    TformMetodos w;
    w.DefineSimCurrent(set->base());
    w.BTCalcular->click();
    TempDir dir;
    const std::string path = dir.file("metodos.csv");
    fx.ui.expectSaveFile(QString::fromStdString(path));
    w.BTExportar->click();
    QCOMPARE(fx.ui.shown().back().text, QStringLiteral("Arquivo CSV|*.csv"));
    std::string expected;
    for (const auto& line : linhasMetodos(*w.resultado, LocaleSettings::ptBR())) expected += line + "\r\n";
    QCOMPARE(QByteArray::fromStdString(TempDir::read(path)),
             QByteArray::fromStdString(utf8ToCp1252(expected)));
    QVERIFY(expected.find("Método;Volume (litros)") != std::string::npos);
}

void TestFormMetodos::failedExportKeepsTheOldFile() {
    const PlantedFailure& failure = plantedFailure();
    fx.start("pt_BR");
    auto set = sizingrec::record();
    TformMetodos w;
    w.DefineSimCurrent(set->base());
    w.BTCalcular->click();
    TempDir dir;
    const std::string path = plantFailure(dir, failure.obstacle, "metodos.csv");
    const auto before = snapshot(dir.file(""));
    fx.ui.expectSaveFile(QString::fromStdString(path));
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QString::fromStdString(path));
    {
        FullDiskWhile full(failure.obstacle == Obstacle::FullDisk);
        w.BTExportarClick();
    }
    verifyRefusedWrite(fx.ui, failure, path, dir, before);
}

void TestFormMetodos::wrongParameterIsNamed() {
    fx.start("pt_BR");
    auto set = sizingrec::record();
    TformMetodos w;
    w.DefineSimCurrent(set->base());
    w.EdMesesSecos->setText(QStringLiteral("13"));
    fx.ui.expectMessage(QStringLiteral("Erro"),
                        QStringLiteral("Meses secos (T): informe um número inteiro de meses de 0 a 12."));
    w.BTCalcular->click();
    QVERIFY(!w.resultado);
    w.EdMesesSecos->clear();
    w.EdConfianca->setText(QStringLiteral("0"));
    fx.ui.expectMessage(QStringLiteral("Erro"),
                        QStringLiteral("Confiança (%): informe um valor maior que 0 e no máximo 100."));
    w.BTCalcular->click();
    w.EdConfianca->setText(QString());
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QStringLiteral("Confiança (%)"));
    w.BTCalcular->click();
    QVERIFY(!w.resultado);
}

QTEST_MAIN(TestFormMetodos)
#include "test_form_metodos.moc"
