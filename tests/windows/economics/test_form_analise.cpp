// The analysis window: its opening state, "Calcular" with and without an upper reservoir and
// its three result lines, the refusals, the cost buttons, "Modificar volume" and clearing.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/number_texts.h"
#include "components/radio_group.h"
#include "economics/analysis.h"
#include "economics/tables.h"
#include "tests/windows/econ_fixture.h"
#include "tests/windows/window_fixture.h"
#include "windows/economics/form_analise.h"
#include "windows/economics/form_custo_manutencao.h"
#include "windows/economics/form_custo_motobomba.h"
#include "windows/economics/form_custo_reservatorios.h"
#include "windows/economics/form_custos_economias.h"
#include "windows/economics/form_economia_agua.h"
#include "windows/economics/form_tarifas_agua.h"
#include "windows/economics/form_volume_inf_analise.h"
#include "windows/main/main_links.h"

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

// The state's result field by field against the analysis of the same inputs.
void compareResults(const TResultadoAnalise& got, const TResultadoAnalise& want) {
    QCOMPARE(got.nroPeriodos, want.nroPeriodos);
    QCOMPARE(got.vecEconomias, want.vecEconomias);
    QCOMPARE(got.vecCustos, want.vecCustos);
    QCOMPARE(got.curVPL, want.curVPL);
    QCOMPARE(got.intTempoRetorno, want.intTempoRetorno);
    QCOMPARE(got.dblTIR, want.dblTIR);
    QCOMPARE(got.contas.vecContaComPluv, want.contas.vecContaComPluv);
}

// An analysis of two years with an initial cost, started at 5000 litres and calculated.
void calculated() {
    econtest::startAnalysis(false);
    econtest::tariffs();
    econtest::settings(QStringLiteral("2"));
    formCustoReservatorios->edCustoInf->setText(QStringLiteral("1500"));
    a().BTCalcular->click();
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
    void volumeUnderAnalysis_data();
    void volumeUnderAnalysis();
    void stateHoldsTheLastResult();
    void recomputeFollowsTheNewRun();
    void resultClearedWhenAnInputChanges_data();
    void resultClearedWhenAnInputChanges();
    void pumpAskedOnlyByCalcular();
    void enterCalculates();
    void refusedBoxOfAnotherWindowOpensIt_data();
    void refusedBoxOfAnotherWindowOpensIt();

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
    QVERIFY(a().estado.resultado);
    QCOMPARE(a().estado.resultado->nroPeriodos, 120);

    // Month 0 holds the initial costs, and with an upper reservoir its cost and the pump's.
    QStringList month0;
    for (const TCusto& c : a().estado.resultado->vecPeriodos[0].Custo) month0 << fromUtf8(c.Nome);
    QStringList expected{QStringLiteral("Reservatório inferior")};
    if (resSup) expected << QStringLiteral("Reservatório superior") << QStringLiteral("Custo motobomba(s)");
    QCOMPARE(month0, expected);
    const bool chargesEnergy = !a().estado.resultado->vecPeriodos[1].Custo.empty();
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
    QVERIFY(a().estado.resultado);
    QCOMPARE(a().estado.resultado->nroPeriodos, 600);
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
    QVERIFY(a().estado.resultado);
    QCOMPARE(a().estado.resultado->nroPeriodos, 24);
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
    QVERIFY(!a().estado.resultado);
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

void TestAnalise::volumeUnderAnalysis_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<double>("litres");
    QTest::newRow("whole litres") << "8000" << true << 8000.0;
    QTest::newRow("decimal comma") << "2500,5" << true << 2500.5;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("not a number") << "12a" << false << 0.0;
}

