// The data sheet of a volume sweep: one row per volume with the results and the gain per
// cubic metre, the ideal volume's row in light green, a row click opening that volume's
// monthly table, and the export as ';'-separated Windows-1252 text.

#include <unistd.h>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <memory>

#include "components/app_locale.h"
#include "components/data_grid.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/monthly_table.h"
#include "engine/sweep_table.h"
#include "tests/support/systems.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/planted_rows.h"
#include "tests/windows/window_fixture.h"
#include "windows/results/form_grafico_dados.h"
#include "windows/results/form_result_sim_mensal.h"

namespace {

struct Figures {
    double resInf, econPot, consPluv, consPot, vExtrav, total, parc, nao;
};

// A sweep of 0, 1000 and 2000 litres with chosen results. Every member's demand term is
// 150 L × 4 people × 0.5 = 300 L/day, so the rainwater gains of 30 and 15 L/day over
// 1 m³ each are 10 and 5 percentage points per m³.
std::unique_ptr<TCaptAguaInterval> chosenSweep(int ideal) {
    const Figures figures[] = {
        {0, 0, 0, 300, 0, 0, 0, 100},
        {1000, 20.126, 30, 270.5, 2.25, 10.5, 60.25, 29.25},
        {2000, 25.0625, 45, 255, 12345.678, 40, 50, 10},
    };
    auto set = std::make_unique<TCaptAguaInterval>();
    set->vecCaptAgua.clear();
    for (const Figures& f : figures) {
        auto m = std::make_unique<TCaptAgua>();
        m->vecDemAguaPot = {150};
        m->vecNroMor = {4};
        m->dblPorcSubs = 0.5;
        m->dblResInf = f.resInf;
        m->dblEconPot = f.econPot;
        m->dblConsPluvMed = f.consPluv;
        m->dblConsPotMed = f.consPot;
        m->dblVExtravMed = f.vExtrav;
        m->dblPorcAtendTotal = f.total;
        m->dblPorcAtendParc = f.parc;
        m->dblPorcNaoAtend = f.nao;
        set->vecCaptAgua.push_back(std::move(m));
    }
    set->volmax = 2000;
    set->interval = 1000;
    set->delta = 2;
    set->indVolOtimo = ideal;
    return set;
}

// The household of the engine tests swept over 0, 1000 and 2000 litres.
std::unique_ptr<TCaptAguaInterval> simulatedSweep(double delta) {
    auto set = testsys::sweep(2000, 1000, delta);
    set->simula();
    return set;
}

// The header line of the export as it is on disk (Windows-1252).
const std::string kCsvHeader =
    "Volume (litros);Potencial de economia de \xE1"
    "gua pot\xE1"
    "vel (%);Volume consumido de \xE1"
    "gua pluvial (litros/dia); Volume consumido de \xE1"
    "gua pot\xE1"
    "vel (litros/dia);Volume extravasado         (litros/dia);Demanda de \xE1"
    "gua pluvial \xE9"
    "atendida completamente (%);Demanda de \xE1"
    "gua pluvial \xE9  atendida parcialmente (%);Demanda de \xE1"
    "gua pluvial      n\xE3o \xE9 atendida (%);  Diferen\xE7"
    "a entre potenciaisde atendimento pluvial (%/m\xB3);";

void fill(const TCaptAguaInterval& set) {
    formGraficoDados->DefineSim(set);
    formGraficoDados->FillStrGrid();
}

}  // namespace

class TestGraficoDados : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }

    void gridColumns();
    void rowsAndMasks_data();
    void rowsAndMasks();
    void gainsAreTheIdealVolumeRule();
    void idealRowIsGreen_data();
    void idealRowIsGreen();
    void rowClickShowsMonthlyTable();
    void monthlyTableUsableWhileSheetIsModal();
    void opensAtTopLeft();
    void exportWritesTheSheet_data();
    void exportWritesTheSheet();
    void cancelledExportWritesNothing();
    void failedExportKeepsTheOldFile_data() { addPlantedFailureRows(); }
    void failedExportKeepsTheOldFile();
    void exportWritesTheTableNotTheCells();

  private:
    WindowFixture fx;
};

