// The tariff window: the first band and the further bands, the refused band, the sewer kind's
// label, "Limpar dados" and "Concluir", which prices the working simulation's months into the
// estimate table.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "components/data_grid.h"
#include "components/radio_group.h"
#include "tests/windows/econ_fixture.h"
#include "tests/windows/window_fixture.h"
#include "windows/economics/form_analise.h"
#include "windows/economics/form_economia_agua.h"
#include "windows/economics/form_tarifas_agua.h"

namespace {

const QString kRefused = QStringLiteral("Preenchimento incorreto. Verifique os valores");

QStringList items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
    return out;
}

QStringList rows(const QTableWidget* grid) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r)
        out << (grid->item(r, 0) ? grid->item(r, 0)->text() : QString());
    return out;
}

TformTarifasAgua& t() {
    return *formTarifasAgua;
}

}  // namespace

class TestTarifasAgua : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }

    void startsAtTheFirstBand();
    void bandsBelowBetweenAbove();
    void refusedBandChangesNothing_data();
    void refusedBandChangesNothing();
    void bandThatIsNotANumber();
    void sewerKindNamesItsBox();
    void limparDados_data();
    void limparDados();
    void concluirFillsTheEstimates();
    void concluirRefusesAnEmptySewerPercentage();
    void refusedBandsNameTheBand_data();
    void refusedBandsNameTheBand();
    void concluirWantsTheTopBand();
    void removeOneBand();

  private:
    // The window after "Abaixo de 10" and "Entre 10 e 20".
    void twoBands();
    void checkFirstBandState();

    WindowFixture fx;
};

void TestTarifasAgua::checkFirstBandState() {
    QCOMPARE(items(t().CBVolume), QStringList{QStringLiteral("Abaixo de")});
    QCOMPARE(t().CBVolume->currentText(), QStringLiteral("Abaixo de"));
    QVERIFY(t().edVol1->isEnabled());
    QVERIFY(t().edVol1->text().isEmpty());
    QVERIFY(t().edVol2->isHidden());
    QVERIFY(t().Label1->isHidden());
    QVERIFY(!t().ChBCustoFixo->isHidden());
    QVERIFY(t().ChBCustoFixo->isChecked());
    QCOMPARE(t().Label3->text(), QStringLiteral("Custo (R$)"));
    QVERIFY(!t().BTAdicionar->isEnabled());
    QVERIFY(t().BTAdicionar->isDefault());
    QVERIFY(!t().BTConcluir->isDefault());
    QCOMPARE(t().StringGrid1->rowCount(), 1);
    QCOMPARE(t().RGTarEsgoto->itemIndex(), -1);
    QVERIFY(t().estado.vecTarifas.empty());
}

void TestTarifasAgua::startsAtTheFirstBand() {
    fx.start("pt_BR");
    QCOMPARE(t().windowTitle(), QStringLiteral("Tarifas de água e esgoto"));
    checkFirstBandState();
    QCOMPARE(t().Label2->text(), QStringLiteral("Volume (m³)"));
    QCOMPARE(t().Label4->text(), QStringLiteral("Imposto fixo (R$)"));
    QCOMPARE(t().Label5->text(), QStringLiteral("Imposto variável (%)"));
    QCOMPARE(t().BTLimpar->text(), QStringLiteral("Limpar dados"));
    QCOMPARE(t().BTConcluir->text(), QStringLiteral("Concluir"));
    QCOMPARE(t().RGTarEsgoto->title(), QStringLiteral("Tarifa de esgoto"));
    QCOMPARE(t().edImpFixo->accessibleName(), QStringLiteral("Imposto fixo (R$)"));
}

