// The program's own start: on a machine without a display, one clear line and a failure exit,
// not Qt's abort; --help and --version answer without a display; a bad command line is one
// line on stderr before any window opens.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

// Runs the program; `display` is the offscreen platform or none at all.
Run runApp(const QStringList& args, bool display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    if (display) env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess app;
    app.setProcessEnvironment(env);
    app.start(QStringLiteral(VESPRA_APP_PATH), args);
    Run r;
    if (!app.waitForFinished(30000)) {
        app.kill();
        app.waitForFinished();
        return r;
    }
    if (app.exitStatus() == QProcess::NormalExit) r.code = app.exitCode();
    r.out = QString::fromUtf8(app.readAllStandardOutput());
    r.err = QString::fromUtf8(app.readAllStandardError());
    return r;
}

}  // namespace

class TestAppStart : public QObject {
    Q_OBJECT

  private slots:
    void withoutDisplay();
    void commandLine_data();
    void commandLine();
};

void TestAppStart::withoutDisplay() {
    const Run r = runApp({}, false);
    QVERIFY(r.code > 0);
    QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(r.err.contains(QStringLiteral("vespra-cli")), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
}

void TestAppStart::commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("display");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");  // the start of stdout
    QTest::addColumn<QString>("err");  // a part of the one line on stderr
    QTest::newRow("help, no display") << QStringList{QStringLiteral("--help")} << false << 0
                                      << QStringLiteral("Uso: vespra [ARQUIVO]\n") << QString();
    QTest::newRow("version, no display") << QStringList{QStringLiteral("--version")} << false << 0
                                         << QStringLiteral("Vespra 4, versão 4.0.0\n") << QString();
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--ajuda")} << true << 2 << QString()
                                    << QStringLiteral("vespra: opção desconhecida: --ajuda.");
    // Qt's own options are Qt's: the one refused is the program's unknown one.
    QTest::newRow("after Qt's options")
        << QStringList{QStringLiteral("-style"), QStringLiteral("Fusion"), QStringLiteral("-z")} << true << 2
        << QString() << QStringLiteral("opção desconhecida: -z.");
    QTest::newRow("two files") << QStringList{QStringLiteral("a.csv"), QStringLiteral("b.csv")} << true << 2
                               << QString() << QStringLiteral("um arquivo de simulação por vez");
}

void TestAppStart::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(bool, display);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run r = runApp(args, display);
    QCOMPARE(r.code, code);
    if (out.isEmpty()) {
        QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
    } else {
        QVERIFY2(r.out.startsWith(out), qPrintable(r.out));
    }
    if (err.isEmpty()) {
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    } else {
        // Qt may add its own notes (a root user's XDG_RUNTIME_DIR); the program's is one line.
        const QStringList ours = r.err.split(QLatin1Char('\n')).filter(QStringLiteral("vespra: "));
        QCOMPARE(ours.size(), 1);
        QVERIFY2(ours.front().contains(err), qPrintable(r.err));
    }
}

QTEST_GUILESS_MAIN(TestAppStart)
#include "test_app_start.moc"
