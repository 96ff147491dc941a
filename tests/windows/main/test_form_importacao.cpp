// A weather station's daily file imported from the main window's precipitation grid and from
// the scenario precipitation dialog: the report (format, station, period, gaps listed and
// marked on the chart), the gap policy and the days it writes, the record written and the
// path and start date it fills in, and every refusal leaving the files and the inputs as they
// were.

#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "components/radio_group.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/window_fixture.h"
#include "windows/main/form_importacao.h"
#include "windows/main/form_main.h"
#include "windows/scenarios/form_dados_prec.h"

namespace {

const QString kTitulo = QStringLiteral("Importar arquivo de estação");
const QString kShort =
    QStringLiteral("Os dados de precipitação devem conter no mínimo 365 precipitações diárias.");

TformMain& win() {
    return *formMain;
}

QStringList listed(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

// Points drawn as gap marks on the report's chart.
int gapMarks(const TformImportacao* w) {
    for (QAbstractSeries* s : w->GraficoSerie->chart()->series()) {
        if (auto* marks = qobject_cast<QScatterSeries*>(s)) return static_cast<int>(marks->count());
    }
    return -1;
}

// Runs of days with a value drawn as lines: a gap breaks the line.
int lineRuns(const TformImportacao* w) {
    int runs = 0;
    for (QAbstractSeries* s : w->GraficoSerie->chart()->series())
        runs += qobject_cast<QLineSeries*>(s) ? 1 : 0;
    return runs;
}

int lineCount(const std::string& bytes) {
    return static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
}

}  // namespace

class TestImportacao : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void fromMainWindow_data();
    void fromMainWindow();
    void fromScenarioDialog();
    void refusalsLeaveEverything_data();
    void refusalsLeaveEverything();

  private:
    // A fixture copied into the test's folder, so that the record goes beside it there.
    QString copyFixture(const char* name) const;

    WindowFixture fx;
    std::unique_ptr<TempDir> tmp;
};

void TestImportacao::init() {
    tmp = std::make_unique<TempDir>();
    fx.start("pt_BR");
    win().show();
}

void TestImportacao::cleanup() {
    fx.finish();
    tmp.reset();
}

QString TestImportacao::copyFixture(const char* name) const {
    const std::string from = std::string(VESPRA_SOURCE_DIR) + "/tests/import/fixtures/" + name;
    return QString::fromStdString(tmp->write(name, TempDir::read(from)));
}

void TestImportacao::fromMainWindow_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("header");  // format, station, period
    QTest::addColumn<QStringList>("gaps");
    QTest::addColumn<int>("missing");
    QTest::addColumn<int>("policy");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("start");
    const QStringList inmet{QStringLiteral("Formato: INMET (BDMEP)"), QStringLiteral("Estação: T0001"),
                            QStringLiteral("Período: 01/01/2012 a 09/02/2012 (40 dias)")};
    const QStringList inmetGaps{QStringLiteral("10/01/2012 a 11/01/2012 (2 dias)"),
                                QStringLiteral("20/01/2012 (1 dia)"), QStringLiteral("25/01/2012 (1 dia)")};
    QTest::newRow("INMET, gaps as 0 mm")
        << "inmet_convencional.csv" << inmet << inmetGaps << 4 << 1
        << "Dias gravados: 40, de 01/01/2012 a 09/02/2012; dias preenchidos com 0 mm: 4"
        << "01/01/2012";
    QTest::newRow("INMET, longest run")
        << "inmet_convencional.csv" << inmet << inmetGaps << 4 << 2
        << "Dias gravados: 15, de 26/01/2012 a 09/02/2012; dias preenchidos com 0 mm: 0"
        << "26/01/2012";
    QTest::newRow("ANA, no gap")
        << "ana_chuvas.csv"
        << QStringList{QStringLiteral("Formato: ANA (HidroWeb)"), QStringLiteral("Estação: 99999999"),
                       QStringLiteral("Período: 01/01/2012 a 31/03/2012 (91 dias)")}
        << QStringList() << 0 << 0
        << "Dias gravados: 91, de 01/01/2012 a 31/03/2012; dias preenchidos com 0 mm: 0"
        << "01/01/2012";
    QTest::newRow("GHCN-Daily, longest run")
        << "ghcn.dly"
        << QStringList{QStringLiteral("Formato: GHCN-Daily (.dly)"), QStringLiteral("Estação: ZZ000000001"),
                       QStringLiteral("Período: 01/01/2012 a 29/02/2012 (60 dias)")}
        << QStringList{QStringLiteral("15/01/2012 a 16/01/2012 (2 dias)")} << 2 << 2
        << "Dias gravados: 44, de 17/01/2012 a 29/02/2012; dias preenchidos com 0 mm: 0"
        << "17/01/2012";
    QTest::newRow("NOAA, gap as 0 mm")
        << "noaa.csv"
        << QStringList{QStringLiteral("Formato: NOAA (resumos diários)"),
                       QStringLiteral("Estação: ZZ000000001"),
                       QStringLiteral("Período: 01/01/2012 a 09/02/2012 (40 dias)")}
        << QStringList{QStringLiteral("05/01/2012 (1 dia)")} << 1 << 1
        << "Dias gravados: 40, de 01/01/2012 a 09/02/2012; dias preenchidos com 0 mm: 1"
        << "01/01/2012";
    QTest::newRow("dated CSV")
        << "seattle.csv"
        << QStringList{QStringLiteral("Formato: CSV com datas"), QStringLiteral("Estação: não informada"),
                       QStringLiteral("Período: 01/01/2012 a 09/02/2012 (40 dias)")}
        << QStringList() << 0 << 0
        << "Dias gravados: 40, de 01/01/2012 a 09/02/2012; dias preenchidos com 0 mm: 0"
        << "01/01/2012";
}