void TestTarifasAgua::twoBands() {
    fx.start("pt_BR");
    t().show();
    QTest::keyClicks(t().edVol1, QStringLiteral("10"));
    QVERIFY(!t().BTAdicionar->isEnabled());  // no cost yet
    QTest::keyClicks(t().edCusto, QStringLiteral("20"));
    QVERIFY(t().BTAdicionar->isEnabled());
    t().BTAdicionar->click();

    // Further bands: the next band starts where this one ended.
    QCOMPARE(items(t().CBVolume), (QStringList{QStringLiteral("Entre"), QStringLiteral("Acima de")}));
    QCOMPARE(t().CBVolume->currentText(), QStringLiteral("Entre"));
    QVERIFY(!t().edVol1->isEnabled());
    QCOMPARE(t().edVol1->text(), QStringLiteral("10"));
    QVERIFY(!t().edVol2->isHidden());
    QVERIFY(!t().Label1->isHidden());
    QVERIFY(t().ChBCustoFixo->isHidden());
    QCOMPARE(t().Label3->text(), QStringLiteral("Custo (R$/m³)"));
    QVERIFY(t().edCusto->text().isEmpty());
    QVERIFY(!t().BTAdicionar->isEnabled());

    QTest::keyClicks(t().edVol2, QStringLiteral("20"));
    QTest::keyClicks(t().edCusto, QStringLiteral("3,00"));
    QVERIFY(t().BTAdicionar->isEnabled());
    t().BTAdicionar->click();
    QCOMPARE(t().edVol1->text(), QStringLiteral("20"));
    QVERIFY(t().edVol2->text().isEmpty());
    QVERIFY(t().edCusto->text().isEmpty());
}

void TestTarifasAgua::bandsBelowBetweenAbove() {
    twoBands();
    t().CBVolume->setCurrentIndex(1);
    t().CBVolumeChange();
    QVERIFY(t().edVol2->isHidden());
    QVERIFY(t().Label1->isHidden());
    QTest::keyClicks(t().edCusto, QStringLiteral("5"));
    QVERIFY(t().BTAdicionar->isEnabled());
    t().BTAdicionar->click();

    QCOMPARE(rows(t().StringGrid1), (QStringList{QString(), QStringLiteral("Abaixo de 10 m³: R$20 (fixo)."),
                                                 QStringLiteral("Entre 10 e 20 m³: R$3,00 (por m³)."),
                                                 QStringLiteral("Acima de 20 m³: R$5 (por m³).")}));
    const TTarifas& f = t().estado.vecTarifas;
    QCOMPARE(f.size(), std::size_t{3});
    QVERIFY(f[0].Fixo && f[0].De == 0 && f[0].Ate == 10 && f[0].Valor == 20);
    QVERIFY(!f[1].Fixo && f[1].De == 10 && f[1].Ate == 20 && f[1].Valor == 3);
    QVERIFY(!f[2].Fixo && f[2].De == 20 && f[2].Ate == 100000 && f[2].Valor == 5);
    QCOMPARE(t().campos().vecLinhasFaixas.size(), std::size_t{3});
}

void TestTarifasAgua::refusedBandChangesNothing_data() {
    QTest::addColumn<QString>("end");
    QTest::newRow("end equal to the start") << "20";
    QTest::newRow("end below the start") << "15";
}

void TestTarifasAgua::refusedBandChangesNothing() {
    QFETCH(QString, end);
    twoBands();
    const QStringList before = rows(t().StringGrid1);
    QTest::keyClicks(t().edVol2, end);
    QTest::keyClicks(t().edCusto, QStringLiteral("4"));
    fx.ui.expectMessage(QStringLiteral("Erro"), kRefused, MsgIcon::Warning);
    t().BTAdicionar->click();
    QCOMPARE(rows(t().StringGrid1), before);
    QCOMPARE(t().estado.vecTarifas.size(), std::size_t{2});
    QCOMPARE(t().edVol2->text(), end);  // left for the user to mend
    QCOMPARE(t().edVol1->text(), QStringLiteral("20"));
}

void TestTarifasAgua::bandThatIsNotANumber() {
    fx.start("pt_BR");
    t().edVol1->setText(QStringLiteral("dez"));  // pasted: the boxes take any text
    t().edCusto->setText(QStringLiteral("20"));
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QStringLiteral("dez"));
    t().BTAdicionar->click();
    QVERIFY(t().estado.vecTarifas.empty());
    QCOMPARE(t().StringGrid1->rowCount(), 1);
    QCOMPARE(items(t().CBVolume), QStringList{QStringLiteral("Abaixo de")});
    QCOMPARE(t().edVol1->text(), QStringLiteral("dez"));
}

void TestTarifasAgua::sewerKindNamesItsBox() {
    fx.start("pt_BR");
    t().RGTarEsgoto->setItemIndex(1);
    QCOMPARE(t().Label6->text(), QStringLiteral("Percentual da tarifa de água"));
    t().RGTarEsgoto->setItemIndex(0);
    QCOMPARE(t().Label6->text(), QStringLiteral("Custo (R$)"));
}

