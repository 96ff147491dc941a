// The variable demand and occupants editor and the main window's side of it: the grid's
// layouts, typing, pasting and loading values, "Concluir", reopening on a simulation's
// series, the two "Variável..." buttons with their way back to a fixed value, and a weekly
// demand with monthly occupants taken through a run, a save, a clear and a load.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "common/numtext.h"
#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/radio_group.h"
#include "engine/capt_agua.h"
#include "engine/precipitation_file.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/window_fixture.h"
#include "windows/main/form_demanda.h"
#include "windows/main/form_main.h"
#include "windows/main/form_res_sup.h"

namespace {

const QString kVariavel = QStringLiteral("Variável");
const QStringList kWeek = {"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sab"};
const QStringList kMonths = {"Jan", "Fev", "Mar", "Abr", "Mai", "Jun",
                             "Jul", "Ago", "Set", "Out", "Nov", "Dez"};
const QString kTooLong = QStringLiteral("Valor muito elevado");

TformMain& win() {
    return *formMain;
}
TCaptAgua& base() {
    return formMain->sim().base();
}

QStringList numbered(int n) {
    QStringList labels;
    for (int i = 1; i <= n; ++i) labels << QString::number(i);
    return labels;
}

QStringList labelsOf(const TformDemanda& ed) {
    QStringList labels;
    for (int row = 1; row <= ed.valueRowCount(); ++row) labels << ed.rowLabel(row);
    return labels;
}

QStringList valuesOf(const TformDemanda& ed) {
    QStringList values;
    for (int row = 1; row <= ed.valueRowCount(); ++row) values << ed.valueText(row);
    return values;
}

// The user types the period and clicks "OK".
void layOut(TformDemanda& ed, const QString& period) {
    ed.EdPeriodo->clear();
    ed.EdPeriodo->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(ed.EdPeriodo, period);
    QTest::mouseClick(ed.BTOK, Qt::LeftButton);
}

// A click on the option's round button.
void chooseItem(TformDemanda& ed, int item) {
    QRadioButton* button = ed.rgPeriodicidade->button(item);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void chooseMensal(TformDemanda& ed) {
    chooseItem(ed, TformDemanda::ItemMensal);
}

// The user selects a value cell and types into it, the first key starting the edit.
void typeCell(TformDemanda& ed, int row, const QString& text) {
    if (!ed.isActiveWindow()) {
        ed.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ed));
    }
    DataGrid* grid = ed.SGDemandaVar;
    grid->setFocus(Qt::TabFocusReason);
    grid->setCurrentCell(row - 1, 1);
    QTest::keyClicks(grid, text.left(1));
    QWidget* editor = grid->indexWidget(grid->currentIndex());
    QVERIFY(editor != nullptr);
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the grid takes the edit on its next turn
}

void typeValues(TformDemanda& ed, const QStringList& values) {
    for (int i = 0; i < values.size(); ++i) typeCell(ed, i + 1, values[i]);
}

void pasteInto(TformDemanda& ed, int row, const QString& text) {
    QApplication::clipboard()->setText(text);
    ed.SGDemandaVar->setCurrentCell(row - 1, 1);
    QTest::keyClick(ed.SGDemandaVar, Qt::Key_V, Qt::ControlModifier);
}

// "Concluir", answering the editor's result the way exec would.
int finish(TformDemanda& ed) {
    QTest::mouseClick(ed.BTConcluir, Qt::LeftButton);
    return ed.result();
}

QString accessibleText(const TformDemanda& ed, int row) {
    return ed.SGDemandaVar->item(row - 1, 1)->data(Qt::AccessibleTextRole).toString();
}

void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

std::string precRecord(int days) {
    std::string text;
    for (int i = 0; i < days; ++i) text += i % 3 == 0 ? "8\r\n" : (i % 5 == 0 ? "3\r\n" : "0\r\n");
    return text;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestDemanda : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void openingState_data();
    void openingState();
    void layouts_data();
    void layouts();
    void periodZeroKeepsOkDisabled();
    void valuesKeepTheirRows();
    void valueFiles_data();
    void valueFiles();
    void strGridToStr_data();
    void strGridToStr();
    void concluirChecksTheValues_data();
    void concluirChecksTheValues();
    void periodChangedWithoutOk_data();
    void periodChangedWithoutOk();
    void monthlyFinishesWhateverThePeriodTyped();
    void pasteColumn_data();
    void pasteColumn();
    void gridKeys();
    void accessibleCells();
    void limparDemandaVar();
    void concluirWithoutPeriod();
    void scenarioUseKeepsLastLabels();
    void reopenOnSeries_data();
    void reopenOnSeries();
    void cancelChangesNothing();
    void monthlyDemandRunsWithOneOccupant();
    void switchBackToFixed_data();
    void switchBackToFixed();
    void weeklyDemandMonthlyOccupantsRoundTrip();

  private:
    void start(const char* locale = "pt_BR");
    std::unique_ptr<TformDemanda> editor(bool nroMor);
    // The user fills the record and the fixed inputs of the main window.
    void fillSystem(const QString& volume);
    // The user opens the editor from a "Variável..." button and plays `user` in it.
    void useEditor(QPushButton* button, const std::function<void(TformDemanda&)>& user);

    WindowFixture fx;
    std::unique_ptr<TempDir> tmp;
};