// The report as read, the default policy refusing a record with gaps (told, nothing written,
// the window staying), the chosen policy writing the record, which the grid then loads with
// its first day as the start date.
void TestImportacao::fromMainWindow() {
    QFETCH(QString, fixture);
    QFETCH(QStringList, header);
    QFETCH(QStringList, gaps);
    QFETCH(int, missing);
    QFETCH(int, policy);
    QFETCH(QString, result);
    QFETCH(QString, start);
    const QString source = copyFixture(fixture.toUtf8().constData());
    const std::string record = tmp->file(QFileInfo(fixture).completeBaseName().toStdString() + ".txt");
    win().setPrecCell(PrecRowDescarte, QStringLiteral("2"));
    fx.ui.expectOpenFile(source);
    fx.ui.expectModal(QStringLiteral("formImportacao"), [&](QDialog* d) {
        auto* w = static_cast<TformImportacao*>(d);
        [&] {
            QCOMPARE((QStringList{w->LabelFormato->text(), w->LabelEstacao->text(), w->LabelPeriodo->text()}),
                     header);
            QCOMPARE(listed(w->ListLacunas),
                     gaps.isEmpty() ? QStringList{QStringLiteral("Nenhuma lacuna")} : gaps);
            QCOMPARE(gapMarks(w), missing);
            QCOMPARE(lineRuns(w), static_cast<int>(gaps.size()) + 1);
            QCOMPARE(w->edArquivo->text(), QString::fromStdString(record));
            QCOMPARE(w->RGLacunas->itemIndex(), 0);
            QVERIFY(w->BTOK->isDefault());
            if (!gaps.isEmpty()) {
                QVERIFY(w->LabelResultado->text().contains(QStringLiteral("nada foi gravado")));
                fx.ui.expectMessageContaining(kTitulo, QStringLiteral("nada foi gravado"));
                w->BTOK->click();
                QCOMPARE(w->result(), int(QDialog::Rejected));
                QVERIFY(!std::filesystem::exists(record));
            }
            w->RGLacunas->setItemIndex(policy);
            QCOMPARE(w->LabelResultado->text(), result);
        }();
        fx.ui.expectMessage(QStringLiteral("Dados de precipitação"), kShort);
        w->BTOK->click();
        return w->result();
    });
    win().BTImportarEstacao->click();
    const std::string written = TempDir::read(record);
    const int days = result.section(QLatin1Char(' '), 2, 2).chopped(1).toInt();
    QCOMPARE(lineCount(written), days);
    QVERIFY(written.find("\r\n") != std::string::npos);
    QCOMPARE(win().precCell(PrecRowArquivo), QFileInfo(QString::fromStdString(record)).fileName());
    QCOMPARE(win().precCell(PrecRowRegistros), QString::number(days));
    QCOMPARE(win().precCell(PrecRowData), start);
    QCOMPARE(win().precCell(PrecRowDescarte), QStringLiteral("2"));
    QCOMPARE(win().sim().base().vecDadosPrecOrig.size(), std::size_t(days));
}

