// The economic analysis in the simulation file, through the main window: saving writes the
// section, opening the file restores the analysis windows and recomputes the results, and a
// malformed section changes nothing.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "common/numtext.h"
#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/radio_group.h"
#include "economics/file_section.h"
#include "engine/capt_agua_interval.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/econ_fixture.h"
#include "tests/windows/window_fixture.h"
#include "windows/economics/form_analise.h"
#include "windows/economics/form_custo_manutencao.h"
#include "windows/economics/form_custo_motobomba.h"
#include "windows/economics/form_custo_reservatorios.h"
#include "windows/economics/form_economia_agua.h"
#include "windows/economics/form_tarifas_agua.h"

namespace {

TformAnalise& a() {
    return *formAnalise;
}

QStringList resultLines() {
    return {a().Label3->text(), a().Label4->text(), a().Label5->text()};
}

// Every box and list of the analysis, as one comparable record of texts; the pump's only
// when the simulation has an upper reservoir (the file holds them only then).
QStringList everything(bool withPump) {
    const TDadosAnalise d = a().dados();
    QStringList out{fromUtf8(d.analise.strVolume),
                    fromUtf8(d.analise.strInflacao),
                    fromUtf8(d.analise.strPeriodoAumento),
                    fromUtf8(d.analise.strPeriodoAnalise),
                    fromUtf8(d.analise.strTMA),
                    QString::number(d.analise.indMesIn),
                    QString::number(static_cast<int>(d.tarifas.tipoEsgoto)),
                    fromUtf8(d.tarifas.strTarEsgoto),
                    fromUtf8(d.iniciais.strCustoInf),
                    fromUtf8(d.iniciais.strCustoSup)};
    if (withPump) {
        out << fromUtf8(d.motobomba.strPotencia) << QString::number(d.motobomba.indPotUnid)
            << fromUtf8(d.motobomba.strImpVar);
    }
    for (const std::string& row : d.tarifas.vecLinhasFaixas) out << fromUtf8(row);
    for (const TManutencao& m : d.vecManutencao) out << fromUtf8(m.Nome) << QString::number(m.Periodo);
    return out;
}

}  // namespace

class TestAnaliseArquivo : public QObject {
    Q_OBJECT

  private slots:
    void init() { tmp = std::make_unique<TempDir>(); }
    void cleanup() {
        fx.finish();
        tmp.reset();
    }

    void saveThenLoadRestores_data();
    void saveThenLoadRestores();
    void noPeriodNoSection();
    void malformedSectionChangesNothing_data();
    void malformedSectionChangesNothing();
    void refusedBandToldOnceRestLoaded();
    void zeroLitreUpperReservoirOpensAgain();
    void emptyPumpOpensWithOneMessage();

  private:
    // A household run for one volume with a whole analysis calculated.
    void runOneVolume(bool resSup);
    void analysed(bool resSup);
    void analysedStarted(bool resSup);  // analysed, the fixture already started
    QString save();

    WindowFixture fx;
    std::unique_ptr<TempDir> tmp;
};

// The user picks a record of rain every third day, fills the household of 100 m², 4 people of
// 150 litres a day, 50 % and 0,8, and runs it for 5000 litres.
void TestAnaliseArquivo::runOneVolume(bool resSup) {
    TformMain& w = *formMain;
    w.show();
    std::string record;
    for (int i = 0; i < 400; ++i) record += i % 3 == 0 ? "8\r\n" : "0\r\n";
    fx.ui.expectOpenFile(QString::fromStdString(tmp->write("chuva.txt", record)));
    const QRect cell = w.strGridPrec->visualItemRect(w.strGridPrec->item(PrecRowArquivo, 1));
    QTest::mouseClick(w.strGridPrec->viewport(), Qt::LeftButton, {}, cell.center());
    w.setPrecCell(PrecRowData, fromUtf8(formatDate(*TDate::fromYMD(2012, 1, 1), appLocale())));
    w.setPrecCell(PrecRowDescarte, QStringLiteral("2"));
    w.ed_captacao->setText(QStringLiteral("100"));
    w.ed_demanda->setText(QStringLiteral("150"));
    w.ed_moradores->setText(QStringLiteral("4"));
    w.ed_porcentagem_subst->setText(QStringLiteral("50"));
    w.ed_coef_aprov->setText(QStringLiteral("0,8"));
    if (resSup) {
        formResSup->RGResSup->setItemIndex(TformResSup::ItemVolume);
        formResSup->ed_reservatorio_sup->setText(QStringLiteral("300"));
        formResSup->edResSupRec->setText(QStringLiteral("100"));
    }
    w.RGResInf->setItemIndex(0);
    w.ed_reservatorio_inf->setText(QStringLiteral("5000"));
    w.BTCalcular->click();
    QVERIFY(w.BTAnalise->isEnabled());
}

