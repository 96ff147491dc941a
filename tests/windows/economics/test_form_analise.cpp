// The analysis window: its opening state, "Calcular" with and without an upper reservoir and
// its three result lines, the refusals, the cost buttons, "Modificar volume" and clearing.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/radio_group.h"
#include "economics/analysis.h"
#include "tests/windows/econ_fixture.h"
#include "tests/windows/window_fixture.h"
#include "windows/economics/form_analise.h"
#include "windows/economics/form_custo_manutencao.h"
#include "windows/economics/form_custo_motobomba.h"
#include "windows/economics/form_custo_reservatorios.h"
#include "windows/economics/form_economia_agua.h"
#include "windows/economics/form_tarifas_agua.h"
#include "windows/economics/form_volume_inf_analise.h"

namespace {

TformAnalise& a() {
    return *formAnalise;
}

QStringList resultLines() {
    return {a().Label3->text(), a().Label4->text(), a().Label5->text()};
}

// The lines the analysis of what the windows hold gives.
QStringList expectedLines(bool resSup) {
    TResultadoAnalise r;
    try {
        r = Calcular(a().dados(), resSup, *a().simAnalise, appLocale());
    } catch (const std::exception& e) {
        return {QString::fromUtf8(e.what())};
    }
    return {fromUtf8(TextoVPL(r.curVPL, appLocale())), fromUtf8(TextoTempoRetorno(r.intTempoRetorno)),
            fromUtf8(TextoTIR(r.dblTIR, appLocale()))};
}

}  // namespace

class TestAnalise : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }

    void opensEmptyAndShort();
    void costButtonsFollowThePeriod();
    void calcular_data();
    void calcular();
    void calcularWithoutPumpOpensThePumpWindow();
    void periodAboveFiftyYears();
    void calcularBuildsTheWorkingSimulation();
    void pumpCostWithoutUpperReservoir();
    void modificarVolume_data();
    void modificarVolume();
    void limparAnalise();
    void placedBesideTheMainWindow();

  private:
    WindowFixture fx;
};

void TestAnalise::opensEmptyAndShort() {
    fx.start("pt_BR");
    QCOMPARE(a().windowTitle(), QStringLiteral("Análise Econômica"));
    QCOMPARE(a().height(), 475);
    QVERIFY(a().BTConsumosEconomias->isHidden());
    QVERIFY(a().BTCustosEconomia->isHidden());
    QCOMPARE(a().CBMesIn->count(), 12);
    QCOMPARE(a().CBMesIn->currentText(), QStringLiteral("Jan"));
    QCOMPARE(a().CBMesIn->itemText(9), QStringLiteral("Out"));
    QCOMPARE(a().Label7->text(), QStringLiteral("Reajuste das tarifas de água e energia elétrica (meses)"));
    QCOMPARE(a().edTMA->accessibleName(), QStringLiteral("Taxa mínima de atratividade (% ao mês)"));
    QCOMPARE(a().BTCustosIniciais->text(), QStringLiteral("Reservatorios / Tubulações / Mão de obra"));
    QCOMPARE(a().BTCustoManutencao->text(), QStringLiteral("Manutenção / Tratamento de água / Outros"));
    // The result lines and the clear button lie below the first height.
    QVERIFY(a().Label3->y() >= 475 && a().BTLimpar->y() >= 475);
    QVERIFY(a().BTLimpar->geometry().bottom() < 580);
    QVERIFY(!a().hasSimAnalise());
    // The settings take digits and one decimal separator only.
    a().show();
    QTest::keyClicks(a().edInflacao, QStringLiteral("-0,5,a"));
    QCOMPARE(a().edInflacao->text(), QStringLiteral("0,5"));
}

void TestAnalise::costButtonsFollowThePeriod() {
    fx.start("pt_BR");
    QVERIFY(!a().BTCustosIniciais->isEnabled());
    a().edPeriodoAnalise->setText(QStringLiteral("2"));
    QVERIFY(a().BTCustosIniciais->isEnabled() && a().BTCustoMotobomba->isEnabled());
    a().edPeriodoAnalise->clear();
    QVERIFY(!a().BTCustoManutencao->isEnabled());
}

void TestAnalise::calcular_data() {
    QTest::addColumn<bool>("resSup");
    QTest::newRow("lower reservoir only") << false;
    QTest::newRow("with an upper reservoir and its pump") << true;
}

