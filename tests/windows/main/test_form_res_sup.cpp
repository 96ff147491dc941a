// The upper reservoir dialog: its three options, the threshold in litres or percent kept in
// step with the volume, the demand-sized volume taken from the main window, the checks of
// "Concluir", the scenario mode, and the state it keeps for the main window's simulation.

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/radio_group.h"
#include "engine/capt_agua.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/window_fixture.h"
#include "windows/economics/economics_links.h"
#include "windows/main/form_main.h"
#include "windows/main/form_res_sup.h"
#include "windows/main/main_links.h"
#include "windows/results/form_result_sim_mensal.h"

namespace {

const QString kMsg90 = QStringLiteral(
    "O volume abaixo do qual há recalque não pode ser superior a 90% do volume do reservatório superior.");
const QString kMsgVolume = QStringLiteral(
    "O volume abaixo do qual há recalque não pode ser superior ao volume do reservatório superior.");

// Radio buttons react to clicks on their circle and caption only, not on the whole row.
void clickRadio(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// A household of four on a 100 m² roof, 150 L per person and day, half from rainwater, over
// the bundled Seattle record, with a 5000 L cistern.
void fillHousehold() {
    TCaptAgua& p = *formMain->simMain->vecCaptAgua[0];
    p.strArqPrec = VESPRA_SOURCE_DIR "/examples/seattle-2012-2015.txt";
    p.loadPrec(appLocale());
    formMain->setPrecCell(PrecRowData, QStringLiteral("01/01/2012"));
    formMain->setPrecCell(PrecRowDescarte, QStringLiteral("2"));
    formMain->ed_captacao->setText(QStringLiteral("100"));
    formMain->ed_demanda->setText(QStringLiteral("150"));
    formMain->ed_moradores->setText(QStringLiteral("4"));
    formMain->ed_porcentagem_subst->setText(QStringLiteral("50"));
    formMain->ed_coef_aprov->setText(QStringLiteral("0,8"));
    formMain->RGResInf->setItemIndex(0);
    formMain->ed_reservatorio_inf->setText(QStringLiteral("5000"));
}

// The upper reservoir as the run, the files and the economic analysis read it.
struct KeptResSup {
    UpperReservoirMode mode;
    QString volume;
    QString threshold;
};

KeptResSup keptResSup() {
    return {resSupMode(), resSupVolumeText(), resSupThresholdText()};
}

// Compares field by field, naming the stage of the story.
#define COMPARE_KEPT(stage, expected)                                                                \
    do {                                                                                             \
        const KeptResSup kept = keptResSup();                                                        \
        QVERIFY2(kept.mode == (expected).mode, stage);                                               \
        QVERIFY2(usaReservatorioSuperior() == ((expected).mode != UpperReservoirMode::None), stage); \
        QCOMPARE(kept.volume, (expected).volume);                                                    \
        QCOMPARE(kept.threshold, (expected).threshold);                                              \
    } while (false)

}  // namespace

class TestResSup : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }

    void startsWithoutUpperReservoir();
    void noUpperReservoirWritesZeros();
    void demandSizedVolume_data();
    void demandSizedVolume();
    void variableDemandUsesSeriesMean();
    void variableWithoutSeriesIsRefused();
    void thresholdFollowsVolume_data();
    void thresholdFollowsVolume();
    void thresholdButtonsExcludeEachOther();
    void clickingTheVolumeBoxChoosesAVolume();
    void concluirChecks_data();
    void concluirChecks();
    void scenarioModeUsesPercentage_data();
    void scenarioModeUsesPercentage();
    void runTakesTheDialogsSettings_data();
    void runTakesTheDialogsSettings();
    void stateFollowsConcluirLoadAndClear_data();
    void stateFollowsConcluirLoadAndClear();

  private:
    // Shows the global dialog and chooses "Entrar com volume desejado" with the given volume.
    void chooseVolume(const QString& volume);

    WindowFixture fx;
};