void TestDemanda::init() {
    tmp = std::make_unique<TempDir>();
}

void TestDemanda::cleanup() {
    fx.finish();
    tmp.reset();
}

void TestDemanda::start(const char* locale) {
    fx.start(locale);
    win().show();
    win().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&win()));
}

std::unique_ptr<TformDemanda> TestDemanda::editor(bool nroMor) {
    flagNroMor = nroMor;
    auto ed = std::make_unique<TformDemanda>(&win());
    ed->show();
    ed->activateWindow();
    if (!QTest::qWaitForWindowActive(ed.get())) qWarning("editor not active");
    return ed;
}

void TestDemanda::fillSystem(const QString& volume) {
    TformMain& w = win();
    const QString record = QString::fromStdString(tmp->write("rec.txt", precRecord(730)));
    fx.ui.expectOpenFile(record);
    const QRect cell = w.strGridPrec->visualItemRect(w.strGridPrec->item(PrecRowArquivo, 1));
    QTest::mouseClick(w.strGridPrec->viewport(), Qt::LeftButton, {}, cell.center());
    w.setPrecCell(PrecRowData, fromUtf8(formatDate(*TDate::fromYMD(2012, 1, 1), appLocale())));
    w.setPrecCell(PrecRowDescarte, QStringLiteral("2"));
    w.ed_captacao->setText(QStringLiteral("100"));
    choose(w.cb_porcentagem_subst, 4);
    choose(w.cb_coef_aprov, 7);
    formResSup->RGResSup->setItemIndex(TformResSup::ItemSemReservatorio);
    w.RGResInf->setItemIndex(0);
    w.ed_reservatorio_inf->setText(volume);
}

void TestDemanda::useEditor(QPushButton* button, const std::function<void(TformDemanda&)>& user) {
    fx.ui.expectModal(QStringLiteral("formDemanda"), [user](QDialog* dialog) {
        auto& ed = *static_cast<TformDemanda*>(dialog);
        ed.show();
        ed.activateWindow();
        if (!QTest::qWaitForWindowActive(&ed)) qWarning("editor not active");
        user(ed);
        const int result = ed.result();
        ed.hide();
        return result;
    });
    QTest::mouseClick(button, Qt::LeftButton);
}

// ---------------------------------------------------------------------------------------
// The editor on its own

void TestDemanda::openingState_data() {
    QTest::addColumn<bool>("nroMor");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("daily");
    QTest::addColumn<QString>("monthly");
    QTest::newRow("demand") << false << "Demanda variável"
                            << "Demanda total de água (litros per capita/dia)"
                            << "Demanda total de água (litros/mês)";
    QTest::newRow("occupants") << true << "Número de moradores variável"
                               << "Número de moradores"
                               << "Número de moradores";
}

void TestDemanda::openingState() {
    QFETCH(bool, nroMor);
    QFETCH(QString, caption);
    QFETCH(QString, daily);
    QFETCH(QString, monthly);
    start();
    const auto ed = editor(nroMor);
    QCOMPARE(ed->windowTitle(), caption);
    QCOMPARE(ed->rgPeriodicidade->title(), QStringLiteral("Periodicidade dos dados"));
    QCOMPARE(ed->rgPeriodicidade->itemText(0), QStringLiteral("Diária"));
    QCOMPARE(ed->rgPeriodicidade->itemText(1), QStringLiteral("Mensal"));
    QCOMPARE(ed->rgPeriodicidade->itemIndex(), int(TformDemanda::ItemDiaria));
    QCOMPARE(ed->Label15->text(), QStringLiteral("Período de repetição"));
    QCOMPARE(ed->EdPeriodo->text(), QString());
    QVERIFY(!ed->BTOK->isEnabled());
    QCOMPARE(ed->BTOK->text(), QStringLiteral("OK"));
    QCOMPARE(ed->BTCarregar->text(), QStringLiteral("Carregar arquivo"));
    QCOMPARE(ed->BTConcluir->text(), QStringLiteral("Concluir"));
    QCOMPARE(ed->valueRowCount(), 1);
    QCOMPARE(ed->cornerText(), QStringLiteral("Dia"));
    QCOMPARE(ed->headerText(), daily);
    QVERIFY(!ed->EdPeriodo->accessibleName().isEmpty());
    QCOMPARE(ed->SGDemandaVar->accessibleName(), daily);
    chooseMensal(*ed);
    QCOMPARE(ed->cornerText(), QStringLiteral("Mês"));
    QCOMPARE(ed->headerText(), monthly);
    chooseItem(*ed, TformDemanda::ItemDiaria);
    QCOMPARE(ed->cornerText(), QStringLiteral("Dia"));
    QCOMPARE(ed->headerText(), daily);
    QCOMPARE(labelsOf(*ed), kMonths);  // "OK" lays the daily grid out again
}

