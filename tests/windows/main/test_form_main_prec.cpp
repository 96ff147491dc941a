// The precipitation record chosen in the main window's grid: the files the choice offers and
// opens, the warning about a short record and about lines that are not numbers, and the start
// date a loaded simulation file puts in the grid.

#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "common/numtext.h"
#include "common/textfile.h"
#include "components/app_locale.h"
#include "tests/support/systems.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/window_fixture.h"
#include "windows/main/form_main.h"
#include "windows/scenarios/form_dados_prec.h"

namespace {

const QString kCaption = QStringLiteral("Dados de precipitação");
const QString kShort =
    QStringLiteral("Os dados de precipitação devem conter no mínimo 365 precipitações diárias.");

TformMain& win() {
    return *formMain;
}

void clickValueCell(int row) {
    QTableWidget* grid = win().strGridPrec;
    const QRect cell = grid->visualItemRect(grid->item(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// `days` lines of 2 mm with the given lines (counted from 1) replaced by `text`.
std::string record(int days, const std::vector<std::pair<int, std::string>>& replaced = {},
                   const std::string& value = "2") {
    std::vector<std::string> lines(static_cast<std::size_t>(days), value);
    for (const auto& [line, text] : replaced) lines[static_cast<std::size_t>(line - 1)] = text;
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    return bytes;
}

}  // namespace

class TestMainPrec : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void filterOffered();
    void anyExistingFileOpens_data();
    void anyExistingFileOpens();
    void linesThatAreNotNumbers_data();
    void linesThatAreNotNumbers();
    void loadedStartDate_data();
    void loadedStartDate();

  private:
    WindowFixture fx;
    std::unique_ptr<TempDir> tmp;
};

void TestMainPrec::init() {
    tmp = std::make_unique<TempDir>();
    fx.start("pt_BR");
    win().show();
}

void TestMainPrec::cleanup() {
    fx.finish();
    tmp.reset();
}

// The grid's file cell, the menu entry and the precipitation dialog's "Procurar..." open on
// the records (.txt and .csv together), then offer CSV files, text files and every file.
void TestMainPrec::filterOffered() {
    fx.ui.expectOpenFile(QString());
    clickValueCell(PrecRowArquivo);
    fx.ui.expectOpenFile(QString());
    win().MenuCarregarDadosPrec->trigger();
    TformDadosPrec dialog;
    fx.ui.expectOpenFile(QString());
    dialog.Button1->click();
    QCOMPARE(fx.ui.shown().size(), std::size_t(3));
    for (const FakeUi::Shown& shown : fx.ui.shown()) {
        QCOMPARE(shown.kind, QStringLiteral("open"));
        QCOMPARE(shown.text, QStringLiteral("Dados de precipitação|*.txt *.csv|Arquivo CSV|*.csv|Arquivo de "
                                            "texto|*.txt|Todos os arquivos|*"));
    }
}

void TestMainPrec::anyExistingFileOpens_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("csv") << "chuva.csv";
    QTest::newRow("txt") << "chuva.txt";
    QTest::newRow("other extension") << "chuva.dat";
    QTest::newRow("no extension") << "chuva";
}

void TestMainPrec::anyExistingFileOpens() {
    QFETCH(QString, name);
    const QString path = QString::fromStdString(tmp->write(name.toStdString(), record(365)));
    fx.ui.expectOpenFile(path);
    clickValueCell(PrecRowArquivo);
    QCOMPARE(win().precCell(PrecRowArquivo), name);
    QCOMPARE(win().precCell(PrecRowRegistros), QStringLiteral("365"));
    QCOMPARE(win().sim().base().vecDadosPrecOrig.size(), std::size_t(365));
}

// The record is read as always (those lines are dry days) and the user is told which lines
// they are, in the same box as the short-record warning when both apply.
void TestMainPrec::linesThatAreNotNumbers_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("warning");  // empty: none
    QTest::newRow("numbers only") << QByteArray::fromStdString(record(400)) << 400 << QString();
    QTest::newRow("letters") << QByteArray::fromStdString(record(400, {{3, "abc"}})) << 400
                             << QStringLiteral(
                                    "A linha 3 do arquivo não é um número e foi lida como um dia de 0 mm.");
    QTest::newRow("two commas and a header")
        << QByteArray::fromStdString(record(400, {{1, "Precipitação (mm)"}, {7, "20,3,5"}})) << 400
        << QStringLiteral(
               "2 linhas do arquivo não são números e foram lidas como dias de 0 mm: linhas 1 e 7.");
    QTest::newRow("short record") << QByteArray::fromStdString(record(364)) << 364 << kShort;
    QTest::newRow("short record of words")
        << QByteArray("chuva\r\nsol\r\n") << 2
        << kShort + QStringLiteral(
                        "\n\n2 linhas do arquivo não são números e foram lidas como dias "
                        "de 0 mm: linhas 1 e 2.");
    // No rain is below 0 mm: negative values are kept as read and told.
    QTest::newRow("record of negatives")
        << QByteArray::fromStdString(record(400, {}, "-5")) << 400
        << QStringLiteral(
               "400 linhas do arquivo têm valores negativos, mantidos como lidos: as 10 primeiras são "
               "as linhas 1, 2, 3, 4, 5, 6, 7, 8, 9 e 10.");
    QTest::newRow("a word and a negative")
        << QByteArray::fromStdString(record(400, {{2, "abc"}, {5, "-5"}})) << 400
        << QStringLiteral(
               "A linha 2 do arquivo não é um número e foi lida como um dia de 0 mm.\n\nA linha 5 do arquivo "
               "tem um valor negativo, mantido como lido.");
}

