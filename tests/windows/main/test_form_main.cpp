// The main window: its controls and menu, the preset lists with their custom-value boxes,
// the key filters, the precipitation grid, the run and its results, the entry into the
// economic analysis, and saving, loading and clearing a simulation (also one named on the
// command line).

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "common/numtext.h"
#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/chart_view.h"
#include "components/radio_group.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/planted_rows.h"
#include "tests/windows/window_fixture.h"
#include "windows/economics/form_analise.h"
#include "windows/main/form_citacao.h"
#include "windows/main/form_main.h"
#include "windows/main/form_res_sup.h"
#include "windows/results/form_grafico.h"
#include "windows/results/form_grafico_props.h"
#include "windows/results/form_result_sim_mensal.h"
#include "windows/scenarios/form_dados_prec.h"

namespace {

const QString kVariavel = QStringLiteral("Variável");
const QString kSeattle = QStringLiteral(VESPRA_SOURCE_DIR "/examples/seattle-2012-2015.txt");

TformMain& win() {
    return *formMain;
}
TCaptAgua& base() {
    return formMain->sim().base();
}

// A record of `days` daily values: 8 mm every third day, nothing on the others.
std::string precRecord(int days) {
    std::string text;
    for (int i = 0; i < days; ++i) text += i % 3 == 0 ? "8\r\n" : "0\r\n";
    return text;
}

QString dateText(int y, int m, int d) {
    return fromUtf8(formatDate(*TDate::fromYMD(y, m, d), appLocale()));
}

// What the user's choice of an item in a drop-down list does.
void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void clickValueCell(int row) {
    QTableWidget* grid = win().strGridPrec;
    const QRect cell = grid->visualItemRect(grid->item(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void openingState_data();
    void openingState();
    void menuEntries();
    void everyBoxIsNamed();
    void percentageBox_data();
    void percentageBox();
    void coefficientPresets_data();
    void coefficientPresets();
    void customBoxRangeOnExit_data();
    void customBoxRangeOnExit();
    void keyFilters_data();
    void keyFilters();
    void checkValidData_data();
    void checkValidData();
    void modeSwitch();
    void upperReservoirModes_data();
    void upperReservoirModes();
    void recordCount_data();
    void recordCount();
    void newRecordStartsNewSet();
    void unreadableRecordLeavesData();
    void gridCells_data();
    void gridCells();
    void menuChoosesRecord();
    void oneVolumeRunShowsEngineFigures_data();
    void oneVolumeRunShowsEngineFigures();
    void seattleThroughTheWindow();
    void twoSweepsAddTwoLines();
    void conversionErrorNamesText_data();
    void conversionErrorNamesText();
    void sweepIntervalRefused_data();
    void sweepIntervalRefused();
    void analiseEntry_data();
    void analiseEntry();
    void startedAnalysisFollowsRuns();
    void variableBackToFixed_data();
    void variableBackToFixed();
    void observationsMemo();
    void saveRunsTheInputsOnScreen();
    void saveStoppedByTheRun();
    void failedSaveKeepsTheOldFile_data() { addPlantedFailureRows(); }
    void failedSaveKeepsTheOldFile();
    void runChecksTheCustomRanges_data();
    void runChecksTheCustomRanges();
    void conversionErrorNamesTheBox_data();
    void conversionErrorNamesTheBox();
    void closeAsksToSave_data();
    void closeAsksToSave();
    void clearRemovesEveryCurve_data();
    void clearRemovesEveryCurve();
    void enterRunsTheSweep();
    void checkBoxTickedByAssistiveTechnology();
    void altLetterNeverTypes();
    void saveClearLoadRoundTrip_data();
    void saveClearLoadRoundTrip();
    void loadSweepExample_data();
    void loadSweepExample();
    void unreadableSimulationLeavesWindow();
    void commandLineOpensFile_data();
    void commandLineOpensFile();
    void oneVolumeAfterSweepSavesOneVolume();
    void loadsInTurnLeaveSimularEnabled();
    void clearAsksAndResets();
    void dadosPrecDialog();

  private:
    void start(const char* locale);
    QString writeRecord(const char* name, int days);
    void chooseRecord(const QString& path);
    void fillSystem(const QString& record);
    void fillOneVolume(const QString& record, const QString& volume);
    void fillSweep(const QString& record, const QString& volmax, const QString& interval,
                   const QString& delta);

    WindowFixture fx;
    std::unique_ptr<TempDir> tmp;
};

void TestMainWindow::init() {
    tmp = std::make_unique<TempDir>();
}

void TestMainWindow::cleanup() {
    fx.finish();
    tmp.reset();
}

void TestMainWindow::start(const char* locale) {
    fx.start(locale);
    win().show();
    win().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&win()));
}

QString TestMainWindow::writeRecord(const char* name, int days) {
    return QString::fromStdString(tmp->write(name, precRecord(days)));
}

// The user clicks the file cell of the grid and picks `path`.
void TestMainWindow::chooseRecord(const QString& path) {
    fx.ui.expectOpenFile(path);
    clickValueCell(PrecRowArquivo);
}

// A record chosen in the grid, starting 1 January 2012 with a 2 mm discard, 100 m², 150 L
// per person and day, 4 occupants, 50 % and a runoff coefficient of 0.8.
void TestMainWindow::fillSystem(const QString& record) {
    chooseRecord(record);
    win().setPrecCell(PrecRowData, dateText(2012, 1, 1));
    win().setPrecCell(PrecRowDescarte, QStringLiteral("2"));
    win().ed_captacao->setText(QStringLiteral("100"));
    win().ed_demanda->setText(QStringLiteral("150"));
    win().ed_moradores->setText(QStringLiteral("4"));
    choose(win().cb_porcentagem_subst, 4);
    choose(win().cb_coef_aprov, 7);
}

void TestMainWindow::fillOneVolume(const QString& record, const QString& volume) {
    fillSystem(record);
    win().RGResInf->setItemIndex(0);
    win().ed_reservatorio_inf->setText(volume);
}

void TestMainWindow::fillSweep(const QString& record, const QString& volmax, const QString& interval,
                               const QString& delta) {
    fillSystem(record);
    win().RGResInf->setItemIndex(1);
    win().EdVolMaximo->setText(volmax);
    win().EdIntervaloVols->setText(interval);
    if (!delta.isEmpty()) {
        win().CBVolIdeal->setChecked(true);
        win().CBVolIdealClick();
        win().EdDiferenca->setText(delta);
    }
}

// ---------------------------------------------------------------------------------------

void TestMainWindow::openingState_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("dateLabel");
    QTest::newRow("pt_BR") << "pt_BR"
                           << "Data inicial (dd/MM/yyyy)";
    QTest::newRow("en_US") << "en_US"
                           << "Data inicial (M/d/yyyy)";
}

void TestMainWindow::openingState() {
    QFETCH(QString, locale);
    QFETCH(QString, dateLabel);
    start(locale.toUtf8().constData());
    TformMain& w = win();
    QCOMPARE(w.windowTitle(), QStringLiteral("Vespra 4"));

    const QList<QPair<const char*, QString>> captions{
        {"BTCarregar", "Carregar simulação previamente salva"},
        {"BTDemPluvVariavel", "Variável..."},
        {"BTNroMorVariavel", "Variável..."},
        {"BTResSup", "Reservatório superior"},
        {"BTValsMensais", "Valores mensais"},
        {"CBVolIdeal", "Indicar volume ideal para o reservatório inferior"},
        {"BTCalcular", "Simular"},
        {"BTSalvar", "Salvar simulação atual"},
        {"BTLimpar", "Limpar campos"},
        {"BTAnalise", "Análise Econômica"},
    };
    for (const auto& [name, caption] : captions) {
        auto* button = w.findChild<QAbstractButton*>(QLatin1String(name));
        QVERIFY2(button, name);
        QCOMPARE(button->text(), caption);
    }

    QCOMPARE(itemsOf(w.cb_porcentagem_subst), (QStringList{"10%", "20%", "30%", "40%", "50%", "60%", "70%",
                                                           "80%", "90%", "100%", "Outro valor"}));
    QCOMPARE(itemsOf(w.cb_coef_aprov),
             (QStringList{"0,1 (10% de aproveitamento)", "0,2 (20% de aproveitamento)",
                          "0,3 (30% de aproveitamento)", "0,4 (40% de aproveitamento)",
                          "0,5 (50% de aproveitamento)", "0,6 (60% de aproveitamento)",
                          "0,7 (70% de aproveitamento)", "0,8 (80% de aproveitamento)",
                          "0,9 (90% de aproveitamento)", "1 (100% de aproveitamento)", "Outro valor"}));
    QCOMPARE(w.cb_porcentagem_subst->currentIndex(), -1);
    QCOMPARE(w.cb_coef_aprov->currentIndex(), -1);

    QCOMPARE(w.RGResInf->title(), QStringLiteral("Reservatório inferior"));
    QCOMPARE(w.RGResInf->itemText(0), QStringLiteral("Simulação para reservatório com volume conhecido"));
    QCOMPARE(w.RGResInf->itemText(1), QStringLiteral("Simulação para reservatórios com diversos volumes"));
    QCOMPARE(w.RGResInf->itemIndex(), -1);

    for (QWidget* hidden :
         {static_cast<QWidget*>(w.ed_porcentagem_subst), static_cast<QWidget*>(w.ed_coef_aprov),
          static_cast<QWidget*>(w.GBSimulacao), static_cast<QWidget*>(w.PanelResultados),
          static_cast<QWidget*>(w.BTCalcular), static_cast<QWidget*>(w.BTSalvar),
          static_cast<QWidget*>(w.BTLimpar), static_cast<QWidget*>(w.BTAnalise)})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    QVERIFY(w.Label13->isHidden());
    QVERIFY(w.EdDiferenca->isHidden());
    QVERIFY(!w.CBVolIdeal->isChecked());
    QVERIFY(!w.BTAnalise->isEnabled());
    for (QWidget* shown : {static_cast<QWidget*>(w.strGridPrec), static_cast<QWidget*>(w.ed_captacao),
                           static_cast<QWidget*>(w.MemObservacoes), static_cast<QWidget*>(w.BTCarregar),
                           static_cast<QWidget*>(w.BTResSup), static_cast<QWidget*>(w.RGResInf)})
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));

    QCOMPARE(w.MemObservacoes->toPlainText(),
             QStringLiteral("Preencha este campo para consultas futuras,\ncaso queira salvar a simulação. \n"
                            "Este campo não afeta os cálculos."));
    QCOMPARE(w.Label11->text(),
             QStringLiteral(
                 "Percentual de dias no período de análise em que a demanda de água pluvial é atendida:"));

    QCOMPARE(w.strGridPrec->rowCount(), 4);
    QCOMPARE(w.strGridPrec->columnCount(), 2);
    const QStringList labels{"Carregar dados de precipitação", "Número de registros", dateLabel,
                             "Descarte escoamento inicial (mm)"};
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(w.strGridPrec->item(row, 0)->text(), labels[row]);
        QCOMPARE(w.precCell(row), QString());
    }
    QCOMPARE(w.sim().vecCaptAgua.size(), std::size_t{1});
}