void TestDemanda::layouts_data() {
    QTest::addColumn<bool>("mensal");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("corner");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("week, daily") << false << "7"
                                 << "Dia" << kWeek;
    // Under "Mensal" the period is the 12 months: the box takes no typing and "OK" lays out
    // the months.
    QTest::newRow("seven under monthly") << true << "7"
                                         << "Mês" << kMonths;
    QTest::newRow("eight days") << false << "8"
                                << "Dia" << numbered(8);
    QTest::newRow("months") << true << "12"
                            << "Mês" << kMonths;
    QTest::newRow("1000 days") << false << "1000"
                               << "Dia" << numbered(1000);
}

void TestDemanda::layouts() {
    QFETCH(bool, mensal);
    QFETCH(QString, period);
    QFETCH(QString, corner);
    QFETCH(QStringList, labels);
    start();
    const auto ed = editor(false);
    if (mensal) {
        chooseMensal(*ed);
        QCOMPARE(ed->EdPeriodo->text(), QStringLiteral("12"));
        QCOMPARE(labelsOf(*ed), kMonths);
        QVERIFY(!ed->EdPeriodo->isEnabled());
        ed->EdPeriodo->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(ed->EdPeriodo, period);
        QCOMPARE(ed->EdPeriodo->text(), QStringLiteral("12"));
        QTest::mouseClick(ed->BTOK, Qt::LeftButton);
    } else {
        layOut(*ed, period);
    }
    QCOMPARE(ed->cornerText(), corner);
    QCOMPARE(labelsOf(*ed), labels);
    QCOMPARE(ed->SGDemandaVar->columnWidth(0), labels.size() == 7 || mensal ? 50 : 30);
    QCOMPARE(ed->focusWidget(), ed->SGDemandaVar);
    if (mensal) {
        // Back to "Diária" the box takes a period again.
        chooseItem(*ed, TformDemanda::ItemDiaria);
        QVERIFY(ed->EdPeriodo->isEnabled());
        return;
    }

    // One day more than the grid takes is refused, in either periodicity; nothing changes.
    fx.ui.expectMessage(QStringLiteral("Vespra 4"), kTooLong);
    layOut(*ed, QStringLiteral("1001"));
    QCOMPARE(labelsOf(*ed), labels);
}

void TestDemanda::periodZeroKeepsOkDisabled() {
    start();
    const auto ed = editor(false);
    ed->EdPeriodo->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(ed->EdPeriodo, QStringLiteral("0"));
    QVERIFY(!ed->BTOK->isEnabled());
    ed->SGDemandaVar->setFocus(Qt::TabFocusReason);
    ed->EdPeriodo->setFocus(Qt::TabFocusReason);  // entering the box again
    QVERIFY(!ed->BTOK->isEnabled());
    QTest::keyClicks(ed->EdPeriodo, QStringLiteral("5a-"));  // digits only
    QCOMPARE(ed->EdPeriodo->text(), QStringLiteral("05"));
    QVERIFY(ed->BTOK->isEnabled());
    QTest::keyClick(ed->EdPeriodo, Qt::Key_Backspace);
    QTest::keyClick(ed->EdPeriodo, Qt::Key_Backspace);
    QVERIFY(!ed->BTOK->isEnabled());
}

void TestDemanda::valuesKeepTheirRows() {
    start();
    const auto ed = editor(false);
    layOut(*ed, QStringLiteral("3"));
    typeValues(*ed, {"100", "120", "90"});
    layOut(*ed, QStringLiteral("7"));
    QCOMPARE(valuesOf(*ed), (QStringList{"100", "120", "90", "", "", "", ""}));
    layOut(*ed, QStringLiteral("2"));
    QCOMPARE(valuesOf(*ed), (QStringList{"100", "120"}));
    chooseMensal(*ed);
    QCOMPARE(valuesOf(*ed).mid(0, 3), (QStringList{"100", "120", ""}));
}

void TestDemanda::valueFiles_data() {
    QTest::addColumn<bool>("mensal");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");  // empty when the file loads
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("values");
    QByteArray twelve, week, tooLong;
    QStringList twelveTexts, weekTexts;
    for (int i = 1; i <= 12; ++i) {
        twelve += QByteArray::number(100 + i) + ",5\r\n";
        twelveTexts << QString::number(100 + i) + ",5";
    }
    for (int i = 1; i <= 7; ++i) {
        week += QByteArray::number(i * 10) + "\r\n";
        weekTexts << QString::number(i * 10);
    }
    for (int i = 0; i < 1001; ++i) tooLong += "1\r\n";
    QTest::newRow("12 values, monthly") << true << twelve << QString() << kMonths << twelveTexts;
    QTest::newRow("7 values, daily") << false << week << QString() << kWeek << weekTexts;
    // Under "Mensal" a file is a year: 7 values would leave months that can never be filled.
    QTest::newRow("7 values, monthly") << true << week << "7 valores" << QStringList() << QStringList();
    QTest::newRow("3 values, daily") << false << QByteArray("1\r\n2,5\r\n3\r\n") << QString() << numbered(3)
                                     << QStringList{"1", "2,5", "3"};
    QTest::newRow("1001 values") << false << tooLong << kTooLong << QStringList() << QStringList();
    QTest::newRow("letters") << false << QByteArray("1\r\n2\r\ndois\r\n") << "Linha 3: 'dois'"
                             << QStringList() << QStringList();
    QTest::newRow("empty line") << false << QByteArray("1\r\n\r\n3\r\n") << "Linha 2: ''" << QStringList()
                                << QStringList();
    QTest::newRow("13 values, monthly") << true << twelve + "1\r\n"
                                        << "13 valores" << QStringList() << QStringList();
}