void TestResSup::chooseVolume(const QString& volume) {
    formResSup->show();
    QVERIFY(QTest::qWaitForWindowExposed(formResSup));
    clickRadio(formResSup->RGResSup->button(TformResSup::ItemVolume));
    QCOMPARE(formResSup->RGResSup->itemIndex(), 1);
    QVERIFY(formResSup->ed_reservatorio_sup->isEnabled());
    retype(formResSup->ed_reservatorio_sup, volume);
}

void TestResSup::startsWithoutUpperReservoir() {
    fx.start("pt_BR");
    QCOMPARE(formResSup->windowTitle(), QStringLiteral("Reservatório superior"));
    FIND_CONTROL(rg, RadioGroup, formResSup, "RGResSup");
    QCOMPARE(rg->title(), QStringLiteral("Reservatório superior"));
    QCOMPARE(rg->count(), 3);
    QCOMPARE(rg->itemText(0), QStringLiteral("Volume igual à demanda diária média de água pluvial"));
    QCOMPARE(rg->itemText(2), QStringLiteral("Não utilizar reservatório superior"));
    QCOMPARE(rg->itemIndex(), 2);
    for (const char* name : {"ed_reservatorio_sup", "edResSupRec", "edPercResSupRec"}) {
        auto* edit = formResSup->findChild<QLineEdit*>(QString::fromLatin1(name));
        QVERIFY2(edit, name);
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QVERIFY2(!edit->isEnabled(), name);
        QVERIFY2(!edit->accessibleName().isEmpty() || formResSup->Label8->buddy() == edit, name);
    }
    FIND_CONTROL(rbVol, QRadioButton, formResSup, "RBVolResSupRec");
    FIND_CONTROL(rbPerc, QRadioButton, formResSup, "RBPercResSupRec");
    QVERIFY(!rbVol->isChecked() && !rbVol->isEnabled());
    QVERIFY(!rbPerc->isChecked() && !rbPerc->isEnabled());
    FIND_CONTROL(ok, QPushButton, formResSup, "BTConcluir");
    QCOMPARE(ok->text(), QStringLiteral("Concluir"));
    QVERIFY(ok->isDefault());
}

void TestResSup::noUpperReservoirWritesZeros() {
    fx.start("pt_BR");
    chooseVolume(QStringLiteral("1500"));
    formResSup->RBVolResSupRec->setChecked(true);
    retype(formResSup->edResSupRec, QStringLiteral("300"));
    QCOMPARE(formResSup->edPercResSupRec->text(), QStringLiteral("20"));

    clickRadio(formResSup->RGResSup->button(TformResSup::ItemSemReservatorio));
    QCOMPARE(formResSup->ed_reservatorio_sup->text(), QStringLiteral("0"));
    QCOMPARE(formResSup->edResSupRec->text(), QStringLiteral("0"));
    QCOMPARE(formResSup->edPercResSupRec->text(), QStringLiteral("0"));
    // What an earlier choice enabled stays enabled.
    QVERIFY(formResSup->ed_reservatorio_sup->isEnabled());
    QVERIFY(formResSup->RBVolResSupRec->isEnabled());

    QTest::mouseClick(formResSup->BTConcluir, Qt::LeftButton);
    QCOMPARE(formResSup->result(), int(QDialog::Accepted));
    QVERIFY(!formResSup->isVisible());

    // The main window's clearing unchecks both threshold buttons.
    formResSup->uncheckThresholdButtons();
    QVERIFY(!formResSup->RBVolResSupRec->isChecked());
    QVERIFY(!formResSup->RBPercResSupRec->isChecked());
}

void TestResSup::demandSizedVolume_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("occupants");
    QTest::addColumn<QString>("demand");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("percent2");
    QTest::addColumn<QString>("volume2");

    QTest::newRow("4 x 150 L x 50%, then 100%") << "pt_BR"
                                                << "4"
                                                << "150"
                                                << "50"
                                                << "300"
                                                << "100"
                                                << "600";
    QTest::newRow("decimal comma") << "pt_BR"
                                   << "3"
                                   << "133,3"
                                   << "30"
                                   << "119,97"
                                   << "10"
                                   << "39,99";
    QTest::newRow("decimal point") << "en_US"
                                   << "3"
                                   << "133.3"
                                   << "30"
                                   << "119.97"
                                   << "10"
                                   << "39.99";
    QTest::newRow("empty percentage counts 0") << "pt_BR"
                                               << "4"
                                               << "150"
                                               << "50"
                                               << "300"
                                               << ""
                                               << "0";
}