void TestMainWindow::menuEntries() {
    start("pt_BR");
    // The captions as quoted; the "&" before a letter only underlines it as the Alt mnemonic.
    const auto caption = [](const QAction* a) { return QString(a->text()).remove(QLatin1Char('&')); };
    QStringList top, topKeys;
    for (QAction* a : win().menuBar()->actions()) {
        top << caption(a);
        topKeys << QKeySequence::mnemonic(a->text()).toString();
    }
    QCOMPARE(top, (QStringList{"Simulação", "Ajuda", "Citação", "Validação", "Sobre"}));
    QCOMPARE(topKeys, (QStringList{"Alt+S", "Alt+A", "Alt+C", "Alt+V", "Alt+O"}));

    QStringList entries, entryKeys;
    for (QAction* a : win().MenuSimulacao->actions()) {
        entries << (a->isSeparator() ? QStringLiteral("|") : caption(a));
        if (!a->isSeparator()) entryKeys << QKeySequence::mnemonic(a->text()).toString();
    }
    QCOMPARE(entries,
             (QStringList{"Carregar", "Salvar simulação", "|", "Simulação de cenários",
                          "Métodos de dimensionamento (NBR 15527:2007)", "|", "Limpar campos", "Sair"}));
    QCOMPARE(entryKeys, (QStringList{"Alt+C", "Alt+S", "Alt+E", "Alt+M", "Alt+L", "Alt+R"}));
    QStringList load;
    for (QAction* a : win().MenuCarregar->actions()) load << caption(a);
    QCOMPARE(load,
             (QStringList{"Simulação previamente salva", "Dados de precipitação", "Arquivo de estação..."}));

    // The information entries reach their windows: help as a message, the others shown.
    fx.ui.expectMessageContaining(QStringLiteral("Manual Vespra 4"), QStringLiteral("Vespra 4"));
    win().MenuAjuda->trigger();
    fx.ui.expectModal(QStringLiteral("formSobre"), [](QDialog*) { return int(QDialog::Accepted); });
    win().MenuSobre->trigger();
    fx.ui.expectModal(QStringLiteral("formValidacao"), [](QDialog*) { return int(QDialog::Accepted); });
    win().MenuValidacao->trigger();
    win().MenuCitacao->trigger();  // not modal
    QVERIFY(formCitacao->isVisible());
    fx.ui.expectOpenFile(QString());
    win().MenuCarregarSimulacao->trigger();
}

// Every input box can be told apart by assistive technology: a label naming it, or a name.
void TestMainWindow::everyBoxIsNamed() {
    start("pt_BR");
    const char* boxes[] = {"ed_captacao",   "ed_demanda",           "ed_moradores",  "ed_porcentagem_subst",
                           "ed_coef_aprov", "ed_reservatorio_inf",  "EdVolMaximo",   "EdIntervaloVols",
                           "EdDiferenca",   "cb_porcentagem_subst", "cb_coef_aprov", "MemObservacoes"};
    const QList<QLabel*> labels = win().findChildren<QLabel*>();
    for (const char* name : boxes) {
        auto* box = win().findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(box, name);
        const bool labelled =
            std::any_of(labels.begin(), labels.end(), [box](QLabel* l) { return l->buddy() == box; });
        QVERIFY2(labelled || !box->accessibleName().isEmpty(), name);
    }
    QVERIFY(!win().strGridPrec->accessibleName().isEmpty());
    QCOMPARE(win().RGResInf->button(0)->text(),
             QStringLiteral("Simulação para reservatório com volume conhecido"));
}

// ---------------------------------------------------------------------------------------
// Preset lists and their custom-value boxes

void TestMainWindow::percentageBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("selected");
    QTest::addColumn<double>("stored");
    QTest::newRow("50 is a preset") << "50" << 4 << 0.5;
    QTest::newRow("35 is not") << "35" << 10 << 0.35;
    QTest::newRow("100") << "100" << 9 << 1.0;
    QTest::newRow("5 is no prefix match") << "5" << 10 << 0.05;
    QTest::newRow("decimal") << "12,5" << 10 << 0.125;
}

void TestMainWindow::percentageBox() {
    QFETCH(QString, typed);
    QFETCH(int, selected);
    QFETCH(double, stored);
    start("pt_BR");
    fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    choose(win().cb_porcentagem_subst, 10);
    QVERIFY(win().ed_porcentagem_subst->isVisible());
    QCOMPARE(win().ed_porcentagem_subst->text(), QString());
    QCOMPARE(QApplication::focusWidget(), win().ed_porcentagem_subst);

    QTest::keyClicks(win().ed_porcentagem_subst, typed);
    QCOMPARE(win().cb_porcentagem_subst->currentIndex(), selected);
    QVERIFY(win().ed_porcentagem_subst->isVisible());  // only choosing a preset hides it
    win().BTCalcular->click();
    QCOMPARE(base().dblPorcSubs, stored);

    choose(win().cb_porcentagem_subst, 2);
    QCOMPARE(win().ed_porcentagem_subst->text(), QStringLiteral("30"));
    QVERIFY(!win().ed_porcentagem_subst->isVisible());
}

void TestMainWindow::coefficientPresets_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("typedSelects");
    QTest::newRow("comma 0,3") << "pt_BR" << 2 << "0,3"
                               << "0,3" << 2;
    QTest::newRow("point 0.3") << "en_US" << 2 << "0.3"
                               << "0.3" << 2;
    QTest::newRow("point 0.9") << "en_US" << 8 << "0.9"
                               << "0.9" << 8;
    QTest::newRow("one") << "pt_BR" << 9 << "1"
                         << "1" << 9;
    QTest::newRow("no preset") << "pt_BR" << 0 << "0,1"
                               << "0,35" << 10;
    QTest::newRow("trailing zero") << "en_US" << 4 << "0.5"
                                   << "0.50" << 10;
}

void TestMainWindow::coefficientPresets() {
    QFETCH(QString, locale);
    QFETCH(int, item);
    QFETCH(QString, written);
    QFETCH(QString, typed);
    QFETCH(int, typedSelects);
    start(locale.toUtf8().constData());
    choose(win().cb_coef_aprov, item);
    QCOMPARE(win().ed_coef_aprov->text(), written);
    QVERIFY(!win().ed_coef_aprov->isVisible());

    choose(win().cb_coef_aprov, 10);
    QCOMPARE(win().ed_coef_aprov->text(), QString());
    QVERIFY(win().ed_coef_aprov->isVisible());
    QTest::keyClicks(win().ed_coef_aprov, typed);
    QCOMPARE(win().cb_coef_aprov->currentIndex(), typedSelects);
    QVERIFY(win().ed_coef_aprov->isVisible());
}

void TestMainWindow::customBoxRangeOnExit_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    QTest::newRow("coefficient empty") << "coef"
                                       << "" << true;
    QTest::newRow("coefficient 0") << "coef"
                                   << "0" << true;
    QTest::newRow("coefficient 1,5") << "coef"
                                     << "1,5" << true;
    QTest::newRow("coefficient lone comma") << "coef"
                                            << "," << true;
    QTest::newRow("coefficient 1") << "coef"
                                   << "1" << false;
    QTest::newRow("coefficient 0,05") << "coef"
                                      << "0,05" << false;
    QTest::newRow("percentage empty") << "porc"
                                      << "" << true;
    QTest::newRow("percentage 0") << "porc"
                                  << "0" << true;
    QTest::newRow("percentage 100,5") << "porc"
                                      << "100,5" << true;
    QTest::newRow("percentage 100") << "porc"
                                    << "100" << false;
    QTest::newRow("percentage 0,5") << "porc"
                                    << "0,5" << false;
}

void TestMainWindow::customBoxRangeOnExit() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    start("pt_BR");
    const bool coef = box == QLatin1String("coef");
    QComboBox* list = coef ? win().cb_coef_aprov : win().cb_porcentagem_subst;
    QLineEdit* edit = coef ? win().ed_coef_aprov : win().ed_porcentagem_subst;
    choose(list, 10);
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, typed);
    if (refused)
        fx.ui.expectMessage(
            QStringLiteral("Erro"),
            coef ? QStringLiteral("O Coeficiente de escoamento superficial deve ser maior que 0 e "
                                  "menor ou igual a 1.")
                 : QStringLiteral("O Percentual da demanda total a ser substituída por água pluvial "
                                  "deve ser maior que 0% e menor ou igual a 100%."),
            MsgIcon::Warning);
    win().ed_captacao->setFocus(Qt::MouseFocusReason);
    QCOMPARE(QApplication::focusWidget() == edit, refused);
    QCOMPARE(edit->text(), typed);  // the text stays as typed
}