void TestDemanda::valueFiles() {
    QFETCH(bool, mensal);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, values);
    start();
    const auto ed = editor(false);
    if (mensal)
        chooseMensal(*ed);
    else
        layOut(*ed, QStringLiteral("2"));
    typeCell(*ed, 1, QStringLiteral("5"));
    const QString periodBefore = ed->EdPeriodo->text();
    const QStringList labelsBefore = labelsOf(*ed);
    const QStringList valuesBefore = valuesOf(*ed);

    const QString path = QString::fromStdString(tmp->write("valores.csv", bytes.toStdString()));
    fx.ui.expectOpenFile(path);
    if (message == kTooLong)
        fx.ui.expectMessage(QStringLiteral("Vespra 4"), kTooLong);
    else if (!message.isEmpty())
        fx.ui.expectMessageContaining(
            message.startsWith(QLatin1String("Linha")) ? QStringLiteral("Vespra 4") : QStringLiteral("Erro"),
            message);
    QTest::mouseClick(ed->BTCarregar, Qt::LeftButton);
    if (!message.isEmpty()) {
        QCOMPARE(ed->EdPeriodo->text(), periodBefore);
        QCOMPARE(labelsOf(*ed), labelsBefore);
        QCOMPARE(valuesOf(*ed), valuesBefore);
        return;
    }
    QCOMPARE(ed->EdPeriodo->text(), QString::number(values.size()));
    QCOMPARE(labelsOf(*ed), labels);
    QCOMPARE(valuesOf(*ed), values);

    // A cancelled dialog changes nothing.
    fx.ui.expectOpenFile(QString());
    QTest::mouseClick(ed->BTCarregar, Qt::LeftButton);
    QCOMPARE(valuesOf(*ed), values);
}

void TestDemanda::strGridToStr_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("text");
    QTest::newRow("three") << QStringList{"100", "120", "90"} << "100; 120; 90";
    QTest::newRow("one") << QStringList{"100"} << "100";
    QTest::newRow("decimal") << QStringList{"1,5", "2"} << "1,5; 2";
}

void TestDemanda::strGridToStr() {
    QFETCH(QStringList, values);
    QFETCH(QString, text);
    start();
    const auto ed = editor(false);
    layOut(*ed, QString::number(values.size()));
    typeValues(*ed, values);
    QCOMPARE(ed->StrGridToStr(), text);
}

void TestDemanda::concluirChecksTheValues_data() {
    QTest::addColumn<QString>("pasted");   // into row 2 of three
    QTest::addColumn<QString>("caption");  // empty when "Concluir" closes the editor
    QTest::addColumn<QString>("message");
    QTest::newRow("empty cell") << QString() << "Dados não preenchidos"
                                << "Há dados não preenchidos na planilha";
    QTest::newRow("text") << "cento e vinte"
                          << "Vespra 4"
                          << "Linha 2: 'cento e vinte' não é um número válido.";
    QTest::newRow("negative") << "-5"
                              << "Vespra 4"
                              << "Linha 2: '-5' é negativo; o valor deve ser 0 ou maior.";
    QTest::newRow("number") << "120,5" << QString() << QString();
}

void TestDemanda::concluirChecksTheValues() {
    QFETCH(QString, pasted);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    start();
    const auto ed = editor(false);
    layOut(*ed, QStringLiteral("3"));
    typeCell(*ed, 1, QStringLiteral("100"));
    typeCell(*ed, 3, QStringLiteral("90"));
    // Text the cell's filters never let through (a simulation file may hold a negative value).
    ed->setValueText(2, pasted);
    if (!caption.isEmpty()) {
        fx.ui.expectMessage(caption, message);
        QCOMPARE(finish(*ed), int(QDialog::Rejected));
        QVERIFY(ed->isVisible());
        QCOMPARE(ed->focusWidget(), ed->SGDemandaVar);
        return;
    }
    QCOMPARE(finish(*ed), int(QDialog::Accepted));
    QCOMPARE(ed->seriesValues(), (doubleArray{100, 120.5, 90}));
}

// "Concluir" keeps the rows the grid shows: a period typed without "OK" is laid out first.
void TestDemanda::periodChangedWithoutOk_data() {
    QTest::addColumn<QString>("period");
    QTest::newRow("shorter") << "5";
    QTest::newRow("longer") << "9";
}