void TestTarifasAgua::limparDados_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes clears") << true;
    QTest::newRow("no keeps") << false;
}

void TestTarifasAgua::limparDados() {
    QFETCH(bool, yes);
    twoBands();
    t().RGTarEsgoto->setItemIndex(0);
    t().edTarEsgoto->setText(QStringLiteral("15"));
    t().edImpFixo->setText(QStringLiteral("2"));
    t().edImpVar->setText(QStringLiteral("10"));
    fx.ui.expectMessage(QStringLiteral("Limpar dados"),
                        QStringLiteral("Você tem certeza de que deseja limpar os dados de tarifas de água?"),
                        MsgIcon::Question, yes ? MsgResult::Yes : MsgResult::No);
    t().BTLimpar->click();
    if (yes) {
        checkFirstBandState();
        QVERIFY(t().edTarEsgoto->text().isEmpty());
        QVERIFY(t().edImpFixo->text().isEmpty());
        QVERIFY(t().edImpVar->text().isEmpty());
    } else {
        QCOMPARE(t().estado.vecTarifas.size(), std::size_t{2});
        QCOMPARE(t().StringGrid1->rowCount(), 3);
        QCOMPARE(t().edTarEsgoto->text(), QStringLiteral("15"));
    }
}

void TestTarifasAgua::concluirFillsTheEstimates() {
    fx.start("pt_BR");
    econtest::startAnalysis(false);
    QVERIFY(formAnalise->hasSimAnalise());
    QVERIFY(formAnalise->BTConsumosEconomias->isHidden());
    econtest::tariffs();
    t().show();
    t().BTConcluir->click();

    QVERIFY(!t().isVisible());
    QVERIFY(!formAnalise->BTConsumosEconomias->isHidden());
    const DataGrid* grid = formEconomiaAgua->NextGrid1;
    QCOMPARE(grid->rowCount(), 12);
    QCOMPARE(grid->cellText(0, 0), QStringLiteral("Jan"));
    QCOMPARE(grid->cellText(0, 11), QStringLiteral("Dez"));
    QCOMPARE(grid->headerLines(5), (QStringList{QStringLiteral("Valor da conta sem utilização"),
                                                QStringLiteral("      de água pluvial (R$)")}));
    // The household buys less water with its cistern: every month's bill drops.
    for (int m = 0; m < 12; ++m) {
        const double sem = t().estado.contas.vecContaSemPluv[static_cast<std::size_t>(m)];
        const double com = t().estado.contas.vecContaComPluv[static_cast<std::size_t>(m)];
        QVERIFY2(sem > com, qPrintable(QString::number(m)));
    }
}

void TestTarifasAgua::concluirRefusesAnEmptySewerPercentage() {
    fx.start("pt_BR");
    econtest::startAnalysis(false);
    econtest::tariffs();
    t().edTarEsgoto->clear();  // "Variável" needs its percentage
    t().show();
    fx.ui.expectMessageContaining(QStringLiteral("Erro"), QStringLiteral("Tarifa de esgoto: ''"));
    t().BTConcluir->click();
    QVERIFY(t().isVisible());
    QCOMPARE(formEconomiaAgua->NextGrid1->rowCount(), 0);
    QVERIFY(formAnalise->BTConsumosEconomias->isHidden());
}

void TestTarifasAgua::refusedBandsNameTheBand_data() {
    QTest::addColumn<bool>("afterTheTop");
    QTest::addColumn<QString>("message");
    QTest::newRow("negative limit")
        << false << "Faixa \"Abaixo de -5 m³\": os volumes das faixas não podem ser negativos.";
    QTest::newRow("band after the top band")
        << true
        << "Faixa \"Entre 20 e 30 m³\": a faixa \"Acima de\" é a última da tabela; nenhuma faixa pode vir "
           "depois dela.";
}