void TestAnaliseArquivo::analysed(bool resSup) {
    fx.start("pt_BR");
    analysedStarted(resSup);
}

void TestAnaliseArquivo::analysedStarted(bool resSup) {
    runOneVolume(resSup);
    QCOMPARE(a().Label10->text(), QStringLiteral("5000"));
    a().simulaCaptAgua();
    econtest::tariffs();
    econtest::settings(QStringLiteral("2"), 9);
    formCustoReservatorios->edCustoInf->setText(QStringLiteral("1500,50"));
    formCustoReservatorios->edCustoSup->setText(QStringLiteral("300"));
    if (resSup) econtest::pump();
    TformCustoManutencao& m = *formCustoManutencao;
    m.edNomeManutencao->setText(QStringLiteral("Limpeza da cisterna"));
    m.edMeses->setText(QStringLiteral("6"));
    m.RGTipoCusto->setItemIndex(1);
    m.edCoefLinear->setText(QStringLiteral("10"));
    m.edCoefAng->setText(QStringLiteral("2"));
    m.BTAdicionar->click();
    a().BTCalcular->click();
    QCOMPARE(a().height(), 580);
}

QString TestAnaliseArquivo::save() {
    const QString path = QString::fromStdString(tmp->file("simulacao.csv"));
    fx.ui.expectSaveFile(path);
    formMain->BTSalvarClick();
    return path;
}

void TestAnaliseArquivo::saveThenLoadRestores_data() {
    QTest::addColumn<bool>("resSup");
    QTest::newRow("lower reservoir only") << false;
    QTest::newRow("with the pump") << true;
}

void TestAnaliseArquivo::saveThenLoadRestores() {
    QFETCH(bool, resSup);
    analysed(resSup);
    const QStringList fields = everything(resSup);
    const QStringList results = resultLines();
    const std::vector<std::string> section = a().SalvarAnaliseEcon();
    const QString path = save();
    const auto lines = readTextLines(path.toStdString());
    QVERIFY(IndexOfLine(lines, kMarcadorAnalise) >= 0);

    // Another analysis in the windows, then the file.
    a().LimparAnaliseEcon();
    a().Label3->clear();
    formMain->loadSimulation(path);

    QVERIFY(a().isVisible());
    QVERIFY(a().hasSimAnalise());
    QCOMPARE(everything(resSup), fields);
    QCOMPARE(resultLines(), results);
    QCOMPARE(a().height(), 580);
    QCOMPARE(formEconomiaAgua->NextGrid1->rowCount(), 12);
    QCOMPARE(formCustoManutencao->NxGManut->rowCount(), 1);
    QCOMPARE(a().SalvarAnaliseEcon(), section);
    QCOMPARE(formCustoMotobomba->isVisible(), false);
}

void TestAnaliseArquivo::noPeriodNoSection() {
    analysed(false);
    a().edPeriodoAnalise->clear();
    // Saving runs the simulation on screen, and with it the started analysis, which has no
    // period now.
    fx.ui.expectMessage(QStringLiteral("Erro"),
                        QStringLiteral("Período de análise (anos): '' não é um número válido."));
    const auto lines = readTextLines(save().toStdString());
    QCOMPARE(IndexOfLine(lines, kMarcadorAnalise), -1);
}

void TestAnaliseArquivo::malformedSectionChangesNothing_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("namesThisLine");
    QTest::newRow("band count not a number") << "Tarifas de agua;3"
                                             << "Tarifas de agua;x" << true;
    QTest::newRow("more bands than lines") << "Tarifas de agua;3"
                                           << "Tarifas de agua;40" << false;
    QTest::newRow("month not a number") << "Mes de instalacao;9"
                                        << "Mes de instalacao;out" << true;
    QTest::newRow("item count too large") << "Custos operacionais;1"
                                          << "Custos operacionais;5" << false;
}

void TestAnaliseArquivo::malformedSectionChangesNothing() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, namesThisLine);
    analysed(false);
    const QString path = save();
    std::vector<std::string> lines = readTextLines(path.toStdString());
    const int at = IndexOfLine(lines, from.toStdString());
    QVERIFY(at >= 0);
    lines[static_cast<std::size_t>(at)] = to.toStdString();
    writeTextLines(path.toStdString(), lines);

    // Something else in the windows, which the refused file must leave alone.
    formMain->ed_captacao->setText(QStringLiteral("120"));
    a().edTMA->setText(QStringLiteral("2"));
    const QStringList fields = everything(false);
    const QStringList results = resultLines();
    const TCaptAguaInterval* set = formMain->simMain.get();

    const QString line = QStringLiteral("Análise econômica do arquivo, linha ");
    fx.ui.expectMessageContaining(QStringLiteral("Vespra 4"),
                                  namesThisLine ? line + QString::number(at + 1) + QLatin1Char(':') : line);
    formMain->loadSimulation(path);
    QCOMPARE(formMain->simMain.get(), set);
    QCOMPARE(formMain->ed_captacao->text(), QStringLiteral("120"));
    QCOMPARE(everything(false), fields);
    QCOMPARE(resultLines(), results);
    QVERIFY(a().hasSimAnalise());
}