void TestDemanda::periodChangedWithoutOk() {
    QFETCH(QString, period);
    start();
    const auto ed = editor(false);
    layOut(*ed, QStringLiteral("8"));
    const QStringList eight = {"1", "2", "3", "4", "5", "6", "7", "8"};
    typeValues(*ed, eight);
    ed->EdPeriodo->setFocus(Qt::TabFocusReason);
    ed->EdPeriodo->selectAll();
    QTest::keyClicks(ed->EdPeriodo, period);
    fx.ui.expectMessage(
        QStringLiteral("Período de repetição"),
        "O período de repetição (" + period +
            ") difere da planilha, que tem 8 linhas. Clique em \"OK\" para refazer a planilha "
            "antes de concluir.");
    QCOMPARE(finish(*ed), int(QDialog::Rejected));
    QVERIFY(ed->isVisible());
    QCOMPARE(ed->focusWidget(), ed->EdPeriodo);
    QCOMPARE(valuesOf(*ed), eight);

    // Enter in the box is "OK": the grid follows the period and "Concluir" reads its rows.
    QTest::keyClick(ed->EdPeriodo, Qt::Key_Return);
    QCOMPARE(ed->valueRowCount(), period.toInt());
    if (period.toInt() > 8) {
        fx.ui.expectMessage(QStringLiteral("Dados não preenchidos"),
                            QStringLiteral("Há dados não preenchidos na planilha"));
        QCOMPARE(finish(*ed), int(QDialog::Rejected));
        typeCell(*ed, 9, QStringLiteral("9"));
    }
    QCOMPARE(finish(*ed), int(QDialog::Accepted));
    doubleArray want;
    for (int i = 1; i <= period.toInt(); ++i) want.push_back(i);
    QCOMPARE(ed->seriesValues(), want);
}

// Under "Mensal" the period is the 12 months; a period of 7 typed before the switch or
// after it never leaves the week's rows that could not fill a year.
void TestDemanda::monthlyFinishesWhateverThePeriodTyped() {
    start();
    const QStringList months = {"10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21"};
    useEditor(win().BTDemPluvVariavel, [&](TformDemanda& ed) {
        layOut(ed, QStringLiteral("7"));
        chooseMensal(ed);
        ed.EdPeriodo->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(ed.EdPeriodo, QStringLiteral("7"));
        QTest::mouseClick(ed.BTOK, Qt::LeftButton);
        QCOMPARE(ed.EdPeriodo->text(), QStringLiteral("12"));
        QCOMPARE(labelsOf(ed), kMonths);
        typeValues(ed, months);
        QCOMPARE(finish(ed), int(QDialog::Accepted));
    });
    QCOMPARE(win().ed_demanda->text(), kVariavel);
    QVERIFY(base().boolDemAguaPotMensal);
    QCOMPARE(base().vecDemAguaPotMensal, (doubleArray{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}));
}

// A column copied from a spreadsheet or a text file fills down the rows from the current cell,
// each line filtered as if it were typed into its cell.
void TestDemanda::pasteColumn_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("values");  // the five rows after the paste
    QTest::newRow("column") << "pt_BR"
                            << "4\n4,5\n5\n"
                            << 1 << QStringList{"4", "4,5", "5", "7", "7"};
    QTest::newRow("windows line ends") << "pt_BR"
                                       << "1\r\n2\r\n"
                                       << 3 << QStringList{"7", "7", "1", "2", "7"};
    QTest::newRow("beyond the last row") << "pt_BR"
                                         << "1\n2\n3\n"
                                         << 4 << QStringList{"7", "7", "7", "1", "2"};
    QTest::newRow("filtered as typed") << "pt_BR"
                                       << "12a\n-5\n1.5\n3,2,1\n\n"
                                       << 1 << QStringList{"12", "5", "1,5", "3,21", ""};
    QTest::newRow("point locale") << "en_US"
                                  << "1,5\n2.25\n"
                                  << 1 << QStringList{"1.5", "2.25", "7", "7", "7"};
    QTest::newRow("two columns") << "pt_BR"
                                 << "120\tJan\n130\tFev\n"
                                 << 2 << QStringList{"7", "120", "130", "7", "7"};
    QTest::newRow("one cell") << "pt_BR"
                              << "8" << 5 << QStringList{"7", "7", "7", "7", "8"};
}

void TestDemanda::pasteColumn() {
    QFETCH(QString, locale);
    QFETCH(QString, clipboard);
    QFETCH(int, row);
    QFETCH(QStringList, values);
    start(locale.toLatin1().constData());
    const auto ed = editor(false);
    layOut(*ed, QStringLiteral("5"));
    for (int r = 1; r <= 5; ++r) ed->setValueText(r, QStringLiteral("7"));
    pasteInto(*ed, row, clipboard);
    QCOMPARE(valuesOf(*ed), values);
    QCOMPARE(ed->valueRowCount(), 5);
    QCOMPARE(accessibleText(*ed, row),
             "" + QString::number(row) + ": " +
                 (values[row - 1].isEmpty() ? QStringLiteral("vazio") : values[row - 1]));
}

