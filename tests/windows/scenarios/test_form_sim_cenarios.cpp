// The scenario windows: the parameter table filled through the list dialog and its
// sub-dialogs, the run with its progress and disabled controls, the results grid and its row
// click, the two exports, a run stopped by an error, the scenario definition files and the
// comparative chart.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "components/chart_axis.h"
#include "components/chart_series.h"
#include "components/chart_view.h"
#include "components/data_grid.h"
#include "components/radio_group.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/planted_rows.h"
#include "tests/windows/window_fixture.h"
#include "windows/main/form_demanda.h"
#include "windows/main/form_res_sup.h"
#include "windows/results/form_grafico.h"
#include "windows/results/form_grafico_vextravasado.h"
#include "windows/results/form_result_sim_mensal.h"
#include "windows/scenarios/form_cenarios_dados.h"
#include "windows/scenarios/form_cenarios_dados_res_inf.h"
#include "windows/scenarios/form_dados_prec.h"
#include "windows/scenarios/form_sim_cenarios.h"
#include "windows/scenarios/form_sim_cenarios_grafico.h"
#include "windows/scenarios/form_sim_cenarios_grid.h"

namespace {

// Two years of rain: 12 mm every third day, nothing between.
std::string chuva() {
    std::string s;
    for (int d = 0; d < 731; ++d) s += d % 3 == 0 ? "12\r\n" : "0\r\n";
    return s;
}

std::vector<std::string> lines(const std::string& bytes) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) break;
        out.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

// Rows 2 to 8 of a set of 2 × 2 = 4 combinations (areas, lower reservoirs).
const std::array<const char*, 7> kLinhas2a8 = {"(100); (200)",
                                               "(150)",
                                               "(4)",
                                               "(40)",
                                               "(0,8)",
                                               "(0 | 0%)",
                                               "(Fixo: 3000); (Intervalo de volumes: 10000; 500; 2)"};

}  // namespace

class TestSimCenarios : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { fx.finish(); }

    void rowsEditedThroughTheDialogs();
    void simularFollowsTheRows();
    void cancellingTheListDialogKeepsTheRow();
    void listDialogOperations();
    void itemsCheckedWhenAdded();
    void unreadableRowReopensWithWhatReads();
    void saveRefusesASetThatDoesNotRead();
    void rangeDialogRefusesAStepOfZero();
    void precipitationDialogKeepsWhatWasTyped();
    void runFillsTheGrid();
    void runDisablesAndProcessesEvents();
    void outOfRangeValuesAskFirst();
    void graficoNeedsARange_data();
    void graficoNeedsARange();
    void rowClickOpensChartOrTable();
    void exportSheetOnly();
    void exportSheetAndSimulations();
    void exportStoppedByAFailedFile_data();
    void exportStoppedByAFailedFile();
    void runStoppedByAnErrorRestoresTheWindow_data();
    void runStoppedByAnErrorRestoresTheWindow();
    void exportAfterAStoppedRunWritesWhatRan();
    void stoppingAnExport_data();
    void stoppingAnExport();
    void stoppingARun_data();
    void stoppingARun();
    void resultsWindowShowsTheResultColumn();
    void finishedRunKeepsItsSet();
    void definitionRoundTrip();
    void definitionWithABadLineOpensNothing();
    void definitionWithARelativePath();
    void comparisonWithoutVaryingParameter();
    void comparisonOkRefusesUntilChosen();
    void comparisonDrawsCurvesAndOpensResults();

  private:
    // Rows 1 to 8: the precipitation file of the fixture, then the given texts.
    void fill(const std::array<const char*, 7>& rest);
    // Edits row `linha` in the list dialog that the click opens; `play` acts as the user.
    void editRow(int linha, const std::function<void(TformCenariosDados*)>& play);

    WindowFixture fx;
    std::unique_ptr<TempDir> tmp;
    std::string prec;
};

void TestSimCenarios::init() {
    tmp = std::make_unique<TempDir>();
    prec = tmp->write("chuva.txt", chuva());
    fx.start("pt_BR");
}

void TestSimCenarios::fill(const std::array<const char*, 7>& rest) {
    formSimCenarios->setTexto(1, "(" + prec + " | 01/01/2012 | 2)");
    for (int i = 0; i < 7; ++i) formSimCenarios->setTexto(i + 2, rest[static_cast<std::size_t>(i)]);
}

void TestSimCenarios::editRow(int linha, const std::function<void(TformCenariosDados*)>& play) {
    fx.ui.expectModal(QStringLiteral("formCenariosDados"), [&](QDialog* d) {
        auto* dialog = static_cast<TformCenariosDados*>(d);
        play(dialog);
        return dialog->result();
    });
    formSimCenarios->StringGrid1Click(linha);
}