// The scenario dialog gets the written record's full path and first day, and nothing else
// until "Concluir"; the record goes where "Procurar..." said.
void TestImportacao::fromScenarioDialog() {
    TformDadosPrec dialog;
    dialog.edDescartPrec->setText(QStringLiteral("1,5"));
    const QString source = copyFixture("ghcn.dly");
    const QString out = QString::fromStdString(tmp->file("outro.txt"));
    fx.ui.expectOpenFile(source);
    fx.ui.expectModal(QStringLiteral("formImportacao"), [&](QDialog* d) {
        auto* w = static_cast<TformImportacao*>(d);
        fx.ui.expectSaveFile(out);
        w->BTProcurar->click();
        w->RGLacunas->setItemIndex(2);
        w->show();
        QTest::keyClick(w->RGLacunas->button(2), Qt::Key_Return);  // "OK" is the default button
        return w->result();
    });
    dialog.BTImportarEstacao->click();
    QCOMPARE(fx.ui.shown().front().text,
             QStringLiteral("Arquivos de estação|*.csv *.txt *.dly|Todos os arquivos|*"));
    QCOMPARE(dialog.edCaminho->text(), out);
    QCOMPARE(dialog.edDataInicial->text(), QStringLiteral("17/01/2012"));
    QCOMPARE(dialog.edDescartPrec->text(), QStringLiteral("1,5"));
    QCOMPARE(lineCount(TempDir::read(out.toStdString())), 44);
    QVERIFY(!std::filesystem::exists(tmp->file("ghcn.txt")));
}

void TestImportacao::refusalsLeaveEverything_data() {
    QTest::addColumn<QString>("fixture");  // empty: a file that is no station file
    QTest::addColumn<QString>("out");      // where the record is sent ("source": over the source)
    QTest::addColumn<QString>("message");  // a part of the message; empty: none
    QTest::newRow("not a station file") << QString() << QString() << "Formato não reconhecido";
    QTest::newRow("over the source") << "noaa.csv"
                                     << "source"
                                     << "próprio arquivo da estação";
    QTest::newRow("folder missing") << "noaa.csv"
                                    << "falta/registro.txt"
                                    << "Não foi possível gravar";
    QTest::newRow("cancelled from the menu") << "noaa.csv" << QString() << QString();
}

// A file that is not read, a record that cannot be written and Esc: the message (if any), the
// window left with Esc, no record, the source and the grid as they were.
void TestImportacao::refusalsLeaveEverything() {
    QFETCH(QString, fixture);
    QFETCH(QString, out);
    QFETCH(QString, message);
    const QString source = fixture.isEmpty() ? QString::fromStdString(tmp->write("chuva.csv", "abc\r\n1\r\n"))
                                             : copyFixture(fixture.toUtf8().constData());
    const std::string before = TempDir::read(source.toStdString());
    win().setPrecCell(PrecRowData, QStringLiteral("05/05/2015"));
    const TCaptAguaInterval* sim = win().simMain.get();
    fx.ui.expectOpenFile(source);
    if (fixture.isEmpty()) {
        fx.ui.expectMessageContaining(kTitulo, message);
    } else {
        fx.ui.expectModal(QStringLiteral("formImportacao"), [&](QDialog* d) {
            auto* w = static_cast<TformImportacao*>(d);
            w->RGLacunas->setItemIndex(1);
            if (!out.isEmpty()) {
                w->edArquivo->setText(out == QLatin1String("source")
                                          ? source
                                          : QString::fromStdString(tmp->file(out.toStdString())));
                fx.ui.expectMessageContaining(kTitulo, message);
                w->BTOK->click();
            }
            QTest::keyClick(w, Qt::Key_Escape);
            return w->result();
        });
    }
    if (message.isEmpty()) {
        win().MenuImportarEstacao->trigger();
    } else {
        win().BTImportarEstacao->click();
    }
    QCOMPARE(TempDir::read(source.toStdString()), before);
    QVERIFY(!std::filesystem::exists(tmp->file("noaa.txt")));
    QVERIFY(!std::filesystem::exists(tmp->file("falta")));
    QCOMPARE(win().simMain.get(), sim);
    QCOMPARE(win().precCell(PrecRowData), QStringLiteral("05/05/2015"));
    QCOMPARE(win().precCell(PrecRowArquivo), QString());
}

QTEST_MAIN(TestImportacao)
#include "test_form_importacao.moc"