void TestDemanda::gridKeys() {
    start();
    const auto ed = editor(false);
    layOut(*ed, QStringLiteral("2"));
    typeCell(*ed, 1, QStringLiteral("1a2.3,4"));  // "." is the comma of pt_BR; one separator only
    QCOMPARE(ed->valueText(1), QStringLiteral("12,34"));
    // A character the cell refuses does not even start an edit.
    ed->SGDemandaVar->setCurrentCell(0, 1);
    QTest::keyClick(ed->SGDemandaVar, Qt::Key_X);
    QCOMPARE(ed->SGDemandaVar->indexWidget(ed->SGDemandaVar->currentIndex()), nullptr);
    // Ctrl+C copies the current cell, Ctrl+V writes over it.
    QTest::keyClick(ed->SGDemandaVar, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12,34"));
    ed->SGDemandaVar->setCurrentCell(1, 1);
    QTest::keyClick(ed->SGDemandaVar, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ed->valueText(2), QStringLiteral("12,34"));
    // The labels are not the user's to change.
    QVERIFY(!ed->SGDemandaVar->isCellEditable(0, 0));
}

void TestDemanda::accessibleCells() {
    start();
    const auto ed = editor(false);
    chooseMensal(*ed);
    typeCell(*ed, 1, QStringLiteral("120"));
    QCOMPARE(accessibleText(*ed, 1), QStringLiteral("Jan: 120"));
    QCOMPARE(accessibleText(*ed, 2), QStringLiteral("Fev: vazio"));
    pasteInto(*ed, 12, QStringLiteral("95"));
    QCOMPARE(accessibleText(*ed, 12), QStringLiteral("Dez: 95"));
    // What assistive technology is handed for the cell.
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(ed->SGDemandaVar);
    QVERIFY(grid && grid->tableInterface());
    QAccessibleInterface* cell = grid->tableInterface()->cellAt(0, 1);
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Jan: 120"));
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Demanda total de água (litros/mês)"));
    QAccessibleInterface* period = QAccessible::queryAccessibleInterface(ed->EdPeriodo);
    QCOMPARE(period->text(QAccessible::Name), QStringLiteral("Período de repetição (dias)"));
}

void TestDemanda::limparDemandaVar() {
    start();
    const auto ed = editor(false);
    layOut(*ed, QStringLiteral("3"));
    typeValues(*ed, {"1", "2", "3"});
    ed->LimparDemandaVar();
    QCOMPARE(ed->EdPeriodo->text(), QString());
    QCOMPARE(ed->valueRowCount(), 1);
    QCOMPARE(ed->rowLabel(1), QString());
    QCOMPARE(ed->valueText(1), QString());
    // Emptied under "Mensal", the editor is back to "Diária" with a period to type: the months
    // are gone, and an empty box under "Mensal" could not be changed.
    chooseMensal(*ed);
    ed->LimparDemandaVar();
    QCOMPARE(ed->rgPeriodicidade->itemIndex(), int(TformDemanda::ItemDiaria));
    QVERIFY(ed->EdPeriodo->isEnabled());
    QCOMPARE(ed->EdPeriodo->text(), QString());
    QCOMPARE(ed->valueRowCount(), 1);
}

void TestDemanda::concluirWithoutPeriod() {
    start();
    const auto ed = editor(false);
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QStringLiteral("Período de repetição: ''"));
    QCOMPARE(finish(*ed), int(QDialog::Rejected));
    QVERIFY(ed->isVisible());
    QCOMPARE(ed->focusWidget(), ed->EdPeriodo);
}

// The scenario lists open the editor without saying what it edits: it keeps the labels of
// the main window's last opening.
void TestDemanda::scenarioUseKeepsLastLabels() {
    start();
    useEditor(win().BTNroMorVariavel, [](TformDemanda& ed) { ed.reject(); });
    TformDemanda scenarioEditor(&win());
    QCOMPARE(scenarioEditor.windowTitle(), QStringLiteral("Número de moradores variável"));
    QCOMPARE(scenarioEditor.headerText(), QStringLiteral("Número de moradores"));
    useEditor(win().BTDemPluvVariavel, [](TformDemanda& ed) { ed.reject(); });
    TformDemanda another(&win());
    QCOMPARE(another.windowTitle(), QStringLiteral("Demanda variável"));
}

// ---------------------------------------------------------------------------------------
// The main window's side

void TestDemanda::reopenOnSeries_data() {
    QTest::addColumn<bool>("nroMor");
    QTest::addColumn<bool>("monthly");
    QTest::addColumn<QString>("corner");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("values");
    const QStringList months = {"3", "3", "4", "4", "5", "5", "5", "5", "4", "4", "3", "2,5"};
    QTest::newRow("occupants, 3 days") << true << false << "Dia" << numbered(3) << QStringList{"2", "3", "4"};
    QTest::newRow("occupants, monthly") << true << true << "Mês" << kMonths << months;
    QTest::newRow("demand, 3 days") << false << false << "Dia" << numbered(3) << QStringList{"2", "3", "4"};
    QTest::newRow("demand, monthly") << false << true << "Mês" << kMonths << months;
}