void TestGraficoDados::gridColumns() {
    fx.start("pt_BR");
    QCOMPARE(formGraficoDados->windowTitle(), QStringLiteral("Planilha de dados"));
    FIND_CONTROL(grid, DataGrid, formGraficoDados, "NextGrid1");
    FIND_CONTROL(button, QPushButton, formGraficoDados, "Button1");
    QCOMPARE(button->text(), QStringLiteral("Exportar para CSV"));
    QCOMPARE(grid->columnCount(), 9);
    // The captions' blanks are kept: the export writes them.
    const char* const lines[9][2] = {
        {"Volume", " (litros)"},
        {"Potencial de economia ", "de água potável (%)"},
        {"Volume consumido de ", "água pluvial (litros/dia)"},
        {" Volume consumido de ", "água potável (litros/dia)"},
        {"Volume extravasado ", "        (litros/dia)"},
        {"Demanda de água pluvial é", "atendida completamente (%)"},
        {"Demanda de água pluvial é ", " atendida parcialmente (%)"},
        {"Demanda de água pluvial ", "     não é atendida (%)"},
        {"  Diferença entre potenciais", "de atendimento pluvial (%/m³)"},
    };
    for (int col = 0; col < 9; ++col) {
        QCOMPARE(grid->headerLines(col),
                 QStringList({QString::fromUtf8(lines[col][0]), QString::fromUtf8(lines[col][1])}));
    }
    // Both header lines fit; the whole row is selected.
    QVERIFY(grid->horizontalHeader()->height() >= 2 * grid->horizontalHeader()->fontMetrics().lineSpacing());
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!grid->isCellEditable(1, grid->addRow()));
}

void TestGraficoDados::rowsAndMasks_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("row2");  // the texts shown in the last row
    QTest::newRow("pt_BR") << "pt_BR" << QStringList{"2000,0", "25,06", "45,00", "255,00", "12345,68",
                                                     "40,00",  "50,00", "10,00", "5,00"};
    QTest::newRow("en_US") << "en_US" << QStringList{"2000.0", "25.06", "45.00", "255.00", "12345.68",
                                                     "40.00",  "50.00", "10.00", "5.00"};
}

void TestGraficoDados::rowsAndMasks() {
    QFETCH(QString, locale);
    QFETCH(QStringList, row2);
    fx.start(locale.toLatin1().constData());
    const auto set = chosenSweep(-1);
    fill(*set);
    DataGrid* grid = formGraficoDados->NextGrid1;
    QCOMPARE(grid->rowCount(), 3);
    for (int row = 0; row < 3; ++row) QCOMPARE(grid->cellNumber(0, row), row * 1000.0);
    QCOMPARE(grid->cellNumber(8, 0), 0.0);
    QCOMPARE(grid->cellNumber(8, 1), 10.0);
    QCOMPARE(grid->cellNumber(8, 2), 5.0);
    QCOMPARE(grid->cellNumber(1, 1), 20.126);  // the value itself, not the two decimals shown
    for (int col = 0; col < 9; ++col) QCOMPARE(grid->cellText(col, 2), row2[col]);

    // Filling again replaces the rows.
    fill(*set);
    QCOMPARE(grid->rowCount(), 3);
}

void TestGraficoDados::gainsAreTheIdealVolumeRule() {
    fx.start("pt_BR");
    const auto set = simulatedSweep(0);
    QCOMPARE(set->vecCaptAgua.size(), std::size_t{3});
    fill(*set);
    DataGrid* grid = formGraficoDados->NextGrid1;
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->cellNumber(8, 0), 0.0);
    for (int row = 1; row < 3; ++row) {
        QVERIFY(set->gain(static_cast<std::size_t>(row)) > 0);
        QCOMPARE(grid->cellNumber(8, row), set->gain(static_cast<std::size_t>(row)));
        QCOMPARE(grid->cellNumber(1, row), set->vecCaptAgua[static_cast<std::size_t>(row)]->dblEconPot);
    }
}