// Every row filled as a user would: typed values with "Adicionar", the precipitation dialog,
// the upper reservoir dialog in scenario mode and the range dialog.
void TestSimCenarios::rowsEditedThroughTheDialogs() {
    FIND_CONTROL(simular, QPushButton, formSimCenarios, "BTSimular");
    QCOMPARE(simular->text(), QStringLiteral("Simular cenários"));
    QVERIFY(!simular->isEnabled());
    QCOMPARE(formSimCenarios->StringGrid1->item(0, 1)->text(), QStringLiteral("Valores"));
    QCOMPARE(formSimCenarios->StringGrid1->item(8, 0)->text(), QStringLiteral("Reservatórios inferiores"));

    QString titulo;
    bool arranjado = false;
    fx.ui.expectModal(QStringLiteral("formCenariosDados"), [&](QDialog* d) {
        auto* dialog = static_cast<TformCenariosDados*>(d);
        titulo = dialog->windowTitle();
        arranjado = dialog->btCarregar->isVisibleTo(dialog) && !dialog->btAdicionar->isVisibleTo(dialog);
        dialog->btCarregar->click();
        dialog->btConcluir->click();
        return dialog->result();
    });
    fx.ui.expectModal(QStringLiteral("formDadosPrec"), [&](QDialog* d) {
        auto* dialog = static_cast<TformDadosPrec*>(d);
        dialog->edCaminho->setText(QString::fromStdString(prec));
        dialog->edDataInicial->setText(QStringLiteral("01/01/2012"));
        dialog->edDescartPrec->setText(QStringLiteral("2"));
        dialog->Button2->click();
        return dialog->result();
    });
    formSimCenarios->StringGrid1Click(1);
    QCOMPARE(titulo, QStringLiteral("Arquivos de precipitação"));
    QVERIFY(arranjado);
    QCOMPARE(formSimCenarios->texto(1), "(" + prec + " | 01/01/2012 | 2)");

    // "Adicionar" on typed values, repeats removed by "Concluir".
    editRow(2, [](TformCenariosDados* dialog) {
        dialog->show();  // Enter presses the default button of a dialog on screen
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QVERIFY(!dialog->btAdicionar->isEnabled());
        for (const char* v : {"100", "200", "100"}) {
            QTest::keyClicks(dialog->edValor, QString::fromLatin1(v));
            QVERIFY(dialog->btAdicionar->isEnabled());
            QTest::keyClick(dialog->edValor, Qt::Key_Return);
        }
        QCOMPARE(dialog->LBDados->count(), 3);
        dialog->btConcluir->click();
    });
    QCOMPARE(formSimCenarios->texto(2), std::string("(100); (200)"));
    const std::array<std::pair<int, const char*>, 4> typed = {
        {{3, "150; 120"}, {4, "4"}, {5, "40"}, {6, "0,8"}}};
    for (const auto& [linha, valor] : typed) {
        editRow(linha, [&](TformCenariosDados* dialog) {
            dialog->edValor->setText(QString::fromUtf8(valor));
            dialog->btAdicionar->click();
            dialog->btConcluir->click();
        });
    }
    QCOMPARE(formSimCenarios->texto(3), std::string("(150; 120)"));
    // "Variável" adds the editor's values as one item; a cancelled editor adds nothing.
    editRow(3, [&](TformCenariosDados* dialog) {
        QVERIFY(dialog->btVariavel->isVisibleTo(dialog));
        fx.ui.expectModal(QStringLiteral("formDemanda"), [](QDialog* d) {
            auto* editor = static_cast<TformDemanda*>(d);
            editor->EdPeriodo->setText(QStringLiteral("3"));
            editor->BTOK->click();
            for (int row = 1; row <= 3; ++row) editor->setValueText(row, QString::number(100 + 10 * row));
            editor->BTConcluir->click();
            return editor->result();
        });
        dialog->btVariavel->click();
        fx.ui.expectModal(QStringLiteral("formDemanda"), [](QDialog*) { return int(QDialog::Rejected); });
        dialog->btVariavel->click();
        QCOMPARE(dialog->LBDados->count(), 2);
        dialog->btConcluir->click();
    });
    QCOMPARE(formSimCenarios->texto(3), std::string("(150; 120); (110; 120; 130)"));

    editRow(7, [&](TformCenariosDados* dialog) {
        QVERIFY(!dialog->Panel6->isVisibleTo(dialog) && dialog->btResSup->isVisibleTo(dialog));
        fx.ui.expectModal(QStringLiteral("formResSup"), [](QDialog* d) {
            auto* r = static_cast<TformResSup*>(d);
            r->RGResSup->setItemIndex(TformResSup::ItemDemanda);
            r->edPercResSupRec->setText(QStringLiteral("20"));
            return int(QDialog::Accepted);
        });
        dialog->btResSup->click();
        dialog->btConcluir->click();
    });
    QCOMPARE(formSimCenarios->texto(7), std::string("(Demanda diária de água pluvial | 20%)"));
    QVERIFY(!simular->isEnabled());

    editRow(8, [&](TformCenariosDados* dialog) {
        dialog->edValor->setText(QStringLiteral("5000"));
        dialog->btAdicionar->click();
        fx.ui.expectModal(QStringLiteral("formCenariosDadosResInf"), [](QDialog* d) {
            auto* r = static_cast<TformCenariosDadosResInf*>(d);
            r->EdVolMaximo->setText(QStringLiteral("10000"));
            r->EdIntervaloVols->setText(QStringLiteral("500"));
            r->EdDiferenca->setText(QStringLiteral("0"));
            r->btConcluir->click();
            return r->result();
        });
        dialog->btIntervlResInf->click();
        dialog->btConcluir->click();
    });
    QCOMPARE(formSimCenarios->texto(8), std::string("(Fixo: 5000); (Intervalo de volumes: 10000; 500; 0)"));
    QVERIFY(simular->isEnabled());
    const TCombs& c = *formSimCenarios->estado.combsCurrent;
    QCOMPARE(c.vecAreaCapt, (doubleArray{100, 200}));
    QCOMPARE(c.vecResSup.at(0).dblResSup, -1.0);
    QCOMPARE(c.vecResInf.size(), std::size_t(2));

    // Re-opening a row shows its items again.
    editRow(8, [](TformCenariosDados* dialog) {
        QCOMPARE(dialog->LBDados->item(0)->text(), QStringLiteral("Fixo: 5000"));
        QCOMPARE(dialog->LBDados->item(1)->text(), QStringLiteral("Intervalo de volumes: 10000; 500; 0"));
        dialog->reject();
    });

    // A path the value-list text cannot carry is refused.
    const std::string torto = tmp->write("chuva (1).txt", chuva());
    int itensDepois = -1;
    fx.ui.expectModal(QStringLiteral("formCenariosDados"), [&](QDialog* d) {
        auto* dialog = static_cast<TformCenariosDados*>(d);
        dialog->btCarregar->click();
        itensDepois = dialog->LBDados->count();
        return int(QDialog::Rejected);
    });
    fx.ui.expectModal(QStringLiteral("formDadosPrec"), [&](QDialog* d) {
        auto* dialog = static_cast<TformDadosPrec*>(d);
        dialog->edCaminho->setText(QString::fromStdString(torto));
        dialog->edDataInicial->setText(QStringLiteral("01/01/2012"));
        dialog->edDescartPrec->setText(QStringLiteral("0"));
        return int(QDialog::Accepted);
    });
    fx.ui.expectMessageContaining(QStringLiteral("Erro"), QStringLiteral("Renomeie ou mova o arquivo"));
    formSimCenarios->StringGrid1Click(1);
    QCOMPARE(itensDepois, 1);  // the item already there, nothing added
    QCOMPARE(formSimCenarios->texto(1), "(" + prec + " | 01/01/2012 | 2)");
}

void TestSimCenarios::simularFollowsTheRows() {
    fill(kLinhas2a8);
    formSimCenarios->setTexto(5, "");
    // The enabling is worked out after each row edit.
    editRow(2, [](TformCenariosDados* d) { d->reject(); });
    QVERIFY(!formSimCenarios->BTSimular->isEnabled());
    QVERIFY(!formSimCenarios->BTSalvarCenarios->isEnabled());  // a definition needs all eight lines
    QVERIFY(formSimCenarios->BTAbrirCenarios->isEnabled());
    editRow(5, [](TformCenariosDados* d) {
        d->edValor->setText(QStringLiteral("40"));
        d->btAdicionar->click();
        d->btConcluir->click();
    });
    QVERIFY(formSimCenarios->BTSimular->isEnabled() && formSimCenarios->BTSalvarCenarios->isEnabled());
    // "Limpar" asks first: "Não" keeps every list.
    const QString pergunta = QStringLiteral("Deseja limpar os valores de todos os parâmetros?");
    fx.ui.expectMessage(QStringLiteral("Limpar"), pergunta, MsgIcon::Question, MsgResult::No);
    formSimCenarios->BTLimpar->click();
    QCOMPARE(formSimCenarios->texto(2), std::string(kLinhas2a8[0]));
    fx.ui.expectMessage(QStringLiteral("Limpar"), pergunta, MsgIcon::Question, MsgResult::Yes);
    formSimCenarios->BTLimpar->click();
    QVERIFY(!formSimCenarios->BTSimular->isEnabled());
    for (int linha = 1; linha <= 8; ++linha) QCOMPARE(formSimCenarios->texto(linha), std::string());
    QCOMPARE(formSimCenarios->StringGrid1->item(0, 1)->text(), QStringLiteral("Valores"));
    fill(kLinhas2a8);
    editRow(2, [](TformCenariosDados* d) { d->reject(); });
    QVERIFY(formSimCenarios->BTSimular->isEnabled());
}