void TestDemanda::reopenOnSeries() {
    QFETCH(bool, nroMor);
    QFETCH(bool, monthly);
    QFETCH(QString, corner);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, values);
    start();
    TCaptAgua& p = base();
    const doubleArray daily = monthly ? doubleArray(365, 4.0) : doubleArray{2, 3, 4};
    const doubleArray months = {3, 3, 4, 4, 5, 5, 5, 5, 4, 4, 3, 2.5};
    (nroMor ? p.vecNroMor : p.vecDemAguaPot) = daily;
    (nroMor ? p.vecNroMorMensal : p.vecDemAguaPotMensal) = monthly ? months : doubleArray{};
    (nroMor ? p.boolNroMorMensal : p.boolDemAguaPotMensal) = monthly;
    QLineEdit* box = nroMor ? win().ed_moradores : win().ed_demanda;
    box->setText(kVariavel);
    useEditor(nroMor ? win().BTNroMorVariavel : win().BTDemPluvVariavel, [&](TformDemanda& ed) {
        QCOMPARE(ed.windowTitle(), nroMor ? QStringLiteral("Número de moradores variável")
                                          : QStringLiteral("Demanda variável"));
        QCOMPARE(ed.rgPeriodicidade->itemIndex(), monthly ? 1 : 0);
        QCOMPARE(ed.EdPeriodo->text(), QString::number(labels.size()));
        QCOMPARE(ed.cornerText(), corner);
        QCOMPARE(labelsOf(ed), labels);
        QCOMPARE(valuesOf(ed), values);
        ed.reject();
    });
    QCOMPARE((nroMor ? p.vecNroMor : p.vecDemAguaPot), daily);
    QCOMPARE(box->text(), kVariavel);
}

void TestDemanda::cancelChangesNothing() {
    start();
    win().ed_demanda->setText(QStringLiteral("150"));
    useEditor(win().BTDemPluvVariavel, [](TformDemanda& ed) {
        layOut(ed, QStringLiteral("2"));
        typeValues(ed, {"1", "2"});
        ed.reject();
    });
    QCOMPARE(win().ed_demanda->text(), QStringLiteral("150"));
    QVERIFY(base().vecDemAguaPot.empty());
}

// Monthly values are the building's totals: the occupants box becomes "1" and the run uses
// one occupant, with the engine's own figures for the same inputs.
void TestDemanda::monthlyDemandRunsWithOneOccupant() {
    start();
    fillSystem(QStringLiteral("2000"));
    win().ed_moradores->setText(QStringLiteral("4"));
    base().vecNroMorMensal = doubleArray(12, 3.0);
    const QStringList months = {"3000", "3100", "3200", "3300", "3400", "3500",
                                "3600", "3500", "3400", "3300", "3200", "3100"};
    useEditor(win().BTDemPluvVariavel, [&](TformDemanda& ed) {
        chooseMensal(ed);
        QCOMPARE(ed.headerText(), QStringLiteral("Demanda total de água (litros/mês)"));
        typeValues(ed, months);
        finish(ed);
    });
    QCOMPARE(win().ed_demanda->text(), kVariavel);
    QCOMPARE(win().ed_moradores->text(), QStringLiteral("1"));
    QVERIFY(base().vecNroMorMensal.empty());
    QVERIFY(base().boolDemAguaPotMensal);
    const doubleArray monthly = {3000, 3100, 3200, 3300, 3400, 3500, 3600, 3500, 3400, 3300, 3200, 3100};
    QCOMPARE(base().vecDemAguaPotMensal, monthly);
    QVERIFY(win().BTCalcular->isEnabled());
    win().BTCalcular->click();
    QCOMPARE(base().vecNroMor, doubleArray{1});

    TCaptAgua engine(readPrecFile(tmp->file("rec.txt"), appLocale()), *TDate::fromYMD(2012, 1, 1), 2.0, 100.0,
                     monthly, true, {1}, false, base().dblPorcSubs, base().dblCoefAprov, 0, 0, 2000, nullptr);
    engine.simula();
    QCOMPARE(base().dblEconPot, engine.dblEconPot);
    QCOMPARE(base().dblPorcAtendTotal, engine.dblPorcAtendTotal);
    QCOMPARE(base().dblPorcNaoAtend, engine.dblPorcNaoAtend);
    const QString econ = fromUtf8(formatNumber(engine.dblEconPot, 4, 2, appLocale()));
    QCOMPARE(win().Label5->text(), "Potencial de utilização de água pluvial: " + econ + "%");
}

void TestDemanda::switchBackToFixed_data() {
    QTest::addColumn<bool>("nroMor");
    QTest::addColumn<bool>("yes");
    QTest::newRow("demand, no") << false << false;
    QTest::newRow("demand, yes") << false << true;
    QTest::newRow("occupants, no") << true << false;
    QTest::newRow("occupants, yes") << true << true;
}