// ---------------------------------------------------------------------------------------
// Key filters

void TestMainWindow::keyFilters_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("second comma") << "pt_BR"
                                  << "ed_captacao"
                                  << "12,5,3"
                                  << "12,53";
    QTest::newRow("point under comma") << "pt_BR"
                                       << "ed_demanda"
                                       << "1.5"
                                       << "1,5";
    QTest::newRow("second point") << "en_US"
                                  << "ed_captacao"
                                  << "1.5.3"
                                  << "1.53";
    QTest::newRow("comma under point") << "en_US"
                                       << "ed_coef_aprov"
                                       << "0,5"
                                       << "0.5";
    QTest::newRow("letters and signs") << "pt_BR"
                                       << "ed_reservatorio_inf"
                                       << "5a0-0 "
                                       << "500";
    QTest::newRow("occupants comma") << "pt_BR"
                                     << "ed_moradores"
                                     << "4,5"
                                     << "45";
    QTest::newRow("occupants point") << "en_US"
                                     << "ed_moradores"
                                     << "4.5"
                                     << "45";
    QTest::newRow("maximum volume") << "pt_BR"
                                    << "EdVolMaximo"
                                    << "1,,5"
                                    << "1,5";
    QTest::newRow("interval") << "pt_BR"
                              << "EdIntervaloVols"
                              << "1a,."
                              << "1,";
    QTest::newRow("difference, point locale") << "en_US"
                                              << "EdDiferenca"
                                              << "x0,2"
                                              << "0.2";
}

void TestMainWindow::keyFilters() {
    QFETCH(QString, locale);
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    start(locale.toUtf8().constData());
    auto* edit = win().findChild<QLineEdit*>(box);
    QVERIFY(edit);
    QTest::keyClicks(edit, keys);
    QCOMPARE(edit->text(), text);
    // Backspace passes.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), text.left(text.size() - 1));
}

// ---------------------------------------------------------------------------------------
// Which inputs "Simular" and "Salvar" wait for

void TestMainWindow::checkValidData_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("emptied");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("one volume, all filled") << 0 << "" << true;
    QTest::newRow("one volume, no area") << 0 << "ed_captacao" << false;
    QTest::newRow("one volume, no coefficient") << 0 << "ed_coef_aprov" << false;
    QTest::newRow("one volume, no threshold") << 0 << "edResSupRec" << false;
    QTest::newRow("sweep, all filled") << 1 << "" << true;
    QTest::newRow("sweep, no interval") << 1 << "EdIntervaloVols" << false;
    QTest::newRow("sweep, no difference") << 1 << "EdDiferenca" << false;
    QTest::newRow("sweep, no occupants") << 1 << "ed_moradores" << false;
}

void TestMainWindow::checkValidData() {
    QFETCH(int, mode);
    QFETCH(QString, emptied);
    QFETCH(bool, enabled);
    start("pt_BR");
    if (mode == 0)
        fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    else
        fillSweep(writeRecord("rec.txt", 400), QStringLiteral("3000"), QStringLiteral("1000"),
                  QStringLiteral("1"));
    if (emptied == QLatin1String("edResSupRec"))
        formResSup->edResSupRec->clear();
    else if (!emptied.isEmpty())
        win().findChild<QLineEdit*>(emptied)->clear();
    // The check follows the edits of the main window's boxes, not those of the lower volume
    // or of the upper reservoir dialog.
    if (emptied != QLatin1String("ed_captacao")) win().ed_captacao->setText(QStringLiteral("101"));
    QCOMPARE(win().BTSalvar->isEnabled(), enabled);
    if (mode == 1) QCOMPARE(win().BTCalcular->isEnabled(), enabled);
}

void TestMainWindow::modeSwitch() {
    start("pt_BR");
    TformMain& w = win();
    w.EdVolMaximo->setText(QStringLiteral("2000"));
    formGrafico->show();
    QTest::mouseClick(w.RGResInf->button(0), Qt::LeftButton);
    QVERIFY(w.GBSimulacao->isVisible());
    QCOMPARE(w.GBSimulacao->title(), QStringLiteral("Simulação"));
    QCOMPARE(w.PagesSimulacao->currentWidget(), w.PanelUmaSimulacao);
    QVERIFY(!formGrafico->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.ed_reservatorio_inf);
    for (QPushButton* b : {w.BTCalcular, w.BTSalvar, w.BTLimpar, w.BTAnalise}) QVERIFY(b->isVisible());
    QVERIFY(!w.BTAnalise->isEnabled());

    // A typed volume enables "Simular" by itself and goes to the economic analysis.
    QTest::keyClicks(w.ed_reservatorio_inf, QStringLiteral("2500"));
    QVERIFY(w.BTCalcular->isEnabled());
    QVERIFY(!w.BTSalvar->isEnabled());
    QCOMPARE(formAnalise->Label10->text(), QStringLiteral("2500"));
    QCOMPARE(formAnalise->Label11->x(), formAnalise->Label10->geometry().right() + 1 + 5);
    w.ed_reservatorio_inf->clear();
    QVERIFY(!w.BTCalcular->isEnabled());

    QTest::mouseClick(w.RGResInf->button(1), Qt::LeftButton);
    QCOMPARE(w.GBSimulacao->title(), QStringLiteral("Intervalo da simulação"));
    QCOMPARE(w.PagesSimulacao->currentWidget(), w.PanelVariasSimulacoes);
    QCOMPARE(QApplication::focusWidget(), w.EdVolMaximo);
    QCOMPARE(w.EdVolMaximo->text(), QStringLiteral("2000"));  // inputs stay across switches

    QTest::mouseClick(w.CBVolIdeal, Qt::LeftButton);
    QVERIFY(w.Label13->isVisible());
    QVERIFY(w.EdDiferenca->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.EdDiferenca);
    QTest::mouseClick(w.CBVolIdeal, Qt::LeftButton);
    QVERIFY(!w.EdDiferenca->isVisible());
}

void TestMainWindow::upperReservoirModes_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<double>("dblResSup");
    QTest::addColumn<double>("dblResSupMinRec");
    QTest::addColumn<bool>("flagResSupDem");
    QTest::newRow("none, whatever the boxes hold") << 2 << "500"
                                                   << "100" << 0.0 << 0.0 << false;
    QTest::newRow("sized from the demand") << 0 << ""
                                           << "50" << 300.0 << 50.0 << true;
    QTest::newRow("chosen volume") << 1 << "800"
                                   << "120" << 800.0 << 120.0 << false;
    QTest::newRow("chosen volume, threshold not a number") << 1 << "800"
                                                           << "x" << 800.0 << 0.0 << false;
}

void TestMainWindow::upperReservoirModes() {
    QFETCH(int, mode);
    QFETCH(QString, volume);
    QFETCH(QString, threshold);
    QFETCH(double, dblResSup);
    QFETCH(double, dblResSupMinRec);
    QFETCH(bool, flagResSupDem);
    start("pt_BR");
    fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    formResSup->RGResSup->setItemIndex(mode);
    {
        // Written without the dialog's own reactions, which would convert them at once, then
        // kept as the dialog keeps every change.
        const QSignalBlocker volumeQuiet(formResSup->ed_reservatorio_sup);
        const QSignalBlocker thresholdQuiet(formResSup->edResSupRec);
        if (!volume.isEmpty()) formResSup->ed_reservatorio_sup->setText(volume);
        formResSup->edResSupRec->setText(threshold);
    }
    formResSup->keepState();
    win().BTCalcular->click();
    QCOMPARE(base().dblResSup, dblResSup);
    QCOMPARE(base().dblResSupMinRec, dblResSupMinRec);
    QCOMPARE(base().flagResSupDem, flagResSupDem);
}

// ---------------------------------------------------------------------------------------
// Precipitation grid

void TestMainWindow::recordCount_data() {
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("warns");
    QTest::newRow("364 days") << 364 << true;
    QTest::newRow("365 days") << 365 << false;
    QTest::newRow("one day") << 1 << true;
    QTest::newRow("four years") << 1461 << false;
}

void TestMainWindow::recordCount() {
    QFETCH(int, days);
    QFETCH(bool, warns);
    start("pt_BR");
    const QString path = writeRecord("chuva.csv", days);
    fx.ui.expectOpenFile(path);
    if (warns)
        fx.ui.expectMessage(
            QStringLiteral("Dados de precipitação"),
            QStringLiteral("Os dados de precipitação devem conter no mínimo 365 precipitações diárias."),
            MsgIcon::Warning);
    clickValueCell(PrecRowArquivo);
    QCOMPARE(win().precCell(PrecRowArquivo), QStringLiteral("chuva.csv"));
    QCOMPARE(win().precCell(PrecRowRegistros), QString::number(days));
    QCOMPARE(base().vecDadosPrecOrig.size(), std::size_t(days));
    QCOMPARE(QString::fromStdString(base().strArqPrec), path);
}