void TestGraficoDados::idealRowIsGreen_data() {
    QTest::addColumn<double>("delta");
    QTest::addColumn<int>("greenRow");
    // Any gain qualifies under a huge threshold: the first volume after 0 is the ideal one.
    QTest::newRow("ideal volume 1000 L") << 1e9 << 1;
    QTest::newRow("no ideal volume wanted") << 0.0 << -1;
}

void TestGraficoDados::idealRowIsGreen() {
    QFETCH(double, delta);
    QFETCH(int, greenRow);
    fx.start("pt_BR");
    // A sheet filled before with another ideal row keeps no colour of it.
    const auto before = chosenSweep(2);
    fill(*before);
    QCOMPARE(formGraficoDados->NextGrid1->cellColour(0, 2), QColor(192, 220, 192));

    const auto set = simulatedSweep(delta);
    QCOMPARE(set->indVolOtimo, greenRow);
    fill(*set);
    DataGrid* grid = formGraficoDados->NextGrid1;
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int col = 0; col < 9; ++col) {
            QCOMPARE(grid->cellColour(col, row), row == greenRow ? QColor(192, 220, 192) : QColor(Qt::white));
        }
    }
}

void TestGraficoDados::rowClickShowsMonthlyTable() {
    fx.start("pt_BR");
    const auto set = simulatedSweep(0);
    fill(*set);
    formGraficoDados->show();
    DataGrid* grid = formGraficoDados->NextGrid1;
    QVERIFY(!formResultSimMensal->isVisible());

    for (int row : {2, 0}) {
        const QRect cell = grid->visualRect(grid->model()->index(row, 4));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(formResultSimMensal->isVisible());
        QVERIFY(!formResultSimMensal->isModal());
        const TCaptAgua& member = *set->vecCaptAgua[static_cast<std::size_t>(row)];
        QCOMPARE(formResultSimMensal->simCurrent, &member);
        const MonthlyTable table = buildMonthlyTable(member, appLocale());
        for (int r = 0; r < 14; ++r) {
            for (int c = 0; c < 9; ++c) {
                QCOMPARE(formResultSimMensal->NextGrid1->cellText(c, r),
                         fromUtf8(table[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
            }
        }
    }
    // Member 2 and member 0 differ: the table did change with the row.
    QVERIFY(set->vecCaptAgua[2]->dblEconPot != set->vecCaptAgua[0]->dblEconPot);
}

void TestGraficoDados::monthlyTableUsableWhileSheetIsModal() {
    fx.start("pt_BR");
    const auto set = simulatedSweep(0);
    fill(*set);
    // Shown as the chart window shows it: application modal.
    formGraficoDados->setWindowModality(Qt::ApplicationModal);
    formGraficoDados->show();
    DataGrid* grid = formGraficoDados->NextGrid1;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 0)).center());
    QVERIFY(formResultSimMensal->isVisible());

    // A click that reaches the table through the window system, where blocked windows
    // lose their input.
    QSignalSpy clicks(formResultSimMensal->NextGrid1, &DataGrid::cellClick);
    DataGrid* table = formResultSimMensal->NextGrid1;
    const QPoint at = table->viewport()->mapTo(formResultSimMensal,
                                               table->visualRect(table->model()->index(0, 1)).center());
    QTest::mouseClick(formResultSimMensal->windowHandle(), Qt::LeftButton, {}, at);
    QCOMPARE(clicks.count(), 1);

    // Once the sheet is closed the table is a window of its own again.
    formGraficoDados->hide();
    QCOMPARE(formResultSimMensal->windowHandle()->transientParent(), static_cast<QWindow*>(nullptr));
    QVERIFY(formResultSimMensal->isVisible());
}