void TestAnalise::calcular() {
    QFETCH(bool, resSup);
    fx.start("pt_BR");
    econtest::startAnalysis(resSup);
    econtest::tariffs();
    econtest::settings(QStringLiteral("10"));
    formCustoReservatorios->edCustoInf->setText(QStringLiteral("1500,50"));
    formCustoReservatorios->edCustoSup->setText(QStringLiteral("300"));
    econtest::pump();
    a().BTCalcular->click();

    const QStringList lines = resultLines();
    QCOMPARE(lines, expectedLines(resSup));
    QVERIFY(lines[0].startsWith(QStringLiteral("Valor presente líquido: R$ ")));
    QVERIFY(lines[2].startsWith(QStringLiteral("Taxa interna de retorno")));
    QCOMPARE(a().height(), 580);
    QVERIFY(!a().BTCustosEconomia->isHidden());
    QVERIFY(!a().BTConsumosEconomias->isHidden());
    QCOMPARE(formEconomiaAgua->NextGrid1->rowCount(), 12);
    QCOMPARE(a().estado.nroPeriodos, 120);

    // Month 0 holds the initial costs, and with an upper reservoir its cost and the pump's.
    QStringList month0;
    for (const TCusto& c : a().estado.vecPeriodos[0].Custo) month0 << fromUtf8(c.Nome);
    QStringList expected{QStringLiteral("Reservatório inferior")};
    if (resSup) expected << QStringLiteral("Reservatório superior") << QStringLiteral("Custo motobomba(s)");
    QCOMPARE(month0, expected);
    const bool chargesEnergy = !a().estado.vecPeriodos[1].Custo.empty();
    QCOMPARE(chargesEnergy, resSup);
}

void TestAnalise::calcularWithoutPumpOpensThePumpWindow() {
    fx.start("pt_BR");
    econtest::startAnalysis(true);
    econtest::tariffs();
    econtest::settings(QStringLiteral("10"));
    a().Label3->setText(QStringLiteral("anterior"));
    fx.ui.expectMessage(QStringLiteral("Erro"),
                        QStringLiteral("Há um ou mais dados não preenchidos sobre a motobomba."),
                        MsgIcon::Error);
    fx.ui.expectModal(QStringLiteral("formCustoMotobomba"), [](QDialog*) { return int(QDialog::Rejected); });
    a().BTCalcular->click();
    QCOMPARE(a().Label3->text(), QStringLiteral("anterior"));
    QCOMPARE(a().height(), 475);
    QVERIFY(a().BTCustosEconomia->isHidden());
}

void TestAnalise::periodAboveFiftyYears() {
    fx.start("pt_BR");
    econtest::startAnalysis(false);
    econtest::tariffs();
    econtest::settings(QStringLiteral("50,5"));
    a().show();
    fx.ui.expectMessage(QStringLiteral("Erro"), QStringLiteral("O período máximo de análise é de 50 anos."),
                        MsgIcon::Error);
    a().BTCalcular->click();
    QVERIFY(a().edPeriodoAnalise->text().isEmpty());
    QCOMPARE(a().height(), 475);

    // Exactly 50 years is accepted: 600 months.
    a().edPeriodoAnalise->setText(QStringLiteral("50"));
    a().BTCalcular->click();
    QCOMPARE(a().estado.nroPeriodos, 600);
}

void TestAnalise::calcularBuildsTheWorkingSimulation() {
    fx.start("pt_BR");
    econtest::household(false);
    a().defineVolume(QStringLiteral("5000"));
    econtest::tariffs();
    econtest::settings(QStringLiteral("2"));
    QVERIFY(!a().hasSimAnalise());
    a().BTCalcular->click();
    QVERIFY(a().hasSimAnalise());
    QCOMPARE(a().simAnalise->dblResInf, 5000.0);
    QCOMPARE(a().estado.nroPeriodos, 24);
    QCOMPARE(resultLines(), expectedLines(false));
}

void TestAnalise::pumpCostWithoutUpperReservoir() {
    fx.start("pt_BR");
    econtest::household(false);
    a().edPeriodoAnalise->setText(QStringLiteral("1"));
    fx.ui.expectMessage(QStringLiteral("Custo"),
                        QStringLiteral("Este custo não se aplica, pois a simulação não está considerando a "
                                       "utilização de um reservatório superior"),
                        MsgIcon::Information);
    a().BTCustoMotobomba->click();

    econtest::household(true);
    fx.ui.expectModal(QStringLiteral("formCustoMotobomba"), [](QDialog*) { return int(QDialog::Rejected); });
    a().BTCustoMotobomba->click();
    fx.ui.expectModal(QStringLiteral("formCustoReservatorios"),
                      [](QDialog*) { return int(QDialog::Accepted); });
    a().BTCustosIniciais->click();
    fx.ui.expectModal(QStringLiteral("formCustoManutencao"), [](QDialog*) { return int(QDialog::Accepted); });
    a().BTCustoManutencao->click();
}