void TestSimCenarios::cancellingTheListDialogKeepsTheRow() {
    fill(kLinhas2a8);
    editRow(2, [](TformCenariosDados* d) {
        d->LBDados->setCurrentRow(0);
        d->btExcluir->click();
        QCOMPARE(d->LBDados->count(), 1);
        d->reject();
    });
    QCOMPARE(formSimCenarios->texto(2), std::string("(100); (200)"));
}

// Moves, deletion and the sorted mode of the list, as the dialog's buttons and keys give them.
void TestSimCenarios::listDialogOperations() {
    const auto items = [](const QListWidget* lb) {
        QStringList out;
        for (int i = 0; i < lb->count(); ++i) out << lb->item(i)->text();
        return out.join(QLatin1Char(','));
    };
    QStringList seen;
    editRow(5, [&](TformCenariosDados* d) {
        QVERIFY(d->btAdicionar->isVisibleTo(d) && !d->btVariavel->isVisibleTo(d));
        for (const char* v : {"9", "10"}) {
            d->edValor->setText(QString::fromLatin1(v));
            d->btAdicionar->click();
        }
        d->btSort->click();
        seen << items(d->LBDados);  // as text: "10" before "9"
        d->edValor->setText(QStringLiteral("100"));
        d->btAdicionar->click();
        seen << items(d->LBDados);  // added at its sorted place
        d->LBDados->setCurrentRow(0);
        d->btAcima->click();  // already at the top: nothing
        d->btAbaixo->click();
        seen << items(d->LBDados) + QStringLiteral(" @%1").arg(d->LBDados->currentRow());
        d->LBDados->setCurrentRow(2);
        d->btAbaixo->click();  // already at the bottom: nothing
        QTest::keyClick(d->LBDados, Qt::Key_Delete);
        seen << items(d->LBDados);
        d->btConcluir->click();
    });
    QCOMPARE(seen, QStringList({QStringLiteral("10,9"), QStringLiteral("10,100,9"),
                                QStringLiteral("100,10,9 @1"), QStringLiteral("100,10")}));
    QCOMPARE(formSimCenarios->texto(5), std::string("(100); (10)"));
}

// Each item is checked as it is added: one that does not read, or whose value no system can
// have, is named in a message and left out (the typed text stays in the box to be mended).
void TestSimCenarios::itemsCheckedWhenAdded() {
    struct Caso {
        int linha;
        const char* digitado;
        const char* mensagem;  // empty: added
    };
    const Caso casos[] = {
        {2, "abc", "O valor \"abc\" não foi adicionado: \"abc\" não é um número válido."},
        {2, "-5", "O valor \"-5\" não foi adicionado: A área de captação deve ser maior que 0."},
        {2, "0", "A área de captação deve ser maior que 0."},
        {2, "150", ""},
        {3, "150; -1", "A demanda de água não pode ter valores negativos."},
        {4, "0", "O número de moradores deve ser maior que 0."},
        {5, "130", "O Percentual da demanda total a ser substituída por água pluvial deve ser maior que 0%"},
        {5, "40", ""},
        {6, "1,5", "O Coeficiente de escoamento superficial deve ser maior que 0 e menor ou igual a 1."},
        {6, "1.5", "\"1.5\" não é um número válido."},
        {8, "abc", "O valor \"Fixo: abc\" não foi adicionado"},
        {8, "-3000", "O volume do reservatório inferior não pode ser negativo."},
    };
    for (const Caso& c : casos) {
        const QString digitado = QString::fromUtf8(c.digitado);
        int itens = -1;
        QString naCaixa;
        editRow(c.linha, [&](TformCenariosDados* d) {
            if (*c.mensagem)
                fx.ui.expectMessageContaining(QStringLiteral("Erro"), QString::fromUtf8(c.mensagem));
            d->edValor->setText(digitado);
            d->btAdicionar->click();
            itens = d->LBDados->count();
            naCaixa = d->edValor->text();
            d->reject();
        });
        QVERIFY2(itens == (*c.mensagem ? 0 : 1), c.digitado);
        QCOMPARE(naCaixa, *c.mensagem ? digitado : QString());
    }
}

// A row whose text does not read whole (as a list typed elsewhere may hold) opens its list
// with the items that read, after a message naming the others; "Concluir" mends the row.
void TestSimCenarios::unreadableRowReopensWithWhatReads() {
    formSimCenarios->setTexto(2, "(100); (abc); (200)");
    fx.ui.expectMessageContaining(QStringLiteral("Erro"), QStringLiteral("Item 2 (\"; (abc\")"));
    QStringList itens;
    editRow(2, [&](TformCenariosDados* d) {
        for (int i = 0; i < d->LBDados->count(); ++i) itens << d->LBDados->item(i)->text();
        d->btConcluir->click();
    });
    QCOMPARE(itens, QStringList({QStringLiteral("100"), QStringLiteral("200")}));
    QCOMPARE(formSimCenarios->texto(2), std::string("(100); (200)"));
    QCOMPARE(formSimCenarios->estado.combsCurrent->vecAreaCapt, (doubleArray{100, 200}));
}

// A set that does not read is not saved: the message names the row, no file dialog opens.
void TestSimCenarios::saveRefusesASetThatDoesNotRead() {
    fill(kLinhas2a8);
    formSimCenarios->setTexto(5, "(quarenta)");
    editRow(2, [](TformCenariosDados* d) { d->reject(); });
    QVERIFY(formSimCenarios->BTSalvarCenarios->isEnabled());
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QStringLiteral("Percentuais de substituição"));
    formSimCenarios->BTSalvarCenarios->click();
    QCOMPARE(fx.ui.shown().back().kind, QStringLiteral("message"));
}

// The range dialog refuses a step of 0 or less (a fixed volume is entered as "Fixo") and
// stays open as typed, the focus on the step; a step above 0 closes it.
void TestSimCenarios::rangeDialogRefusesAStepOfZero() {
    bool abertoDepoisDoZero = false;
    QString foco;  // the focused box's name: the dialog is gone once the row is edited
    editRow(8, [&](TformCenariosDados* dialog) {
        fx.ui.expectModal(QStringLiteral("formCenariosDadosResInf"), [&](QDialog* d) {
            auto* r = static_cast<TformCenariosDadosResInf*>(d);
            r->EdVolMaximo->setText(QStringLiteral("20000"));
            r->EdIntervaloVols->setText(QStringLiteral("0"));
            r->EdDiferenca->setText(QStringLiteral("2"));
            fx.ui.expectMessageContaining(
                QStringLiteral("Erro"),
                QStringLiteral("O intervalo entre volumes deve ser maior que 0 litros."));
            r->btConcluir->click();
            abertoDepoisDoZero = r->result() != QDialog::Accepted && r->EdVolMaximo->text() == "20000";
            foco = r->focusWidget() ? r->focusWidget()->objectName() : QString();
            r->EdIntervaloVols->setText(QStringLiteral("500"));
            r->btConcluir->click();
            return r->result();
        });
        dialog->btIntervlResInf->click();
        dialog->btConcluir->click();
    });
    QVERIFY(abertoDepoisDoZero);
    QCOMPARE(foco, QStringLiteral("EdIntervaloVols"));
    QCOMPARE(formSimCenarios->texto(8), std::string("(Intervalo de volumes: 20000; 500; 2)"));
}