void TestResSup::demandSizedVolume() {
    QFETCH(QString, locale);
    QFETCH(QString, occupants);
    QFETCH(QString, demand);
    QFETCH(QString, percent);
    QFETCH(QString, volume);
    QFETCH(QString, percent2);
    QFETCH(QString, volume2);
    fx.start(locale.toLatin1().constData());

    // Typed in the main window while the dialog has no upper reservoir: nothing is written.
    formMain->ed_moradores->setText(occupants);
    formMain->ed_demanda->setText(demand);
    formMain->ed_porcentagem_subst->setText(percent);
    QCOMPARE(formResSup->ed_reservatorio_sup->text(), QStringLiteral("0"));

    formResSup->show();
    clickRadio(formResSup->RGResSup->button(TformResSup::ItemDemanda));
    QCOMPARE(formResSup->ed_reservatorio_sup->text(), volume);
    QVERIFY(formResSup->RBVolResSupRec->isEnabled());
    QVERIFY(formResSup->RBPercResSupRec->isEnabled());

    // A change in the main window follows into the dialog.
    formMain->ed_porcentagem_subst->setText(percent2);
    QCOMPARE(formResSup->ed_reservatorio_sup->text(), volume2);
}

void TestResSup::variableDemandUsesSeriesMean() {
    fx.start("pt_BR");
    TCaptAgua& p = *formMain->simMain->vecCaptAgua[0];
    p.vecDemAguaPot = {100, 200};  // mean 150 L per person and day
    formResSup->RGResSup->setItemIndex(TformResSup::ItemDemanda);
    formMain->ed_moradores->setText(QStringLiteral("2"));
    formMain->ed_porcentagem_subst->setText(QStringLiteral("50"));
    formMain->ed_demanda->setText(QStringLiteral("Variável"));
    QCOMPARE(formResSup->ed_reservatorio_sup->text(), QStringLiteral("150"));
}

void TestResSup::variableWithoutSeriesIsRefused() {
    fx.start("pt_BR");
    formResSup->RGResSup->setItemIndex(TformResSup::ItemDemanda);
    formMain->ed_moradores->setText(QStringLiteral("2"));
    formMain->ed_porcentagem_subst->setText(QStringLiteral("50"));
    formMain->ed_demanda->setText(QStringLiteral("100"));
    QCOMPARE(formResSup->ed_reservatorio_sup->text(), QStringLiteral("100"));

    // "Variável" with no series behind it does not convert: the message, and the volume stays.
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QStringLiteral("Variável"));
    formMain->ed_demanda->setText(QStringLiteral("Variável"));
    QCOMPARE(formResSup->ed_reservatorio_sup->text(), QStringLiteral("100"));
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QStringLiteral("Variável"));
    QVERIFY(!formResSup->setResSup());
}

void TestResSup::thresholdFollowsVolume_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<bool>("typePercent");  // else the threshold in litres
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<QString>("percent");

    QTest::newRow("20% of 1000 is 200") << "pt_BR"
                                        << "1000" << true << "20"
                                        << "200"
                                        << "20";
    QTest::newRow("250 of 1000 is 25%") << "pt_BR"
                                        << "1000" << false << "250"
                                        << "250"
                                        << "25";
    QTest::newRow("12,5% of 1500") << "pt_BR"
                                   << "1500" << true << "12,5"
                                   << "187,5"
                                   << "12,5";
    QTest::newRow("12.5% of 1500") << "en_US"
                                   << "1500" << true << "12.5"
                                   << "187.5"
                                   << "12.5";
    // Typed key by key: the box being typed is never rewritten by the box that follows it.
    QTest::newRow("100 L of 300 is a third") << "pt_BR"
                                             << "300" << false << "100"
                                             << "100"
                                             << "33,3333333333333";
    QTest::newRow("33% of 300 is 99 L") << "pt_BR"
                                        << "300" << true << "33"
                                        << "99"
                                        << "33";
    QTest::newRow("187,5 L of 1500 is 12,5%") << "pt_BR"
                                              << "1500" << false << "187,5"
                                              << "187,5"
                                              << "12,5";
    QTest::newRow("volume 0: no threshold") << "pt_BR"
                                            << "0" << true << "20"
                                            << "0"
                                            << "20";
    QTest::newRow("volume 0,0: no percentage") << "pt_BR"
                                               << "0,0" << false << "50"
                                               << "50"
                                               << "0";
}

