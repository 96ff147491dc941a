// The program on a machine without a display: one clear line and a failure exit, not Qt's abort.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

class TestAppStart : public QObject {
    Q_OBJECT

  private slots:
    void withoutDisplay();
};

void TestAppStart::withoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcess app;
    app.setProcessEnvironment(env);
    app.start(QStringLiteral(VESPRA_APP_PATH), {});
    QVERIFY(app.waitForFinished(30000));
    QCOMPARE(app.exitStatus(), QProcess::NormalExit);
    QVERIFY(app.exitCode() != 0);
    const QString err = QString::fromUtf8(app.readAllStandardError());
    QCOMPARE(err.count(QLatin1Char('\n')), 1);
    QVERIFY2(err.contains(QStringLiteral("vespra-cli")), qPrintable(err));
    QVERIFY(app.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(TestAppStart)
#include "test_app_start.moc"