void TestMainWindow::newRecordStartsNewSet() {
    start("pt_BR");
    chooseRecord(writeRecord("a.txt", 400));
    win().setPrecCell(PrecRowData, dateText(2012, 1, 1));
    win().setPrecCell(PrecRowDescarte, QStringLiteral("1,5"));
    // A daily demand series entered earlier, and a fixed number of occupants.
    base().vecDemAguaPot = {100, 200};
    win().ed_demanda->setText(kVariavel);
    win().ed_moradores->setText(QStringLiteral("3"));
    base().vecNroMor = {7};
    const TCaptAguaInterval* first = &win().sim();

    chooseRecord(writeRecord("b.txt", 500));
    QVERIFY(&win().sim() != first);
    QCOMPARE(win().precCell(PrecRowArquivo), QStringLiteral("b.txt"));
    QCOMPARE(win().precCell(PrecRowRegistros), QStringLiteral("500"));
    QCOMPARE(win().precCell(PrecRowData), dateText(2012, 1, 1));
    QCOMPARE(win().precCell(PrecRowDescarte), QStringLiteral("1,5"));
    QCOMPARE(base().vecDemAguaPot, (doubleArray{100, 200}));  // "Variável" keeps its series
    QVERIFY(base().vecNroMor.empty());                        // a fixed box takes nothing over
}

void TestMainWindow::unreadableRecordLeavesData() {
    start("pt_BR");
    chooseRecord(writeRecord("a.txt", 400));
    const TCaptAguaInterval* set = &win().sim();
    const QString missing = QString::fromStdString(tmp->file("nao-existe.txt"));
    fx.ui.expectOpenFile(missing);
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QStringLiteral("nao-existe.txt"));
    clickValueCell(PrecRowArquivo);
    QCOMPARE(&win().sim(), set);
    QCOMPARE(win().precCell(PrecRowArquivo), QStringLiteral("a.txt"));
    QCOMPARE(win().precCell(PrecRowRegistros), QStringLiteral("400"));
    QCOMPARE(base().vecDadosPrecOrig.size(), std::size_t{400});
}

void TestMainWindow::gridCells_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("opensFile");
    QTest::addColumn<QString>("typed");  // what the cell holds after "7", "5.a2" and Enter
    QTest::newRow("file name") << int(PrecRowArquivo) << false << true << QString();
    QTest::newRow("record count") << int(PrecRowRegistros) << false << false << QString();
    QTest::newRow("start date") << int(PrecRowData) << true << false << QStringLiteral("75.a2");
    // The discard (mm) takes what a decimal box takes: "." types the locale's ",".
    QTest::newRow("discard") << int(PrecRowDescarte) << true << false << QStringLiteral("75,2");
}

void TestMainWindow::gridCells() {
    QFETCH(int, row);
    QFETCH(bool, editable);
    QFETCH(bool, opensFile);
    QFETCH(QString, typed);
    start("pt_BR");
    for (int click = 0; click < (opensFile ? 2 : 1); ++click) {  // each click on the file cell asks again
        if (opensFile) fx.ui.expectOpenFile(QString());          // cancelled: nothing changes
        clickValueCell(row);
    }
    QCOMPARE(win().strGridPrec->currentRow(), row);
    QTest::keyClicks(win().strGridPrec, QStringLiteral("7"));
    if (editable) {
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor != win().strGridPrec);
        QTest::keyClicks(editor, QStringLiteral("5.a2"));
        QTest::keyClick(editor, Qt::Key_Return);  // the grid takes the text in on its next turn
    }
    QTRY_COMPARE(win().precCell(row), typed);
    // The labels are never edited.
    QVERIFY(!(win().strGridPrec->item(row, 0)->flags() & Qt::ItemIsEditable));
}

void TestMainWindow::menuChoosesRecord() {
    start("en_US");
    fx.ui.expectOpenFile(writeRecord("menu.txt", 365));
    win().MenuCarregarDadosPrec->trigger();
    QCOMPARE(win().precCell(PrecRowArquivo), QStringLiteral("menu.txt"));
    QCOMPARE(win().precCell(PrecRowRegistros), QStringLiteral("365"));
}

// ---------------------------------------------------------------------------------------
// The run

void TestMainWindow::oneVolumeRunShowsEngineFigures_data() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("pt_BR") << "pt_BR";
    QTest::newRow("en_US") << "en_US";
}

void TestMainWindow::oneVolumeRunShowsEngineFigures() {
    QFETCH(QString, locale);
    start(locale.toUtf8().constData());
    fillOneVolume(writeRecord("rec.txt", 730), QStringLiteral("2000"));
    win().BTCalcular->click();

    const TCaptAgua& p = base();
    QCOMPARE(p.dblResInf, 2000.0);
    QCOMPARE(p.dblAreaCapt, 100.0);
    QCOMPARE(p.vecDemAguaPot, doubleArray{150});
    QCOMPARE(p.vecNroMor, doubleArray{4});
    QCOMPARE(p.dblCoefAprov, 0.8);
    QCOMPARE(p.dblDescartPrec, 2.0);
    QCOMPARE(p.dateDadosPrec, *TDate::fromYMD(2012, 1, 1));
    QVERIFY(p.dblEconPot > 0);

    auto f = [](double x) { return fromUtf8(formatNumber(x, 4, 2, appLocale())); };
    QVERIFY(win().PanelResultados->isVisible());
    QCOMPARE(win().Label5->text(), "Potencial de utilização de água pluvial: " + f(p.dblEconPot) + "%");
    QCOMPARE(win().Label12->text(), "- Completamente: " + f(p.dblPorcAtendTotal) + "%");
    QCOMPARE(win().Label14->text(), "- Parcialmente: " + f(p.dblPorcAtendParc) + "%");
    QCOMPARE(win().Label15->text(), "- Não atende: " + f(p.dblPorcNaoAtend) + "%");
    QVERIFY(win().Label5->font().bold());
    QCOMPARE(formAnalise->Label10->text(), QStringLiteral("2000"));

    // The monthly table holds this run and is shown only on request.
    QCOMPARE(formResultSimMensal->simCurrent, &p);
    QVERIFY(!formResultSimMensal->isVisible());
    for (QPushButton* b : {win().BTSalvar, win().BTLimpar, win().BTAnalise}) QVERIFY(b->isEnabled());
    QTest::mouseClick(win().BTValsMensais, Qt::LeftButton);
    QVERIFY(formResultSimMensal->isVisible());
}

// The example record, typed in as a user would, gives the figures its simulation file
// records for the same system.
void TestMainWindow::seattleThroughTheWindow() {
    start("pt_BR");
    TformMain& w = win();
    fx.ui.expectOpenFile(kSeattle);
    clickValueCell(PrecRowArquivo);
    QCOMPARE(w.precCell(PrecRowRegistros), QStringLiteral("1461"));

    clickValueCell(PrecRowData);
    QTest::keyClicks(w.strGridPrec, QStringLiteral("0"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1/01/2012"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(w.precCell(PrecRowData), QStringLiteral("01/01/2012"));
    clickValueCell(PrecRowDescarte);
    QTest::keyClicks(w.strGridPrec, QStringLiteral("2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(w.precCell(PrecRowDescarte), QStringLiteral("2"));

    QTest::mouseClick(w.ed_captacao, Qt::LeftButton);
    QTest::keyClicks(w.ed_captacao, QStringLiteral("100"));
    QTest::mouseClick(w.ed_demanda, Qt::LeftButton);
    QTest::keyClicks(w.ed_demanda, QStringLiteral("150"));
    QTest::mouseClick(w.ed_moradores, Qt::LeftButton);
    QTest::keyClicks(w.ed_moradores, QStringLiteral("4"));
    w.cb_porcentagem_subst->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 5; ++i) QTest::keyClick(w.cb_porcentagem_subst, Qt::Key_Down);  // "50%"
    QCOMPARE(w.ed_porcentagem_subst->text(), QStringLiteral("50"));
    w.cb_coef_aprov->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 8; ++i) QTest::keyClick(w.cb_coef_aprov, Qt::Key_Down);  // "0,8 (...)"
    QCOMPARE(w.ed_coef_aprov->text(), QStringLiteral("0,8"));

    QTest::mouseClick(w.RGResInf->button(0), Qt::LeftButton);
    QTest::keyClicks(w.ed_reservatorio_inf, QStringLiteral("5000"));
    QVERIFY(w.BTCalcular->isEnabled());
    QTest::keyClick(w.ed_reservatorio_inf, Qt::Key_Return);  // "Simular" is the default button

    QCOMPARE(w.Label5->text(), QStringLiteral("Potencial de utilização de água pluvial: 31,10%"));
    QCOMPARE(w.Label12->text(), QStringLiteral("- Completamente: 59,21%"));
    QCOMPARE(w.Label14->text(), QStringLiteral("- Parcialmente: 5,34%"));
    QCOMPARE(w.Label15->text(), QStringLiteral("- Não atende: 35,46%"));
    QVERIFY(w.BTAnalise->isEnabled());
}

void TestMainWindow::twoSweepsAddTwoLines() {
    start("pt_BR");
    fillSweep(writeRecord("rec.txt", 400), QStringLiteral("5000"), QStringLiteral("1000"), QString());
    QVERIFY(win().BTCalcular->isEnabled());
    win().BTCalcular->click();
    win().EdVolMaximo->setText(QStringLiteral("3000"));
    win().BTCalcular->click();
    QCOMPARE(formGrafico->Chart1->series().size(), 2);
    QCOMPARE(formGrafico->simCurrent, &win().sim());
    QVERIFY(formGrafico->isVisible());
    QCOMPARE(win().sim().vecCaptAgua.size(), std::size_t{4});  // 0, 1000, 2000, 3000
    QCOMPARE(base().dblResInf, 0.0);
    QCOMPARE(win().sim().indVolOtimo, -1);  // no ideal volume asked for
    QVERIFY(!win().PanelResultados->isVisible());
}

void TestMainWindow::conversionErrorNamesText_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("date not in the short format") << "date"
                                                  << "2012-01-01";
    QTest::newRow("impossible date") << "date"
                                     << "31/02/2012";
    QTest::newRow("discard") << "discard"
                             << "2,5,1";
    QTest::newRow("lone separator") << "ed_captacao"
                                    << ",";
    QTest::newRow("pasted letters") << "ed_captacao"
                                    << "cem";
    QTest::newRow("occupants with a decimal") << "ed_moradores"
                                              << "4,5";
    QTest::newRow("volume") << "ed_reservatorio_inf"
                            << "5.000";
}

void TestMainWindow::conversionErrorNamesText() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    start("pt_BR");
    fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    if (control == QLatin1String("date"))
        win().setPrecCell(PrecRowData, text);
    else if (control == QLatin1String("discard"))
        win().setPrecCell(PrecRowDescarte, text);
    else
        win().findChild<QLineEdit*>(control)->setText(text);  // pasted: no key filter
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), "'" + text + "'");
    win().BTCalcular->click();
    QVERIFY(!win().PanelResultados->isVisible());
    QVERIFY(!win().BTAnalise->isEnabled());
    QCOMPARE(formResultSimMensal->simCurrent, nullptr);
}