void TestResSup::thresholdFollowsVolume() {
    QFETCH(QString, locale);
    QFETCH(QString, volume);
    QFETCH(bool, typePercent);
    QFETCH(QString, typed);
    QFETCH(QString, threshold);
    QFETCH(QString, percent);
    fx.start(locale.toLatin1().constData());

    chooseVolume(volume);
    if (typePercent) {
        clickRadio(formResSup->RBPercResSupRec);
        retype(formResSup->edPercResSupRec, typed);
    } else {
        clickRadio(formResSup->RBVolResSupRec);
        retype(formResSup->edResSupRec, typed);
    }
    QCOMPARE(formResSup->edResSupRec->text(), threshold);
    QCOMPARE(formResSup->edPercResSupRec->text(), percent);
}

void TestResSup::thresholdButtonsExcludeEachOther() {
    fx.start("pt_BR");
    chooseVolume(QStringLiteral("1000"));
    clickRadio(formResSup->RBPercResSupRec);
    QVERIFY(formResSup->edPercResSupRec->isEnabled());
    QVERIFY(!formResSup->edResSupRec->isEnabled());
    retype(formResSup->edPercResSupRec, QStringLiteral("20"));
    QCOMPARE(formResSup->edResSupRec->text(), QStringLiteral("200"));

    // The percentage stays; the threshold follows a new volume.
    retype(formResSup->ed_reservatorio_sup, QStringLiteral("2000"));
    QCOMPARE(formResSup->edResSupRec->text(), QStringLiteral("400"));
    QCOMPARE(formResSup->edPercResSupRec->text(), QStringLiteral("20"));

    clickRadio(formResSup->RBVolResSupRec);
    QVERIFY(formResSup->RBVolResSupRec->isChecked());
    QVERIFY(!formResSup->RBPercResSupRec->isChecked());
    QVERIFY(formResSup->edResSupRec->isEnabled());
    QVERIFY(!formResSup->edPercResSupRec->isEnabled());
}

void TestResSup::clickingTheVolumeBoxChoosesAVolume() {
    fx.start("pt_BR");
    chooseVolume(QStringLiteral("800"));
    formMain->ed_moradores->setText(QStringLiteral("2"));
    formMain->ed_demanda->setText(QStringLiteral("100"));
    formMain->ed_porcentagem_subst->setText(QStringLiteral("50"));
    clickRadio(formResSup->RGResSup->button(TformResSup::ItemDemanda));
    QCOMPARE(formResSup->ed_reservatorio_sup->text(), QStringLiteral("100"));

    QTest::mouseClick(formResSup->ed_reservatorio_sup, Qt::LeftButton);
    QCOMPARE(formResSup->RGResSup->itemIndex(), int(TformResSup::ItemVolume));
    // The demand-sized volume no longer follows the main window.
    formMain->ed_porcentagem_subst->setText(QStringLiteral("100"));
    QCOMPARE(formResSup->ed_reservatorio_sup->text(), QStringLiteral("100"));
}

void TestResSup::concluirChecks_data() {
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<QString>("message");  // empty: accepted

    QTest::newRow("950 of 1000 over 90%") << "1000"
                                          << "950" << kMsg90;
    QTest::newRow("1200 over the volume") << "1000"
                                          << "1200" << kMsgVolume;
    QTest::newRow("900 is 90%") << "1000"
                                << "900"
                                << "";
    QTest::newRow("no threshold") << "1000"
                                  << "0"
                                  << "";
}