// The volume a user gives is kept as typed and as a number, and the number is what
// "Modificar volume" simulates; a text that does not read is named with its box, which keeps
// the focus, and the analysis keeps its volume.
void TestAnalise::volumeUnderAnalysis() {
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QFETCH(double, litres);
    fx.start("pt_BR");
    econtest::startAnalysis(false);
    const std::string before = a().estado.strVolume;
    bool open = false, focused = false;
    fx.ui.expectModal(QStringLiteral("formVolumeInfAnalise"), [&](QDialog* d) {
        d->show();
        focused = QTest::qWaitForWindowExposed(d);
        formVolumeInfAnalise->EdVolAnalise->setText(text);
        if (!reads)
            fx.ui.expectMessageContaining(
                QStringLiteral("Vespra 4"),
                formVolumeInfAnalise->EdVolAnalise->accessibleName() + ": '" + text + "'");
        formVolumeInfAnalise->BTConcluirClick();
        open = d->isVisible();
        focused = focused && (reads || formVolumeInfAnalise->EdVolAnalise->hasFocus());
        return reads ? d->result() : int(QDialog::Rejected);
    });
    a().BTModificarVol->click();
    QCOMPARE(open, !reads);
    QVERIFY(focused);
    const std::string kept = reads ? toUtf8(text) : before;
    QCOMPARE(a().estado.strVolume, kept);
    QCOMPARE(a().Label10->text(), QString::fromStdString(kept));
    QCOMPARE(a().dados().analise.strVolume, kept);
    QVERIFY(a().estado.dblVolume.has_value());
    QCOMPARE(*a().estado.dblVolume, reads ? litres : 5000.0);
    QCOMPARE(a().simAnalise->dblResInf, reads ? litres : 5000.0);
}

// The state holds the last "Calcular" that gave a result while its inputs stand: a changed
// input or a refused "Calcular" empties it and hides its lines, a clear empties it and with it
// the costs and savings window opened afterwards, while the lines kept out of sight still give
// the export its figures.
void TestAnalise::stateHoldsTheLastResult() {
    fx.start("pt_BR");
    QVERIFY(!a().estado.resultado);
    calculated();
    QVERIFY(a().estado.resultado);
    compareResults(*a().estado.resultado, Calcular(a().dados(), false, *a().simAnalise, appLocale()));
    QCOMPARE(a().estado.strVolume, std::string("5000"));
    QCOMPARE(a().estado.dblVolume, std::optional<double>(5000));
    const TResultadoAnalise first = *a().estado.resultado;
    const QStringList lines = resultLines();

    a().edPeriodoAnalise->setText(QStringLiteral("60"));
    fx.ui.expectMessage(QStringLiteral("Erro"), QStringLiteral("O período máximo de análise é de 50 anos."));
    a().BTCalcular->click();
    QVERIFY(!a().estado.resultado);
    QCOMPARE(a().height(), TformAnalise::kAlturaInicial);
    QVERIFY(a().BTCustosEconomia->isHidden());
    a().edPeriodoAnalise->setText(QStringLiteral("2"));
    a().BTCalcular->click();
    QVERIFY(a().estado.resultado);
    compareResults(*a().estado.resultado, first);
    QCOMPARE(resultLines(), lines);
    QVERIFY(!a().BTCustosEconomia->isHidden());

    a().LimparAnaliseEcon();
    QVERIFY(!a().estado.resultado);
    QVERIFY(!a().hasSimAnalise());
    QCOMPARE(a().estado.dblVolume, std::optional<double>(5000));
    TformCustosEconomias janela;
    janela.show();
    QCOMPARE(janela.SGCustosEconomias->rowCount(), 1);  // the header alone
    const TExportacao e = a().dadosExportacao();
    QCOMPARE(e.curVPL, first.curVPL);
    QCOMPARE(e.intTempoRetorno, first.intTempoRetorno);
    QCOMPARE(e.dblTIR, first.dblTIR);
}

// A new run of the main simulation recalculates a started analysis over that run: the result,
// its lines and the estimate table all follow it.
void TestAnalise::recomputeFollowsTheNewRun() {
    fx.start("pt_BR");
    calculated();
    const Currency before = a().estado.resultado->curVPL;

    formMain->simMain->base().dblAreaCapt /= 4;
    recomputeAnalise();

    const auto sim = SimulaCaptAgua(formMain->simMain->base(), "5000", appLocale());
    const TResultadoAnalise want = Calcular(a().dados(), false, *sim, appLocale());
    QVERIFY(want.curVPL != before);  // the run changes the figures
    QVERIFY(a().estado.resultado);
    compareResults(*a().estado.resultado, want);
    QCOMPARE(a().simAnalise->dblEconPot, sim->dblEconPot);
    QCOMPARE(resultLines(), expectedLines(false));
    QVERIFY(formEconomiaAgua->linhas() == TabelaEstimativas(*sim, want.contas, appLocale()));
}