void TestMainWindow::sweepIntervalRefused_data() {
    QTest::addColumn<QString>("interval");
    QTest::newRow("zero") << "0";
    QTest::newRow("zero with decimals") << "0,0";
    QTest::newRow("negative") << "-500";
}

void TestMainWindow::sweepIntervalRefused() {
    QFETCH(QString, interval);
    start("pt_BR");
    fillSweep(writeRecord("rec.txt", 400), QStringLiteral("5000"), interval, QString());
    fx.ui.expectMessage(QStringLiteral("Erro"),
                        QStringLiteral("O intervalo entre volumes deve ser maior que 0 litros."),
                        MsgIcon::Warning);
    win().BTCalcular->click();
    QVERIFY(formGrafico->Chart1->series().isEmpty());
    QCOMPARE(formGrafico->simCurrent, nullptr);
    QCOMPARE(win().sim().vecCaptAgua.size(), std::size_t{1});
    QVERIFY(!win().BTAnalise->isEnabled());
}

// ---------------------------------------------------------------------------------------
// Economic analysis entry

void TestMainWindow::analiseEntry_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("volmax");
    QTest::addColumn<QString>("delta");  // empty: no ideal volume asked for
    QTest::addColumn<QString>("asks");   // "question", "information" or nothing
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("asksVolume");
    QTest::addColumn<QString>("label10");
    QTest::newRow("ideal volume taken") << 1 << "5000"
                                        << "1000"
                                        << "question" << true << false << "1000";
    QTest::newRow("ideal volume declined") << 1 << "5000"
                                           << "1000"
                                           << "question" << false << true << "";
    QTest::newRow("no ideal volume found") << 1 << "500"
                                           << "1000"
                                           << "information" << false << true << "";
    QTest::newRow("no ideal volume asked for") << 1 << "5000"
                                               << ""
                                               << "" << false << true << "";
    QTest::newRow("one volume") << 0 << ""
                                << ""
                                << "" << false << false << "2500";
}

void TestMainWindow::analiseEntry() {
    QFETCH(int, mode);
    QFETCH(QString, volmax);
    QFETCH(QString, delta);
    QFETCH(QString, asks);
    QFETCH(bool, yes);
    QFETCH(bool, asksVolume);
    QFETCH(QString, label10);
    start("pt_BR");
    if (mode == 0)
        fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("2500"));
    else
        fillSweep(writeRecord("rec.txt", 400), volmax, QStringLiteral("1000"), delta);
    win().BTCalcular->click();
    QVERIFY(win().BTAnalise->isEnabled());
    formAnalise->Label10->setText(mode == 0 ? QStringLiteral("2500") : QString());

    const QString caption = QStringLiteral("Reservatório inferior");
    if (asks == QLatin1String("question"))
        fx.ui.expectMessage(
            caption,
            QStringLiteral("Deseja utilizar o volume ideal para o reservatório inferior (1000 litros) "
                           "na análise econômica?"),
            MsgIcon::Question, yes ? MsgResult::Yes : MsgResult::No);
    else if (asks == QLatin1String("information"))
        fx.ui.expectMessage(
            caption,
            QStringLiteral("Como não foi possível calcular o volume ideal para o reservatório "
                           "inferior, digite o valor desejado na próxima janela"),
            MsgIcon::Information);
    if (asksVolume)
        fx.ui.expectModal(QStringLiteral("formVolumeInfAnalise"),
                          [](QDialog*) { return int(QDialog::Accepted); });
    QTest::mouseClick(win().BTAnalise, Qt::LeftButton);
    QCOMPARE(formAnalise->Label10->text(), label10);
    QVERIFY(formAnalise->isVisible());
}

void TestMainWindow::startedAnalysisFollowsRuns() {
    start("pt_BR");
    fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    // The analysis has no period yet: each recalculation says so, once.
    const QString noPeriod = QStringLiteral("Período de análise (anos): '' não é um número válido.");
    const auto recalculated = [&] {
        const auto& shown = fx.ui.shown();
        return static_cast<int>(std::count_if(shown.begin(), shown.end(),
                                              [&](const FakeUi::Shown& s) { return s.text == noPeriod; }));
    };
    win().BTCalcular->click();
    QCOMPARE(recalculated(), 0);  // no analysis yet
    formAnalise->simAnalise = std::make_unique<TCaptAgua>();
    fx.ui.expectMessage(QStringLiteral("Erro"), noPeriod);
    fx.ui.expectMessage(QStringLiteral("Erro"), noPeriod);
    win().BTCalcular->click();
    win().BTCalcular->click();
    QCOMPARE(recalculated(), 2);
}

void TestMainWindow::variableBackToFixed_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("yes");
    QTest::newRow("demand, yes") << "ed_demanda" << true;
    QTest::newRow("demand, no") << "ed_demanda" << false;
    QTest::newRow("occupants, yes") << "ed_moradores" << true;
    QTest::newRow("occupants, no") << "ed_moradores" << false;
}

void TestMainWindow::variableBackToFixed() {
    QFETCH(QString, box);
    QFETCH(bool, yes);
    start("pt_BR");
    const bool demand = box == QLatin1String("ed_demanda");
    doubleArray& series = demand ? base().vecDemAguaPot : base().vecNroMor;
    series = {1, 2, 3};
    QLineEdit* edit = demand ? win().ed_demanda : win().ed_moradores;
    edit->setText(kVariavel);
    fx.ui.expectMessage(
        demand ? QStringLiteral("Demanda variável") : QStringLiteral("Número de moradores variável"),
        demand ? QStringLiteral("Deseja alternar Demanda de água potável de variável para fixa?")
               : QStringLiteral("Deseja alternar Número de moradores de variável para fixo?"),
        MsgIcon::Question, yes ? MsgResult::Yes : MsgResult::No);
    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(edit->text(), yes ? QString() : kVariavel);
    QCOMPARE(series.size(), yes ? std::size_t{0} : std::size_t{3});
    if (yes) QTest::mouseClick(edit, Qt::LeftButton);  // a fixed value asks nothing
}

// ---------------------------------------------------------------------------------------
// Observations, save, load and clear

void TestMainWindow::observationsMemo() {
    start("pt_BR");
    fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    win().BTCalcular->click();  // the placeholder, never entered, is not the user's: no notes
    QVERIFY(base().strObs->empty());

    QTest::mouseClick(win().MemObservacoes->viewport(), Qt::LeftButton);
    QCOMPARE(win().MemObservacoes->toPlainText(), QString());  // the placeholder goes away
    QTest::keyClicks(win().MemObservacoes, QStringLiteral("Casa 1"));
    QTest::keyClick(win().MemObservacoes, Qt::Key_Return);
    win().MemObservacoes->insertPlainText(QStringLiteral("telhado; cerâmica"));
    win().ed_captacao->setFocus(Qt::TabFocusReason);
    win().MemObservacoes->setFocus(Qt::TabFocusReason);  // entering again keeps the user's notes
    QCOMPARE(win().MemObservacoes->toPlainText(), QStringLiteral("Casa 1\ntelhado; cerâmica"));
    win().BTCalcular->click();
    QCOMPARE(*base().strObs, (TObsList{"Casa 1", "telhado; cerâmica"}));
}

// The file holds what is on screen: the save runs the boxes first, as "Simular" does.
void TestMainWindow::saveRunsTheInputsOnScreen() {
    start("pt_BR");
    TformMain& w = win();
    fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    w.BTCalcular->click();
    const QString ranWith100 = w.Label5->text();
    w.ed_captacao->setText(QStringLiteral("200"));

    const QString path = QString::fromStdString(tmp->file("sim.csv"));
    fx.ui.expectSaveFile(path);
    w.MenuSalvarSimulacao->trigger();
    const QString ranWith200 = w.Label5->text();
    QVERIFY(ranWith200 != ranWith100);
    const auto lines = readTextLines(path.toStdString());
    QVERIFY(IndexOfLine(lines, "Área de captação (m²);200") >= 0);
    QVERIFY(IndexOfLine(lines, "Observações (linhas);0") >= 0);  // the placeholder is not a note

    fx.ui.expectOpenFile(path);
    w.MenuCarregarSimulacao->trigger();
    QCOMPARE(w.ed_captacao->text(), QStringLiteral("200"));
    QCOMPARE(w.Label5->text(), ranWith200);

    // Before any run, the save runs the typed inputs too.
    w.ed_captacao->setText(QStringLiteral("150"));
    fx.ui.expectSaveFile(path);
    w.BTSalvarClick();
    QVERIFY(IndexOfLine(readTextLines(path.toStdString()), "Área de captação (m²);150") >= 0);
}

