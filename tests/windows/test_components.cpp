// The building blocks of the windows: the radio group's click reaction, the numeric key
// filters, Qt's translations and the data grid.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "common/locale_settings.h"
#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/key_filters.h"
#include "components/radio_group.h"
#include "components/translations.h"
#include "components/ui_seam.h"

class TestComponents : public QObject {
    Q_OBJECT

  private slots:
    void radioGroupReaction();
    void radioGroupUserClicks();
    void radioGroupColumns();
    void keyFilterRules_data();
    void keyFilterRules();
    void keyFilterTyping_data();
    void keyFilterTyping();
    void keyFilterKeypadDecimal_data();
    void keyFilterKeypadDecimal();
    void keyFilterPaste_data();
    void keyFilterPaste();
    void modalWindowInFrontOfItsOwner();
    void qtTranslations();
    void gridHeadersAndNumbers();
    void gridRowsColoursAndClicks();
    void gridEditableCells();
    void gridHeadersNeverCut();
    void gridSetRows();
};

void TestComponents::radioGroupReaction() {
    RadioGroup group(QStringLiteral("Modo"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QSignalSpy spy(&group, &RadioGroup::clicked);
    QCOMPARE(group.itemIndex(), -1);

    group.setItemIndex(1);  // from the program: the reaction runs
    QCOMPARE(group.itemIndex(), 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.takeFirst().at(0).toInt(), 1);
    QVERIFY(group.button(1)->isChecked());

    group.setItemIndex(1);  // no change, no reaction
    QCOMPARE(spy.count(), 0);

    group.setItemIndex(2);
    QCOMPARE(spy.count(), 1);
    QVERIFY(!group.button(1)->isChecked());
    QVERIFY(group.button(2)->isChecked());
    spy.clear();

    group.setItemIndex(-1);  // clearing runs no reaction
    QCOMPARE(group.itemIndex(), -1);
    QCOMPARE(spy.count(), 0);
    for (int i = 0; i < group.count(); ++i) QVERIFY(!group.button(i)->isChecked());

    group.setItemIndex(99);  // past the end: the last option
    QCOMPARE(group.itemIndex(), 2);
    QCOMPARE(spy.count(), 1);
}

void TestComponents::radioGroupUserClicks() {
    RadioGroup group(QStringLiteral("Modo"), {QStringLiteral("a"), QStringLiteral("b")});
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    QSignalSpy spy(&group, &RadioGroup::clicked);

    QTest::mouseClick(group.button(0), Qt::LeftButton);
    QCOMPARE(group.itemIndex(), 0);
    QCOMPARE(spy.count(), 1);

    QTest::mouseClick(group.button(0), Qt::LeftButton);  // the chosen option stays chosen
    QVERIFY(group.button(0)->isChecked());
    QCOMPARE(group.itemIndex(), 0);
    QCOMPARE(spy.count(), 1);

    QTest::mouseClick(group.button(1), Qt::LeftButton);
    QCOMPARE(group.itemIndex(), 1);
    QVERIFY(!group.button(0)->isChecked());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 1);
}

// Options fill each column downwards: two in two columns stand side by side, three in two
// columns take two rows; going back to one column stacks them again.
void TestComponents::radioGroupColumns() {
    RadioGroup group(QStringLiteral("Dados"), {QStringLiteral("a"), QStringLiteral("b")});
    group.setColumns(2);
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    const auto pos = [&](int i) { return group.button(i)->geometry().topLeft(); };
    QCOMPARE(pos(0).y(), pos(1).y());
    QVERIFY(pos(0).x() < pos(1).x());

    group.addItem(QStringLiteral("c"));
    QApplication::processEvents();
    group.adjustSize();
    QCOMPARE(pos(0).x(), pos(1).x());  // a and b down the first column, c beside a
    QVERIFY(pos(0).y() < pos(1).y());
    QCOMPARE(pos(2).y(), pos(0).y());
    QVERIFY(pos(2).x() > pos(0).x());

    group.setColumns(1);
    QApplication::processEvents();
    group.adjustSize();
    QVERIFY(pos(1).y() < pos(2).y());
    QCOMPARE(pos(2).x(), pos(0).x());
}

void TestComponents::keyFilterRules_data() {
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<char>("separator");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("digit") << true << "12"
                           << "7" << ',' << true;
    QTest::newRow("backspace") << true << "12"
                               << "\b" << ',' << true;
    QTest::newRow("first comma") << true << "12"
                                 << "," << ',' << true;
    QTest::newRow("second comma") << true << "1,2"
                                  << "," << ',' << false;
    QTest::newRow("point in comma locale") << true << "12"
                                           << "." << ',' << false;
    QTest::newRow("point in point locale") << true << "12"
                                           << "." << '.' << true;
    QTest::newRow("second point") << true << "1.2"
                                  << "." << '.' << false;
    QTest::newRow("letter") << true << ""
                            << "a" << ',' << false;
    QTest::newRow("minus") << true << ""
                           << "-" << ',' << false;
    QTest::newRow("blank") << true << ""
                           << " " << ',' << false;
    QTest::newRow("integer digit") << false << "4"
                                   << "5" << ',' << true;
    QTest::newRow("integer separator") << false << "4"
                                       << "," << ',' << false;
    QTest::newRow("integer backspace") << false << "4"
                                       << "\b" << ',' << true;
}

void TestComponents::keyFilterRules() {
    QFETCH(bool, decimal);
    QFETCH(QString, current);
    QFETCH(QString, typed);
    QFETCH(char, separator);
    QFETCH(bool, accepted);
    const KeyFilterKind kind = decimal ? KeyFilterKind::Decimal : KeyFilterKind::Integer;
    QCOMPARE(keyFilterAccepts(kind, current, typed, separator), accepted);
}

void TestComponents::keyFilterTyping_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("result");

    QTest::newRow("pt decimal") << "pt_BR" << true << "12,5,3a."
                                << "12,53";
    QTest::newRow("en decimal") << "en_US" << true << "12.5.3a,"
                                << "12.53";
    QTest::newRow("pt integer") << "pt_BR" << false << "4,5.x6"
                                << "456";
    // The other decimal mark types the locale's separator, still only once.
    QTest::newRow("pt point types comma") << "pt_BR" << true << "1.5"
                                          << "1,5";
    QTest::newRow("pt either mark once") << "pt_BR" << true << "1.5.2,"
                                         << "1,52";
    QTest::newRow("en comma types point") << "en_US" << true << "1,5,2."
                                          << "1.52";
}

