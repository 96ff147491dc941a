// The cost windows: the initial costs' upper reservoir box, the pump window's key filter and
// "Concluir", and the operating cost list with its edit window.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "components/data_grid.h"
#include "components/radio_group.h"
#include "tests/windows/econ_fixture.h"
#include "tests/windows/window_fixture.h"
#include "windows/economics/form_custo_manutencao.h"
#include "windows/economics/form_custo_motobomba.h"
#include "windows/economics/form_custo_reservatorios.h"
#include "windows/economics/form_edit_custo_manutencao.h"

namespace {

const QString kIncompleta = QStringLiteral("Há um ou mais campos não preenchidos.");

TformCustoMotobomba& mb() {
    return *formCustoMotobomba;
}
TformCustoManutencao& man() {
    return *formCustoManutencao;
}
TformEditCustoManutencao& ed() {
    return *formEditCustoManutencao;
}

void addItem(const QString& name, const QString& months, int kind, const QString& linear,
             const QString& angular = {}) {
    man().edNomeManutencao->setText(name);
    man().edMeses->setText(months);
    man().RGTipoCusto->setItemIndex(kind);
    man().edCoefLinear->setText(linear);
    man().edCoefAng->setText(angular);
    man().BTAdicionar->click();
}

QStringList names(const DataGrid* grid) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) out << grid->cellText(0, r);
    return out;
}

}  // namespace

class TestCustos : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }

    void upperReservoirCostShowsWithItsReservoir_data();
    void upperReservoirCostShowsWithItsReservoir();
    void powerBoxTakesAFraction();
    void pumpConcluir_data();
    void pumpConcluir();
    void operatingCostKinds();
    void listWidensAtItsFirstItem();
    void editAndDelete();
    void editWithoutChoosingAnItem();
    void removeSelectedItem();
    void refusedItems_data();
    void refusedItems();

  private:
    WindowFixture fx;
};

void TestCustos::upperReservoirCostShowsWithItsReservoir_data() {
    QTest::addColumn<bool>("resSup");
    QTest::newRow("no upper reservoir") << false;
    QTest::newRow("upper reservoir") << true;
}

void TestCustos::upperReservoirCostShowsWithItsReservoir() {
    QFETCH(bool, resSup);
    fx.start("pt_BR");
    econtest::household(resSup);
    TformCustoReservatorios& c = *formCustoReservatorios;
    QCOMPARE(c.windowTitle(), QStringLiteral("Custos iniciais"));
    c.show();
    QCOMPARE(c.GBResSup->isVisible(), resSup);
    QCOMPARE(c.GBMaoDeObra->title(), QStringLiteral("Mão de obra"));
    QVERIFY(c.BTConcluir->isDefault());
    QTest::keyClicks(c.edCustoInf, QStringLiteral("1500,5,0x"));
    QCOMPARE(c.edCustoInf->text(), QStringLiteral("1500,50"));
    c.BTConcluir->click();
    QVERIFY(!c.isVisible());
}

void TestCustos::powerBoxTakesAFraction() {
    fx.start("pt_BR");
    mb().show();
    QTest::keyClicks(mb().edPotencia, QStringLiteral("1/2a;"));
    QCOMPARE(mb().edPotencia->text(), QStringLiteral("1/2"));
    QTest::keyClicks(mb().edVazao, QStringLiteral("1/5,0,0"));
    QCOMPARE(mb().edVazao->text(), QStringLiteral("15,00"));
    QCOMPARE(mb().CBPotUnid->currentText(), QStringLiteral("CV"));
    QCOMPARE(mb().cbMbReserva->text(), QStringLiteral("Considerar motobomba de reserva"));
}

void TestCustos::pumpConcluir_data() {
    QTest::addColumn<QString>("emptied");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("label");
    QTest::newRow("complete") << "" << true << "";
    QTest::newRow("no efficiency: tested by Calcular") << "edRendimento" << true << "";
    QTest::newRow("no power") << "edPotencia" << false << "Potência unitária";
    QTest::newRow("no flow") << "edVazao" << false << "Vazão (litros/hora)";
    QTest::newRow("no start-up time") << "edTempoPartida" << false << "Tempo de partida (segundos)";
}