void TestGraficoDados::opensAtTopLeft() {
    fx.start("pt_BR");
    formGraficoDados->move(300, 200);
    formGraficoDados->show();
    const QScreen* screen = formGraficoDados->screen();
    QVERIFY(screen != nullptr);
    QCOMPARE(formGraficoDados->frameGeometry().topLeft(), screen->availableGeometry().topLeft());
    // Nine wide columns never push the window past the screen.
    QVERIFY(screen->availableGeometry().contains(formGraficoDados->frameGeometry()));
}

void TestGraficoDados::exportWritesTheSheet_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("rows");  // the lines after the header, as on disk
    QTest::newRow("pt_BR") << "pt_BR"
                           << QByteArray(
                                  "0;0;0;300;0;0;0;100;0;\r\n"
                                  "1000;20,126;30;270,5;2,25;10,5;60,25;29,25;10;\r\n"
                                  "2000;25,0625;45;255;12345,678;40;50;10;5;\r\n");
    QTest::newRow("en_US") << "en_US"
                           << QByteArray(
                                  "0;0;0;300;0;0;0;100;0;\r\n"
                                  "1000;20.126;30;270.5;2.25;10.5;60.25;29.25;10;\r\n"
                                  "2000;25.0625;45;255;12345.678;40;50;10;5;\r\n");
}

void TestGraficoDados::exportWritesTheSheet() {
    QFETCH(QString, locale);
    QFETCH(QByteArray, rows);
    fx.start(locale.toLatin1().constData());
    const auto set = chosenSweep(1);
    fill(*set);
    TempDir dir;
    const std::string path = dir.file("planilha.csv");
    dir.write("planilha.csv", "an older file, replaced\r\n");
    fx.ui.expectSaveFile(QString::fromStdString(path));
    formGraficoDados->Button1->click();

    QCOMPARE(fx.ui.shown().back().kind, QStringLiteral("save"));
    QCOMPARE(fx.ui.shown().back().text, QStringLiteral("Arquivo CSV|*.csv"));
    const QByteArray bytes = QByteArray::fromStdString(TempDir::read(path));
    QCOMPARE(bytes, QByteArray::fromStdString(kCsvHeader + "\r\n") + rows);
}

void TestGraficoDados::cancelledExportWritesNothing() {
    fx.start("pt_BR");
    const auto set = chosenSweep(1);
    fill(*set);
    fx.ui.expectSaveFile(QString());
    formGraficoDados->Button1Click();
    // The save dialog and nothing after it: no file, no message.
    QCOMPARE(fx.ui.shown().size(), std::size_t{1});
    QCOMPARE(fx.ui.shown().back().kind, QStringLiteral("save"));
}

void TestGraficoDados::failedExportKeepsTheOldFile() {
    const PlantedFailure& failure = plantedFailure();
    fx.start("pt_BR");
    const auto set = chosenSweep(1);
    fill(*set);
    TempDir dir;
    const std::string path = plantFailure(dir, failure.obstacle, "dados.csv");
    const auto before = snapshot(dir.file(""));
    fx.ui.expectSaveFile(QString::fromStdString(path));
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QString::fromStdString(path));
    {
        FullDiskWhile full(failure.obstacle == Obstacle::FullDisk);
        formGraficoDados->Button1Click();
    }
    verifyRefusedWrite(fx.ui, failure, path, dir, before);
}

// What the grid paints is not read back: a cell changed on screen changes no exported figure.
void TestGraficoDados::exportWritesTheTableNotTheCells() {
    fx.start("pt_BR");
    const auto set = chosenSweep(1);
    fill(*set);
    const auto before = formGraficoDados->csvLines();
    formGraficoDados->NextGrid1->setCellNumber(1, 1, 99.0);
    QCOMPARE(formGraficoDados->csvLines(), before);
    QCOMPARE(before, sweepTableCsv(buildSweepTable(*set), appLocale()));
}

QTEST_MAIN(TestGraficoDados)
#include "test_form_grafico_dados.moc"
