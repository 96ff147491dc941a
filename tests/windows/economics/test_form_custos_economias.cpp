// The costs and savings window: a new snapshot per click, its simplified and detailed views,
// the copy of a selection and the export of the whole analysis.

#include <unistd.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/currency.h"
#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/radio_group.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/econ_fixture.h"
#include "tests/windows/planted_rows.h"
#include "tests/windows/window_fixture.h"
#include "windows/economics/form_analise.h"
#include "windows/economics/form_custo_reservatorios.h"
#include "windows/economics/form_custos_economias.h"

namespace {

QString cell(const QTableWidget* grid, int row, int col) {
    const QTableWidgetItem* item = grid->item(row, col);
    return item ? item->text() : QString();
}

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace

class TestCustosEconomias : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }

    void eachClickOpensASnapshot();
    void simplifiedView();
    void monthsOfTheCalculation();
    void detailedView();
    void copiesTheSelection();
    void exportWritesTheWholeAnalysis_data();
    void exportWritesTheWholeAnalysis();
    void failedExportKeepsTheOldFile_data() { addPlantedFailureRows(); }
    void failedExportKeepsTheOldFile();
    void cancelledExportWritesNothing();

  private:
    // Two years of analysis installed in March, calculated, and its costs window opened.
    TformCustosEconomias* calculatedAndOpened(bool initialCost = true);

    WindowFixture fx;
};

TformCustosEconomias* TestCustosEconomias::calculatedAndOpened(bool initialCost) {
    fx.start("pt_BR");
    econtest::startAnalysis(false);
    econtest::tariffs();
    econtest::settings(QStringLiteral("2"), 2);
    if (initialCost) formCustoReservatorios->edCustoInf->setText(QStringLiteral("1500"));
    formAnalise->BTCalcular->click();
    const auto before = QApplication::topLevelWidgets();
    formAnalise->BTCustosEconomia->click();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* janela = qobject_cast<TformCustosEconomias*>(w);
        if (janela && !before.contains(w)) return janela;
    }
    return nullptr;
}

void TestCustosEconomias::eachClickOpensASnapshot() {
    QPointer<TformCustosEconomias> first = calculatedAndOpened();
    QVERIFY(first);
    QVERIFY(first != formCustosEconomias);
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("Custos e Economias"));
    QCOMPARE(first->SGCustosEconomias->rowCount(), 25);

    // A later calculation leaves the open window as it was and opens another.
    formAnalise->edPeriodoAnalise->setText(QStringLiteral("1"));
    formAnalise->BTCalcular->click();
    formAnalise->BTCustosEconomia->click();
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* janela = qobject_cast<TformCustosEconomias*>(w);
        if (janela && janela->isVisible()) {
            ++open;
            QCOMPARE(janela->SGCustosEconomias->rowCount(), janela == first ? 25 : 13);
        }
    }
    QCOMPARE(open, 2);

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
}

// The months are named from the month the calculation used: a window open when the month box
// changes keeps the calculated months, and the changed box hides the results until "Calcular".
void TestCustosEconomias::monthsOfTheCalculation() {
    fx.start("pt_BR");
    econtest::startAnalysis(false);
    econtest::tariffs();
    econtest::settings(QStringLiteral("2"), 2);
    formAnalise->BTCalcular->click();
    const auto before = QApplication::topLevelWidgets();
    formAnalise->BTCustosEconomia->click();
    TformCustosEconomias* w = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* janela = qobject_cast<TformCustosEconomias*>(top); janela && !before.contains(top))
            w = janela;
    }
    QVERIFY(w);
    formAnalise->CBMesIn->setCurrentIndex(5);  // "Jun", not calculated
    QVERIFY(!formAnalise->BTCustosEconomia->isVisible());
    QCOMPARE(cell(w->SGCustosEconomias, 1, 0), QStringLiteral("0 (Março)"));
    QCOMPARE(cell(w->SGCustosEconomias, 11, 0), QStringLiteral("10 (Janeiro)"));
    w->RGDados->setItemIndex(1);
    QVERIFY(w->SGCustosEconomias->rowCount() > 1);
    QVERIFY(!cell(w->SGCustosEconomias, 1, 0).contains(QStringLiteral("Junho")));
}