void TestCustos::pumpConcluir() {
    QFETCH(QString, emptied);
    QFETCH(bool, closes);
    QFETCH(QString, label);
    fx.start("pt_BR");
    QVERIFY(!mb().BTConcluir->isEnabled());
    mb().show();
    mb().edPotencia->setText(QStringLiteral("750"));
    mb().CBPotUnid->setCurrentIndex(1);
    mb().edRendimento->setText(QStringLiteral("60"));
    mb().edVazao->setText(QStringLiteral("1500"));
    mb().edTempoPartida->setText(QStringLiteral("10"));
    mb().edCusto->setText(QStringLiteral("450"));
    mb().edTarifaEn->setText(QStringLiteral("0,6"));
    QVERIFY(mb().BTConcluir->isEnabled());
    if (!emptied.isEmpty()) mb().findChild<QLineEdit*>(emptied)->clear();
    // The refusal names the first empty field, which gets the focus.
    if (!closes)
        fx.ui.expectMessage(QStringLiteral("Erro"),
                            kIncompleta + QStringLiteral("\nCampo não preenchido: ") + label + ".",
                            MsgIcon::Error);
    mb().BTConcluir->click();
    QCOMPARE(mb().isVisible(), !closes);
    if (!closes) QCOMPARE(mb().focusWidget(), mb().findChild<QWidget*>(emptied));
    QCOMPARE(mb().edImpFixo->text(), QStringLiteral("0"));
    QCOMPARE(mb().edImpVar->text(), QStringLiteral("0"));

    // The tariff box enables "Concluir" only while a price is given.
    mb().edCusto->clear();
    mb().edTarifaEn->setText(QStringLiteral("0,7"));
    QVERIFY(!mb().BTConcluir->isEnabled());
}

void TestCustos::operatingCostKinds() {
    fx.start("pt_BR");
    QCOMPARE(man().windowTitle(), QStringLiteral("Outros custos operacionais"));
    QVERIFY(!man().edCoefLinear->isEnabled() && !man().edCoefAng->isEnabled());
    man().RGTipoCusto->setItemIndex(0);
    QCOMPARE(man().Label6->text(), QStringLiteral("Custo (R$)"));
    QVERIFY(man().edCoefLinear->isEnabled() && !man().edCoefAng->isEnabled());
    man().RGTipoCusto->setItemIndex(1);
    QCOMPARE(man().Label6->text(), QStringLiteral("Coeficiente linear (R$)"));
    QVERIFY(man().edCoefLinear->isEnabled() && man().edCoefAng->isEnabled());
}

// The window keeps its narrow width of 231 pixels, or more when the cost type's captions need it.
static void expectNarrowAndWhole(TformCustoManutencao& w) {
    QVERIFY(w.width() >= 231 && w.width() < 712);
    w.layout()->activate();
    QVERIFY(w.RGTipoCusto->width() >= w.RGTipoCusto->minimumSizeHint().width());
}

void TestCustos::listWidensAtItsFirstItem() {
    fx.start("pt_BR");
    expectNarrowAndWhole(man());
    QVERIFY(man().NxGManut->isHidden() && man().BTEditar->isHidden());
    addItem(QStringLiteral("Limpeza"), QStringLiteral("6"), 0, QStringLiteral("50,5"));
    QVERIFY(man().width() >= 712);
    QVERIFY(!man().NxGManut->isHidden() && !man().BTEditar->isHidden());
    man().layout()->activate();
    QVERIFY(man().NxGManut->width() >= man().NxGManut->widthForAllColumns());
    addItem(QStringLiteral("Cloro"), QStringLiteral("1"), 1, QStringLiteral("10"), QStringLiteral("2"));
    QCOMPARE(man().NxGManut->rowCount(), 2);
    QCOMPARE(man().NxGManut->cellText(1, 0), QStringLiteral("6"));
    QCOMPARE(man().NxGManut->cellText(2, 0), QStringLiteral("50,5"));
    QCOMPARE(man().NxGManut->cellText(3, 0), QStringLiteral("0"));
    QCOMPARE(man().NxGManut->cellText(3, 1), QStringLiteral("2"));
    QCOMPARE(man().vecManutencao[1].Cod, 1);
    QCOMPARE(man().vecManutencao[1].CoefAngular, 2.0);
    // The entry is ready for the next item.
    QVERIFY(man().edNomeManutencao->text().isEmpty() && man().edMeses->text().isEmpty());
    QCOMPARE(man().RGTipoCusto->itemIndex(), -1);
    QVERIFY(!man().edCoefLinear->isEnabled() && !man().edCoefAng->isEnabled());
}