enum class Mudanca {
    Inflacao,
    MesInstalacao,
    Volume,
    MesmoVolume,
    CustoInicial,
    TarifaEsgoto,
    TipoEsgoto,
    FaixasLimpas,
    CustoOperacional,
    MotobombaReserva,
    TarifasRevistas,
};

void TestAnalise::resultClearedWhenAnInputChanges_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("clears");
    QTest::newRow("inflation") << int(Mudanca::Inflacao) << true;
    QTest::newRow("month of installation") << int(Mudanca::MesInstalacao) << true;
    QTest::newRow("another volume") << int(Mudanca::Volume) << true;
    QTest::newRow("the same volume") << int(Mudanca::MesmoVolume) << false;
    QTest::newRow("an initial cost") << int(Mudanca::CustoInicial) << true;
    QTest::newRow("the sewer tariff") << int(Mudanca::TarifaEsgoto) << true;
    QTest::newRow("the sewer kind") << int(Mudanca::TipoEsgoto) << true;
    QTest::newRow("the bands cleared") << int(Mudanca::FaixasLimpas) << true;
    QTest::newRow("an operating cost added") << int(Mudanca::CustoOperacional) << true;
    QTest::newRow("a reserve pump") << int(Mudanca::MotobombaReserva) << true;
    QTest::newRow("tariffs looked at, nothing changed") << int(Mudanca::TarifasRevistas) << false;
}

// A result stands beside the inputs it was computed from: changing one of them clears the
// result lines (and the costs and savings button) until "Calcular" runs again.
void TestAnalise::resultClearedWhenAnInputChanges() {
    QFETCH(int, change);
    QFETCH(bool, clears);
    fx.start("pt_BR");
    calculated();
    QVERIFY(a().estado.resultado);
    switch (static_cast<Mudanca>(change)) {
        case Mudanca::Inflacao:
            a().edInflacao->setText(QStringLiteral("0,6"));
            break;
        case Mudanca::MesInstalacao:
            a().CBMesIn->setCurrentIndex(3);
            break;
        case Mudanca::Volume:
            a().defineVolume(QStringLiteral("6000"));
            break;
        case Mudanca::MesmoVolume:
            a().defineVolume(QStringLiteral("5000"));
            break;
        case Mudanca::CustoInicial:
            formCustoReservatorios->edCustoAcessorios->setText(QStringLiteral("80"));
            break;
        case Mudanca::TarifaEsgoto:
            formTarifasAgua->edTarEsgoto->setText(QStringLiteral("70"));
            break;
        case Mudanca::TipoEsgoto:
            formTarifasAgua->RGTarEsgoto->setItemIndex(0);
            break;
        case Mudanca::FaixasLimpas:
            formTarifasAgua->LimparTarifas();
            QVERIFY(!a().estado.resultado);
            econtest::tariffs();  // typed again, for the calculation below
            break;
        case Mudanca::CustoOperacional: {
            TformCustoManutencao& m = *formCustoManutencao;
            m.edNomeManutencao->setText(QStringLiteral("Limpeza"));
            m.edMeses->setText(QStringLiteral("6"));
            m.RGTipoCusto->setItemIndex(0);
            m.edCoefLinear->setText(QStringLiteral("50"));
            m.BTAdicionar->click();
            break;
        }
        case Mudanca::MotobombaReserva:
            formCustoMotobomba->cbMbReserva->toggle();
            break;
        case Mudanca::TarifasRevistas:
            fx.ui.expectModal(QStringLiteral("formTarifasAgua"), [](QDialog*) {
                formTarifasAgua->BTConcluir->click();
                return int(QDialog::Accepted);
            });
            a().BTTarifasAgua->click();
            break;
    }
    QCOMPARE(!a().estado.resultado, clears);
    QCOMPARE(a().height(), clears ? TformAnalise::kAlturaInicial : TformAnalise::kAlturaCalculada);
    QCOMPARE(a().BTCustosEconomia->isHidden(), clears);
    a().BTCalcular->click();
    QVERIFY(a().estado.resultado);
    QCOMPARE(resultLines(), expectedLines(false));
    QCOMPARE(a().height(), TformAnalise::kAlturaCalculada);
}