void TestCustosEconomias::simplifiedView() {
    TformCustosEconomias* w = calculatedAndOpened();
    QVERIFY(w);
    QCOMPARE(w->RGDados->itemIndex(), 0);
    QCOMPARE(w->RGDados->itemText(1), QStringLiteral("Detalhados"));
    const QTableWidget* g = w->SGCustosEconomias;
    QCOMPARE(g->columnCount(), 3);
    QCOMPARE(g->rowCount(), 25);
    QCOMPARE(cell(g, 0, 0), QStringLiteral("Mês"));
    QCOMPARE(cell(g, 0, 1), QStringLiteral("Economia (R$)"));
    QCOMPARE(cell(g, 0, 2), QStringLiteral("Custo (R$)"));
    QCOMPARE(cell(g, 1, 0), QStringLiteral("0 (Março)"));
    QCOMPARE(cell(g, 1, 1), QStringLiteral("0,00"));
    QCOMPARE(cell(g, 1, 2), QStringLiteral("1500,00"));
    QCOMPARE(cell(g, 11, 0), QStringLiteral("10 (Janeiro)"));
    QCOMPARE(cell(g, 24, 0), QStringLiteral("23 (Fevereiro)"));
    // 75 pixels, or wider where the month names need it.
    QVERIFY(g->columnWidth(0) >= 75);
    QVERIFY(g->columnWidth(0) >= static_cast<const QAbstractItemView*>(g)->sizeHintForColumn(0));
    QCOMPARE(g->columnWidth(2), 230);
}

void TestCustosEconomias::detailedView() {
    TformCustosEconomias* w = calculatedAndOpened();
    QVERIFY(w);
    w->RGDados->setItemIndex(1);
    const QTableWidget* g = w->SGCustosEconomias;
    QCOMPARE(cell(g, 0, 0), QStringLiteral("Mês "));
    QCOMPARE(cell(g, 1, 0), QStringLiteral("Mês  0 (Março)"));
    QCOMPARE(cell(g, 2, 0), QStringLiteral("Economia de água potável"));
    QCOMPARE(cell(g, 2, 1), QStringLiteral("0,00"));
    QCOMPARE(cell(g, 3, 0), QStringLiteral("Custos"));
    QCOMPARE(cell(g, 4, 0), QStringLiteral("Reservatório inferior"));
    QCOMPARE(cell(g, 4, 2), QStringLiteral("1500,00"));
    QCOMPARE(cell(g, 5, 0), QString());
    // Later months have no cost item: label, saving, "Custos", empty row.
    QCOMPARE(cell(g, 6, 0), QStringLiteral("Mês  1 (Abril)"));
    QCOMPARE(cell(g, 7, 0), QStringLiteral("Economia de água potável"));
    QCOMPARE(cell(g, 8, 0), QStringLiteral("Custos"));
    QCOMPARE(cell(g, 9, 0), QString());
    QCOMPARE(cell(g, 10, 0), QStringLiteral("Mês  2 (Maio)"));
    // Header, month 0 with one item (5 rows), 23 months of 4 rows, the closing empty row.
    QCOMPARE(g->rowCount(), 1 + 5 + 23 * 4 + 1);
    QVERIFY(g->columnWidth(0) >=
            static_cast<const QAbstractItemView*>(g)->sizeHintForColumn(0));  // item names read whole

    w->RGDados->setItemIndex(0);
    QCOMPARE(g->rowCount(), 25);
    QCOMPARE(cell(g, 0, 0), QStringLiteral("Mês"));
}

void TestCustosEconomias::copiesTheSelection() {
    TformCustosEconomias* w = calculatedAndOpened();
    QVERIFY(w);
    QTableWidget* g = w->SGCustosEconomias;
    g->setRangeSelected(QTableWidgetSelectionRange(0, 0, 2, 1), true);
    QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
    // A selection from the header row copies from the first month.
    const QString expected = cell(g, 1, 0) + QLatin1Char('\t') + cell(g, 1, 1) + QStringLiteral("\r\n") +
                             cell(g, 2, 0) + QLatin1Char('\t') + cell(g, 2, 1) + QStringLiteral("\r\n");
    QCOMPARE(QApplication::clipboard()->text(), expected);
    QVERIFY(expected.startsWith(QStringLiteral("0 (Março)\t0,00")));

    // Ctrl+Shift+C is not the copy.
    QApplication::clipboard()->setText(QStringLiteral("antes"));
    QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("antes"));
}