void TestAnalise::modificarVolume_data() {
    QTest::addColumn<QString>("volume");
    QTest::addColumn<bool>("resimulated");
    QTest::newRow("same volume") << "5000" << false;
    QTest::newRow("another volume") << "8000" << true;
}

void TestAnalise::modificarVolume() {
    QFETCH(QString, volume);
    QFETCH(bool, resimulated);
    fx.start("pt_BR");
    econtest::startAnalysis(false);
    const double before = a().simAnalise->dblEconPot;
    a().simAnalise->dblEconPot = -1;  // marks whether the simulation ran again
    fx.ui.expectModal(QStringLiteral("formVolumeInfAnalise"), [&](QDialog*) {
        formVolumeInfAnalise->EdVolAnalise->setText(volume);
        formVolumeInfAnalise->BTConcluir->click();
        return int(QDialog::Accepted);
    });
    a().BTModificarVol->click();
    QCOMPARE(a().Label10->text(), volume);
    QCOMPARE(a().Label11->x(), a().Label10->geometry().right() + 1 + 5);
    QCOMPARE(a().simAnalise->dblResInf, volume.toDouble());
    QCOMPARE(a().simAnalise->dblEconPot != -1, resimulated);
    if (resimulated) QVERIFY(a().simAnalise->dblEconPot >= before);
}

void TestAnalise::limparAnalise() {
    fx.start("pt_BR");
    econtest::startAnalysis(true);
    econtest::tariffs();
    econtest::settings(QStringLiteral("2"), 3);
    econtest::pump();
    formCustoReservatorios->edCustoInf->setText(QStringLiteral("1000"));
    formCustoManutencao->edNomeManutencao->setText(QStringLiteral("Limpeza"));
    formCustoManutencao->edMeses->setText(QStringLiteral("6"));
    formCustoManutencao->RGTipoCusto->setItemIndex(0);
    formCustoManutencao->edCoefLinear->setText(QStringLiteral("50"));
    formCustoManutencao->BTAdicionar->click();
    a().BTCalcular->click();
    const QStringList lines = resultLines();
    QCOMPARE(a().height(), 580);

    fx.ui.expectMessage(
        QStringLiteral("Limpar dados"),
        QStringLiteral("Você tem certeza de que deseja limpar TODOS os dados da análise econômica?"),
        MsgIcon::Question, MsgResult::No);
    a().BTLimpar->click();
    QVERIFY(a().hasSimAnalise());

    fx.ui.expectMessage(
        QStringLiteral("Limpar dados"),
        QStringLiteral("Você tem certeza de que deseja limpar TODOS os dados da análise econômica?"),
        MsgIcon::Question, MsgResult::Yes);
    a().BTLimpar->click();
    QVERIFY(!a().hasSimAnalise());
    QCOMPARE(a().height(), 475);
    QVERIFY(a().BTCustosEconomia->isHidden() && a().BTConsumosEconomias->isHidden());
    for (QLineEdit* e : {a().edInflacao, a().edPeriodoAumento, a().edPeriodoAnalise, a().edTMA})
        QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
    QVERIFY(formTarifasAgua->estado.vecTarifas.empty());
    QCOMPARE(formEconomiaAgua->NextGrid1->rowCount(), 0);
    QVERIFY(formCustoReservatorios->edCustoInf->text().isEmpty());
    QVERIFY(formCustoMotobomba->edPotencia->text().isEmpty());
    QCOMPARE(formCustoMotobomba->CBPotUnid->currentIndex(), -1);
    QVERIFY(formCustoManutencao->vecManutencao.empty());
    QVERIFY(formCustoManutencao->NxGManut->isHidden() && formCustoManutencao->width() < 712);  // narrow again
    QVERIFY(a().estado.vecPeriodos.empty());
    // Kept: the month of installation, the volume and the result lines (out of sight).
    QCOMPARE(a().CBMesIn->currentIndex(), 3);
    QCOMPARE(a().Label10->text(), QStringLiteral("5000"));
    QCOMPARE(resultLines(), lines);
}

void TestAnalise::placedBesideTheMainWindow() {
    fx.start("pt_BR");
    formMain->resize(700, 500);
    a().show();
    QCOMPARE(a().pos(), QPoint(formMain->width(), 0));
}

QTEST_MAIN(TestAnalise)
#include "test_form_analise.moc"