void TestComponents::keyFilterTyping() {
    QFETCH(QString, locale);
    QFETCH(bool, decimal);
    QFETCH(QString, keys);
    QFETCH(QString, result);
    setAppLocale(LocaleSettings::fromName(locale.toStdString()));
    QLineEdit edit;
    if (decimal)
        installDecimalKeyFilter(&edit);
    else
        installIntegerKeyFilter(&edit);
    QTest::keyClicks(&edit, keys);
    QCOMPARE(edit.text(), result);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), result.chopped(1));
}

void TestComponents::keyFilterKeypadDecimal_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result");

    QTest::newRow("pt keypad point") << "pt_BR" << int(Qt::Key_Period) << "1,";
    QTest::newRow("pt keypad comma") << "pt_BR" << int(Qt::Key_Comma) << "1,";
    QTest::newRow("en keypad comma") << "en_US" << int(Qt::Key_Comma) << "1.";
    QTest::newRow("en keypad point") << "en_US" << int(Qt::Key_Period) << "1.";
}

// The keypad's decimal key types the locale's separator whichever mark the keyboard gives it.
void TestComponents::keyFilterKeypadDecimal() {
    QFETCH(QString, locale);
    QFETCH(int, key);
    QFETCH(QString, result);
    setAppLocale(LocaleSettings::fromName(locale.toStdString()));
    QLineEdit edit;
    installDecimalKeyFilter(&edit);
    QTest::keyClick(&edit, Qt::Key_1, Qt::KeypadModifier);
    QTest::keyClick(&edit, Qt::Key(key), Qt::KeypadModifier);
    QCOMPARE(edit.text(), result);
    QTest::keyClick(&edit, Qt::Key(key), Qt::KeypadModifier);  // a second separator is dropped
    QCOMPARE(edit.text(), result);
}