// With an upper reservoir and an empty pump window, the runs that recalculate the analysis
// ("Simular", the run before saving) neither say so nor open the pump window; the user's
// "Calcular" asks for the pump's data, once.
void TestAnalise::pumpAskedOnlyByCalcular() {
    fx.start("pt_BR");
    econtest::startAnalysis(true);
    econtest::tariffs();
    econtest::settings(QStringLiteral("10"));
    recomputeAnalise();
    recomputeAnalise();
    QVERIFY(fx.ui.shown().empty());
    QVERIFY(!a().estado.resultado);

    fx.ui.expectMessage(QStringLiteral("Erro"),
                        QStringLiteral("Há um ou mais dados não preenchidos sobre a motobomba."),
                        MsgIcon::Error);
    fx.ui.expectModal(QStringLiteral("formCustoMotobomba"), [](QDialog*) {
        econtest::pump();
        return int(QDialog::Accepted);
    });
    a().BTCalcular->click();
    QVERIFY(!a().estado.resultado);
    a().BTCalcular->click();
    QVERIFY(a().estado.resultado);
    recomputeAnalise();
    QVERIFY(a().estado.resultado);
    QCOMPARE(resultLines(), expectedLines(true));
}

// "Calcular" is the window's default button: Enter in one of its boxes calculates.
void TestAnalise::enterCalculates() {
    fx.start("pt_BR");
    econtest::startAnalysis(false);
    econtest::tariffs();
    econtest::settings(QStringLiteral("2"));
    a().show();
    QVERIFY(QTest::qWaitForWindowExposed(&a()));
    QVERIFY(a().BTCalcular->isDefault());
    a().edTMA->setFocus();
    QTest::keyClick(a().edTMA, Qt::Key_Return);
    QVERIFY(a().estado.resultado);
    QCOMPARE(resultLines(), expectedLines(false));
}

void TestAnalise::refusedBoxOfAnotherWindowOpensIt_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("sewer tariff") << "formTarifasAgua"
                                  << "edTarEsgoto"
                                  << ""
                                  << "Tarifa de esgoto: '' não é um número válido.";
    QTest::newRow("initial cost") << "formCustoReservatorios"
                                  << "edCustoInf"
                                  << ","
                                  << "Reservatório inferior: custo (R$): ',' não é um número válido.";
    QTest::newRow("pump flow") << "formCustoMotobomba"
                               << "edVazao"
                               << "0"
                               << "Vazão (litros/hora): a vazão da motobomba deve ser maior que zero.";
    QTest::newRow("pump cost beyond money")
        << "formCustoMotobomba"
        << "edCusto"
        << "999999999999999"
        << "Custo Unitário (R$): Valor monetário fora do intervalo permitido.";
}

// A "Calcular" refused for a box of the tariff, initial cost or pump window names the box and
// opens that window on it; the recalculation after a new run says it and opens nothing.
void TestAnalise::refusedBoxOfAnotherWindowOpensIt() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    fx.start("pt_BR");
    econtest::startAnalysis(true);
    econtest::tariffs();
    econtest::settings(QStringLiteral("2"));
    econtest::pump();
    QWidget* owner = nullptr;
    for (QWidget* w : {static_cast<QWidget*>(formTarifasAgua), static_cast<QWidget*>(formCustoReservatorios),
                       static_cast<QWidget*>(formCustoMotobomba)}) {
        if (w->objectName() == window) owner = w;
    }
    QVERIFY(owner);
    owner->findChild<QLineEdit*>(box)->setText(text);

    fx.ui.expectMessage(QStringLiteral("Erro"), message, MsgIcon::Error);
    QWidget* focused = nullptr;
    fx.ui.expectModal(window, [&](QDialog* d) {
        focused = d->focusWidget();
        return int(QDialog::Rejected);
    });
    a().BTCalcular->click();
    QCOMPARE(focused, owner->findChild<QWidget*>(box));
    QVERIFY(!a().estado.resultado);

    fx.ui.expectMessage(QStringLiteral("Erro"), message, MsgIcon::Error);
    recomputeAnalise();
}

QTEST_MAIN(TestAnalise)
#include "test_form_analise.moc"