void TestResSup::concluirChecks() {
    QFETCH(QString, volume);
    QFETCH(QString, threshold);
    QFETCH(QString, message);
    fx.start("pt_BR");
    chooseVolume(volume);
    clickRadio(formResSup->RBVolResSupRec);
    retype(formResSup->edResSupRec, threshold);

    formResSup->setResult(QDialog::Rejected);
    if (!message.isEmpty()) fx.ui.expectMessage(QStringLiteral("Erro"), message, MsgIcon::Error);
    QTest::mouseClick(formResSup->BTConcluir, Qt::LeftButton);
    if (message.isEmpty()) {
        QCOMPARE(formResSup->result(), int(QDialog::Accepted));
        QVERIFY(!formResSup->isVisible());
    } else {
        QVERIFY(formResSup->isVisible());
        QCOMPARE(formResSup->edResSupRec->text(), threshold);  // as typed
    }
}

void TestResSup::scenarioModeUsesPercentage_data() {
    QTest::addColumn<int>("item");
    QTest::newRow("demand-sized") << 0;
    QTest::newRow("chosen volume") << 1;
    QTest::newRow("none") << 2;
}

void TestResSup::scenarioModeUsesPercentage() {
    QFETCH(int, item);
    fx.start("pt_BR");
    // The scenario window makes a dialog of its own for each use.
    auto dialog = std::make_unique<TformResSup>();
    dialog->defineFlagSimCen(true);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->RGResSup->setItemIndex(-1);
    clickRadio(dialog->RGResSup->button(item));
    QCOMPARE(dialog->RGResSup->itemIndex(), item);
    QVERIFY(!dialog->RBVolResSupRec->isEnabled());
    QVERIFY(dialog->RBPercResSupRec->isEnabled());
    QVERIFY(dialog->RBPercResSupRec->isChecked());
    QVERIFY(dialog->edPercResSupRec->isEnabled());
    QVERIFY(!dialog->edResSupRec->isEnabled());
    QCOMPARE(dialog->ed_reservatorio_sup->isEnabled(), item == 1);

    if (item == 1) {
        retype(dialog->ed_reservatorio_sup, QStringLiteral("500"));
        retype(dialog->edPercResSupRec, QStringLiteral("50"));
        QCOMPARE(dialog->edResSupRec->text(), QStringLiteral("250"));
        fx.ui.expectModal(QStringLiteral("formResSup"), [](QDialog* d) {
            QTest::mouseClick(static_cast<TformResSup*>(d)->BTConcluir, Qt::LeftButton);
            return d->result();
        });
        QCOMPARE(ui().execModal(dialog.get()), int(QDialog::Accepted));
    }
    // The global dialog is not touched by a scenario instance, nor the state it keeps.
    QCOMPARE(formResSup->RGResSup->itemIndex(), 2);
    COMPARE_KEPT("after a scenario's dialog",
                 (KeptResSup{UpperReservoirMode::None, QStringLiteral("0"), QStringLiteral("0")}));
}

void TestResSup::runTakesTheDialogsSettings_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<double>("dblResSup");
    QTest::addColumn<double>("dblResSupMinRec");
    QTest::addColumn<bool>("flagResSupDem");

    QTest::newRow("none, whatever the boxes hold") << 2 << "500"
                                                   << "100" << 0.0 << 0.0 << false;
    QTest::newRow("demand-sized: 4 x 150 L x 50%") << 0 << ""
                                                   << "100" << 300.0 << 100.0 << true;
    QTest::newRow("chosen volume") << 1 << "500"
                                   << "100" << 500.0 << 100.0 << false;
}