// A save the disk refuses says why and leaves the file that was there; the simulation stays
// unsaved.
void TestMainWindow::failedSaveKeepsTheOldFile() {
    const PlantedFailure& failure = plantedFailure();
    start("pt_BR");
    fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    win().BTCalcular->click();
    TempDir dir;
    const std::string path = plantFailure(dir, failure.obstacle, "sim.csv");
    const auto before = snapshot(dir.file(""));
    fx.ui.expectSaveFile(QString::fromStdString(path));
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QString::fromStdString(path));
    {
        FullDiskWhile full(failure.obstacle == Obstacle::FullDisk);
        win().MenuSalvarSimulacao->trigger();
    }
    verifyRefusedWrite(fx.ui, failure, path, dir, before);
}

void TestMainWindow::saveStoppedByTheRun() {
    start("pt_BR");
    TformMain& w = win();
    fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    w.BTCalcular->click();
    const QString path = QString::fromStdString(tmp->write("sim.csv", "antes"));
    w.ed_captacao->setText(QStringLiteral(","));  // pasted past the key filter
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QStringLiteral("','"));
    w.MenuSalvarSimulacao->trigger();  // no file name is asked: nothing is written
    QCOMPARE(readTextLines(path.toStdString()), (std::vector<std::string>{"antes"}));

    // Without a mode there is nothing to run.
    fx.ui.expectMessage(QStringLiteral("Limpar campos"),
                        QStringLiteral("Você tem certeza de que deseja limpar TODOS os campos?"),
                        MsgIcon::Question, MsgResult::Yes);
    w.BTLimparClick();
    fx.ui.expectMessageContaining(QStringLiteral("Salvar simulação"), QStringLiteral("antes de salvar"));
    w.MenuSalvarSimulacao->trigger();
}

// A value typed and never left gets the same check when "Simular" runs (here by Enter, in
// the box itself): the message, the focus back, and nothing run.
void TestMainWindow::runChecksTheCustomRanges_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString coef =
        QStringLiteral("O Coeficiente de escoamento superficial deve ser maior que 0 e menor ou igual a 1.");
    const QString porc = QStringLiteral(
        "O Percentual da demanda total a ser substituída por água pluvial deve ser maior que 0% e menor ou "
        "igual a 100%.");
    QTest::newRow("coefficient above 1") << "ed_coef_aprov"
                                         << "1,5" << coef;
    QTest::newRow("coefficient 0") << "ed_coef_aprov"
                                   << "0" << coef;
    QTest::newRow("substitution above 100") << "ed_porcentagem_subst"
                                            << "150" << porc;
    QTest::newRow("substitution 0") << "ed_porcentagem_subst"
                                    << "0" << porc;
}

void TestMainWindow::runChecksTheCustomRanges() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    start("pt_BR");
    TformMain& w = win();
    fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    QComboBox* list = box == QLatin1String("ed_coef_aprov") ? w.cb_coef_aprov : w.cb_porcentagem_subst;
    choose(list, 10);  // "Outro valor": the box shows and takes the focus
    QLineEdit* edit = w.findChild<QLineEdit*>(box);
    QTest::keyClicks(edit, typed);
    QVERIFY(w.BTCalcular->isEnabled());
    fx.ui.expectMessage(QStringLiteral("Erro"), message, MsgIcon::Warning);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(edit->text(), typed);
    QVERIFY(!w.PanelResultados->isVisible());
    QCOMPARE(base().dblCoefAprov, 0.0);
    QCOMPARE(base().dblPorcSubs, 0.0);
    QVERIFY(!w.BTAnalise->isEnabled());
}

void TestMainWindow::conversionErrorNamesTheBox_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty area") << "ed_captacao"
                                << ""
                                << "Área de captação (m²): '' não é um número válido.";
    QTest::newRow("occupants with a decimal") << "ed_moradores"
                                              << "4,5"
                                              << "Número de moradores: '4,5' não é um número inteiro válido.";
    QTest::newRow("volume") << "ed_reservatorio_inf"
                            << "5.000"
                            << "Volume do Reservatório inferior (litros): '5.000' não é um número válido.";
    QTest::newRow("start date") << "date"
                                << "2012-01-01"
                                << TformMain::precDateLabel() + ": '2012-01-01' não é uma data válida.";
    QTest::newRow("discard") << "discard"
                             << "2,5,1"
                             << "Descarte escoamento inicial (mm): '2,5,1' não é um número válido.";
}

void TestMainWindow::conversionErrorNamesTheBox() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    start("pt_BR");
    TformMain& w = win();
    fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    w.BTCalcular->setFocus(Qt::OtherFocusReason);
    const int row = box == QLatin1String("date") ? PrecRowData : PrecRowDescarte;
    const bool cell = box == QLatin1String("date") || box == QLatin1String("discard");
    if (cell)
        w.setPrecCell(row, text);
    else
        w.findChild<QLineEdit*>(box)->setText(text);  // pasted: no key filter
    fx.ui.expectMessage(QStringLiteral("Vespra 4"), message, MsgIcon::Error);
    w.BTCalcularClick();
    if (cell) {
        QCOMPARE(QApplication::focusWidget(), w.strGridPrec);
        QCOMPARE(w.strGridPrec->currentRow(), row);
    } else {
        QCOMPARE(QApplication::focusWidget(), w.findChild<QLineEdit*>(box));
    }
}

// Leaving the program with work not saved asks first; Sim saves, and a save that does not
// happen keeps the window open, as Cancelar does.
void TestMainWindow::closeAsksToSave_data() {
    QTest::addColumn<QString>("work");    // "none", "typed", "run", "saved"
    QTest::addColumn<QString>("answer");  // "", "Sim", "Não", "Cancelar"
    QTest::addColumn<QString>("saveAs");  // the file name given to the save, "" to cancel it
    QTest::addColumn<bool>("closes");
    QTest::newRow("nothing typed") << "none"
                                   << ""
                                   << "" << true;
    QTest::newRow("just saved") << "saved"
                                << ""
                                << "" << true;
    QTest::newRow("typed, Não") << "typed"
                                << "Não"
                                << "" << true;
    QTest::newRow("typed, Cancelar") << "typed"
                                     << "Cancelar"
                                     << "" << false;
    QTest::newRow("run, Sim and saved") << "run"
                                        << "Sim"
                                        << "sim.csv" << true;
    QTest::newRow("run, Sim and the save cancelled") << "run"
                                                     << "Sim"
                                                     << "" << false;
}

void TestMainWindow::closeAsksToSave() {
    QFETCH(QString, work);
    QFETCH(QString, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, closes);
    start("pt_BR");
    TformMain& w = win();
    if (work != QLatin1String("none")) fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    if (work == QLatin1String("run")) w.BTCalcular->click();
    if (work == QLatin1String("saved")) {
        fx.ui.expectSaveFile(QString::fromStdString(tmp->file("antes.csv")));
        w.BTSalvarClick();
    }
    if (!answer.isEmpty()) {
        const MsgResult result = answer == QLatin1String("Sim")    ? MsgResult::Yes
                                 : answer == QStringLiteral("Não") ? MsgResult::No
                                                                   : MsgResult::Cancel;
        fx.ui.expectMessage(QStringLiteral("Vespra 4"),
                            QStringLiteral("Deseja salvar a simulação antes de sair?"), MsgIcon::Question,
                            result);
    }
    const QString path =
        saveAs.isEmpty() ? QString() : QString::fromStdString(tmp->file(saveAs.toStdString()));
    if (answer == QLatin1String("Sim")) fx.ui.expectSaveFile(path);
    w.MenuSair->trigger();
    QCOMPARE(!w.isVisible(), closes);
    if (!path.isEmpty()) QVERIFY(QFile::exists(path));
}

// "Limpar campos", and a load (which clears first), leave no curve of an earlier sweep,
// whichever mode the window was in.
void TestMainWindow::clearRemovesEveryCurve_data() {
    QTest::addColumn<bool>("load");
    QTest::newRow("clear in the one-volume mode") << false;
    QTest::newRow("load in the one-volume mode") << true;
}

void TestMainWindow::clearRemovesEveryCurve() {
    QFETCH(bool, load);
    start("pt_BR");
    TformMain& w = win();
    fillSweep(writeRecord("rec.txt", 400), QStringLiteral("3000"), QStringLiteral("1000"), QString());
    w.BTCalcular->click();
    QCOMPARE(formGrafico->Chart1->series().size(), 1);
    w.RGResInf->setItemIndex(0);
    w.ed_reservatorio_inf->setText(QStringLiteral("1000"));
    w.BTCalcular->click();
    if (load) {
        fx.ui.expectOpenFile(QStringLiteral(VESPRA_SOURCE_DIR "/examples/seattle-faixa-volumes.csv"));
        w.BTCarregarClick();
        QCOMPARE(formGrafico->Chart1->series().size(), 1);  // the loaded sweep's line alone
    } else {
        fx.ui.expectMessage(QStringLiteral("Limpar campos"),
                            QStringLiteral("Você tem certeza de que deseja limpar TODOS os campos?"),
                            MsgIcon::Question, MsgResult::Yes);
        w.BTLimparClick();
        QVERIFY(formGrafico->Chart1->series().isEmpty());
    }
}

// "Simular" is the default button from the start: Enter runs a sweep as it runs one volume.
void TestMainWindow::enterRunsTheSweep() {
    start("pt_BR");
    TformMain& w = win();
    QVERIFY(w.BTCalcular->isDefault());
    fillSweep(writeRecord("rec.txt", 400), QStringLiteral("3000"), QStringLiteral("1000"), QString());
    w.EdIntervaloVols->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(w.EdIntervaloVols, Qt::Key_Return);
    QCOMPARE(formGrafico->Chart1->series().size(), 1);
    QCOMPARE(w.sim().vecCaptAgua.size(), std::size_t{4});

    w.EdIntervaloVols->clear();  // "Simular" disabled: Enter does nothing
    QVERIFY(!w.BTCalcular->isEnabled());
    QTest::keyClick(w.EdIntervaloVols, Qt::Key_Return);
    QCOMPARE(formGrafico->Chart1->series().size(), 1);
}