// A date that does not read keeps the precipitation dialog open with the path, the date and
// the discard as typed and the focus on the date; corrected, the record is added.
void TestSimCenarios::precipitationDialogKeepsWhatWasTyped() {
    QStringList vistos;
    QString foco;  // the focused box's name: the dialog may be gone once the row is edited
    editRow(1, [&](TformCenariosDados* dialog) {
        fx.ui.expectModal(QStringLiteral("formDadosPrec"), [&](QDialog* d) {
            auto* p = static_cast<TformDadosPrec*>(d);
            p->edCaminho->setText(QString::fromStdString(prec));
            p->edDataInicial->setText(QStringLiteral("31/02/2012"));
            p->edDescartPrec->setText(QStringLiteral("2"));
            fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"),
                                          QStringLiteral("'31/02/2012' não é uma data válida."));
            p->Button2->click();
            vistos << QString::number(p->result()) << p->edCaminho->text() << p->edDataInicial->text()
                   << p->edDescartPrec->text();
            foco = p->focusWidget() ? p->focusWidget()->objectName() : QString();
            p->edDataInicial->setText(QStringLiteral("01/02/2012"));
            p->Button2->click();
            return p->result();
        });
        dialog->btCarregar->click();
        dialog->btConcluir->click();
    });
    QCOMPARE(vistos, QStringList({QStringLiteral("0"), QString::fromStdString(prec),
                                  QStringLiteral("31/02/2012"), QStringLiteral("2")}));
    QCOMPARE(foco, QStringLiteral("edDataInicial"));
    QCOMPARE(formSimCenarios->texto(1), "(" + prec + " | 01/02/2012 | 2)");
}

void TestSimCenarios::runFillsTheGrid() {
    fill(kLinhas2a8);
    editRow(2, [](TformCenariosDados* d) { d->reject(); });
    const int altura = formSimCenarios->height();
    formSimCenarios->BTSimularClick();
    QVERIFY(formSimCenariosGrid->isVisible());
    DataGrid* grid = formSimCenariosGrid->NxGrResult;
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(grid->columnCount(), 11);
    QCOMPARE(grid->headerCaption(10), QStringLiteral("Potencial de economia de água potável"));
    for (int col = 0; col < grid->columnCount(); ++col)  // every header reads whole
        QVERIFY(grid->columnWidth(col) >= grid->horizontalHeader()->sectionSizeHint(col));
    const std::vector<std::array<const char*, 10>> esperado = {
        {"1", "chuva.txt", "2", "100", "150", "4", "40", "0,8", "0 | 0%", "Fixo: 3000"},
        {"2", "chuva.txt", "2", "100", "150", "4", "40", "0,8", "0 | 0%", nullptr},
        {"3", "chuva.txt", "2", "200", "150", "4", "40", "0,8", "0 | 0%", "Fixo: 3000"},
        {"4", "chuva.txt", "2", "200", "150", "4", "40", "0,8", "0 | 0%", nullptr},
    };
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 10; ++c) {
            const char* e = esperado[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (e) QCOMPARE(grid->cellText(c, r), QString::fromUtf8(e));
        }
        QVERIFY(grid->cellText(9, r).startsWith(r % 2 == 0 ? QStringLiteral("Fixo")
                                                           : QStringLiteral("Vol ideal")));
        // The grid shows the rows the window keeps for its exports.
        QCOMPARE(grid->cellText(10, r), QString::fromStdString(formSimCenariosGrid->linhas()[r].textos[10]));
        QVERIFY(!grid->cellText(10, r).isEmpty());
    }
    QVERIFY(formSimCenarios->BTSimular->isEnabled() && formSimCenarios->BTLimpar->isEnabled());
    QVERIFY(formSimCenarios->StringGrid1->isEnabled());
    QVERIFY(!formSimCenarios->PanelProgressBar->isVisible());
    QCOMPARE(formSimCenarios->height(), altura);
    QCOMPARE(formSimCenarios->ProgressBar1->value(), 4);
}

// While combinations are simulated, events are processed and nothing can start a run again.
void TestSimCenarios::runDisablesAndProcessesEvents() {
    fill(kLinhas2a8);
    editRow(2, [](TformCenariosDados* d) { d->reject(); });
    formSimCenarios->show();
    struct Visto {
        bool simular, limpar, tabela, painel;
        int progresso, linhas;
    };
    std::vector<Visto> vistos;
    bool terminou = false;
    std::function<void()> olha = [&] {
        if (formSimCenarios->PanelProgressBar->isVisible()) {
            vistos.push_back({formSimCenarios->BTSimular->isEnabled(), formSimCenarios->BTLimpar->isEnabled(),
                              formSimCenarios->StringGrid1->isEnabled(), true,
                              formSimCenarios->ProgressBar1->value(),
                              formSimCenariosGrid->NxGrResult->rowCount()});
        }
        if (!terminou) QTimer::singleShot(0, formSimCenarios, olha);
    };
    QTimer::singleShot(0, formSimCenarios, olha);
    formSimCenarios->BTSimularClick();
    terminou = true;
    QTest::qWait(20);
    QVERIFY(!vistos.empty());
    for (const Visto& v : vistos) {
        QVERIFY(!v.simular && !v.limpar && !v.tabela && v.painel);
        QCOMPARE(v.progresso, v.linhas);  // each row painted as its combination is done
    }
    QCOMPARE(formSimCenariosGrid->NxGrResult->rowCount(), 4);
    QVERIFY(formSimCenarios->BTSimular->isEnabled());
}

// A value the main window refuses as typed runs only when the user says so, after a message
// that names its list and item; "Não" runs nothing and keeps the previous results.
void TestSimCenarios::outOfRangeValuesAskFirst() {
    std::array<const char*, 7> rows = kLinhas2a8;
    rows[3] = "(40); (130)";
    fill(rows);
    const QString item = QStringLiteral("Percentuais de substituição, item 2: O Percentual");
    fx.ui.expectMessageContaining(QStringLiteral("Simular cenários"), item, MsgResult::No);
    formSimCenarios->BTSimularClick();
    QCOMPARE(formSimCenariosGrid->NxGrResult->rowCount(), 0);
    fx.ui.expectMessageContaining(QStringLiteral("Simular cenários"), item, MsgResult::Yes);
    formSimCenarios->BTSimularClick();
    QCOMPARE(formSimCenariosGrid->NxGrResult->rowCount(), 8);  // 2 areas × 2 shares × 2 lower reservoirs
}

