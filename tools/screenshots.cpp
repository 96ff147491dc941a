// Takes the screenshots of docs/: the main window after a single-volume run of the bundled
// Seattle example, loaded as a user loads it. Run under Xvfb from the project root:
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/release/tools/vespra-screenshots docs
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "app_locale.h"
#include "app_windows.h"
#include "fake_ui.h"
#include "unit_main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    setAppLocale(LocaleSettings::ptBR());
    FakeUi answers;
    setUi(&answers);
    createWindows();
    formMain->show();
    answers.expectOpenFile(QDir::current().absoluteFilePath("examples/seattle-volume-unico.csv"));
    formMain->BTCarregarClick();
    int status = 0;
    QTimer::singleShot(500, [&] {
        const QPixmap shot = formMain->grab();
        if (!shot.save(out + "/janela-principal.png")) status = 1;
        for (const QString& p : answers.problems()) {
            std::fprintf(stderr, "%s\n", qPrintable(p));
            status = 1;
        }
        app.quit();
    });
    app.exec();
    setUi(nullptr);
    destroyWindows();
    return status;
}