void TestMainWindow::saveClearLoadRoundTrip_data() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("pt_BR") << "pt_BR";
    QTest::newRow("en_US") << "en_US";
}

void TestMainWindow::saveClearLoadRoundTrip() {
    QFETCH(QString, locale);
    start(locale.toUtf8().constData());
    TformMain& w = win();
    fillOneVolume(writeRecord("rec.txt", 730), QStringLiteral("3000"));
    choose(w.cb_porcentagem_subst, 10);
    QTest::keyClicks(w.ed_porcentagem_subst, QStringLiteral("35"));
    formResSup->RGResSup->setItemIndex(TformResSup::ItemVolume);
    formResSup->ed_reservatorio_sup->setText(QStringLiteral("500"));
    formResSup->edResSupRec->setText(QStringLiteral("100"));
    w.MemObservacoes->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w.MemObservacoes, QStringLiteral("Casa; teste"));
    w.BTCalcular->click();
    const QStringList before{w.Label5->text(), w.Label12->text(), w.Label14->text(), w.Label15->text()};

    const QString path = QString::fromStdString(tmp->file("sim.csv"));
    fx.ui.expectSaveFile(path);
    QTest::mouseClick(w.BTSalvar, Qt::LeftButton);
    QVERIFY(QFile::exists(path));

    fx.ui.expectMessage(QStringLiteral("Limpar campos"),
                        QStringLiteral("Você tem certeza de que deseja limpar TODOS os campos?"),
                        MsgIcon::Question, MsgResult::Yes);
    QTest::mouseClick(w.BTLimpar, Qt::LeftButton);
    QCOMPARE(w.ed_captacao->text(), QString());
    QCOMPARE(w.RGResInf->itemIndex(), -1);

    fx.ui.expectOpenFile(path);
    QTest::mouseClick(w.BTCarregar, Qt::LeftButton);
    QCOMPARE(w.precCell(PrecRowArquivo), QStringLiteral("sim.csv"));
    QCOMPARE(w.precCell(PrecRowRegistros), QStringLiteral("730"));
    QCOMPARE(w.precCell(PrecRowData), dateText(2012, 1, 1));
    QCOMPARE(w.precCell(PrecRowDescarte), QStringLiteral("2"));
    QCOMPARE(w.ed_captacao->text(), QStringLiteral("100"));
    QCOMPARE(w.ed_demanda->text(), QStringLiteral("150"));
    QCOMPARE(w.ed_moradores->text(), QStringLiteral("4"));
    QCOMPARE(w.ed_porcentagem_subst->text(), QStringLiteral("35"));
    QCOMPARE(w.cb_porcentagem_subst->currentIndex(), 10);
    QVERIFY(w.ed_porcentagem_subst->isVisible());
    QCOMPARE(w.ed_coef_aprov->text(), fromUtf8(formatGeneral(0.8, appLocale())));
    QCOMPARE(w.cb_coef_aprov->currentIndex(), 7);
    QCOMPARE(formResSup->RGResSup->itemIndex(), int(TformResSup::ItemVolume));
    QCOMPARE(formResSup->ed_reservatorio_sup->text(), QStringLiteral("500"));
    QCOMPARE(formResSup->edResSupRec->text(), QStringLiteral("100"));
    QCOMPARE(w.MemObservacoes->toPlainText(), QStringLiteral("Casa; teste"));
    QCOMPARE(w.RGResInf->itemIndex(), 0);
    QCOMPARE(w.ed_reservatorio_inf->text(), QStringLiteral("3000"));
    // The load ran the simulation again: the same results.
    QVERIFY(w.PanelResultados->isVisible());
    QCOMPARE((QStringList{w.Label5->text(), w.Label12->text(), w.Label14->text(), w.Label15->text()}),
             before);
    QVERIFY(w.BTAnalise->isEnabled());
}

void TestMainWindow::loadSweepExample_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("file");
    QTest::newRow("pt_BR") << "pt_BR" << VESPRA_SOURCE_DIR "/examples/seattle-faixa-volumes.csv";
    QTest::newRow("en_US") << "en_US" << VESPRA_SOURCE_DIR "/examples/en_US/seattle-faixa-volumes.csv";
}

void TestMainWindow::loadSweepExample() {
    QFETCH(QString, locale);
    QFETCH(QString, file);
    start(locale.toUtf8().constData());
    fx.ui.expectOpenFile(file);
    win().MenuCarregarSimulacao->trigger();
    TformMain& w = win();
    QCOMPARE(w.RGResInf->itemIndex(), 1);
    QCOMPARE(w.EdVolMaximo->text(), QStringLiteral("20000"));
    QCOMPARE(w.EdIntervaloVols->text(), QStringLiteral("1000"));
    QVERIFY(w.CBVolIdeal->isChecked());
    QVERIFY(w.EdDiferenca->isVisible());
    QCOMPARE(w.EdDiferenca->text(), QStringLiteral("2"));
    QCOMPARE(w.precCell(PrecRowRegistros), QStringLiteral("1461"));
    QCOMPARE(formGrafico->Chart1->series().size(), 1);
    QCOMPARE(formGrafico->simCurrent, &w.sim());
    QCOMPARE(w.sim().vecCaptAgua.size(), std::size_t{21});
    // The file's results block names 6000 litres as the ideal volume.
    QVERIFY(w.sim().indVolOtimo > 0);
    QCOMPARE(w.sim().vecCaptAgua[std::size_t(w.sim().indVolOtimo)]->dblResInf, 6000.0);
}

void TestMainWindow::unreadableSimulationLeavesWindow() {
    start("pt_BR");
    fillOneVolume(writeRecord("rec.txt", 400), QStringLiteral("1000"));
    win().BTCalcular->click();
    const TCaptAguaInterval* set = &win().sim();
    const QString label = win().Label5->text();
    const QString bad = QString::fromStdString(tmp->write("ruim.csv", "isto;nao\r\ne;uma;simulacao\r\n"));
    fx.ui.expectOpenFile(bad);
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QString());
    QTest::mouseClick(win().BTCarregar, Qt::LeftButton);
    QCOMPARE(&win().sim(), set);
    QCOMPARE(win().ed_captacao->text(), QStringLiteral("100"));
    QCOMPARE(win().precCell(PrecRowArquivo), QStringLiteral("rec.txt"));
    QCOMPARE(win().RGResInf->itemIndex(), 0);
    QCOMPARE(win().Label5->text(), label);
}

// `vespra FILE`: the file named after the program's name opens at start-up as "Carregar
// simulação" opens it; one that cannot be read shows its message over an empty window.
void TestMainWindow::commandLineOpensFile_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("file");  // empty: no argument; "missing", "bad": planted here
    QTest::addColumn<QString>("savings");
    QTest::addColumn<int>("members");
    QTest::newRow("one volume, pt_BR") << "pt_BR" << VESPRA_SOURCE_DIR "/examples/seattle-volume-unico.csv"
                                       << "Potencial de utilização de água pluvial: 31,10%" << 1;
    QTest::newRow("one volume, en_US")
        << "en_US" << VESPRA_SOURCE_DIR "/examples/en_US/seattle-volume-unico.csv"
        << "Potencial de utilização de água pluvial: 31.10%" << 1;
    QTest::newRow("sweep") << "pt_BR" << VESPRA_SOURCE_DIR "/examples/seattle-faixa-volumes.csv" << QString()
                           << 21;
    QTest::newRow("no file named") << "pt_BR" << QString() << QString() << 0;
    QTest::newRow("missing file") << "pt_BR"
                                  << "missing" << QString() << 0;
    QTest::newRow("not a simulation") << "pt_BR"
                                      << "bad" << QString() << 0;
}

void TestMainWindow::commandLineOpensFile() {
    QFETCH(QString, locale);
    QFETCH(QString, file);
    QFETCH(QString, savings);
    QFETCH(int, members);
    start(locale.toUtf8().constData());
    if (file == QLatin1String("missing")) {
        file = QString::fromStdString(tmp->file("nao-existe.csv"));
        fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"),
                                      QStringLiteral("Não foi possível abrir o arquivo"));
    } else if (file == QLatin1String("bad")) {
        file = QString::fromStdString(tmp->write("ruim.csv", "isto;nao\r\ne;uma;simulacao\r\n"));
        fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QString());
    }
    win().openFromCommandLine(file);

    TformMain& w = win();
    if (members == 0) {  // the empty window of the start
        QCOMPARE(w.RGResInf->itemIndex(), -1);
        QVERIFY(w.ed_captacao->text().isEmpty());
        QVERIFY(w.precCell(PrecRowArquivo).isEmpty());
        QVERIFY(!w.PanelResultados->isVisible());
        QVERIFY(formGrafico->Chart1->series().isEmpty());
        return;
    }
    QCOMPARE(w.ed_captacao->text(), QStringLiteral("100"));
    QCOMPARE(w.precCell(PrecRowRegistros), QStringLiteral("1461"));
    QCOMPARE(w.sim().vecCaptAgua.size(), std::size_t(members));
    if (members == 1) {
        QCOMPARE(w.RGResInf->itemIndex(), 0);
        QCOMPARE(w.ed_reservatorio_inf->text(), QStringLiteral("5000"));
        QCOMPARE(w.Label5->text(), savings);
    } else {
        QCOMPARE(w.RGResInf->itemIndex(), 1);
        QCOMPARE(formGrafico->Chart1->series().size(), 1);
    }
    // The next "Carregar simulação" starts in the opened file's folder.
    fx.ui.expectOpenFile(QString());
    w.BTCarregarClick();
    QCOMPARE(fx.ui.shown().back().dir, QFileInfo(file).absolutePath());
}