void TestSimCenarios::graficoNeedsARange_data() {
    QTest::addColumn<QString>("resInf");
    QTest::addColumn<bool>("grafico");
    QTest::newRow("fixed volumes only") << QStringLiteral("(Fixo: 3000); (Fixo: 5000)") << false;
    QTest::newRow("one range") << QStringLiteral("(Fixo: 3000); (Intervalo de volumes: 6000; 1000; 0)")
                               << true;
}

void TestSimCenarios::graficoNeedsARange() {
    QFETCH(QString, resInf);
    QFETCH(bool, grafico);
    std::array<const char*, 7> rows = kLinhas2a8;
    const std::string r = resInf.toStdString();
    rows[6] = r.c_str();
    fill(rows);
    formSimCenarios->BTSimularClick();
    QCOMPARE(formSimCenariosGrid->BTGrafico->text(), QStringLiteral("Gráfico"));
    QCOMPARE(formSimCenariosGrid->BTGrafico->isEnabled(), grafico);
    // Exporting the simulations gives it back the same state.
    fx.ui.expectFolder(QString::fromStdString(tmp->file("")));
    fx.ui.expectMessageContaining(QStringLiteral("Exportar planilha e simulações"),
                                  QStringLiteral("5 arquivos"));
    formSimCenariosGrid->BTExpPlanSims->trigger();
    QCOMPARE(formSimCenariosGrid->BTGrafico->isEnabled(), grafico);
    QVERIFY(formSimCenariosGrid->NxGrResult->isEnabled() && formSimCenariosGrid->BTExport->isEnabled());
    QVERIFY(!formSimCenariosGrid->PanelProgressBar->isVisible());
}

void TestSimCenarios::rowClickOpensChartOrTable() {
    fill(kLinhas2a8);
    formSimCenarios->BTSimularClick();
    DataGrid* grid = formSimCenariosGrid->NxGrResult;
    // A fixed volume: the monthly table.
    formSimCenariosGrid->NxGrResultCellClick(3, 0);
    QVERIFY(formResultSimMensal->isVisible());
    QVERIFY(!formGrafico->isVisible());
    QCOMPARE(formResultSimMensal->simCurrent->dblResInf, 3000.0);
    QCOMPARE(formResultSimMensal->simCurrent->dblAreaCapt, 100.0);
    QVERIFY(formResultSimMensal->NextGrid1->rowCount() > 12);
    QCOMPARE(grid->cellColour(5, 0), TformSimCenariosGrid::corDestaque());
    // A range: the sweep chart with that sweep only.
    formSimCenariosGrid->NxGrResultCellClick(0, 3);
    QVERIFY(formGrafico->isVisible());
    QVERIFY(formGrafico->simCurrent != nullptr);
    QCOMPARE(formGrafico->simCurrent->vecCaptAgua[0]->dblAreaCapt, 200.0);
    QCOMPARE(formGrafico->simCurrent->volmax, 10000.0);
    formSimCenariosGrid->NxGrResultCellClick(0, 1);
    QCOMPARE(formGrafico->simCurrent->vecCaptAgua[0]->dblAreaCapt, 100.0);
    QCOMPARE(grid->cellColour(0, 3), TformSimCenariosGrid::corDestaque());
    QCOMPARE(grid->cellColour(0, 2), QColor(Qt::white));
    // Closing the chart takes the marks away.
    formGrafico->close();
    for (int r = 0; r < 4; ++r) QCOMPARE(grid->cellColour(1, r), QColor(Qt::white));
}

void TestSimCenarios::exportSheetOnly() {
    fill(kLinhas2a8);
    formSimCenarios->BTSimularClick();
    const std::string path = tmp->file("resultado.csv");
    fx.ui.expectSaveFile(QString::fromStdString(path));
    formSimCenariosGrid->BTExport->click();
    const std::vector<std::string> l = lines(TempDir::read(path));
    QCOMPARE(l.size(), std::size_t(5));
    // Windows-1252, read back as Latin-1: the accented letters are the same bytes.
    QCOMPARE(
        QString::fromLatin1(l[0]),
        QStringLiteral("Simulação;Dados de precipitação;Descarte precipitação;Área de captação;Demanda de "
                       "água potável;Número de habitantes;Percentual de substituição;Coeficiente de "
                       "escoamento superficial;Reservatório superior;Reservatório inferior;Potencial de "
                       "economia de água potável;"));
    QVERIFY(l[1].starts_with("1;chuva.txt;2;100;150;4;40;0,8;0 | 0%;Fixo: 3000;"));
    QCOMPARE(QString::fromLatin1(l[4]).section(QLatin1Char(';'), 10),
             formSimCenariosGrid->NxGrResult->cellText(10, 3));
    // Cancelling writes nothing.
    fx.ui.expectSaveFile(QString());
    formSimCenariosGrid->BTExpSomPlan->trigger();
}

void TestSimCenarios::exportSheetAndSimulations() {
    fill(kLinhas2a8);
    formSimCenarios->BTSimularClick();
    const std::filesystem::path pasta = tmp->file("export");
    std::filesystem::create_directory(pasta);
    fx.ui.expectFolder(QString::fromStdString(pasta.string()));
    // The export ends with how many files it wrote, and where.
    fx.ui.expectMessage(QStringLiteral("Exportar planilha e simulações"),
                        QStringLiteral("5 arquivos gravados em ") +
                            QDir::toNativeSeparators(QString::fromStdString(pasta.string())),
                        MsgIcon::Information);
    formSimCenariosGrid->BTExpPlanSims->trigger();
    for (int k = 1; k <= 4; ++k) QVERIFY(std::filesystem::exists(pasta / (std::to_string(k) + ".csv")));
    QVERIFY(!std::filesystem::exists(pasta / "5.csv"));
    const std::vector<std::string> sheet = lines(TempDir::read((pasta / "Planilha.csv").string()));
    QCOMPARE(sheet.size(), std::size_t(5));
    for (int r = 0; r < 4; ++r) {
        // The sheet holds the rows the grid shows.
        QString row;
        for (int c = 0; c < 11; ++c)
            row +=
                formSimCenariosGrid->NxGrResult->cellText(c, r) + (c < 10 ? QStringLiteral(";") : QString());
        QCOMPARE(QString::fromLatin1(sheet[static_cast<std::size_t>(r + 1)]), row);
    }
    QCOMPARE(formSimCenariosGrid->ProgressBar1->value(), 4);
    QCOMPARE(fx.ui.shown().back().caption, QStringLiteral("Exportar planilha e simulações"));
    // Cancelling the folder writes nothing.
    fx.ui.expectFolder(QString());
    formSimCenariosGrid->BTExpPlanSims->trigger();
}

void TestSimCenarios::exportStoppedByAFailedFile_data() {
    QTest::addColumn<QString>("pastaNoNome");  // a folder planted under this file's name
    QTest::addColumn<bool>("discoCheio");
    QTest::addColumn<QString>("arquivo");  // the file the message names
    QTest::addColumn<QString>("motivo");
    QTest::newRow("second file is a folder") << "2.csv" << false << "2.csv"
                                             << "é uma pasta";
    QTest::newRow("sheet is a folder") << "Planilha.csv" << false << "Planilha.csv"
                                       << "é uma pasta";
    QTest::newRow("disk full") << QString() << true << "1.csv"
                               << "(escrita)";
}