// A middle band the tariff window would refuse (saved by hand, or by an older program): the
// main window tells it once, leaves it out and loads the rest of the file.
void TestAnaliseArquivo::refusedBandToldOnceRestLoaded() {
    analysed(false);
    const QString path = save();
    std::vector<std::string> lines = readTextLines(path.toStdString());
    const int at = IndexOfLine(lines, "10;20;3;0");
    QVERIFY(at >= 0);
    lines[static_cast<std::size_t>(at)] = "10;8;3;0";
    writeTextLines(path.toStdString(), lines);
    a().LimparAnaliseEcon();

    fx.ui.expectMessage(QStringLiteral("Erro"),
                        QStringLiteral("Análise econômica do arquivo, linha %1: faixa \"Entre 10 e 8 m³\": "
                                       "Preenchimento incorreto. Verifique os valores")
                            .arg(at + 1),
                        MsgIcon::Warning);
    formMain->loadSimulation(path);
    QVERIFY(a().isVisible());
    QCOMPARE(a().dados().tarifas.vecLinhasFaixas,
             (std::vector<std::string>{"Abaixo de 10 m³: R$20 (fixo).", "Acima de 10 m³: R$5 (por m³)."}));
    QCOMPARE(formCustoManutencao->NxGManut->rowCount(), 1);
    QCOMPARE(a().height(), 580);  // calculated
    QVERIFY(a().Label3->text().startsWith(QStringLiteral("Valor presente líquido: R$ ")));
}

// "Entrar com volume desejado" with 0 L is no upper reservoir: the file holds no pump lines,
// and it opens again with the same analysis.
void TestAnaliseArquivo::zeroLitreUpperReservoirOpensAgain() {
    fx.start("pt_BR");
    formResSup->RGResSup->setItemIndex(TformResSup::ItemVolume);
    formResSup->ed_reservatorio_sup->setText(QStringLiteral("0"));
    formResSup->edResSupRec->setText(QStringLiteral("0"));
    analysedStarted(false);
    const QStringList fields = everything(false);
    const QStringList results = resultLines();
    const QString path = save();
    QCOMPARE(IndexOfLine(readTextLines(path.toStdString()), "Quantidade;1"), -1);
    a().LimparAnaliseEcon();
    formMain->loadSimulation(path);
    QCOMPARE(everything(false), fields);
    QCOMPARE(resultLines(), results);
}

// An analysis with an upper reservoir whose pump window was left empty (no unit either, as
// after "Limpar análise econômica"): the run before saving asks nothing, the file keeps the
// empty pump lines, and opening it says once what the pump window lacks and opens no window by
// itself, nor does a run afterwards; the user's "Calcular" asks for the pump.
void TestAnaliseArquivo::emptyPumpOpensWithOneMessage() {
    fx.start("pt_BR");
    runOneVolume(true);
    a().LimparAnaliseEcon();
    a().simulaCaptAgua();
    econtest::tariffs();
    econtest::settings(QStringLiteral("2"));
    const QString path = save();
    QVERIFY(IndexOfLine(readTextLines(path.toStdString()), "Potencia;;-1") >= 0);

    fx.ui.expectMessage(QStringLiteral("Erro"),
                        QStringLiteral("Há um ou mais campos não preenchidos.\nCampo não preenchido: "
                                       "Potência unitária."),
                        MsgIcon::Error);
    formMain->loadSimulation(path);
    QVERIFY(a().hasSimAnalise());
    QVERIFY(!a().estado.resultado);
    QCOMPARE(formCustoMotobomba->edImpFixo->text(), QStringLiteral("0"));
    formMain->BTCalcular->click();
    QCOMPARE(fx.ui.shown().size(), std::size_t{3});  // the record, the save dialog and the one message

    fx.ui.expectMessage(QStringLiteral("Erro"),
                        QStringLiteral("Há um ou mais dados não preenchidos sobre a motobomba."));
    fx.ui.expectModal(QStringLiteral("formCustoMotobomba"), [](QDialog*) { return int(QDialog::Rejected); });
    a().BTCalcular->click();
    QVERIFY(!a().estado.resultado);
}

QTEST_MAIN(TestAnaliseArquivo)
#include "test_analysis_file_window.moc"