void TestComponents::keyFilterPaste_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("result");

    const int decimal = int(KeyFilterKind::Decimal), integer = int(KeyFilterKind::Integer);
    const int fraction = int(KeyFilterKind::Fraction);
    QTest::newRow("pt whole number") << "pt_BR" << integer << ""
                                     << "1,5 kg"
                                     << "15";
    QTest::newRow("pt point becomes comma") << "pt_BR" << decimal << ""
                                            << "7.25"
                                            << "7,25";
    QTest::newRow("pt one separator in the box") << "pt_BR" << decimal << "1,5"
                                                 << "2.5"
                                                 << "1,525";
    QTest::newRow("pt letters and signs dropped") << "pt_BR" << decimal << ""
                                                  << "-R$ 1.234,5"
                                                  << "1,2345";
    QTest::newRow("en comma becomes point") << "en_US" << decimal << ""
                                            << "1,5"
                                            << "1.5";
    QTest::newRow("pt fraction of a CV") << "pt_BR" << fraction << ""
                                         << "1/2.5x"
                                         << "1/2,5";
    QTest::newRow("pt clean text unchanged") << "pt_BR" << decimal << ""
                                             << "12,5"
                                             << "12,5";
}

// Pasted text goes through the rule of typed text, by the shortcut and by the context menu's
// paste alike; Enter keeps its effect.
void TestComponents::keyFilterPaste() {
    QFETCH(QString, locale);
    QFETCH(int, kind);
    QFETCH(QString, current);
    QFETCH(QString, pasted);
    QFETCH(QString, result);
    setAppLocale(LocaleSettings::fromName(locale.toStdString()));
    for (const bool shortcut : {true, false}) {
        QLineEdit edit;
        if (kind == int(KeyFilterKind::Integer))
            installIntegerKeyFilter(&edit);
        else if (kind == int(KeyFilterKind::Fraction))
            installFractionKeyFilter(&edit);
        else
            installDecimalKeyFilter(&edit);
        edit.setText(current);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        edit.end(false);
        QApplication::clipboard()->setText(pasted);
        if (shortcut) {
            QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2),
                                        edit.mapToGlobal(QPoint(2, 2)));
            QCoreApplication::sendEvent(&edit, &menuEvent);
            auto* menu = edit.findChild<QMenu*>();
            QVERIFY(menu);
            QAction* paste = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith(QStringLiteral("&Paste"))) paste = action;
            }
            QVERIFY(paste);
            paste->trigger();
            menu->close();
        }
        QCOMPARE(edit.text(), result);
        QCOMPARE(edit.cursorPosition(), int(result.size()));

        QSignalSpy enter(&edit, &QLineEdit::returnPressed);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(enter.count(), 1);
    }
}