void TestResSup::runTakesTheDialogsSettings() {
    QFETCH(int, item);
    QFETCH(QString, volume);
    QFETCH(QString, threshold);
    QFETCH(double, dblResSup);
    QFETCH(double, dblResSupMinRec);
    QFETCH(bool, flagResSupDem);
    fx.start("pt_BR");
    fillHousehold();
    TCaptAgua& p = *formMain->simMain->vecCaptAgua[0];

    formResSup->RGResSup->setItemIndex(item);
    if (!volume.isEmpty()) formResSup->ed_reservatorio_sup->setText(volume);
    formResSup->edResSupRec->setText(threshold);

    formMain->BTCalcularClick();
    QCOMPARE(p.dblResSup, dblResSup);
    QCOMPARE(p.dblResSupMinRec, dblResSupMinRec);
    QCOMPARE(p.flagResSupDem, flagResSupDem);

    // The one-volume run fills the monthly table with its results.
    const DataGrid* grid = formResultSimMensal->NextGrid1;
    QCOMPARE(grid->rowCount(), 14);
    QCOMPARE(grid->cellText(1, TformResultSimMensal::kRowMedia),
             fromUtf8(formatNumber(p.dblEconPot, 4, 2, appLocale())));
    if (dblResSup == 0.0)
        QCOMPARE(grid->cellText(8, TformResultSimMensal::kRowMedia), QStringLiteral("0,00"));
}

void TestResSup::stateFollowsConcluirLoadAndClear_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("volume");     // typed, for a chosen volume
    QTest::addColumn<QString>("threshold");  // typed in litres; empty: not typed
    QTest::addColumn<int>("mode");           // UpperReservoirMode kept
    QTest::addColumn<QString>("keptVolume");
    QTest::addColumn<QString>("keptThreshold");

    QTest::newRow("sized from the demand: 4 x 150 L x 50%")
        << 0 << ""
        << "50" << int(UpperReservoirMode::FromDemand) << "300"
        << "50";
    QTest::newRow("chosen volume") << 1 << "500"
                                   << "100" << int(UpperReservoirMode::ChosenVolume) << "500"
                                   << "100";
    QTest::newRow("chosen volume, threshold in decimals")
        << 1 << "1500"
        << "187,5" << int(UpperReservoirMode::ChosenVolume) << "1500"
        << "187,5";
    QTest::newRow("none") << 2 << ""
                          << "" << int(UpperReservoirMode::None) << "0"
                          << "0";
}

void TestResSup::stateFollowsConcluirLoadAndClear() {
    QFETCH(int, item);
    QFETCH(QString, volume);
    QFETCH(QString, threshold);
    QFETCH(int, mode);
    QFETCH(QString, keptVolume);
    QFETCH(QString, keptThreshold);
    const KeptResSup none{UpperReservoirMode::None, QStringLiteral("0"), QStringLiteral("0")};
    const KeptResSup expected{static_cast<UpperReservoirMode>(mode), keptVolume, keptThreshold};
    fx.start("pt_BR");
    // Windows made afresh start from a dialog never opened, whatever an earlier row kept.
    COMPARE_KEPT("never opened", none);
    fillHousehold();

    // Set as the user sets it, from the main window's button.
    fx.ui.expectModal(QStringLiteral("formResSup"), [&](QDialog* d) {
        auto* r = static_cast<TformResSup*>(d);
        r->show();
        if (!QTest::qWaitForWindowExposed(r)) return int(QDialog::Rejected);
        clickRadio(r->RGResSup->button(item));
        if (!volume.isEmpty()) retype(r->ed_reservatorio_sup, volume);
        if (!threshold.isEmpty()) {
            clickRadio(r->RBVolResSupRec);
            retype(r->edResSupRec, threshold);
        }
        QTest::mouseClick(r->BTConcluir, Qt::LeftButton);
        return r->result();
    });
    formMain->BTResSupClick();
    QVERIFY(!formResSup->isVisible());
    COMPARE_KEPT("after Concluir", expected);

    // Saved, cleared, and loaded back: the file sets the dialog, and the state follows it.
    TempDir tmp;
    const QString path = QString::fromStdString(tmp.file("sim.csv"));
    fx.ui.expectSaveFile(path);
    formMain->BTSalvarClick();
    fx.ui.expectMessage(QStringLiteral("Limpar campos"),
                        QStringLiteral("Você tem certeza de que deseja limpar TODOS os campos?"),
                        MsgIcon::Question, MsgResult::Yes);
    formMain->BTLimparClick();
    COMPARE_KEPT("after Limpar", none);
    formMain->loadSimulation(path);
    COMPARE_KEPT("after loading", expected);
}

QTEST_MAIN(TestResSup)
#include "test_form_res_sup.moc"