// A file of the export that cannot be written stops it with that file's name and why: no file of
// the export is written (the old sheet stays), the window is usable again.
void TestSimCenarios::exportStoppedByAFailedFile() {
    QFETCH(QString, pastaNoNome);
    QFETCH(bool, discoCheio);
    QFETCH(QString, arquivo);
    QFETCH(QString, motivo);
    fill(kLinhas2a8);
    formSimCenarios->BTSimularClick();
    const std::filesystem::path pasta = tmp->file("export");
    std::filesystem::create_directory(pasta);
    if (pastaNoNome != QStringLiteral("Planilha.csv")) tmp->write("export/Planilha.csv", kConteudoAnterior);
    if (!pastaNoNome.isEmpty()) {
        std::filesystem::create_directory(pasta / pastaNoNome.toStdString());
        tmp->write("export/" + pastaNoNome.toStdString() + "/dentro.txt", kConteudoAnterior);
    }
    const auto before = snapshot(pasta);
    fx.ui.expectFolder(QString::fromStdString(pasta.string()));
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"),
                                  QString::fromStdString((pasta / arquivo.toStdString()).string()));
    {
        FullDiskWhile full(discoCheio);
        formSimCenariosGrid->BTExpPlanSims->trigger();
    }
    QVERIFY2(fx.ui.shown().back().text.contains(motivo), qPrintable(fx.ui.shown().back().text));
    // The export is whole or not there: the folder as it was, nothing added, nothing temporary.
    QVERIFY(snapshot(pasta) == before);
    QVERIFY(formSimCenariosGrid->BTExport->isEnabled() && formSimCenariosGrid->NxGrResult->isEnabled());
    QVERIFY(!formSimCenariosGrid->PanelProgressBar->isVisible());
}

void TestSimCenarios::runStoppedByAnErrorRestoresTheWindow_data() {
    QTest::addColumn<QString>("linha1");
    QTest::addColumn<QString>("resInf");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<int>("linhas");
    QTest::newRow("missing file") << QStringLiteral("(/nao/existe/chuva.txt | 01/01/2012 | 2)")
                                  << QStringLiteral("(Fixo: 3000)") << QStringLiteral("chuva.txt") << -1;
    QTest::newRow("unreadable item") << QString() << QStringLiteral("(Fixo: abc)") << QStringLiteral("abc")
                                     << -1;
    QTest::newRow("second combination fails")
        << QString() << QStringLiteral("(Fixo: 3000); (Intervalo de volumes: 900000000; 1; 0)")
        << QStringLiteral("parou na simulação 2") << 3;
}

void TestSimCenarios::runStoppedByAnErrorRestoresTheWindow() {
    QFETCH(QString, linha1);
    QFETCH(QString, resInf);
    QFETCH(QString, mensagem);
    QFETCH(int, linhas);
    // A first run whose rows stay when the next one cannot start.
    fill(kLinhas2a8);
    formSimCenarios->BTSimularClick();
    QCOMPARE(formSimCenariosGrid->NxGrResult->rowCount(), 4);
    const int altura = formSimCenarios->height();

    if (!linha1.isEmpty()) formSimCenarios->setTexto(1, linha1.toStdString());
    formSimCenarios->setTexto(8, resInf.toStdString());
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), mensagem);
    formSimCenarios->BTSimularClick();
    QCOMPARE(fx.ui.shown().back().icon, MsgIcon::Error);
    QVERIFY(formSimCenarios->BTSimular->isEnabled() && formSimCenarios->BTLimpar->isEnabled());
    QVERIFY(formSimCenarios->StringGrid1->isEnabled() && formSimCenariosGrid->isEnabled());
    QVERIFY(!formSimCenarios->PanelProgressBar->isVisible());
    QCOMPARE(formSimCenarios->height(), altura);
    // Not started: the earlier rows; stopped midway: the rows done before the failure.
    QCOMPARE(formSimCenariosGrid->NxGrResult->rowCount(), linhas < 0 ? 4 : linhas - 2);
}

// After a run that a combination stopped, "Exportar planilha e simulações" writes the
// combinations that ran (the grid's rows), not fail again at the one that stopped it.
void TestSimCenarios::exportAfterAStoppedRunWritesWhatRan() {
    std::array<const char*, 7> rows = kLinhas2a8;
    rows[6] = "(Fixo: 3000); (Intervalo de volumes: 900000000; 1; 0)";
    fill(rows);
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"),
                                  QStringLiteral("A simulação de cenários parou na simulação 2: "));
    formSimCenarios->BTSimularClick();
    QCOMPARE(formSimCenariosGrid->NxGrResult->rowCount(), 1);
    const std::filesystem::path pasta = tmp->file("export");
    std::filesystem::create_directory(pasta);
    fx.ui.expectFolder(QString::fromStdString(pasta.string()));
    fx.ui.expectMessage(QStringLiteral("Exportar planilha e simulações"),
                        QStringLiteral("2 arquivos gravados em ") +
                            QDir::toNativeSeparators(QString::fromStdString(pasta.string())),
                        MsgIcon::Information);
    formSimCenariosGrid->BTExpPlanSims->trigger();
    QVERIFY(std::filesystem::exists(pasta / "1.csv"));
    QVERIFY(!std::filesystem::exists(pasta / "2.csv"));
    const std::vector<std::string> sheet = lines(TempDir::read((pasta / "Planilha.csv").string()));
    QCOMPARE(sheet.size(), std::size_t(2));
    QVERIFY(sheet[1].starts_with("1;chuva.txt;2;100;150;4;40;0,8;0 | 0%;Fixo: 3000;"));
}

void TestSimCenarios::stoppingAnExport_data() {
    QTest::addColumn<bool>("esc");
    QTest::newRow("Parar") << false;
    QTest::newRow("Esc, stopped") << true;
}

// An export stops at the next combination too ("Parar", or Esc answered "Sim"): the files
// written stay, no sheet is written, and the message says how many files there are.
void TestSimCenarios::stoppingAnExport() {
    QFETCH(bool, esc);
    fill(kLinhas2a8);
    formSimCenarios->BTSimularClick();
    TformSimCenariosGrid* w = formSimCenariosGrid;
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* parar = w->findChild<QPushButton*>(QStringLiteral("BTParar"));
    QVERIFY(parar != nullptr);
    const std::filesystem::path pasta = tmp->file("export");
    std::filesystem::create_directory(pasta);
    fx.ui.expectFolder(QString::fromStdString(pasta.string()));
    if (esc)
        fx.ui.expectMessage(QStringLiteral("Exportar planilha e simulações"),
                            QStringLiteral("Deseja parar a exportação?"), MsgIcon::Question, MsgResult::Yes);
    fx.ui.expectMessage(QStringLiteral("Exportar planilha e simulações"),
                        QStringLiteral("1 arquivo gravado em ") +
                            QDir::toNativeSeparators(QString::fromStdString(pasta.string())),
                        MsgIcon::Information);
    bool feito = false;
    std::function<void()> age = [&] {
        if (feito) return;
        if (!w->PanelProgressBar->isVisible()) {
            QTimer::singleShot(0, w, age);
            return;
        }
        feito = true;
        if (esc) {
            QTest::keyClick(w, Qt::Key_Escape);
        } else {
            parar->click();
        }
    };
    QTimer::singleShot(0, w, age);
    w->BTExpPlanSims->trigger();
    QVERIFY(feito);
    QVERIFY(std::filesystem::exists(pasta / "1.csv"));
    QVERIFY(!std::filesystem::exists(pasta / "2.csv") && !std::filesystem::exists(pasta / "Planilha.csv"));
    QVERIFY(w->isVisible() && !w->PanelProgressBar->isVisible() && w->BTExport->isEnabled());
}

