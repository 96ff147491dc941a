// Takes the screenshots of docs/: the main window after a single-volume run of the bundled
// Seattle example, loaded as a user loads it, and the sweep chart after two sweeps of the
// bundled range example (50 % and 70 % of the demand replaced), each with its ideal volume;
// then the chart's properties, the main window at its minimum size and Qt's own file dialog
// as the precipitation choice shows it, in the user's language.
// Run under Xvfb from the project root:
//   LANG=pt_BR.UTF-8 xvfb-run -a -s "-screen 0 1600x1000x24" build/release/tools/vespra-screenshots docs
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "components/app_locale.h"
#include "components/translations.h"
#include "tests/windows/fake_ui.h"
#include "windows/app_windows.h"
#include "windows/main/unit_main.h"
#include "windows/results/unit_grafico.h"
#include "windows/results/unit_grafico_props.h"

namespace {

bool save(QWidget* window, const QString& path) {
    return window->grab().save(path);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    setAppLocale(LocaleSettings::ptBR());
    installQtTranslations(QStringLiteral("pt_BR"));
    FakeUi answers;
    setUi(&answers);
    createWindows();
    formMain->show();
    answers.expectOpenFile(QDir::current().absoluteFilePath("examples/seattle-volume-unico.csv"));
    formMain->BTCarregarClick();
    int status = 0;
    QTimer::singleShot(500, [&] {
        if (!save(formMain, out + "/janela-principal.png")) status = 1;
        // Two sweeps drawn one over the other, as a user compares them.
        answers.expectOpenFile(QDir::current().absoluteFilePath("examples/seattle-faixa-volumes.csv"));
        formMain->BTCarregarClick();
        formMain->ed_porcentagem_subst->setText(QStringLiteral("70"));
        formMain->BTCalcular->click();
        formGrafico->resize(900, 620);
        QTimer::singleShot(500, [&] {
            if (!save(formGrafico, out + "/grafico-volumes.png")) status = 1;
            // The properties of the sweep chart, shown as its context menu opens them.
            formGraficoProps->defineSeries(formGrafico->SeriesSim);
            formGraficoProps->defineSimCurrent(formMain->simMain.get());
            formGraficoProps->show();
            QApplication::processEvents();
            if (!save(formGraficoProps, out + "/propriedades-grafico.png")) status = 1;
            formGraficoProps->hide();
            formMain->resize(formMain->minimumSizeHint());
            if (!save(formMain, out + "/janela-principal-minima.png")) status = 1;
            // Qt's own file dialog, as the precipitation choice opens it.
            QFileDialog files(
                formMain, QStringLiteral("Carregar dados de precipitação"), QDir::currentPath(),
                QStringLiteral("Arquivo CSV (*.csv);;Arquivo de texto (*.txt);;Todos os arquivos (*)"));
            files.setOption(QFileDialog::DontUseNativeDialog);
            files.resize(760, 440);
            files.show();
            QApplication::processEvents();
            if (!save(&files, out + "/dialogo-arquivo.png")) status = 1;
            files.hide();
            for (const QString& p : answers.problems()) {
                std::fprintf(stderr, "%s\n", qPrintable(p));
                status = 1;
            }
            app.quit();
        });
    });
    app.exec();
    setUi(nullptr);
    destroyWindows();
    return status;
}