namespace {

// Answers each modal window at once, noting whose child it was while shown.
class OwnerSeam final : public UiSeam {
  public:
    MsgResult message(QWidget*, const QString&, const QString&, MsgIcon, MsgButtons) override {
        return MsgResult::Ok;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString folderName(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<QColor> colour(QWidget*, const QColor&) override { return std::nullopt; }

    QWidget* parentSeen = nullptr;
    bool shownBefore = true;

  protected:
    int runModal(QDialog* dialog) override {
        parentSeen = dialog->parentWidget();
        shownBefore = dialog->isVisible();
        return QDialog::Accepted;
    }
};

}  // namespace

// A window opened from a modal window is that window's child while it is shown (so it stands
// in front of it and is not blocked by it), whether the owner is named or is the modal window
// in use; it is its own window again afterwards.
void TestComponents::modalWindowInFrontOfItsOwner() {
    QDialog owner;
    owner.setWindowModality(Qt::ApplicationModal);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QCOMPARE(QApplication::activeModalWidget(), &owner);

    QDialog window;
    window.show();  // shown without modality: it is hidden first, to be shown modally
    OwnerSeam seam;
    QCOMPARE(seam.execModal(&window), int(QDialog::Accepted));
    QCOMPARE(seam.parentSeen, &owner);
    QVERIFY(!seam.shownBefore);
    QCOMPARE(window.parentWidget(), nullptr);
    QVERIFY(window.isWindow());

    QDialog named;
    owner.hide();
    seam.execModal(&named, &owner);
    QCOMPARE(seam.parentSeen, &owner);
    QCOMPARE(named.parentWidget(), nullptr);

    // Without an owner nothing changes.
    seam.execModal(&named);
    QCOMPARE(seam.parentSeen, nullptr);
}

// Qt's standard dialogs and buttons speak the user's language.
void TestComponents::qtTranslations() {
    QVERIFY(installQtTranslations(QStringLiteral("pt_BR.UTF-8")));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));
    QCOMPARE(buttons.button(QDialogButtonBox::Open)->text(), QStringLiteral("Abrir"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Procurar em:"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
             QStringLiteral("%1 já existe.\nDeseja substituí-la?"));
    QCOMPARE(QCoreApplication::translate("QColorDialog", "Select Color"), QStringLiteral("Selecionar cor"));
    // The file list's type names, which Qt 6 asks for under another context than its catalogue's.
    QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"), QStringLiteral("Pasta"));

    // English, or no language, leaves Qt's own texts; a second call replaces the first.
    QVERIFY(!installQtTranslations(QStringLiteral("en_US")));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QVERIFY(!installQtTranslations(QStringLiteral("C")));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

void TestComponents::gridHeadersAndNumbers() {
    setAppLocale(LocaleSettings::ptBR());
    DataGrid grid;
    const int vol = grid.addColumn(QStringLiteral("Volume"), QStringLiteral(" (litros)"), 80);
    const int name = grid.addColumn(QStringLiteral("Nome"));
    grid.setColumnMask(vol, DataGrid::fixedMask(2));
    QCOMPARE(grid.columnCount(), 2);
    QCOMPARE(grid.columnWidth(vol), 80);
    QCOMPARE(grid.headerLines(vol), QStringList({QStringLiteral("Volume"), QStringLiteral(" (litros)")}));
    QCOMPARE(grid.headerCaption(vol), QStringLiteral("Volume\r\n (litros)"));
    QCOMPARE(grid.horizontalHeaderItem(vol)->text(), QStringLiteral("Volume\n (litros)"));
    QCOMPARE(grid.headerLines(name), QStringList({QStringLiteral("Nome")}));

    const int row = grid.addRow();
    QCOMPARE(grid.cellText(vol, row), QStringLiteral("0,00"));  // unset numeric cells hold 0
    grid.setCellNumber(vol, row, 1234.5678);
    QCOMPARE(grid.cellText(vol, row), QStringLiteral("1234,57"));
    QCOMPARE(grid.cellNumber(vol, row), 1234.5678);  // the value, not the mask
    grid.setCellText(name, row, QStringLiteral("a"));
    QCOMPARE(grid.cellText(name, row), QStringLiteral("a"));
    QCOMPARE(grid.cellText(5, 7), QString());  // outside the grid: nothing, no crash
    grid.setCellNumber(5, 7, 1.0);

    setAppLocale(LocaleSettings::enUS());
    grid.setCellNumber(vol, row, 0.125);
    QCOMPARE(grid.cellText(vol, row), QStringLiteral("0.13"));
}

void TestComponents::gridRowsColoursAndClicks() {
    DataGrid grid;
    grid.addColumn(QStringLiteral("A"));
    grid.addColumn(QStringLiteral("B"));
    for (int i = 0; i < 3; ++i) QCOMPARE(grid.addRow(), i);
    QCOMPARE(grid.rowCount(), 3);

    const QColor green(192, 220, 192);
    grid.setRowColour(1, green);
    grid.setRowBold(2, true);
    QCOMPARE(grid.cellColour(0, 1), green);
    QCOMPARE(grid.cellColour(1, 1), green);
    QCOMPARE(grid.cellColour(0, 0), QColor(Qt::white));
    QVERIFY(grid.isCellBold(1, 2));
    QVERIFY(!grid.isCellBold(1, 1));
    grid.setAllCellsColour(Qt::white);
    QCOMPARE(grid.cellColour(1, 1), QColor(Qt::white));

    grid.setShowRowNumbers(true);
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QVERIFY(grid.verticalHeader()->isVisible());

    QSignalSpy spy(&grid, &DataGrid::cellClick);
    const QRect r = grid.visualItemRect(grid.item(2, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);  // column first
    QCOMPARE(spy.at(0).at(1).toInt(), 2);

    grid.clearRows();
    QCOMPARE(grid.rowCount(), 0);
    QCOMPARE(grid.columnCount(), 2);
}

void TestComponents::gridEditableCells() {
    setAppLocale(LocaleSettings::ptBR());
    DataGrid grid;
    grid.addColumn(QStringLiteral("A"));
    const int b = grid.addColumn(QStringLiteral("B"));
    grid.setColumnMask(b, DataGrid::fixedMask(1));
    grid.addRow();
    grid.addRow();
    QVERIFY(grid.isCellEditable(0, 0));

    grid.setColumnReadOnly(0, true);
    grid.setRowReadOnly(1, true);
    QVERIFY(!grid.isCellEditable(0, 0));
    QVERIFY(grid.isCellEditable(1, 0));
    QVERIFY(!grid.isCellEditable(1, 1));
    QVERIFY(!(grid.item(1, 1)->flags() & Qt::ItemIsEditable));
    QVERIFY(grid.item(0, 1)->flags() & Qt::ItemIsEditable);

    grid.setReadOnly(true);
    QVERIFY(!grid.isCellEditable(1, 0));
    QVERIFY(!(grid.item(0, 1)->flags() & Qt::ItemIsEditable));

    // A number typed over a numeric cell replaces the value the program had put there;
    // colouring the cell does not.
    grid.setCellNumber(b, 0, 2.25);
    grid.setCellColour(b, 0, Qt::yellow);
    QCOMPARE(grid.cellNumber(b, 0), 2.25);
    grid.item(0, b)->setText(QStringLiteral("7,5"));
    QCOMPARE(grid.cellNumber(b, 0), 7.5);
}

// Columns given less room than their captions need widen to them; wide columns keep their width.
void TestComponents::gridHeadersNeverCut() {
    DataGrid grid;
    const QString longLine = QStringLiteral("Demanda total de água (litros per capita/dia)");
    const int narrow =
        grid.addColumn(QStringLiteral("Valor da conta sem utilização"), QStringLiteral("(R$)"), 40);
    const int wide = grid.addColumn(QStringLiteral("Mês"), {}, 300);
    const int renamed = grid.addColumn(QStringLiteral("N"), {}, 39);
    grid.setHeaderLines(renamed, longLine);
    const int before = grid.widthForAllColumns();
    grid.widenToHeaders();
    const QFontMetrics metrics(grid.horizontalHeader()->font());
    QVERIFY(grid.columnWidth(narrow) >
            metrics.horizontalAdvance(QStringLiteral("Valor da conta sem utilização")));
    QCOMPARE(grid.columnWidth(wide), 300);
    QVERIFY(grid.columnWidth(renamed) > metrics.horizontalAdvance(longLine));
    QCOMPARE(grid.widthForAllColumns() - before,
             grid.columnWidth(narrow) - 40 + grid.columnWidth(renamed) - 39);
}

QTEST_MAIN(TestComponents)
// setRows replaces the rows whole, each painted from its texts, values and presentation;
// appendRow adds one painted alike and leaves the rows before as they are.
void TestComponents::gridSetRows() {
    setAppLocale(LocaleSettings::ptBR());
    DataGrid grid;
    const int name = grid.addColumn(QStringLiteral("Nome"));
    const int vol = grid.addColumn(QStringLiteral("Volume"));
    const int note = grid.addColumn(QStringLiteral("Nota"));
    grid.setColumnAlignment(name, Qt::AlignLeft | Qt::AlignVCenter);
    grid.setReadOnly(true);
    const QColor green(192, 220, 192);
    const QColor white(Qt::white);

    DataGrid::Row header = DataGrid::textRow(std::vector<std::string>{"Mês", "Economia (R$)", "Custo"});
    header.bold = true;
    const DataGrid::Row plain{
        {QStringLiteral("a"), QStringLiteral("1,0"), QStringLiteral("n")}, {}, false, {}};
    const DataGrid::Row ideal{{QStringLiteral("b"), QStringLiteral("20,13")}, {0, 20.126}, false, green};
    grid.setRows({header, plain, ideal});
    QCOMPARE(grid.rowCount(), 3);
    QCOMPARE(grid.cellText(name, 0), QStringLiteral("Mês"));  // the plain layers' UTF-8
    QCOMPARE(grid.cellText(note, 1), QStringLiteral("n"));
    QVERIFY(grid.isCellBold(note, 0) && !grid.isCellBold(name, 1) && !grid.isCellBold(name, 2));
    QCOMPARE(grid.cellColour(vol, 2), green);
    QCOMPARE(grid.cellColour(name, 2), green);
    QCOMPARE(grid.cellColour(vol, 1), white);
    // The text as given, its value whole; a cell past the row's last text stays empty.
    QCOMPARE(grid.cellText(vol, 2), QStringLiteral("20,13"));
    QCOMPARE(grid.cellNumber(vol, 2), 20.126);
    QCOMPARE(grid.cellText(note, 2), QString());
    QCOMPARE(grid.item(1, name)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(grid.item(1, vol)->textAlignment(), int(Qt::AlignCenter));
    QVERIFY(!grid.isCellEditable(vol, 1));
    QVERIFY(!(grid.item(1, vol)->flags() & Qt::ItemIsEditable));
    // Colouring a numeric cell keeps its value; a text typed over it does not.
    grid.setCellColour(vol, 2, Qt::yellow);
    grid.setCellBold(vol, 2, true);
    QCOMPARE(grid.cellNumber(vol, 2), 20.126);
    grid.item(2, vol)->setText(QStringLiteral("99"));
    QCOMPARE(grid.cellNumber(vol, 2), 99.0);

    // Fewer rows: nothing of the rows before stays, the selection neither.
    grid.setRangeSelected(QTableWidgetSelectionRange(0, 0, 2, 2), true);
    grid.setRows({DataGrid::Row{{QStringLiteral("c"), QStringLiteral("7,5")}, {}, false, {}}});
    QCOMPARE(grid.rowCount(), 1);
    QCOMPARE(grid.cellText(name, 0), QStringLiteral("c"));
    QVERIFY(!grid.isCellBold(note, 0));
    QCOMPARE(grid.cellColour(name, 0), white);
    QCOMPARE(grid.cellText(note, 0), QString());
    QVERIFY(grid.selectedItems().isEmpty());

    // Appended: the row before keeps the highlight it was given.
    grid.setRowColour(0, green);
    QCOMPARE(grid.appendRow(ideal), 1);
    QCOMPARE(grid.rowCount(), 2);
    QCOMPARE(grid.cellColour(note, 0), green);
    QCOMPARE(grid.cellText(name, 1), QStringLiteral("b"));
    QCOMPARE(grid.cellNumber(vol, 1), 20.126);
    QVERIFY(!grid.isCellEditable(name, 1));

    grid.setRows({});
    QCOMPARE(grid.rowCount(), 0);
    QCOMPARE(grid.columnCount(), 3);
}

#include "test_components.moc"
