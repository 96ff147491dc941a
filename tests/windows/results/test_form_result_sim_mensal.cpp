// The monthly results window: the table of the simulation it was given, in a read-only grid
// of centred cells with two-line headers, the means and totals rows bold on light green.

#include <QHeaderView>
#include <QTest>
#include <cmath>

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/data_grid.h"
#include "engine/capt_agua.h"
#include "tests/windows/window_fixture.h"
#include "windows/results/form_result_sim_mensal.h"

namespace {

// Four years of daily rain from 1 January 2012: a wet spell every few days, wetter in winter,
// so that every month has full, partial and unmet days.
TCaptAgua simulated(double upperReservoir) {
    doubleArray rain;
    const TDate start = *TDate::fromYMD(2012, 1, 1);
    for (int d = 0; d < 4 * 365 + 1; ++d) {
        const int month = start.addDays(d).month();
        const double season = 1.0 + std::cos((month - 1) * 3.14159265358979 / 6.0);
        rain.push_back(d % 5 == 0 ? 4.0 + 8.0 * season : (d % 7 == 0 ? 1.5 : 0.0));
    }
    TCaptAgua sim(rain, start, 0.5, 120.0, {150.0}, false, {4.0}, false, 0.5, 0.8, upperReservoir,
                  upperReservoir / 4, 3000.0, nullptr);
    sim.simula();
    return sim;
}

// March (31 days) with every monthly figure set apart and the other months empty.
TCaptAgua marchOnly() {
    TCaptAgua s;
    s.vecVConsPluv[3] = 2480;  // litres in the month
    s.vecVConsPot[3] = 1395;
    s.vecVExtrav[3] = 1000;
    s.vecPorcAtendTotal[3] = 19.0 / 31;  // 19, 8 and 4 of the 31 days
    s.vecPorcAtendParc[3] = 8.0 / 31;
    s.vecPorcNaoAtend[3] = 4.0 / 31;
    s.vecContRec[3] = 54.0 / 31;  // 54 pump passes in 31 days
    s.vecVMediaMensalCont[3] = 31;
    return s;
}

QString number42(double v) {
    return fromUtf8(formatNumber(v, 4, 2, appLocale()));
}

}  // namespace

class TestResultSimMensal : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }

    void windowAndGridLayout();
    void showsTheSimulationTable_data();
    void showsTheSimulationTable();
    void refillReplacesTheTable();
    void oneMonthRowAsWorkedByHand_data();
    void oneMonthRowAsWorkedByHand();

  private:
    WindowFixture fx;
};

void TestResultSimMensal::windowAndGridLayout() {
    fx.start("pt_BR");
    QCOMPARE(formResultSimMensal->windowTitle(), QStringLiteral("Resultado mensal da simulação"));
    QCOMPARE(formResultSimMensal->size(), QSize(974, 360));
    QCOMPARE(formResultSimMensal->minimumSize(), formResultSimMensal->maximumSize());  // fixed size
    FIND_CONTROL(grid, DataGrid, formResultSimMensal, "NextGrid1");
    QVERIFY(!grid->accessibleName().isEmpty());
    QCOMPARE(grid->columnCount(), 9);
    QCOMPARE(grid->horizontalHeader()->height(), 34);
    QCOMPARE(grid->verticalHeader()->defaultSectionSize(), 22);

    const int widths[] = {72, 151, 155, 129, 115, 89, 84, 97};
    for (int col = 0; col < 8; ++col) QCOMPARE(grid->columnWidth(col), widths[col]);
    QCOMPARE(grid->headerLines(0), QStringList({QStringLiteral("Mês")}));
    QCOMPARE(grid->headerLines(1),
             QStringList({QStringLiteral("Potencial de utilização"), QStringLiteral("de água pluvial (%)")}));
    QCOMPARE(grid->headerLines(7), QStringList({QStringLiteral("Sem"), QStringLiteral("atendimento (%)")}));
    QCOMPARE(grid->headerLines(8),
             QStringList({QStringLiteral("Média diária"), QStringLiteral("de recalques")}));
    QVERIFY(grid->horizontalHeader()->defaultAlignment() & Qt::AlignHCenter);
}

void TestResultSimMensal::showsTheSimulationTable_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("upper");
    QTest::newRow("pt_BR, upper reservoir") << "pt_BR" << 200.0;
    QTest::newRow("en_US, no upper reservoir") << "en_US" << 0.0;
}