// A sweep followed by a run for one volume is a one-volume simulation, also in its file.
void TestMainWindow::oneVolumeAfterSweepSavesOneVolume() {
    start("pt_BR");
    fillSweep(writeRecord("rec.txt", 400), QStringLiteral("3000"), QStringLiteral("1000"), QString());
    win().BTCalcular->click();
    win().RGResInf->setItemIndex(0);
    win().ed_reservatorio_inf->setText(QStringLiteral("1500"));
    win().BTCalcular->click();
    QCOMPARE(win().sim().vecCaptAgua.size(), std::size_t{1});
    const QString path = QString::fromStdString(tmp->file("um.csv"));
    fx.ui.expectSaveFile(path);
    win().BTSalvarClick();
    const auto lines = readTextLines(path.toStdString());
    QVERIFY(IndexOfLine(lines, "Reservatório inferior (litros);1500") >= 0);
}

// Loading files one after another, whatever mode the window was in and whatever its hidden
// boxes still held, leaves "Simular" and "Salvar simulação atual" ready for the loaded file.
void TestMainWindow::loadsInTurnLeaveSimularEnabled() {
    start("pt_BR");
    TformMain& w = win();
    // 5000 L typed for one volume, then the sweep chosen: the hidden box keeps its text.
    w.RGResInf->setItemIndex(0);
    w.ed_reservatorio_inf->setText(QStringLiteral("5000"));
    w.RGResInf->setItemIndex(1);
    const char* files[] = {"seattle-analise-economica.csv", "seattle-volume-unico.csv",
                           "seattle-faixa-volumes.csv",     "seattle-volume-unico.csv",
                           "seattle-analise-economica.csv", "seattle-faixa-volumes.csv",
                           "seattle-faixa-volumes.csv"};
    for (const char* name : files) {
        fx.ui.expectOpenFile(QStringLiteral(VESPRA_SOURCE_DIR "/examples/") + QString::fromLatin1(name));
        w.BTCarregarClick();
        QVERIFY2(w.BTCalcular->isEnabled(), name);
        QVERIFY2(w.BTSalvar->isEnabled(), name);
    }
    // The sweep typed as the file gives it, then one volume chosen: the sweep's boxes keep their
    // texts when the file is loaded.
    w.RGResInf->setItemIndex(0);
    w.ed_reservatorio_inf->setText(QStringLiteral("1000"));
    w.BTCalcular->click();
    w.RGResInf->setItemIndex(0);
    fx.ui.expectOpenFile(QStringLiteral(VESPRA_SOURCE_DIR "/examples/seattle-volume-unico.csv"));
    w.BTCarregarClick();
    w.RGResInf->setItemIndex(1);
    w.EdVolMaximo->setText(QStringLiteral("20000"));
    w.EdIntervaloVols->setText(QStringLiteral("1000"));
    w.CBVolIdeal->setChecked(true);
    w.EdDiferenca->setText(QStringLiteral("2"));
    w.RGResInf->setItemIndex(0);
    fx.ui.expectOpenFile(QStringLiteral(VESPRA_SOURCE_DIR "/examples/seattle-faixa-volumes.csv"));
    w.BTCarregarClick();
    QCOMPARE(w.RGResInf->itemIndex(), 1);
    QVERIFY(w.BTCalcular->isEnabled());
    QVERIFY(w.BTSalvar->isEnabled());
}

void TestMainWindow::clearAsksAndResets() {
    start("pt_BR");
    TformMain& w = win();
    fillSweep(writeRecord("rec.txt", 400), QStringLiteral("3000"), QStringLiteral("1000"),
              QStringLiteral("1"));
    w.BTCalcular->click();
    formGraficoProps->EdTitulo->setText(QStringLiteral("Título"));
    formGraficoProps->CBEstiloMarcador->setCurrentIndex(2);
    const TCaptAguaInterval* set = &w.sim();

    fx.ui.expectMessage(QStringLiteral("Limpar campos"),
                        QStringLiteral("Você tem certeza de que deseja limpar TODOS os campos?"),
                        MsgIcon::Question, MsgResult::No);
    w.MenuLimparCampos->trigger();
    QCOMPARE(&w.sim(), set);
    QCOMPARE(w.ed_captacao->text(), QStringLiteral("100"));
    QCOMPARE(w.RGResInf->itemIndex(), 1);

    fx.ui.expectMessage(QStringLiteral("Limpar campos"),
                        QStringLiteral("Você tem certeza de que deseja limpar TODOS os campos?"),
                        MsgIcon::Question, MsgResult::Yes);
    w.MenuLimparCampos->trigger();
    QVERIFY(&w.sim() != set);
    QCOMPARE(w.sim().vecCaptAgua.size(), std::size_t{1});
    for (int row = 0; row < 4; ++row) QCOMPARE(w.precCell(row), QString());
    for (QLineEdit* e : {w.ed_captacao, w.ed_demanda, w.ed_moradores, w.ed_porcentagem_subst, w.ed_coef_aprov,
                         w.EdVolMaximo, w.EdIntervaloVols, w.EdDiferenca})
        QCOMPARE(e->text(), QString());
    QCOMPARE(w.cb_porcentagem_subst->currentIndex(), -1);
    QCOMPARE(w.cb_coef_aprov->currentIndex(), -1);
    QVERIFY(!w.CBVolIdeal->isChecked());
    QCOMPARE(w.RGResInf->itemIndex(), -1);
    QVERIFY(!w.GBSimulacao->isVisible());
    for (QPushButton* b : {w.BTCalcular, w.BTSalvar, w.BTLimpar, w.BTAnalise}) QVERIFY(!b->isVisible());
    QCOMPARE(w.MemObservacoes->toPlainText(), QString());
    QCOMPARE(formResSup->RGResSup->itemIndex(), int(TformResSup::ItemSemReservatorio));
    QCOMPARE(formResSup->ed_reservatorio_sup->text(), QStringLiteral("0"));
    QCOMPARE(formResSup->edResSupRec->text(), QStringLiteral("0"));
    QVERIFY(!formGrafico->isVisible());
    QCOMPARE(formGraficoProps->EdTitulo->text(), QString());
    QCOMPARE(formGraficoProps->CBEstiloMarcador->currentIndex(), 0);
}

void TestMainWindow::dadosPrecDialog() {
    start("en_US");
    TformDadosPrec dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dados de precipitação"));
    QCOMPARE(dialog.Label2->text(), QStringLiteral("Data inicial dos dados de precipitação (M/d/yyyy)"));
    QCOMPARE(dialog.Button1->text(), QStringLiteral("Procurar..."));
    QCOMPARE(dialog.Button2->text(), QStringLiteral("Concluir"));

    fx.ui.expectOpenFile(QStringLiteral("/dados/chuva.csv"));
    dialog.Button1->click();
    QCOMPARE(dialog.edCaminho->text(), QStringLiteral("/dados/chuva.csv"));
    fx.ui.expectOpenFile(QString());  // cancelled: the path stays
    dialog.Button1->click();
    QCOMPARE(dialog.strDadosPrec(), std::string("/dados/chuva.csv"));

    // "Concluir" closes only when the date and the discard read: an empty date is named and
    // the dialog stays open.
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QStringLiteral("não é uma data válida."));
    dialog.Button2->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY_THROWS_EXCEPTION(ConversionError, dialog.dateDadosPrec());
    dialog.edDataInicial->setText(QStringLiteral("2/29/2012"));
    dialog.edDescartPrec->setText(QStringLiteral("1.5"));
    dialog.Button2->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.dateDadosPrec(), *TDate::fromYMD(2012, 2, 29));
    QCOMPARE(dialog.dblDescartPrec(), 1.5);
}

// A screen reader toggles the box without a click: the box's reaction follows its state.
void TestMainWindow::checkBoxTickedByAssistiveTechnology() {
    start("pt_BR");
    TformMain& w = win();
    fillSweep(writeRecord("rec.txt", 400), QStringLiteral("3000"), QStringLiteral("1000"), QString());
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(w.CBVolIdeal);
    QVERIFY(box && box->actionInterface());
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(w.CBVolIdeal->isChecked());
    QVERIFY(w.Label13->isVisible());
    QVERIFY(w.EdDiferenca->isVisible());
    QVERIFY(!w.BTCalcular->isEnabled());  // the difference is now required
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!w.EdDiferenca->isVisible());
    QVERIFY(w.BTCalcular->isEnabled());
}

// A letter typed with Alt held is for the menus: it lands in no box, filtered or not.
void TestMainWindow::altLetterNeverTypes() {
    start("pt_BR");
    TformMain& w = win();
    w.RGResInf->setItemIndex(1);
    w.CBVolIdeal->setChecked(true);
    for (QLineEdit* edit : {w.ed_captacao, w.EdIntervaloVols, w.EdDiferenca}) {
        edit->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(edit, Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(edit, Qt::Key_1, Qt::AltModifier);
        QCOMPARE(edit->text(), QString());
        QTest::keyClicks(edit, QStringLiteral("12"));  // plain typing still types
        QCOMPARE(edit->text(), QStringLiteral("12"));
    }
    w.MemObservacoes->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(w.MemObservacoes, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(w.MemObservacoes->toPlainText(), QString());
    // The boxes of the other windows too.
    formGraficoProps->show();
    formGraficoProps->EdTitulo->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(formGraficoProps->EdTitulo, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(formGraficoProps->EdTitulo->text(), QString());
    formGraficoProps->hide();
}

QTEST_MAIN(TestMainWindow)
#include "test_form_main.moc"
