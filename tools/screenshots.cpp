// Takes the screenshots of the user guide (docs/guia/imagens/): every window of the program,
// driven through the dialog seam as a user drives it, with the bundled Seattle examples in
// them: the main window in both modes, its dialogs and result windows, the economic windows
// with examples/seattle-analise-economica.csv loaded, and the scenario windows with
// examples/cenarios-seattle.txt opened and run. The figures the windows show go to stderr.
// Run under Xvfb from the project root:
//   LANG=pt_BR.UTF-8 xvfb-run -a -s "-screen 0 1600x1000x24" build/release/tools/vespra-screenshots
//   docs/guia/imagens
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTest>
#include <QWidget>
#include <cstdio>

#include "components/app_locale.h"
#include "components/translations.h"
#include "tools/shots.h"
#include "windows/app_windows.h"

void Shots::settle(int ms) {
    QTest::qWait(ms);
}

QString Shots::example(const QString& name) {
    return QDir::current().absoluteFilePath(QStringLiteral("examples/") + name);
}

void Shots::save(QWidget* window, const QString& name) {
    if (!window->grab().save(dir + QLatin1Char('/') + name)) {
        std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(name));
        status = 1;
    }
}

void Shots::show(QWidget* window, const QString& name) {
    window->show();
    window->raise();
    settle();
    save(window, name);
}

void Shots::expectModalShot(const QString& objectName, const QString& name, int result,
                            std::function<void(QDialog*)> fill) {
    ui.expectModal(objectName, [this, name, result, fill](QDialog* dialog) {
        if (fill) fill(dialog);
        show(dialog, name);
        dialog->hide();
        return result;
    });
}

void Shots::report(const QString& what, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(what), qPrintable(text));
}

void chooseItem(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

int itemStartingWith(const QComboBox* box, const QString& start) {
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).startsWith(start)) return i;
    return -1;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/guia/imagens");
    QDir().mkpath(out);
    setAppLocale(LocaleSettings::ptBR());
    installQtTranslations(QStringLiteral("pt_BR"));
    FakeUi answers;
    setUi(&answers);
    createWindows();
    Shots shots{out, answers};
    shootMainWindow(shots);
    shootEconomics(shots);
    shootScenarios(shots);
    for (const QString& p : answers.problems()) {
        std::fprintf(stderr, "%s\n", qPrintable(p));
        shots.status = 1;
    }
    setUi(nullptr);
    destroyWindows();
    return shots.status;
}