void TestSimCenarios::stoppingARun_data() {
    QTest::addColumn<QString>("como");
    QTest::addColumn<int>("linhas");
    QTest::newRow("Parar") << QStringLiteral("parar") << 1;
    QTest::newRow("Esc, stopped") << QStringLiteral("esc") << 1;
    QTest::newRow("close, not stopped") << QStringLiteral("fechar") << 4;
}

// "Parar" stops the run at the next combination; Esc and the title bar's close ask first. The
// window is restored and stays open, and the grid shows what ran.
void TestSimCenarios::stoppingARun() {
    QFETCH(QString, como);
    QFETCH(int, linhas);
    fill(kLinhas2a8);
    editRow(2, [](TformCenariosDados* d) { d->reject(); });
    formSimCenarios->show();
    QVERIFY(QTest::qWaitForWindowExposed(formSimCenarios));
    const int altura = formSimCenarios->height();
    auto* parar = formSimCenarios->findChild<QPushButton*>(QStringLiteral("BTParar"));
    QVERIFY(parar != nullptr);
    QCOMPARE(parar->text(), QStringLiteral("Parar"));
    const QString pergunta = QStringLiteral("Deseja parar a simulação de cenários?");
    if (como == QStringLiteral("esc"))
        fx.ui.expectMessage(QStringLiteral("Simulação de cenários"), pergunta, MsgIcon::Question,
                            MsgResult::Yes);
    if (como == QStringLiteral("fechar"))
        fx.ui.expectMessage(QStringLiteral("Simulação de cenários"), pergunta, MsgIcon::Question,
                            MsgResult::No);
    bool feito = false;
    std::function<void()> age = [&] {
        if (feito) return;
        if (!formSimCenarios->PanelProgressBar->isVisible()) {
            QTimer::singleShot(0, formSimCenarios, age);
            return;
        }
        feito = true;
        QVERIFY(parar->isVisible() && parar->isEnabled());
        if (como == QStringLiteral("parar")) parar->click();
        if (como == QStringLiteral("esc")) QTest::keyClick(formSimCenarios, Qt::Key_Escape);
        if (como == QStringLiteral("fechar")) formSimCenarios->close();
    };
    QTimer::singleShot(0, formSimCenarios, age);
    formSimCenarios->BTSimularClick();
    QVERIFY(feito);
    QCOMPARE(formSimCenariosGrid->NxGrResult->rowCount(), linhas);
    QVERIFY(formSimCenarios->isVisible());
    QVERIFY(formSimCenarios->BTSimular->isEnabled() && formSimCenarios->StringGrid1->isEnabled());
    QVERIFY(!formSimCenarios->PanelProgressBar->isVisible());
    QCOMPARE(formSimCenarios->height(), altura);
    QVERIFY(formSimCenariosGrid->isVisible() && formSimCenariosGrid->isEnabled());
    // Esc with no run going on closes the window as before.
    QTest::keyClick(formSimCenarios, Qt::Key_Escape);
    QVERIFY(!formSimCenarios->isVisible());
}

// The results window opens as wide as its columns need, within the screen: the result column
// shows without scrolling whenever the screen is wide enough for all of them.
void TestSimCenarios::resultsWindowShowsTheResultColumn() {
    fill(kLinhas2a8);
    formSimCenarios->BTSimularClick();
    TformSimCenariosGrid* w = formSimCenariosGrid;
    QVERIFY(QTest::qWaitForWindowExposed(w));
    DataGrid* grid = w->NxGrResult;
    const int tela = w->screen()->availableGeometry().width() - (w->frameGeometry().width() - w->width());
    if (grid->widthForAllColumns() + 2 * w->layout()->contentsMargins().left() <= tela) {
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
    } else {
        QCOMPARE(w->width(), tela);  // as wide as the screen allows
    }
    QVERIFY(w->width() <= tela);
}

// Editing a row after a run leaves the run's set alone: its rows still open what was run.
void TestSimCenarios::finishedRunKeepsItsSet() {
    fill(kLinhas2a8);
    formSimCenarios->BTSimularClick();
    const auto usado = formSimCenariosGrid->combs();
    editRow(2, [](TformCenariosDados* d) {
        d->LBDados->setCurrentRow(1);
        d->btExcluir->click();
        d->btConcluir->click();
    });
    QCOMPARE(formSimCenarios->texto(2), std::string("(100)"));
    QCOMPARE(formSimCenarios->estado.combsCurrent->vecAreaCapt, doubleArray{100});
    QCOMPARE(formSimCenariosGrid->combs().get(), usado.get());
    QCOMPARE(usado->vecAreaCapt, (doubleArray{100, 200}));
    formSimCenariosGrid->NxGrResultCellClick(0, 3);
    QCOMPARE(formGrafico->simCurrent->vecCaptAgua[0]->dblAreaCapt, 200.0);
}

void TestSimCenarios::definitionRoundTrip() {
    fill(kLinhas2a8);
    editRow(2, [](TformCenariosDados* d) { d->reject(); });
    const TextosCenarios antes = formSimCenarios->textos();
    const std::string path = tmp->file("estudo.txt");
    fx.ui.expectSaveFile(QString::fromStdString(path));
    formSimCenarios->BTSalvarCenarios->click();
    const std::vector<std::string> l = lines(TempDir::read(path));
    QCOMPARE(l.size(), std::size_t(9));  // the header naming the forms, then the eight lists
    QCOMPARE(QString::fromLatin1(l[0]), QStringLiteral("Definição de cenários;decimal=,;data=dd/MM/yyyy"));
    QCOMPARE(l[2], std::string("(100); (200)"));
    fx.ui.expectMessageContaining(QStringLiteral("Limpar"), QString(), MsgResult::Yes);
    formSimCenarios->BTLimpar->click();
    fx.ui.expectOpenFile(QString::fromStdString(path));
    formSimCenarios->BTAbrirCenarios->click();
    QVERIFY(formSimCenarios->textos() == antes);
    QVERIFY(formSimCenarios->BTSimular->isEnabled());
    formSimCenarios->BTSimularClick();
    QCOMPARE(formSimCenariosGrid->NxGrResult->rowCount(), 4);
}