// "Adicionar" refuses a band the schedule cannot hold, naming it; nothing is added.
void TestTarifasAgua::refusedBandsNameTheBand() {
    QFETCH(bool, afterTheTop);
    QFETCH(QString, message);
    if (afterTheTop) {
        twoBands();
        t().CBVolume->setCurrentIndex(1);  // "Acima de 20"
        t().CBVolumeChange();
        t().edCusto->setText(QStringLiteral("5"));
        t().BTAdicionar->click();
        t().CBVolume->setCurrentIndex(0);  // "Entre 20 e 30"
        t().CBVolumeChange();
        t().edVol2->setText(QStringLiteral("30"));
    } else {
        fx.start("pt_BR");
        t().edVol1->setText(QStringLiteral("-5"));
    }
    t().edCusto->setText(QStringLiteral("3"));
    const QStringList before = rows(t().StringGrid1);
    fx.ui.expectMessage(QStringLiteral("Erro"), message, MsgIcon::Warning);
    t().BTAdicionar->click();
    QCOMPARE(rows(t().StringGrid1), before);
    QCOMPARE(t().estado.vecTarifas.size(), std::size_t{afterTheTop ? 3u : 0u});
}

// "Concluir" refuses a schedule whose last band is not "Acima de" (the volume above it would
// not be billed) and waits for that band; with it, the bills are made.
void TestTarifasAgua::concluirWantsTheTopBand() {
    twoBands();
    econtest::startAnalysis(false);
    fx.ui.expectMessage(
        QStringLiteral("Erro"),
        QStringLiteral("A tabela de tarifas termina na faixa \"Entre 10 e 20 m³\": a última faixa "
                       "deve ser \"Acima de\", para que todo o consumo acima dela seja cobrado."),
        MsgIcon::Warning);
    t().BTConcluir->click();
    QVERIFY(t().isVisible());
    QCOMPARE(formEconomiaAgua->NextGrid1->rowCount(), 0);
    QCOMPARE(t().CBVolume->currentText(), QStringLiteral("Acima de"));
    t().edCusto->setText(QStringLiteral("5"));
    t().BTAdicionar->click();
    t().RGTarEsgoto->setItemIndex(0);
    t().BTConcluir->click();
    QVERIFY(!t().isVisible());
    QCOMPARE(formEconomiaAgua->NextGrid1->rowCount(), 12);
}

// "Remover faixa" removes the band selected in the list; the next band then starts where the
// removed one started. The first band cannot go while "Acima de" follows it directly.
void TestTarifasAgua::removeOneBand() {
    twoBands();
    t().CBVolume->setCurrentIndex(1);
    t().CBVolumeChange();
    t().edCusto->setText(QStringLiteral("5"));
    t().BTAdicionar->click();
    QCOMPARE(t().BTRemoverFaixa->text(), QStringLiteral("Remover faixa"));
    QCOMPARE(t().BTRemoverFaixa->accessibleName(), QStringLiteral("Remover faixa"));
    QVERIFY(!t().BTRemoverFaixa->isEnabled());
    t().StringGrid1->selectRow(0);  // the list's empty first row is no band
    QVERIFY(!t().BTRemoverFaixa->isEnabled());

    t().StringGrid1->selectRow(2);  // "Entre 10 e 20"
    QVERIFY(t().BTRemoverFaixa->isEnabled());
    t().BTRemoverFaixa->click();
    QCOMPARE(rows(t().StringGrid1), (QStringList{QString(), QStringLiteral("Abaixo de 10 m³: R$20 (fixo)."),
                                                 QStringLiteral("Acima de 10 m³: R$5 (por m³).")}));
    const TTarifas& f = t().estado.vecTarifas;
    QCOMPARE(f.size(), std::size_t{2});
    QVERIFY(f[1].De == 10 && f[1].Ate == 100000 && f[1].Valor == 5);
    QVERIFY(!t().BTRemoverFaixa->isEnabled());

    t().StringGrid1->selectRow(1);
    fx.ui.expectMessageContaining(QStringLiteral("Erro"),
                                  QStringLiteral("Remova antes a faixa \"Acima de\""));
    t().BTRemoverFaixa->click();
    QCOMPARE(t().estado.vecTarifas.size(), std::size_t{2});

    // Without the top band the entry waits for the next band after "Abaixo de 10".
    t().StringGrid1->selectRow(2);
    t().BTRemoverFaixa->click();
    QCOMPARE(t().estado.vecTarifas.size(), std::size_t{1});
    QCOMPARE(t().CBVolume->currentText(), QStringLiteral("Entre"));
    QCOMPARE(t().edVol1->text(), QStringLiteral("10"));
    t().StringGrid1->selectRow(1);
    t().BTRemoverFaixa->click();
    checkFirstBandState();
}

QTEST_MAIN(TestTarifasAgua)
#include "test_form_tarifas_agua.moc"