void TestDemanda::switchBackToFixed() {
    QFETCH(bool, nroMor);
    QFETCH(bool, yes);
    start();
    useEditor(nroMor ? win().BTNroMorVariavel : win().BTDemPluvVariavel, [](TformDemanda& ed) {
        layOut(ed, QStringLiteral("3"));
        typeValues(ed, {"2", "3", "4"});
        finish(ed);
    });
    QLineEdit* box = nroMor ? win().ed_moradores : win().ed_demanda;
    const doubleArray& series = nroMor ? base().vecNroMor : base().vecDemAguaPot;
    QCOMPARE(box->text(), kVariavel);
    QCOMPARE(series, (doubleArray{2, 3, 4}));
    fx.ui.expectMessage(
        nroMor ? QStringLiteral("Número de moradores variável") : QStringLiteral("Demanda variável"),
        nroMor ? QStringLiteral("Deseja alternar Número de moradores de variável para fixo?")
               : QStringLiteral("Deseja alternar Demanda de água potável de variável para fixa?"),
        MsgIcon::Question, yes ? MsgResult::Yes : MsgResult::No);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->text(), yes ? QString() : kVariavel);
    QCOMPARE(series, yes ? doubleArray() : (doubleArray{2, 3, 4}));
}

// A weekly demand and monthly occupants typed into the editor as a user would, a run, a save,
// a clear and a load: the same labels, and a second save gives the same bytes after the line
// naming the record's source.
void TestDemanda::weeklyDemandMonthlyOccupantsRoundTrip() {
    start();
    TformMain& w = win();
    fillSystem(QStringLiteral("3000"));
    const QStringList week = {"120", "150,5", "150", "150", "150", "140", "180"};
    useEditor(w.BTDemPluvVariavel, [&](TformDemanda& ed) {
        layOut(ed, QStringLiteral("7"));
        QCOMPARE(labelsOf(ed), kWeek);
        typeValues(ed, week);
        QCOMPARE(finish(ed), int(QDialog::Accepted));
    });
    const QStringList occupants = {"4", "4", "3", "3", "3", "3", "2", "2", "3", "3", "4", "5"};
    useEditor(w.BTNroMorVariavel, [&](TformDemanda& ed) {
        QCOMPARE(ed.windowTitle(), QStringLiteral("Número de moradores variável"));
        chooseMensal(ed);
        typeValues(ed, occupants);
        QCOMPARE(finish(ed), int(QDialog::Accepted));
    });
    QCOMPARE(w.ed_demanda->text(), kVariavel);
    QCOMPARE(w.ed_moradores->text(), kVariavel);
    QCOMPARE(base().vecDemAguaPot, (doubleArray{120, 150.5, 150, 150, 150, 140, 180}));
    QVERIFY(base().boolNroMorMensal);
    QCOMPARE(base().vecNroMorMensal, (doubleArray{4, 4, 3, 3, 3, 3, 2, 2, 3, 3, 4, 5}));

    QVERIFY(w.BTCalcular->isEnabled());
    w.BTCalcular->click();
    QVERIFY(w.PanelResultados->isVisible());
    const QStringList before{w.Label5->text(), w.Label12->text(), w.Label14->text(), w.Label15->text()};

    const QString first = QString::fromStdString(tmp->file("semana.csv"));
    fx.ui.expectSaveFile(first);
    QTest::mouseClick(w.BTSalvar, Qt::LeftButton);
    QVERIFY(QFile::exists(first));

    fx.ui.expectMessage(QStringLiteral("Limpar campos"),
                        QStringLiteral("Você tem certeza de que deseja limpar TODOS os campos?"),
                        MsgIcon::Question, MsgResult::Yes);
    QTest::mouseClick(w.BTLimpar, Qt::LeftButton);
    QCOMPARE(w.ed_demanda->text(), QString());
    QVERIFY(base().vecNroMorMensal.empty());

    fx.ui.expectOpenFile(first);
    QTest::mouseClick(w.BTCarregar, Qt::LeftButton);
    QCOMPARE(w.ed_demanda->text(), kVariavel);
    QCOMPARE(w.ed_moradores->text(), kVariavel);
    QCOMPARE((QStringList{w.Label5->text(), w.Label12->text(), w.Label14->text(), w.Label15->text()}),
             before);

    // The occupants reopen as their months.
    useEditor(w.BTNroMorVariavel, [&](TformDemanda& ed) {
        QCOMPARE(ed.rgPeriodicidade->itemIndex(), int(TformDemanda::ItemMensal));
        QCOMPARE(labelsOf(ed), kMonths);
        QCOMPARE(valuesOf(ed), occupants);
        ed.reject();
    });
    useEditor(w.BTDemPluvVariavel, [&](TformDemanda& ed) {
        QCOMPARE(labelsOf(ed), kWeek);
        QCOMPARE(valuesOf(ed), week);
        ed.reject();
    });

    const QString second = QString::fromStdString(tmp->file("semana2.csv"));
    fx.ui.expectSaveFile(second);
    QTest::mouseClick(w.BTSalvar, Qt::LeftButton);
    // Line 1 names where the record came from: after a load, the simulation file itself.
    const QByteArray a = bytesOf(first), b = bytesOf(second);
    QVERIFY(b.startsWith("Arquivo dados de precipita\xE7\xE3o;" +
                         QDir::toNativeSeparators(first).toLocal8Bit() + "\r\n"));
    QCOMPARE(b.mid(b.indexOf("\r\n")), a.mid(a.indexOf("\r\n")));
}

QTEST_MAIN(TestDemanda)
#include "test_form_demanda.moc"