void TestSimCenarios::definitionWithABadLineOpensNothing() {
    fill(kLinhas2a8);
    const TextosCenarios antes = formSimCenarios->textos();
    std::string def =
        "(" + prec +
        " | 01/01/2012 | 2)\r\n(100)\r\n(150)\r\n(4)\r\n(quarenta)\r\n(0,8)\r\n(0 | 0%)\r\n(Fixo: 3000)\r\n";
    const std::string path = tmp->write("ruim.txt", def);
    fx.ui.expectOpenFile(QString::fromStdString(path));
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"), QStringLiteral("Linha 5"));
    formSimCenarios->BTAbrirCenarios->click();
    QVERIFY(formSimCenarios->textos() == antes);
}

// A precipitation file named without its folder is found beside the definition, and the
// table keeps the name as written.
void TestSimCenarios::definitionWithARelativePath() {
    const std::string path =
        tmp->write("relativo.txt",
                   "(chuva.txt | 01/01/2012 | 2)\r\n(100)\r\n(150)\r\n(4)\r\n(40)\r\n(0,8)\r\n(0 | "
                   "0%)\r\n(Fixo: 3000)\r\n");
    fx.ui.expectOpenFile(QString::fromStdString(path));
    formSimCenarios->BTAbrirCenarios->click();
    QCOMPARE(formSimCenarios->texto(1), std::string("(chuva.txt | 01/01/2012 | 2)"));
    formSimCenarios->BTSimularClick();
    QCOMPARE(formSimCenariosGrid->NxGrResult->rowCount(), 1);
    QCOMPARE(formSimCenariosGrid->NxGrResult->cellText(1, 0), QStringLiteral("chuva.txt"));
}

void TestSimCenarios::comparisonWithoutVaryingParameter() {
    std::array<const char*, 7> rows = kLinhas2a8;
    rows[0] = "(100)";
    fill(rows);
    formSimCenarios->BTSimularClick();
    QVERIFY(formSimCenariosGrid->BTGrafico->isEnabled());
    fx.ui.expectMessage(QStringLiteral("Erro"),
                        QStringLiteral("Não há variáveis com mais de um valor. Não é possível gerar gráfico "
                                       "comparativo."),
                        MsgIcon::Error);
    formSimCenariosGrid->BTGrafico->click();
    QVERIFY(formSimCenariosGrafico->isVisible());
    QCOMPARE(formSimCenariosGrafico->CBParamVar->count(), 0);
    QCOMPARE(formSimCenariosGrafico->CBAreaCapt->currentIndex(), 0);  // one value: chosen
}

void TestSimCenarios::comparisonOkRefusesUntilChosen() {
    std::array<const char*, 7> rows = kLinhas2a8;
    rows[3] = "(40); (60)";
    fill(rows);
    formSimCenarios->BTSimularClick();
    formSimCenariosGrid->BTGrafico->click();
    TformSimCenariosGrafico* g = formSimCenariosGrafico;
    QVERIFY(g->isVisible());
    QCOMPARE(g->CBParamVar->count(), 2);
    QCOMPARE(g->CBParamVar->itemText(0), QStringLiteral("Área de captação"));
    QCOMPARE(g->CBParamVar->currentIndex(), -1);
    QCOMPARE(g->CBResInf->count(), 1);  // the ranges only
    QCOMPARE(g->CBResInf->currentIndex(), -1);
    // No varying parameter, then no range: refused, nothing drawn.
    fx.ui.expectMessageContaining(QStringLiteral("Erro"), QString());
    g->BTGeraGrafs->click();
    g->CBParamVar->setCurrentIndex(1);  // substitution varies
    QVERIFY(!g->CBPorcSubst->isEnabled() && g->CBAreaCapt->isEnabled());
    fx.ui.expectMessageContaining(QStringLiteral("Erro"), QString());
    g->BTGeraGrafs->click();
    QVERIFY(g->janelasResultado.empty());
    QVERIFY(formGraficoVextravasado->listSeries.isEmpty());
}

void TestSimCenarios::comparisonDrawsCurvesAndOpensResults() {
    fill(kLinhas2a8);
    formSimCenarios->BTSimularClick();
    formSimCenariosGrid->BTGrafico->click();
    TformSimCenariosGrafico* g = formSimCenariosGrafico;
    QCOMPARE(g->CBParamVar->currentIndex(), 0);  // the one varying parameter, chosen
    g->CBResInf->setCurrentIndex(0);
    g->BTGeraGrafs->click();
    QCOMPARE(formGraficoVextravasado->windowTitle(), QStringLiteral("Simulação de cenários"));
    QVERIFY(formGraficoVextravasado->isVisible());
    QCOMPARE(formGraficoVextravasado->listSeries.size(), 2);
    QCOMPARE(formGraficoVextravasado->listSeries[0]->title(), QStringLiteral("Área de captação (100 m²)"));
    QCOMPARE(formGraficoVextravasado->listSeries[1]->title(), QStringLiteral("Área de captação (200 m²)"));
    QCOMPARE(formGraficoVextravasado->sTextoAdicionalUnid, QStringLiteral("%"));
    QCOMPARE(formGraficoVextravasado->ChartVextravasado->leftAxis().title(),
             QStringLiteral("Potencial de economia (%)"));
    QVERIFY(!formGraficoVextravasado->ChartVextravasado->leftAxis().isMinimumAutomatic());
    QCOMPARE(formGraficoVextravasado->ChartVextravasado->leftAxis().minimum(), 0.0);
    QVERIFY(formGraficoVextravasado->ChartVextravasado->isLegendVisible());
    QCOMPARE(
        formGraficoVextravasado->ChartVextravasado->accessibleName(),
        QStringLiteral("Gráfico do potencial de economia por volume do reservatório inferior, uma linha por "
                       "valor do parâmetro variável"));
    QVERIFY(formGraficoVextravasado->listSeries[0]->count() >= 21);
    QCOMPARE(g->janelasResultado.size(), std::size_t(1));
    TformSimCenariosGrid* segunda = g->janelasResultado[0];
    QVERIFY(segunda->isVisible() && segunda != formSimCenariosGrid);
    QVERIFY(!segunda->BTGrafico->isVisible());
    QCOMPARE(segunda->NxGrResult->rowCount(), 2);
    // The second window keeps its set: its rows open and export.
    segunda->NxGrResultCellClick(0, 1);
    QCOMPARE(formGrafico->simCurrent->vecCaptAgua[0]->dblAreaCapt, 200.0);
    const std::filesystem::path pasta = tmp->file("comparacao");
    std::filesystem::create_directory(pasta);
    fx.ui.expectFolder(QString::fromStdString(pasta.string()));
    fx.ui.expectMessageContaining(QStringLiteral("Exportar planilha e simulações"),
                                  QStringLiteral("3 arquivos gravados em "));
    segunda->BTExpPlanSims->trigger();
    QVERIFY(std::filesystem::exists(pasta / "2.csv") && std::filesystem::exists(pasta / "Planilha.csv"));
}

QTEST_MAIN(TestSimCenarios)
#include "test_form_sim_cenarios.moc"