void TestCustos::editAndDelete() {
    fx.start("pt_BR");
    addItem(QStringLiteral("Limpeza"), QStringLiteral("6"), 0, QStringLiteral("50"));
    addItem(QStringLiteral("Cloro"), QStringLiteral("1"), 1, QStringLiteral("10"), QStringLiteral("2"));
    addItem(QStringLiteral("Bomba"), QStringLiteral("24"), 0, QStringLiteral("80"));

    // A click on the second row loads it into the edit window, which is not shown yet.
    emit man().NxGManut->cellClick(0, 1);
    QVERIFY(!ed().isVisible());
    QCOMPARE(ed().edNomeManutencao->text(), QStringLiteral("Cloro"));
    QCOMPARE(ed().edMeses->text(), QStringLiteral("1"));
    QCOMPARE(ed().RGTipoCusto->itemIndex(), 1);
    QVERIFY(ed().edCoefAng->isEnabled());
    QCOMPARE(ed().edCoefAng->text(), QStringLiteral("2"));
    // "Editar" opens the edit window modally, in front of the list window (itself modal) and
    // as its child while it is shown.
    fx.ui.expectModal(QStringLiteral("formEditCustoManutencao"), [](QDialog* d) {
        if (d->parentWidget() != &man() || !d->isWindow()) return int(QDialog::Rejected);
        ed().edMeses->setText(QStringLiteral("3"));
        ed().RGTipoCusto->setItemIndex(0);
        ed().BTModificar->click();
        return int(QDialog::Accepted);
    });
    man().BTEditar->click();
    QVERIFY(!ed().isVisible());
    QCOMPARE(ed().parentWidget(), nullptr);
    QCOMPARE(man().vecManutencao[1].Periodo, 3);
    QCOMPARE(man().vecManutencao[1].CoefAngular, 0.0);
    QCOMPARE(man().NxGManut->cellText(1, 1), QStringLiteral("3"));

    // Deleting the first of three leaves two, renumbered, in the same order.
    emit man().NxGManut->cellClick(0, 0);
    ed().BTExcluir->click();
    QCOMPARE(man().vecManutencao.size(), std::size_t{2});
    QCOMPARE(man().vecManutencao[0].Cod, 0);
    QCOMPARE(man().vecManutencao[1].Cod, 1);
    QCOMPARE(names(man().NxGManut), (QStringList{QStringLiteral("Cloro"), QStringLiteral("Bomba")}));
}

// "Remover" removes the item selected in the grid; the edit window forgets what it held.
void TestCustos::removeSelectedItem() {
    fx.start("pt_BR");
    addItem(QStringLiteral("Limpeza"), QStringLiteral("6"), 0, QStringLiteral("50"));
    addItem(QStringLiteral("Cloro"), QStringLiteral("1"), 1, QStringLiteral("10"), QStringLiteral("2"));
    addItem(QStringLiteral("Bomba"), QStringLiteral("24"), 0, QStringLiteral("80"));
    QCOMPARE(man().BTRemover->text(), QStringLiteral("Remover"));
    QCOMPARE(man().BTRemover->accessibleName(), QStringLiteral("Remover"));
    QVERIFY(!man().BTRemover->isHidden());
    QVERIFY(!man().BTRemover->isEnabled());
    emit man().NxGManut->cellClick(0, 2);  // "Bomba" loaded into the edit window
    man().NxGManut->selectRow(1);
    QVERIFY(man().BTRemover->isEnabled());
    man().BTRemover->click();
    QCOMPARE(names(man().NxGManut), (QStringList{QStringLiteral("Limpeza"), QStringLiteral("Bomba")}));
    QCOMPARE(man().vecManutencao.size(), std::size_t{2});
    QCOMPARE(man().vecManutencao[1].Cod, 1);
    QCOMPARE(man().vecManutencao[1].Nome, std::string("Bomba"));
    QVERIFY(!man().BTRemover->isEnabled());
    QVERIFY(ed().edNomeManutencao->text().isEmpty());
}

void TestCustos::editWithoutChoosingAnItem() {
    fx.start("pt_BR");
    addItem(QStringLiteral("Limpeza"), QStringLiteral("6"), 0, QStringLiteral("50"));
    fx.ui.expectMessage(QStringLiteral("Manutenção"),
                        QStringLiteral("Selecione na lista o tipo de manutenção que você deseja editar."),
                        MsgIcon::Information);
    man().BTEditar->click();
    QVERIFY(!ed().isVisible());
}

void TestCustos::refusedItems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("months");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    QTest::newRow("pasted ';' in the name") << "Filtro; areia"
                                            << "6"
                                            << "Erro"
                                            << "não pode conter";
    QTest::newRow("no periodicity") << "Filtro"
                                    << ""
                                    << "Vespra 4"
                                    << "''";
    QTest::newRow("periodicity of 0") << "Filtro"
                                      << "0"
                                      << "Erro"
                                      << "pelo menos 1 mês";
}

void TestCustos::refusedItems() {
    QFETCH(QString, name);
    QFETCH(QString, months);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    fx.start("pt_BR");
    fx.ui.expectMessageContaining(caption, message);
    addItem(name, months, 0, QStringLiteral("50"));
    QVERIFY(man().vecManutencao.empty());
    QCOMPARE(man().NxGManut->rowCount(), 0);
    QCOMPARE(man().edNomeManutencao->text(), name);  // left for the user to mend
    expectNarrowAndWhole(man());
}

QTEST_MAIN(TestCustos)
#include "test_form_custos.moc"