void TestResultSimMensal::showsTheSimulationTable() {
    QFETCH(QString, locale);
    QFETCH(double, upper);
    fx.start(locale.toLatin1().constData());
    const TCaptAgua sim = simulated(upper);
    formResultSimMensal->DefineSimCurrent(sim);
    formResultSimMensal->FillGrid();
    DataGrid* grid = formResultSimMensal->NextGrid1;
    QCOMPARE(grid->rowCount(), 14);

    // The means row holds the simulation's overall figures.
    const int media = TformResultSimMensal::kRowMedia;
    QCOMPARE(grid->cellText(0, media), QStringLiteral("Média"));
    QCOMPARE(grid->cellText(1, media), number42(sim.dblEconPot));
    QCOMPARE(grid->cellText(5, media), number42(sim.dblPorcAtendTotal));
    QCOMPARE(grid->cellText(6, media), number42(sim.dblPorcAtendParc));
    QCOMPARE(grid->cellText(7, media), number42(sim.dblPorcNaoAtend));
    QCOMPARE(grid->cellText(0, TformResultSimMensal::kRowTotal), QStringLiteral("Total ano"));
    QCOMPARE(grid->cellText(0, 0), QStringLiteral("Janeiro"));
    QCOMPARE(grid->cellText(0, 11), QStringLiteral("Dezembro"));
    const QChar separator = QLatin1Char(appLocale().decimalSeparator);
    QVERIFY2(grid->cellText(2, 0).contains(separator), qPrintable(grid->cellText(2, 0)));
    if (upper == 0.0) {
        for (int row = 0; row <= media; ++row) QCOMPARE(grid->cellText(8, row), number42(0.0));
    }

    // Every cell is read-only and centred; only the two summary rows are bold on green.
    const QColor green = TformResultSimMensal::summaryColour();
    QCOMPARE(green, QColor(192, 220, 192));
    for (int row = 0; row < 14; ++row) {
        const bool summary = row >= media;
        for (int col = 0; col < 9; ++col) {
            QVERIFY(!grid->isCellEditable(col, row));
            QCOMPARE(grid->item(row, col)->textAlignment(), int(Qt::AlignCenter));
            QCOMPARE(grid->isCellBold(col, row), summary);
            QCOMPARE(grid->cellColour(col, row) == green, summary);
        }
    }
}

void TestResultSimMensal::refillReplacesTheTable() {
    fx.start("pt_BR");
    const TCaptAgua first = simulated(0.0);
    TCaptAgua second = simulated(0.0);
    second.dblResInf = 0.0;
    second.simula();
    formResultSimMensal->DefineSimCurrent(first);
    formResultSimMensal->FillGrid();
    const QString before = formResultSimMensal->NextGrid1->cellText(1, TformResultSimMensal::kRowMedia);

    // Closing and reopening keeps the table; the next FillGrid replaces it.
    formResultSimMensal->show();
    formResultSimMensal->close();
    formResultSimMensal->show();
    QCOMPARE(formResultSimMensal->NextGrid1->cellText(1, TformResultSimMensal::kRowMedia), before);

    formResultSimMensal->DefineSimCurrent(second);
    formResultSimMensal->FillGrid();
    QCOMPARE(formResultSimMensal->NextGrid1->rowCount(), 14);
    QCOMPARE(formResultSimMensal->NextGrid1->cellText(1, TformResultSimMensal::kRowMedia),
             number42(second.dblEconPot));
    QVERIFY(before != number42(second.dblEconPot));
}

void TestResultSimMensal::oneMonthRowAsWorkedByHand_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("march");
    // 2480 ÷ (2480 + 1395) = 64 %; 2480 ÷ 31 = 80; 1395 ÷ 31 = 45; 1000 ÷ 31 = 32,258…;
    // 19 ÷ 31 = 61,290… %; 8 ÷ 31 = 25,806… %; 4 ÷ 31 = 12,903… %; 54 ÷ 31 = 1,741… passes a day.
    QTest::newRow("pt_BR") << "pt_BR"
                           << QStringList({QStringLiteral("Março"), "64,00", "80,00", "45,00", "32,26",
                                           "61,29", "25,81", "12,90", "1,74"});
    QTest::newRow("en_US") << "en_US"
                           << QStringList({QStringLiteral("Março"), "64.00", "80.00", "45.00", "32.26",
                                           "61.29", "25.81", "12.90", "1.74"});
}

void TestResultSimMensal::oneMonthRowAsWorkedByHand() {
    QFETCH(QString, locale);
    QFETCH(QStringList, march);
    fx.start(locale.toLatin1().constData());
    const TCaptAgua sim = marchOnly();
    formResultSimMensal->DefineSimCurrent(sim);
    formResultSimMensal->FillGrid();
    const DataGrid* grid = formResultSimMensal->NextGrid1;
    QStringList row;
    for (int col = 0; col < grid->columnCount(); ++col) row << grid->cellText(col, 2);
    QCOMPARE(row, march);
}

QTEST_MAIN(TestResultSimMensal)
#include "test_form_result_sim_mensal.moc"