void TestMainPrec::linesThatAreNotNumbers() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, days);
    QFETCH(QString, warning);
    const QString path = QString::fromStdString(tmp->write("chuva.txt", bytes.toStdString()));
    fx.ui.expectOpenFile(path);
    if (!warning.isEmpty()) fx.ui.expectMessage(kCaption, warning, MsgIcon::Warning);
    clickValueCell(PrecRowArquivo);
    QCOMPARE(win().precCell(PrecRowRegistros), QString::number(days));
    const doubleArray& series = win().sim().base().vecDadosPrecOrig;
    QCOMPARE(series.size(), std::size_t(days));
    for (std::size_t i = 0; i < series.size(); ++i)
        QVERIFY(series[i] == 0 || series[i] == 2 || series[i] == -5);
}

// A simulation file saved under en_US (or with whole numbers only, which do not show the saving
// machine) opened under pt_BR: the grid shows the date the file means, or the date taken and
// a warning saying so.
void TestMainPrec::loadedStartDate_data() {
    QTest::addColumn<bool>("decimals");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("notice");
    QTest::newRow("month first") << true << "2/1/2012"
                                 << "01/02/2012" << QString();
    QTest::newRow("day above 12") << true << "3/15/2012"
                                  << "15/03/2012" << QString();
    QTest::newRow("order unknown")
        << false << "2/1/2012"
        << "02/01/2012"
        << QStringLiteral(
               "A data inicial do arquivo, \"2/1/2012\", não mostra se o dia vem antes do mês; "
               "foi lida como dia 2 do mês 1 de 2012 (02/01/2012).");
}

void TestMainPrec::loadedStartDate() {
    QFETCH(bool, decimals);
    QFETCH(QString, dateText);
    QFETCH(QString, shown);
    QFETCH(QString, notice);
    auto set = testsys::household(400);
    if (!decimals) {
        for (double& v : set->base().vecDadosPrecOrig) v = v < 1 ? 0 : 8;
        set->base().dblPorcSubs = 1;
        set->base().dblCoefAprov = 1;
    }
    auto lines = set->simLines({}, LocaleSettings::enUS());
    for (auto& l : lines) {
        if (l.rfind("Data inicial;", 0) == 0) l = "Data inicial;" + dateText.toStdString();
    }
    const std::string path = tmp->file("en_US.csv");
    writeTextLines(path, lines);

    fx.ui.expectOpenFile(QString::fromStdString(path));
    if (!notice.isEmpty()) fx.ui.expectMessage(QStringLiteral("Data inicial"), notice, MsgIcon::Warning);
    QTest::mouseClick(win().BTCarregar, Qt::LeftButton);
    QCOMPARE(win().precCell(PrecRowData), shown);
    QCOMPARE(fromUtf8(formatDate(win().sim().base().dateDadosPrec, appLocale())), shown);
}

QTEST_MAIN(TestMainPrec)
#include "test_form_main_prec.moc"