void TestCustosEconomias::exportWritesTheWholeAnalysis_data() {
    QTest::addColumn<bool>("initialCost");
    QTest::addColumn<bool>("detailed");
    QTest::newRow("simplified") << true << false;
    QTest::newRow("detailed") << true << true;
    QTest::newRow("savings only: no rate of return") << false << false;
}

void TestCustosEconomias::exportWritesTheWholeAnalysis() {
    QFETCH(bool, initialCost);
    QFETCH(bool, detailed);
    TformCustosEconomias* w = calculatedAndOpened(initialCost);
    QVERIFY(w);
    if (detailed) w->RGDados->setItemIndex(1);
    TempDir dir;
    const std::string path = dir.file("analise.csv");
    fx.ui.expectSaveFile(QString::fromStdString(path));
    w->BTExportar->click();

    const std::string bytes = bytesOf(path);
    QVERIFY(bytes.find("M\xEAs;Consumo total mensal (litros);") != std::string::npos);  // Windows-1252
    const std::vector<std::string> lines = readTextLines(path);
    QCOMPARE(bytes.size() - bytes.find_last_of('\n'), std::size_t{1});
    QVERIFY(bytes.ends_with("\r\n"));
    QCOMPARE(lines[0],
             std::string("Estimativas iniciais de consumo e economia de água (baseadas nos dados de "
                         "precipitação)"));
    QVERIFY(lines[2].starts_with("Jan;"));
    QVERIFY(lines[13].starts_with("Dez;"));
    const std::vector<std::string> middle(lines.begin() + 14, lines.begin() + 31);
    const std::vector<std::string> expected{
        "",
        "Tarifas de água",
        "",
        "Abaixo de 10 m³: R$20 (fixo).",
        "Entre 10 e 20 m³: R$3 (por m³).",
        "Acima de 20 m³: R$5 (por m³).",
        "",
        "Inflação (% ao mês);0,5",
        "Reajuste das tarifas de água e energia elétrica (meses);12",
        "Período de análise (anos);2",
        "Taxa mínima de atratividade (%);1",
        "",
        "Resultado da análise econômica",
        "Tempo de retorno do investimento (meses);" +
            std::to_string(formAnalise->estado.resultado->intTempoRetorno),
        "Valor presente líquido (R$);" +
            formatCurrencyGeneral(formAnalise->estado.resultado->curVPL, appLocale()),
        lines[29],
        ""};
    QCOMPARE(middle, expected);
    QCOMPARE(lines[29] == "Taxa interna de retorno (% ao mês);indefinida", !initialCost);
    QVERIFY(lines[29].starts_with("Taxa interna de retorno (% ao mês);"));
    // Then the table in its current view, header first.
    const int tableRows = w->SGCustosEconomias->rowCount();
    QCOMPARE(lines.size(), std::size_t(31 + tableRows));
    QCOMPARE(lines[31],
             std::string(detailed ? "Mês  ;Economia (R$);Custo (R$)" : "Mês ;Economia (R$);Custo (R$)"));
    QCOMPARE(QString::fromStdString(lines[32]).startsWith(detailed ? "Mês  0 (Março) ;" : "0 (Março) ;"),
             true);
}

void TestCustosEconomias::failedExportKeepsTheOldFile() {
    const PlantedFailure& failure = plantedFailure();
    TformCustosEconomias* w = calculatedAndOpened();
    QVERIFY(w);
    TempDir dir;
    const std::string path = plantFailure(dir, failure.obstacle, "analise.csv");
    const auto before = snapshot(dir.file(""));
    fx.ui.expectSaveFile(QString::fromStdString(path));
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QString::fromStdString(path));
    {
        FullDiskWhile full(failure.obstacle == Obstacle::FullDisk);
        w->BTExportar->click();
    }
    verifyRefusedWrite(fx.ui, failure, path, dir, before);
}

void TestCustosEconomias::cancelledExportWritesNothing() {
    TformCustosEconomias* w = calculatedAndOpened();
    QVERIFY(w);
    TempDir dir;
    fx.ui.expectSaveFile(QString());
    w->BTExportar->click();
    QVERIFY(std::filesystem::is_empty(std::filesystem::path(dir.file(""))));
}

QTEST_MAIN(TestCustosEconomias)
#include "test_form_custos_economias.moc"
